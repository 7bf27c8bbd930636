#include "PageOperations.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

#include "core/PageImages.h"

namespace PageOperations {

QImage turned(const QImage &image, int degrees)
{
    if (image.isNull())
        return {};
    const int dpmX = image.dotsPerMeterX();
    const int dpmY = image.dotsPerMeterY();
    const QTransform rotation = QTransform().rotate(degrees);
    QImage result;
    if (degrees == -90 || degrees == 90 || degrees == 180) {
        result = image.transformed(rotation, Qt::SmoothTransformation);
    } else {
        const bool mono =
            image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
        const QImage turnedPicture =
            image.transformed(rotation, mono ? Qt::FastTransformation : Qt::SmoothTransformation);
        // The corners the turned picture does not cover become white.
        QImage canvas(turnedPicture.size(), turnedPicture.format());
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            painter.drawImage(0, 0, turnedPicture);
        }
        result = mono ? canvas.convertToFormat(QImage::Format_Mono, Qt::MonoOnly) : canvas;
    }
    result.setDotsPerMeterX(dpmX);
    result.setDotsPerMeterY(dpmY);
    return result;
}

bool save(const QImage &image, const QString &path, int quality)
{
    const bool mono =
        image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
    return PageImages::writeWorkingImage(image, path, mono, quality, nullptr);
}

QRect cropRect(const QPointF &sceneTopLeft, const QPointF &sceneBottomRight, qreal scale,
               const QSize &imageSize)
{
    const auto toImage = [scale, imageSize](const QPointF &scene) {
        return QPointF(scene.x() / scale + imageSize.width() * 0.5,
                       scene.y() / scale + imageSize.height() * 0.5);
    };
    const QRectF rect(toImage(sceneTopLeft), toImage(sceneBottomRight));
    return QRect(int(std::lround(rect.left())), int(std::lround(rect.top())),
                 int(std::lround(rect.width())), int(std::lround(rect.height())));
}

QRectF initialCropBox(const QRectF &saved, const QSize &imageSize)
{
    const qreal width = imageSize.width();
    const qreal height = imageSize.height();
    qreal left = -width * 0.25;
    qreal top = -height * 0.25;
    qreal boxWidth = width * 0.5;
    qreal boxHeight = height * 0.5;
    if (!saved.isNull()) {
        left = saved.left();
        top = saved.top();
        boxWidth = saved.width();
        boxHeight = saved.height();
    }
    const QRectF image(-width * 0.5, -height * 0.5, width, height);
    if (boxWidth > image.width()) {
        left = -image.width() / 2;
        boxWidth = image.width();
    } else if (left + boxWidth > image.right()) {
        left -= left + boxWidth - image.right();
    } else if (left < image.left()) {
        left = image.left();
    }
    if (boxHeight > image.height()) {
        top = -image.height() / 2;
        boxHeight = image.height();
    }
    return QRectF(left, top, boxWidth, boxHeight);
}

} // namespace PageOperations
