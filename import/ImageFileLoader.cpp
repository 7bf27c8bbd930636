#include "ImageFileLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "core/ImageHeaders.h"

namespace {

// The next picture of the reader as a page, upright and on white paper.
ImageFileLoader::Page readPage(QImageReader &reader, const QString &path)
{
    ImageFileLoader::Page page;
    page.size = reader.size();
    const QByteArray format = reader.format();
    page.image = reader.read();
    if (page.image.isNull()) {
        // Four bytes a pixel, as the reader counts against its limit.
        const qint64 megabytes = qint64(page.size.width()) * page.size.height() * 4 / (1 << 20);
        page.tooLarge = page.size.isValid() && QImageReader::allocationLimit() > 0 &&
                        megabytes >= QImageReader::allocationLimit();
        return page;
    }
    if (page.image.hasAlphaChannel()) {
        // Transparent parts are paper, not black.
        QImage paper(page.image.size(), QImage::Format_RGB32);
        paper.setDotsPerMeterX(page.image.dotsPerMeterX());
        paper.setDotsPerMeterY(page.image.dotsPerMeterY());
        paper.fill(Qt::white);
        QPainter painter(&paper);
        painter.drawImage(0, 0, page.image);
        painter.end();
        page.image = paper;
    }
    page.blackAndWhite =
        ImageFileLoader::isBlackAndWhite(QFileInfo(path).suffix(), page.image.depth());
    page.damaged = ImageFileLoader::endsEarly(path, format);
    return page;
}

} // namespace

ImageFileLoader::Page ImageFileLoader::read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return readPage(reader, path);
}

QList<ImageFileLoader::Page> ImageFileLoader::readAll(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A multi-page TIFF: asked before the first read, after which the TIFF reader no longer
    // counts its pictures right.
    const int count = reader.imageCount();
    QList<Page> pages{readPage(reader, path)};
    for (int i = 1; i < count && !pages.constLast().image.isNull(); ++i) {
        if (!reader.jumpToNextImage())
            break;
        Page next = readPage(reader, path);
        if (next.image.isNull())
            break;
        pages << next;
    }
    return pages;
}

bool ImageFileLoader::isStorableJpeg(const QString &path)
{
    QImageReader reader(path);
    if (reader.format() != "jpeg" || !reader.canRead() ||
        reader.transformation() != QImageIOHandler::TransformationNone)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const ImageHeaders::JpegFrame frame = ImageHeaders::jpegFrame(file.read(256 * 1024));
    const qint64 megabytes = qint64(frame.pixels.width()) * frame.pixels.height() * 4 / (1 << 20);
    return (frame.components == 1 || frame.components == 3) && frame.pixels.isValid() &&
           (QImageReader::allocationLimit() == 0 || megabytes < QImageReader::allocationLimit()) &&
           !endsEarly(path, "jpeg");
}

bool ImageFileLoader::endsEarly(const QString &path, const QByteArray &format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    // Writers may pad a file after its end marker; a few bytes of it are looked at.
    file.seek(file.size() - qMin<qint64>(file.size(), 64));
    const QByteArray tail = file.readAll();
    if (format == "jpeg" || format == "jpg")
        return !tail.contains(QByteArray("\xFF\xD9", 2));
    if (format == "png")
        return !tail.contains(QByteArray("IEND"));
    return false;
}

bool ImageFileLoader::isBlackAndWhite(const QString &suffix, int depth)
{
    // Compared as written: "TIF" in capitals is not taken for TIFF.
    return (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff")) && depth < 8;
}
