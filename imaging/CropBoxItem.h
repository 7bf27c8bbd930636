#pragma once

#include <QGraphicsRectItem>

// The crop rectangle drawn over the picture, as a child of the picture item: its rectangle is in
// picture coordinates (image pixels from the image centre). A red dashed outline that stays
// 3 screen pixels wide at any scale, with no fill. The scene reshapes it; it never moves itself.
//
// Around it the part of the picture that will be cut is dimmed; small square handles mark the
// corners and the middles of the edges, where the scene lets the user pull the box; and the
// box's size is written inside its top-left corner in pixels and, when the picture's resolution
// is known, in centimetres. Handles and text keep their screen size at any zoom.
class CropBoxItem : public QGraphicsRectItem
{
public:
    static constexpr int HandleSize = 8;

    explicit CropBoxItem(const QRectF &rect, QGraphicsItem *parent = nullptr);
    ~CropBoxItem() override;

    // Picture pixels per centimetre, for the size readout; 0 shows pixels only.
    void setPixelsPerCm(qreal pixelsPerCm) { m_pixelsPerCm = pixelsPerCm; }
    // "1200 x 1700 px   10.2 x 14.4 cm" for the current rectangle.
    QString sizeText() const;

    // The rectangle with its outline's width (boundingRect() also covers the dimmed picture).
    QRectF outlineRect() const { return QGraphicsRectItem::boundingRect(); }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

private:
    qreal m_pixelsPerCm = 0;
};
