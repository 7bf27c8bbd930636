#pragma once

#include <QGraphicsPixmapItem>

// The page's picture in the editor. Its offset puts the image centre at the item's origin, so
// item coordinates are image pixels counted from the centre; the editor's scale is its item
// scale.
class PhotoPixmapItem : public QGraphicsPixmapItem
{
public:
    explicit PhotoPixmapItem(const QPixmap &pixmap, QGraphicsItem *parent = nullptr);
};
