#pragma once

#include <QGraphicsView>
#include <QImage>

class QGraphicsPixmapItem;
class QGraphicsScene;

// The work-area page of Rotate Mode: a reduced copy of the current page that turns live while
// the user picks an angle. The page itself is not touched until the turn is accepted.
class RotatePreview : public QGraphicsView
{
    Q_OBJECT

public:
    explicit RotatePreview(QWidget *parent = nullptr);

    // Shows a copy of the image reduced (fast filtering) to fit the area less 10 pixels on each
    // side, centred on the scene origin.
    void setPreviewImage(const QImage &image, const QRect &area);
    // Turns the shown copy by the angle in degrees (clockwise is positive); replaces any
    // earlier turn rather than adding to it.
    void setPreviewAngle(int degrees);
    // The scale of the copy against the page, 0 when nothing is shown.
    qreal previewScale() const { return m_scale; }
    QGraphicsPixmapItem *previewItem() const { return m_item; }

private:
    QGraphicsScene *m_scene;
    QGraphicsPixmapItem *m_item = nullptr;
    qreal m_scale = 0.0;
};
