#pragma once

#include <QByteArray>

#include <podofo/podofo.h>

#include "export/ImageHeaders.h"

// A page image object. JPEG bytes go into its stream in one piece and unchanged, with the
// dictionary PoDoFo's own JPEG loader writes; that loader would copy the file through a
// 4 KiB buffer twice on its way out.
class PdfPageImage : public PoDoFo::PdfImage
{
public:
    explicit PdfPageImage(PoDoFo::PdfDocument *doc);

    // The JPEG's bytes as the image's stream, with the dictionary for its frame. False for a
    // colour layout a PDF cannot take as it is (then nothing is written). PoDoFo may throw.
    bool embedJpeg(const QByteArray &jpeg, const ImageHeaders::JpegFrame &frame);
};
