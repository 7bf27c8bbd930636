#pragma once

#include <QByteArray>
#include <QSize>
#include <QSizeF>

class QIODevice;

// Facts read from the headers of page image files, without decoding any pixels. Every function
// takes untrusted bytes: anything malformed gives the empty answer, never a read out of bounds.
namespace ImageHeaders {

// Size and colour components of a JPEG from its frame header (SOF0 to SOF15 but DHT, JPG and
// DAC); components 0 when there is no usable frame header before the scan.
struct JpegFrame
{
    QSize pixels;
    int components = 0;
};

JpegFrame jpegFrame(const QByteArray &jpeg);

// Dots per inch from a JPEG's JFIF segment (units 1: per inch, 2: per centimetre). Units 0, no
// segment or a broken one give an empty size.
QSizeF jpegResolution(const QByteArray &head);

// Dots per inch from the resolution tags of a TIFF's first directory (unit 2: inch, 3:
// centimetre; 1 gives an empty size). Reads from the start of the device (a file, or any seekable
// device).
QSizeF tiffResolution(QIODevice &file);

} // namespace ImageHeaders
