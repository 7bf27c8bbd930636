#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>
#include <podofo/base/PdfReference.h>

#include "export/PdfWriter.h"
#include "ocr/OcrPageText.h"

namespace PoDoFo {
class PdfDocument;
class PdfPage;
} // namespace PoDoFo

// The invisible text over a page image that makes a PDF searchable: each recognised word set in
// text render mode 3 (neither filled nor stroked) at its place on the page, stretched to its
// width, in a font without glyphs whose codes are the text's UTF-16 units and whose ToUnicode
// map gives them back, so that selecting, searching and copying work in every script.
class PdfTextLayer
{
public:
    explicit PdfTextLayer(PoDoFo::PdfDocument &doc);

    // The content operators for one page's words, the image drawn as placement says.
    static QByteArray content(const OcrPageText &text, const PagePlacement &placement,
                              QSize imagePixels);
    // The font in the page's resources under the name content() uses; the font's objects are
    // written on first use.
    void addFontTo(PoDoFo::PdfPage &page);

    // The ToUnicode map: every code the identity of its UTF-16 unit (surrogates excepted).
    static QByteArray toUnicodeMap();

private:
    PoDoFo::PdfReference font();

    PoDoFo::PdfDocument &m_doc;
    std::optional<PoDoFo::PdfReference> m_font;
};
