#include "CropBoxItem.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

CropBoxItem::CropBoxItem(const QRectF &rect, QGraphicsItem *parent)
    : QGraphicsRectItem(rect, parent)
{
    QPen pen(QBrush(Qt::red, Qt::SolidPattern), 3, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setCosmetic(true);
    setPen(pen);
    setBrush(Qt::NoBrush);
    setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemSendsGeometryChanges);
}

CropBoxItem::~CropBoxItem() = default;

QString CropBoxItem::sizeText() const
{
    const int width = qRound(rect().width());
    const int height = qRound(rect().height());
    const QString pixels =
        QCoreApplication::translate("CropBoxItem", "%1 x %2 px").arg(width).arg(height);
    if (m_pixelsPerCm <= 0)
        return pixels;
    return pixels + QStringLiteral("   ") +
           QCoreApplication::translate("CropBoxItem", "%1 x %2 cm")
               .arg(width / m_pixelsPerCm, 0, 'f', 1)
               .arg(height / m_pixelsPerCm, 0, 'f', 1);
}

QRectF CropBoxItem::boundingRect() const
{
    // The dimmed surround covers the whole picture.
    QRectF area = QGraphicsRectItem::boundingRect();
    if (parentItem())
        area = area.united(parentItem()->boundingRect());
    return area;
}

void CropBoxItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const QRectF box = rect().normalized();
    const qreal pixel = 1.0 / qMax<qreal>(0.0001, painter->worldTransform().m11());

    if (parentItem()) {
        QPainterPath outside;
        outside.addRect(parentItem()->boundingRect());
        QPainterPath inside;
        inside.addRect(box);
        painter->fillPath(outside.subtracted(inside), QColor(0, 0, 0, 90));
    }

    // The outline itself, as it has always been drawn.
    QGraphicsRectItem::paint(painter, option, widget);

    const qreal half = HandleSize * pixel / 2;
    painter->setPen(QPen(Qt::red, 1.0 * pixel));
    painter->setBrush(Qt::white);
    const QPointF centre = box.center();
    for (const QPointF &at :
         {box.topLeft(), QPointF(centre.x(), box.top()), box.topRight(),
          QPointF(box.right(), centre.y()), box.bottomRight(), QPointF(centre.x(), box.bottom()),
          box.bottomLeft(), QPointF(box.left(), centre.y())})
        painter->drawRect(QRectF(at.x() - half, at.y() - half, 2 * half, 2 * half));

    // The readout in screen pixels, in a dark label inside the top-left corner.
    const QString text = sizeText();
    const QPointF corner = painter->worldTransform().map(box.topLeft());
    painter->save();
    painter->resetTransform();
    const QFontMetricsF metrics(painter->font());
    const QRectF label(corner + QPointF(8, 8),
                       QSizeF(metrics.horizontalAdvance(text) + 12, metrics.height() + 6));
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 0, 160));
    painter->drawRoundedRect(label, 4, 4);
    painter->setPen(Qt::white);
    painter->drawText(label, Qt::AlignCenter, text);
    painter->restore();
}
