#include "export/PdfTextLayer.h"

#include <algorithm>
#include <cmath>
#include <podofo/podofo.h>

#include "export/GlyphlessFont.h"

using PoDoFo::PdfArray;
using PoDoFo::PdfDictionary;
using PoDoFo::PdfName;
using PoDoFo::PdfObject;
using PoDoFo::PdfString;
using PoDoFo::PdfVariant;

namespace {

const char *const fontResource = "FTxt";
const char *const fontName = "VellumoGlyphless";

// Ascent and descent of the font in text space (thousandths of the size); a line's box spans
// both, so the baseline sits this far above its bottom.
constexpr double descentShare = 0.2;

QByteArray number(double value)
{
    // Two decimals are a hundredth of a point: finer than any reader positions text.
    QByteArray text = QByteArray::number(std::round(value * 100.0) / 100.0, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

// An integer object. (A literal zero given to AddKey would pick its pointer overload.)
PdfObject integer(qint64 value)
{
    return PdfObject(PoDoFo::pdf_int64(value));
}

// The word's codes: its UTF-16 units, a character outside the basic plane replaced by U+FFFD
// (the map gives no character for a lone surrogate).
QByteArray hexCodes(const QString &text, int *count)
{
    QByteArray hex;
    *count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            unit = 0xFFFD;
        } else if (QChar::isLowSurrogate(unit)) {
            unit = 0xFFFD;
        }
        hex += QByteArray::number(unit, 16).rightJustified(4, '0').toUpper();
        ++*count;
    }
    return hex;
}

// A stream object, flate-compressed, written at once (a streamed document writes objects in
// the order they are finished).
PoDoFo::PdfReference streamObject(PoDoFo::PdfDocument &doc, const PdfDictionary &dictionary,
                                  const QByteArray &data)
{
    PdfObject *object = doc.GetObjects()->CreateObject(dictionary);
    PoDoFo::TVecFilters filters;
    filters.push_back(PoDoFo::ePdfFilter_FlateDecode);
    PoDoFo::PdfStream *stream = object->GetStream();
    stream->BeginAppend(filters);
    stream->Append(data.constData(), size_t(data.size()));
    stream->EndAppend();
    return object->Reference();
}

} // namespace

PdfTextLayer::PdfTextLayer(PoDoFo::PdfDocument &doc)
    : m_doc(doc)
{
}

QByteArray PdfTextLayer::toUnicodeMap()
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n"
                     "12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A range may only vary in its last byte; at most 100 ranges per block.
    QList<int> highBytes;
    for (int high = 0; high < 256; ++high)
        if (high < 0xD8 || high > 0xDF)
            highBytes.append(high);
    for (qsizetype start = 0; start < highBytes.size(); start += 100) {
        const qsizetype end = std::min(highBytes.size(), start + 100);
        map += QByteArray::number(end - start) + " beginbfrange\n";
        for (qsizetype i = start; i < end; ++i) {
            const QByteArray high =
                QByteArray::number(highBytes[i], 16).rightJustified(2, '0').toUpper();
            map += '<' + high + "00> <" + high + "FF> <" + high + "00>\n";
        }
        map += "endbfrange\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

PoDoFo::PdfReference PdfTextLayer::font()
{
    if (m_font)
        return *m_font;
    const QByteArray fontFile = GlyphlessFont::trueType();
    PdfDictionary fileDictionary;
    fileDictionary.AddKey(PdfName("Length1"), integer(fontFile.size()));
    const PoDoFo::PdfReference file = streamObject(m_doc, fileDictionary, fontFile);

    // Every code shows glyph 1, the empty glyph of half an em.
    QByteArray glyphMap(2 * 65536, '\0');
    for (qsizetype i = 1; i < glyphMap.size(); i += 2)
        glyphMap[i] = 1;
    const PoDoFo::PdfReference cidToGid = streamObject(m_doc, PdfDictionary(), glyphMap);
    const PoDoFo::PdfReference toUnicode = streamObject(m_doc, PdfDictionary(), toUnicodeMap());

    PdfDictionary descriptor;
    descriptor.AddKey(PdfName("Type"), PdfName("FontDescriptor"));
    descriptor.AddKey(PdfName("FontName"), PdfName(fontName));
    descriptor.AddKey(PdfName("Flags"), integer(5)); // fixed pitch, symbolic
    PdfArray box;
    box.push_back(integer(0));
    box.push_back(integer(-200));
    box.push_back(integer(GlyphlessFont::Advance));
    box.push_back(integer(800));
    descriptor.AddKey(PdfName("FontBBox"), box);
    descriptor.AddKey(PdfName("ItalicAngle"), integer(0));
    descriptor.AddKey(PdfName("Ascent"), integer(800));
    descriptor.AddKey(PdfName("Descent"), integer(-200));
    descriptor.AddKey(PdfName("CapHeight"), integer(800));
    descriptor.AddKey(PdfName("StemV"), integer(80));
    descriptor.AddKey(PdfName("FontFile2"), file);
    const PoDoFo::PdfReference descriptorObject =
        m_doc.GetObjects()->CreateObject(descriptor)->Reference();

    PdfDictionary systemInfo;
    systemInfo.AddKey(PdfName("Registry"), PdfString("Adobe"));
    systemInfo.AddKey(PdfName("Ordering"), PdfString("Identity"));
    systemInfo.AddKey(PdfName("Supplement"), integer(0));
    PdfDictionary cidFont;
    cidFont.AddKey(PdfName("Type"), PdfName("Font"));
    cidFont.AddKey(PdfName("Subtype"), PdfName("CIDFontType2"));
    cidFont.AddKey(PdfName("BaseFont"), PdfName(fontName));
    cidFont.AddKey(PdfName("CIDSystemInfo"), systemInfo);
    cidFont.AddKey(PdfName("FontDescriptor"), descriptorObject);
    cidFont.AddKey(PdfName("DW"), integer(GlyphlessFont::Advance));
    cidFont.AddKey(PdfName("CIDToGIDMap"), cidToGid);
    const PoDoFo::PdfReference cidFontObject =
        m_doc.GetObjects()->CreateObject(cidFont)->Reference();

    PdfDictionary type0;
    type0.AddKey(PdfName("Type"), PdfName("Font"));
    type0.AddKey(PdfName("Subtype"), PdfName("Type0"));
    type0.AddKey(PdfName("BaseFont"), PdfName(fontName));
    type0.AddKey(PdfName("Encoding"), PdfName("Identity-H"));
    PdfArray descendants;
    descendants.push_back(cidFontObject);
    type0.AddKey(PdfName("DescendantFonts"), descendants);
    type0.AddKey(PdfName("ToUnicode"), toUnicode);
    // Objects of a streamed document may be gone once written: only references are kept.
    m_font = m_doc.GetObjects()->CreateObject(type0)->Reference();
    return *m_font;
}

void PdfTextLayer::addFontTo(PoDoFo::PdfPage &page)
{
    page.AddResource(PdfName(fontResource), font(), PdfName("Font"));
}

QByteArray PdfTextLayer::content(const OcrPageText &text, const PagePlacement &placement,
                                 QSize imagePixels)
{
    if (text.wordCount() == 0 || imagePixels.isEmpty() || text.imageSize.isEmpty())
        return {};
    // The words file counts pixels of the image the tool read, which is the page image itself;
    // the factors also cover a tool that saw it at another size.
    const double drawnWidth = placement.scaleX * imagePixels.width();
    const double drawnHeight = placement.scaleY * imagePixels.height();
    const double sx = drawnWidth / text.imageSize.width();
    const double sy = drawnHeight / text.imageSize.height();
    const double top = placement.position.y() + drawnHeight;

    QByteArray out = "BT\n3 Tr\n";
    for (const OcrLine &line : text.lines) {
        if (line.words.isEmpty())
            continue;
        // One size per line, from the line's height, so that a selection runs evenly along it.
        const double size = std::max(1.0, line.box.height() * sy);
        const double baseline = top - (line.box.y() + line.box.height()) * sy + descentShare * size;
        out += '/' + QByteArray(fontResource) + ' ' + number(size) + " Tf\n";
        for (qsizetype w = 0; w < line.words.size(); ++w) {
            const OcrWord &word = line.words[w];
            int count = 0;
            QByteArray codes = hexCodes(word.text, &count);
            if (count == 0)
                continue;
            // A space after each word but the line's last: readers that rebuild text from
            // positions alone would join words set closer than their own threshold.
            if (w + 1 < line.words.size())
                codes += "0020";
            const double width = word.box.width() * sx;
            const double natural =
                count * size * GlyphlessFont::Advance / GlyphlessFont::UnitsPerEm;
            out += number(100.0 * width / natural) + " Tz 1 0 0 1 " +
                   number(placement.position.x() + word.box.x() * sx) + ' ' + number(baseline) +
                   " Tm <" + codes + "> Tj\n";
        }
    }
    out += "ET\n";
    return out;
}
