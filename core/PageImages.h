#pragma once

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

// Writing and shrinking page images. Every write goes to a temporary file in the target folder
// that is renamed over the target only once it is complete, so a crash or a full disk during a
// write leaves the previous file as it was.
namespace PageImages {

// The image reduced to fit box (aspect ratio kept, smooth), or an unchanged copy when it already
// fits. Large reductions first average whole blocks of pixels, which gives the same result as a
// smooth scale at a fraction of its cost for A4 pages; a 1-bit page becomes a grey thumbnail.
QImage makeThumbnail(const QImage &image, const QSize &box);
// The thumbnail of the image the reader reads (a file or bytes), decoded straight at its reduced
// size where the format allows (JPEG decodes at an eighth of its size cheaply). Null when the
// reader cannot read it; its errorString() says why.
QImage readThumbnail(QImageReader &reader, const QSize &box);

// A working image: converted to 1-bit and written as TIFF when blackAndWhite, otherwise JPEG at
// the given quality (0 to 100). The image's dots per metre are kept.
[[nodiscard]] bool writeWorkingImage(const QImage &image, const QString &path, bool blackAndWhite,
                                     int quality, QString *error);
// A thumbnail, JPEG at the encoder's default quality.
[[nodiscard]] bool writeThumbnail(const QImage &thumbnail, const QString &path, QString *error);
// A byte copy of a file; an existing target is replaced only when the copy is complete.
[[nodiscard]] bool copyFile(const QString &from, const QString &to, QString *error);
// Moves a file to another name (replacing the target) once its bytes are on the disk; across
// file systems the file is copied, then deleted.
[[nodiscard]] bool moveFile(const QString &from, const QString &to, QString *error);

} // namespace PageImages
