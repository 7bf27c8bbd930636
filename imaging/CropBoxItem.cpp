#include "CropBoxItem.h"

#include <QBrush>
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
