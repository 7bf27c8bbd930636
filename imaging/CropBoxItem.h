#pragma once

#include <QGraphicsRectItem>

// The crop rectangle drawn over the picture, as a child of the picture item: its rectangle is in
// picture coordinates (image pixels from the image centre). A red dashed outline that stays
// 3 screen pixels wide at any scale, with no fill. The scene reshapes it; it never moves itself.
class CropBoxItem : public QGraphicsRectItem
{
public:
    explicit CropBoxItem(const QRectF &rect, QGraphicsItem *parent = nullptr);
    ~CropBoxItem() override;
};
