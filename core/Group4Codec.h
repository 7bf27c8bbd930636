#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

// CCITT Group 4 fax data (the /CCITTFaxDecode form with K < 0, first bit in the high bit of each
// byte) handled in memory through libtiff: checked by decoding it, and wrapped as a TIFF file
// without decoding and encoding it again, so a black-and-white page keeps its compact bytes.
namespace Group4Codec {

// Decodes width x height pixels of Group 4 data strictly: a null picture, with the reason in
// error, when libtiff meets a bad code, the data ends before the last line, or anything else it
// warns about. The picture is Format_Mono with index 0 black and 1 white, a coded black run as
// black.
QImage decode(const QByteArray &group4, int width, int height, QString *error);

// A single-strip little-endian TIFF file holding the data unchanged. runsShowWhite false keeps the
// fax convention (a coded black run shows black); true shows the runs white, for data whose
// colours are swapped. Resolution in dots per inch; 0 or less leaves the tags out.
QByteArray tiffFile(const QByteArray &group4, int width, int height, bool runsShowWhite,
                    double dpiX, double dpiY);

// Group 4 data of a black-and-white picture, in the fax convention (a black pixel is coded as
// black): what a PDF image with /CCITTFaxDecode, /K -1 and the default /BlackIs1 false shows
// as the picture. Pictures of more than one bit are made black-and-white first (Qt's
// conversion). Empty for a null picture or when libtiff fails.
QByteArray encode(const QImage &image);

// A complete single-strip Group 4 TIFF file of the picture (MinIsWhite, the resolution of its
// dots per metre), as the page store keeps black-and-white pages. Empty on failure.
QByteArray encodeTiff(const QImage &image);

// The Group 4 data of a TIFF file holding one black-and-white picture compressed with Group 4
// in a single strip, as encodeTiff() writes it and as scanners and tiff2pdf make them, without
// decoding it.
struct Strip
{
    QByteArray group4;
    int width = 0;
    int height = 0;
    // True when the file's colours are swapped against the fax convention (MinIsBlack): a PDF
    // image then needs /BlackIs1 true to show the picture as the file does.
    bool blackIs1 = false;
    // Resolution tags in dots per inch; 0 when the file has none.
    QSizeF dpi;
};
// Nothing for any other file (another compression, several strips or pages, more than one bit
// per pixel, unreadable).
std::optional<Strip> readStrip(const QString &tiffPath);

} // namespace Group4Codec
