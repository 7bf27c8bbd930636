#include "PageImages.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "core/FileOperations.h"
#include "core/Group4Codec.h"

namespace PageImages {

namespace {

// Averages blocks of factor x factor pixels of an 8-bit grey image. Blocks at the right and
// bottom edges may be smaller; they are averaged over the pixels they hold.
QImage reduceGrey(const QImage &grey, int factor)
{
    const int width = grey.width();
    const int height = grey.height();
    const int outWidth = (width + factor - 1) / factor;
    const int outHeight = (height + factor - 1) / factor;
    QImage out(outWidth, outHeight, QImage::Format_Grayscale8);
    std::vector<quint32> sums(static_cast<size_t>(outWidth));
    for (int oy = 0; oy < outHeight; ++oy) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int y0 = oy * factor;
        const int y1 = std::min(height, y0 + factor);
        for (int y = y0; y < y1; ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int ox = 0; ox < outWidth; ++ox) {
                const int x0 = ox * factor;
                const int x1 = std::min(width, x0 + factor);
                quint32 sum = 0;
                for (int x = x0; x < x1; ++x)
                    sum += line[x];
                sums[static_cast<size_t>(ox)] += sum;
            }
        }
        uchar *outLine = out.scanLine(oy);
        for (int ox = 0; ox < outWidth; ++ox) {
            const int cells = (std::min(width, ox * factor + factor) - ox * factor) * (y1 - y0);
            outLine[ox] = static_cast<uchar>((sums[static_cast<size_t>(ox)] + cells / 2) / cells);
        }
    }
    return out;
}

// The same for a 1-bit image, read straight from its bits; the result is grey.
QImage reduceMono(const QImage &mono, int factor)
{
    const QImage image =
        mono.format() == QImage::Format_Mono ? mono : mono.convertToFormat(QImage::Format_Mono);
    const QList<QRgb> table = image.colorTable();
    const uchar level0 = table.size() > 0 ? static_cast<uchar>(qGray(table.at(0))) : 0;
    const uchar level1 = table.size() > 1 ? static_cast<uchar>(qGray(table.at(1))) : 255;
    const int width = image.width();
    const int height = image.height();
    const int outWidth = (width + factor - 1) / factor;
    const int outHeight = (height + factor - 1) / factor;
    QImage out(outWidth, outHeight, QImage::Format_Grayscale8);
    std::vector<quint32> ones(static_cast<size_t>(outWidth));
    for (int oy = 0; oy < outHeight; ++oy) {
        std::fill(ones.begin(), ones.end(), 0u);
        const int y0 = oy * factor;
        const int y1 = std::min(height, y0 + factor);
        for (int y = y0; y < y1; ++y) {
            const uchar *line = image.constScanLine(y);
            for (int x = 0; x < width; ++x) {
                if (line[x >> 3] & (0x80 >> (x & 7)))
                    ++ones[static_cast<size_t>(x / factor)];
            }
        }
        uchar *outLine = out.scanLine(oy);
        for (int ox = 0; ox < outWidth; ++ox) {
            const int cells = (std::min(width, ox * factor + factor) - ox * factor) * (y1 - y0);
            const quint32 n1 = ones[static_cast<size_t>(ox)];
            const quint32 n0 = static_cast<quint32>(cells) - n1;
            outLine[ox] = static_cast<uchar>((n0 * level0 + n1 * level1 + cells / 2) / cells);
        }
    }
    return out;
}

// The same for a 32-bit RGB image, channel by channel.
QImage reduceRgb(const QImage &rgb, int factor)
{
    const int width = rgb.width();
    const int height = rgb.height();
    const int outWidth = (width + factor - 1) / factor;
    const int outHeight = (height + factor - 1) / factor;
    QImage out(outWidth, outHeight, QImage::Format_RGB32);
    std::vector<quint32> sums(static_cast<size_t>(outWidth) * 3);
    for (int oy = 0; oy < outHeight; ++oy) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int y0 = oy * factor;
        const int y1 = std::min(height, y0 + factor);
        for (int y = y0; y < y1; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                const size_t cell = static_cast<size_t>(x / factor) * 3;
                sums[cell] += static_cast<quint32>(qRed(line[x]));
                sums[cell + 1] += static_cast<quint32>(qGreen(line[x]));
                sums[cell + 2] += static_cast<quint32>(qBlue(line[x]));
            }
        }
        auto *outLine = reinterpret_cast<QRgb *>(out.scanLine(oy));
        for (int ox = 0; ox < outWidth; ++ox) {
            const quint32 cells = static_cast<quint32>(
                (std::min(width, ox * factor + factor) - ox * factor) * (y1 - y0));
            const size_t cell = static_cast<size_t>(ox) * 3;
            outLine[ox] = qRgb(static_cast<int>((sums[cell] + cells / 2) / cells),
                               static_cast<int>((sums[cell + 1] + cells / 2) / cells),
                               static_cast<int>((sums[cell + 2] + cells / 2) / cells));
        }
    }
    return out;
}

bool isGreyFormat(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 || format == QImage::Format_Grayscale16;
}

QString cannotWrite(const QString &path, const QString &why)
{
    return QCoreApplication::translate("PageImages", "Can't write %1: %2").arg(path, why);
}

// Runs write on a temporary file that replaces path only once it is complete and committed.
// write returns false with its reason; the temporary file is then dropped.
template <typename Write> bool writeSafely(const QString &path, QString *error, Write write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = cannotWrite(path, file.errorString());
        return false;
    }
    QString why;
    if (!write(file, &why)) {
        file.cancelWriting();
        if (error)
            *error = cannotWrite(path, why);
        return false;
    }
    if (!FileOperations::commit(file, &why)) {
        if (error)
            *error = cannotWrite(path, why);
        return false;
    }
    return true;
}

bool writeImage(const QImage &image, const QString &path, const QByteArray &format, int quality,
                QString *error)
{
    return writeSafely(path, error, [&](QSaveFile &file, QString *why) {
        QImageWriter writer(&file, format);
        if (quality >= 0)
            writer.setQuality(quality);
        if (writer.write(image))
            return true;
        // The file's own reason (a full disk, say) is read before cancelling clears it; the
        // writer only knows that the device failed.
        *why = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        return false;
    });
}

bool writeBytes(const QByteArray &bytes, const QString &path, QString *error)
{
    return writeSafely(path, error, [&](QSaveFile &file, QString *why) {
        if (file.write(bytes) == bytes.size())
            return true;
        *why = file.errorString();
        return false;
    });
}

} // namespace

QImage makeThumbnail(const QImage &image, const QSize &box)
{
    if (image.isNull() || box.isEmpty())
        return {};
    if (image.width() <= box.width() && image.height() <= box.height())
        return image.copy();
    const QSize target = image.size().scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Leave at least a halving to the smooth scale, so that its filter still does the fine work.
    const int factor =
        std::min(image.width() / target.width(), image.height() / target.height()) / 2;
    QImage reduced;
    if (factor < 2) {
        reduced = image;
    } else if (image.depth() == 1) {
        reduced = reduceMono(image, factor);
    } else if (isGreyFormat(image.format()) || (image.isGrayscale() && image.depth() == 8)) {
        reduced = reduceGrey(image.convertToFormat(QImage::Format_Grayscale8), factor);
    } else if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
               image.format() == QImage::Format_ARGB32_Premultiplied) {
        // Qt's smooth scale of 32-bit colour is fast already (vectorised, threaded).
        reduced = image;
    } else {
        reduced = reduceRgb(image.convertToFormat(QImage::Format_RGB32), factor);
    }
    QImage thumb = reduced.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    thumb.setDotsPerMeterX(image.dotsPerMeterX());
    thumb.setDotsPerMeterY(image.dotsPerMeterY());
    return thumb;
}

bool writeWorkingImage(const QImage &image, const QString &path, bool blackAndWhite, int quality,
                       QString *error)
{
    if (image.isNull()) {
        if (error)
            *error =
                QCoreApplication::translate("PageImages", "Can't write %1: the image is empty.")
                    .arg(path);
        return false;
    }
    if (blackAndWhite) {
        // Group 4 keeps a text page at under a tenth of Qt's own (uncompressed) TIFF.
        const QByteArray tiff = Group4Codec::encodeTiff(image);
        if (tiff.isEmpty()) {
            if (error)
                *error = cannotWrite(
                    path, QCoreApplication::translate(
                              "PageImages", "the black-and-white image can't be compressed."));
            return false;
        }
        return writeBytes(tiff, path, error);
    }
    return writeImage(image, path, QByteArrayLiteral("JPG"), std::clamp(quality, 0, 100), error);
}

QImage readThumbnail(QImageReader &reader, const QSize &box)
{
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).boundedTo(size));
    return reader.read();
}

bool writeThumbnail(const QImage &thumbnail, const QString &path, QString *error)
{
    return writeImage(thumbnail, path, QByteArrayLiteral("JPG"), -1, error);
}

bool copyFile(const QString &from, const QString &to, QString *error)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("PageImages", "Can't read %1: %2")
                         .arg(from, in.errorString());
        return false;
    }
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QCoreApplication::translate("PageImages", "Can't write %1: %2")
                         .arg(to, out.errorString());
        return false;
    }
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty()) {
        if (out.write(block) != block.size()) {
            const QString why = out.errorString(); // before cancelling clears it
            out.cancelWriting();
            if (error)
                *error =
                    QCoreApplication::translate("PageImages", "Can't write %1: %2").arg(to, why);
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        if (error)
            *error = QCoreApplication::translate("PageImages", "Can't read %1: %2")
                         .arg(from, in.errorString());
        return false;
    }
    QString why;
    if (!FileOperations::commit(out, &why)) {
        if (error)
            *error = QCoreApplication::translate("PageImages", "Can't write %1: %2").arg(to, why);
        return false;
    }
    return true;
}

bool moveFile(const QString &from, const QString &to, QString *error)
{
    const auto fail = [error](const char *text, const QString &path, const QString &why) {
        if (error)
            *error = QCoreApplication::translate("PageImages", text).arg(path, why);
        return false;
    };
    {
        // Whoever wrote the file may not have waited for the disk; under its new name it is
        // expected to survive a crash.
        QFile file(from);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QT_TRANSLATE_NOOP("PageImages", "Can't read %1: %2"), from,
                        file.errorString());
        if (::fdatasync(file.handle()) != 0)
            return fail(QT_TRANSLATE_NOOP("PageImages", "Can't write %1: %2"), to,
                        QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (errno != EXDEV)
        return fail(QT_TRANSLATE_NOOP("PageImages", "Can't write %1: %2"), to,
                    QString::fromLocal8Bit(std::strerror(errno)));
    if (!copyFile(from, to, error))
        return false;
    QFile::remove(from);
    return true;
}

} // namespace PageImages
