#pragma once

#include <QString>

#include "import/PdfImageDecoder.h"

// Writes decoded PDF images as numbered page files: 0001.jpg for embedded JPEG data (its bytes
// unchanged), 0002.tiff for black-and-white pictures (1-bit; Group 4 fax data goes in as it
// is), 0003.png for the rest; the pictures carry their resolution. Each file is written under a
// hidden temporary name in the same folder and renamed into place when complete, so whoever reads
// the folder never sees half a file. No sync to disk is forced: these are working copies that the
// reader takes at once.
namespace PdfImageFiles {

// "0007.png": the number with four digits (more when needed) and the suffix of the kind.
QString fileName(int number, PdfDecodedImage::Kind kind);

// Writes the image (not a skipped one) into folder as fileName(number, ...), at the given
// resolution in dots per inch (ignored for JPEG data). False with the reason in error; then no
// file of that name is left behind.
[[nodiscard]] bool write(const PdfDecodedImage &image, double dpiX, double dpiY,
                         const QString &folder, int number, QString *name, QString *error);
// A thumbnail as a JPEG file at path, written the same way.
[[nodiscard]] bool writeThumbnail(const QImage &thumbnail, const QString &path, QString *error);

} // namespace PdfImageFiles
