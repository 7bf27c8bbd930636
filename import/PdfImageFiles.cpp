#include "import/PdfImageFiles.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>

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

bool write(const PdfDecodedImage &image, double dpiX, double dpiY, const QString &folder,
           int number, QString *name, QString *error)
{
    if (image.kind == PdfDecodedImage::Kind::Skipped) {
        *error = QStringLiteral("nothing to write");
        return false;
    }
    *name = fileName(number, image.kind);
    const QString target = QDir(folder).filePath(*name);
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".%1-XXXXXX.part").arg(*name)));
    if (!file.open()) {
        *error = QStringLiteral("cannot write in %1: %2").arg(folder, file.errorString());
        return false;
    }
    bool written = false;
    if (image.kind == PdfDecodedImage::Kind::Jpeg) {
        written = file.write(image.jpeg) == image.jpeg.size();
    } else {
        QImage picture = image.image;
        picture.setDotsPerMeterX(int(std::lround(dpiX / metresPerInch)));
        picture.setDotsPerMeterY(int(std::lround(dpiY / metresPerInch)));
        QImageWriter writer(&file, image.kind == PdfDecodedImage::Kind::Bilevel ? "tiff" : "png");
        written = writer.write(picture);
        if (!written)
            *error = writer.errorString();
    }
    if (!written || !file.flush()) {
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

} // namespace PdfImageFiles
