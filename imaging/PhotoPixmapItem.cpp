#include "PhotoPixmapItem.h"

PhotoPixmapItem::PhotoPixmapItem(const QPixmap &pixmap, QGraphicsItem *parent)
    : QGraphicsPixmapItem(pixmap, parent)
{
    // The item's own mode decides the filtering when it is painted scaled; the view's render
    // hint alone would be overridden by the item's default of fast filtering.
    setTransformationMode(Qt::SmoothTransformation);
    // A page has no transparent holes: hit tests need no mask of a large pixmap.
    setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
}
