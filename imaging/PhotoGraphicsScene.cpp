#include "PhotoGraphicsScene.h"

#include <QCursor>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QMimeData>
#include <QUrl>

#include "imaging/CropBoxItem.h"
#include "imaging/DraggedWidget.h"
#include "imaging/PhotoGraphicsView.h"

namespace {

// Grab tolerances in scene units (screen pixels), so they feel the same at every scale.
constexpr qreal CornerReach = 8;
constexpr qreal EdgeReach = 4;
// The smallest crop box side, in image pixels.
constexpr qreal MinimumSide = 50;

} // namespace

PhotoGraphicsScene::PhotoGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
}

void PhotoGraphicsScene::setCropBox(CropBoxItem *box)
{
    m_cropBox = box;
    m_handle = NoHandle;
}

bool PhotoGraphicsScene::isCropping() const
{
    return m_cropBox && m_cropBox->isVisible();
}

int PhotoGraphicsScene::hitTest(const QPointF &p) const
{
    if (!m_cropBox)
        return NoHandle;
    const QRectF box = m_cropBox->mapRectToScene(m_cropBox->rect());
    const auto nearCorner = [&p](const QPointF &corner) {
        return qAbs(p.x() - corner.x()) <= CornerReach && qAbs(p.y() - corner.y()) <= CornerReach;
    };
    if (nearCorner(box.topLeft()))
        return TopLeftCorner;
    if (nearCorner(box.bottomRight()))
        return BottomRightCorner;
    if (nearCorner(box.topRight()))
        return TopRightCorner;
    if (nearCorner(box.bottomLeft()))
        return BottomLeftCorner;
    // Each edge test looks at one coordinate only: an edge can be grabbed anywhere on its line.
    if (qAbs(box.left() - p.x()) <= EdgeReach)
        return LeftEdge;
    if (qAbs(box.right() - p.x()) <= EdgeReach)
        return RightEdge;
    if (qAbs(box.top() - p.y()) <= EdgeReach)
        return TopEdge;
    if (qAbs(box.bottom() - p.y()) <= EdgeReach)
        return BottomEdge;
    return box.contains(p) ? Inside : NoHandle;
}

void PhotoGraphicsScene::updateCursor(int handle)
{
    QGraphicsItem *picture = m_cropBox ? m_cropBox->parentItem() : nullptr;
    if (!picture)
        return;
    switch (handle) {
    case LeftEdge:
    case RightEdge:
        picture->setCursor(Qt::SizeHorCursor);
        break;
    case TopEdge:
    case BottomEdge:
        picture->setCursor(Qt::SizeVerCursor);
        break;
    case TopLeftCorner:
    case BottomRightCorner:
        picture->setCursor(Qt::SizeFDiagCursor);
        break;
    case BottomLeftCorner:
    case TopRightCorner:
        picture->setCursor(Qt::SizeBDiagCursor);
        break;
    case Inside:
        picture->setCursor(Qt::SizeAllCursor);
        break;
    default:
        picture->unsetCursor();
        break;
    }
}

void PhotoGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (isCropping()) {
        m_lastPos = m_cropBox->mapFromScene(event->scenePos());
        m_handle = hitTest(event->scenePos());
        // A press off the box pans the view; a grab of the box must not.
        if (m_view)
            m_view->setDragMode(m_handle == NoHandle ? QGraphicsView::ScrollHandDrag
                                                     : QGraphicsView::NoDrag);
        updateCursor(m_handle);
    }
    QGraphicsScene::mousePressEvent(event);
}

void PhotoGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!isCropping()) {
        QGraphicsScene::mouseMoveEvent(event);
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        updateCursor(hitTest(event->scenePos()));
        QGraphicsScene::mouseMoveEvent(event);
        return;
    }
    if (event->buttons() & Qt::LeftButton) {
        // Kept from the base class: a movable item would otherwise move itself.
        m_cropBox->setRect(draggedRect(event->scenePos()));
        event->accept();
        return;
    }
    QGraphicsScene::mouseMoveEvent(event);
}

void PhotoGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (isCropping()) {
        m_handle = NoHandle;
        if (m_view)
            m_view->setDragMode(QGraphicsView::ScrollHandDrag);
    }
    QGraphicsScene::mouseReleaseEvent(event);
}

QRectF PhotoGraphicsScene::draggedRect(const QPointF &p)
{
    const QRectF start = m_cropBox->rect();
    QRectF r = start;
    const QPointF h = m_cropBox->mapFromScene(p);
    const QGraphicsItem *picture = m_cropBox->parentItem();
    // The picture in scene units for the tests, and its corners in box units for the limits.
    const QRectF j = picture->mapRectToScene(picture->boundingRect());
    const QPointF jMin = m_cropBox->mapFromScene(j.topLeft());
    const QPointF jMax = m_cropBox->mapFromScene(j.bottomRight());

    const auto dragLeft = [&] {
        r.setLeft(p.x() < j.left() ? jMin.x() : h.x());
    };
    const auto dragRight = [&] {
        r.setRight(p.x() > j.right() ? jMax.x() : h.x());
    };
    const auto dragTop = [&] {
        r.setTop(p.y() < j.top() ? jMin.y() : h.y());
    };
    const auto dragBottom = [&] {
        r.setBottom(p.y() > j.bottom() ? jMax.y() : h.y());
    };

    switch (m_handle) {
    case LeftEdge:
        dragLeft();
        break;
    case RightEdge:
        dragRight();
        break;
    case TopEdge:
        dragTop();
        break;
    case BottomEdge:
        dragBottom();
        break;
    case TopLeftCorner:
        dragLeft();
        dragTop();
        break;
    case BottomLeftCorner:
        dragLeft();
        dragBottom();
        break;
    case TopRightCorner:
        dragRight();
        dragTop();
        break;
    case BottomRightCorner:
        dragRight();
        dragBottom();
        break;
    case Inside: {
        r.translate(h - m_lastPos);
        m_lastPos = h;
        // Pushed against the picture's border the box stops there and keeps its size.
        const QRectF moved = m_cropBox->mapRectToScene(r);
        if (moved.top() < j.top())
            r.moveTop(jMin.y());
        else if (moved.bottom() > j.bottom())
            r.moveTop(jMax.y() - start.height());
        if (moved.left() < j.left())
            r.moveLeft(jMin.x());
        else if (moved.right() > j.right())
            r.moveLeft(jMax.x() - start.width());
        // A pointer that left the picture counts from the border: coming back moves the box
        // at once instead of first making up the distance travelled outside.
        if (p.x() < j.left())
            m_lastPos.setX(jMin.x());
        else if (p.x() > j.right())
            m_lastPos.setX(jMax.x());
        if (p.y() < j.top())
            m_lastPos.setY(jMin.y());
        else if (p.y() > j.bottom())
            m_lastPos.setY(jMax.y());
        break;
    }
    default:
        break;
    }

    // An edge dragged across its opposite edge leaves the minimum side on the side that stayed.
    // A side that did not move is the same value, so the exact comparison is intended.
    if (r.width() < MinimumSide) {
        if (r.left() == start.left())
            r.setWidth(MinimumSide);
        else
            r.setLeft(r.right() - MinimumSide);
    }
    if (r.height() < MinimumSide) {
        if (r.top() == start.top())
            r.setHeight(MinimumSide);
        else
            r.setTop(r.bottom() - MinimumSide);
    }
    return r;
}

void PhotoGraphicsScene::dragEnterEvent(QGraphicsSceneDragDropEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void PhotoGraphicsScene::dragMoveEvent(QGraphicsSceneDragDropEvent *event)
{
    // Items take no drops: a drag accepted on entry stays accepted everywhere over the scene.
    event->acceptProposedAction();
}

void PhotoGraphicsScene::dropEvent(QGraphicsSceneDragDropEvent *event)
{
    event->acceptProposedAction();
    if (m_view)
        emit m_view->droppedFiles(DraggedWidget::localFiles(event->mimeData()->urls()));
}
