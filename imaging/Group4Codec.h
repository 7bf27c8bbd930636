#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

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

} // namespace Group4Codec
