#pragma once

#include <QGraphicsScene>
#include <QPointF>
#include <QRectF>

class CropBoxItem;
class PhotoGraphicsView;

// The editor's scene. While the crop box is shown it reshapes the box with the mouse: its edges
// and corners resize it, its inside moves it, always within the picture and never below
// 50 x 50 image pixels. Scene units are screen pixels, so the grab tolerances are too. Drops of
// files are announced through the view's droppedFiles().
class PhotoGraphicsScene : public QGraphicsScene
{
public:
    // Which part of the crop box a point grabs.
    enum Handle {
        NoHandle = 0,
        LeftEdge = 1,
        RightEdge = 2,
        TopEdge = 3,
        BottomEdge = 4,
        TopLeftCorner = 5,
        BottomLeftCorner = 6,
        TopRightCorner = 7,
        BottomRightCorner = 8,
        Inside = 9
    };

    explicit PhotoGraphicsScene(QObject *parent = nullptr);

    // The box to work on (not owned; null when none). Its parent item is the picture.
    void setCropBox(CropBoxItem *box);
    CropBoxItem *cropBox() const { return m_cropBox; }
    // The view whose drag mode follows the grab and which announces drops (not owned).
    void setView(PhotoGraphicsView *view) { m_view = view; }

    // The handle under a scene point. Corners reach 8 units in x and y; an edge reaches 4 units
    // from its line across the whole scene, also beyond the box's ends.
    int hitTest(const QPointF &scenePoint) const;
    // Cursor shape for a handle code, set on the picture item.
    void updateCursor(int handle);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent *event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent *event) override;
    void dropEvent(QGraphicsSceneDragDropEvent *event) override;

private:
    bool isCropping() const;
    // The box's rectangle after dragging the grabbed handle to a scene point.
    QRectF draggedRect(const QPointF &scenePoint);

    CropBoxItem *m_cropBox = nullptr;
    PhotoGraphicsView *m_view = nullptr;
    int m_handle = NoHandle;
    QPointF m_lastPos; // in the crop box's coordinates
};
