#pragma once

#include <QByteArray>
#include <QImage>

#include <podofo/podofo.h>

#include "core/ImageHeaders.h"

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
    // CCITT Group 4 data of a black-and-white picture, unchanged, as /CCITTFaxDecode with K -1;
    // blackIs1 for data whose colours are swapped against the fax convention.
    void embedGroup4(const QByteArray &group4, int width, int height, bool blackIs1);
    // Any other picture, losslessly: 1-bit pictures as Group 4, grey ones as 8-bit DeviceGray,
    // the rest as 8-bit DeviceRGB, each Flate-compressed. False when it cannot be encoded.
    bool embedPixels(const QImage &image);
};
