#include "ImageFileLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

ImageFileLoader::Page ImageFileLoader::read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    Page page;
    page.size = reader.size();
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
    return page;
}

bool ImageFileLoader::isBlackAndWhite(const QString &suffix, int depth)
{
    // Compared as written: "TIF" in capitals is not taken for TIFF.
    return (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff")) && depth < 8;
}
