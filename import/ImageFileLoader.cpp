#include "ImageFileLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

ImageFileLoader::Page ImageFileLoader::read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    Page page;
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
    page.blackAndWhite = isBlackAndWhite(QFileInfo(path).suffix(), page.image.depth());
    page.damaged = endsEarly(path, format);
    return page;
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
