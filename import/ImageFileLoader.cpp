#include "ImageFileLoader.h"

#include <QFileInfo>
#include <QImageReader>

ImageFileLoader::Page ImageFileLoader::read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    Page page;
    page.image = reader.read();
    if (!page.image.isNull())
        page.blackAndWhite = isBlackAndWhite(QFileInfo(path).suffix(), page.image.depth());
    return page;
}

bool ImageFileLoader::isBlackAndWhite(const QString &suffix, int depth)
{
    // Compared as written: "TIF" in capitals is not taken for TIFF.
    return (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff")) && depth < 8;
}
