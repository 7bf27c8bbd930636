#include "LineIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon lineIcon(int size, const QColor &colour, qreal penWidth, const QList<QLineF> &lines)
{
    const qreal ratio = 2.0;
    QPixmap pixmap(int(size * ratio), int(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(lines);
    painter.end();
    return QIcon(pixmap);
}
