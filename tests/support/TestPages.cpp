#include "TestPages.h"

#include <QColor>
#include <QImageReader>

namespace TestPages {

QImage pageImage(int id, QImage::Format format, int height)
{
    QImage image(300 + 10 * id, height, format);
    if (format == QImage::Format_Mono) {
        image.fill(0);
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 3)
                image.setPixel(x, y, 1);
    } else {
        image.fill(QColor::fromHsv((id * 40) % 360, 200, 200));
    }
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    return image;
}

int idOf(const QString &path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? (size.width() - 300) / 10 : -1;
}

} // namespace TestPages
