#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "core/ProgramInfo.h"
#include "import/PdfImageInfo.h"

// What one image object becomes.
struct PdfDecodedImage
{
    enum class Kind {
        Skipped, // no page: reason says why
        Jpeg,    // jpeg holds the embedded JPEG file, byte for byte
        Bilevel, // image is Format_Mono with index 0 black and 1 white
        Picture  // image is Format_Grayscale8 or Format_RGB888
    };

    Kind kind = Kind::Skipped;
    QByteArray jpeg;
    QImage image;
    // A Bilevel image that came as Group 4 fax data of group4Size pixels: that data, to be
    // stored as it is; group4RunsWhite when its coded black runs show white. image holds the
    // decoded picture unless the decoder was told to only check such data.
    QByteArray group4;
    QSize group4Size;
    bool group4RunsWhite = false;
    QString reason;
};

// Turns an image object's data into a page picture: JPEG data stays as it is, everything else is
// decoded into pixels. The data is checked before it is trusted: sizes past the limit, data
// shorter than the dictionary promises, JPEG data without its end and filters that cannot be
// undone all give a skipped image with the reason, never a partial picture. Plain Group 4 fax data
// of the image's own size is checked in memory and kept as it is; other CCITT fax data is decoded
// by fax2tiff and JBIG2 data by jbig2dec, each run in the program's temporary folder.
class PdfImageDecoder
{
public:
    // Largest decoded picture, in megabytes; larger images are skipped.
    void setSizeLimitMb(int megabytes) { m_limitBytes = qint64(megabytes) * 1024 * 1024; }
    // Without the external programs, CCITT and JBIG2 images are skipped (the fuzz target).
    void setExternalToolsEnabled(bool enabled) { m_externalTools = enabled; }
    // Off, plain Group 4 data is only checked, code by code, and kept without a picture: for
    // callers that store the data as it is, at a fraction of the cost of decoding it.
    void setGroup4PicturesEnabled(bool enabled) { m_group4Pictures = enabled; }

    // data is the stream as stored (decrypted, still filtered); globals the JBIG2 global
    // segments with their own stream's filters undone, or empty.
    PdfDecodedImage decode(const PdfImageInfo &info, const QByteArray &data,
                           const QByteArray &globals = {}) const;

    // The frame of a JPEG file: its size and component count.
    struct JpegFrame
    {
        int width = 0;
        int height = 0;
        int components = 0;
    };
    // Where a JPEG file in data ends: the offset just past its end marker, following the marker
    // segments and the entropy-coded data. 0 when data is no JPEG or ends before its end
    // marker. frame, when given, receives what the (first) frame header says.
    static qsizetype jpegEnd(const QByteArray &data, JpegFrame *frame = nullptr);

private:
    PdfDecodedImage fromSamples(const PdfImageInfo &info, const QByteArray &samples) const;
    PdfDecodedImage fromJpeg(const PdfImageInfo &info, const QByteArray &data) const;
    // Why a picture of this size is not decoded (absurd, or past the limit); empty when it is.
    QString sizeProblem(qint64 width, qint64 height) const;
    PdfDecodedImage fromBilevel(const PdfImageInfo &info, QImage decoded, bool inverted) const;

    qint64 m_limitBytes = qint64(ProgramInfo::ImageAllocationLimitMb) * 1024 * 1024;
    bool m_externalTools = true;
    bool m_group4Pictures = true;
};
