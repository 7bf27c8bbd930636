#include "import/PdfImageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>
#include <functional>

#include "core/Group4Codec.h"

namespace PdfImageFiles {

namespace {

constexpr double metresPerInch = 0.0254;

} // namespace

QString fileName(int number, PdfDecodedImage::Kind kind)
{
    const QString suffix = kind == PdfDecodedImage::Kind::Jpeg      ? QStringLiteral("jpg")
                           : kind == PdfDecodedImage::Kind::Bilevel ? QStringLiteral("tiff")
                                                                    : QStringLiteral("png");
    return QStringLiteral("%1.%2").arg(number, 4, 10, QLatin1Char('0')).arg(suffix);
}

namespace {

// Writes into a hidden temporary file beside target and renames it into place when complete.
bool writeInPlace(const QString &target, const std::function<bool(QFile &, QString *)> &writeTo,
                  QString *error)
{
    const QFileInfo info(target);
    QTemporaryFile file(
        info.dir().filePath(QStringLiteral(".%1-XXXXXX.part").arg(info.fileName())));
    if (!file.open()) {
        *error = QStringLiteral("cannot write in %1: %2").arg(info.path(), file.errorString());
        return false;
    }
    if (!writeTo(file, error) || !file.flush()) {
        if (error->isEmpty())
            *error = file.errorString();
        return false;
    }
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        *error = QStringLiteral("cannot rename the file to %1").arg(target);
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

bool writeBytes(QFile &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

bool writeImage(QFile &file, const QImage &image, const QByteArray &format, QString *error)
{
    QImageWriter writer(&file, format);
    if (writer.write(image))
        return true;
    *error = writer.errorString();
    return false;
}

} // namespace

bool write(const PdfDecodedImage &image, double dpiX, double dpiY, const QString &folder,
           int number, QString *name, QString *error)
{
    if (image.kind == PdfDecodedImage::Kind::Skipped) {
        *error = QStringLiteral("nothing to write");
        return false;
    }
    *name = fileName(number, image.kind);
    return writeInPlace(
        QDir(folder).filePath(*name),
        [&](QFile &file, QString *why) {
            if (image.kind == PdfDecodedImage::Kind::Jpeg)
                return writeBytes(file, image.jpeg);
            if (!image.group4.isEmpty())
                return writeBytes(file,
                                  Group4Codec::tiffFile(image.group4, image.group4Size.width(),
                                                        image.group4Size.height(),
                                                        image.group4RunsWhite, dpiX, dpiY));
            QImage picture = image.image;
            picture.setDotsPerMeterX(int(std::lround(dpiX / metresPerInch)));
            picture.setDotsPerMeterY(int(std::lround(dpiY / metresPerInch)));
            return writeImage(file, picture,
                              image.kind == PdfDecodedImage::Kind::Bilevel ? "tiff" : "png", why);
        },
        error);
}

bool writeThumbnail(const QImage &thumbnail, const QString &path, QString *error)
{
    return writeInPlace(
        path, [&](QFile &file, QString *why) { return writeImage(file, thumbnail, "jpeg", why); },
        error);
}

} // namespace PdfImageFiles
