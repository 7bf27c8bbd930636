#include "PhotoGraphicsView.h"

#include <QGraphicsItem>
#include <QPainter>
#include <QWheelEvent>

PhotoGraphicsView::PhotoGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
}

void PhotoGraphicsView::wheelEvent(QWheelEvent *event)
{
    // Neither the scene nor the scroll bars see it; it travels on to the editor.
    event->ignore();
}

void PhotoGraphicsView::setPageItem(const QGraphicsItem *item)
{
    m_pageItem = item;
    viewport()->update();
}

QColor PhotoGraphicsView::backgroundColour()
{
    return QColor(0xd4, 0xd6, 0xd9);
}

void PhotoGraphicsView::drawBackground(QPainter *painter, const QRectF &rect)
{
    painter->fillRect(rect, backgroundColour());
    if (!m_pageItem)
        return;
    // A few translucent rings one screen pixel apart, a little lower than the page.
    const qreal pixel = 1.0 / qMax<qreal>(0.01, transform().m11());
    const QRectF page = m_pageItem->sceneBoundingRect().translated(0, pixel);
    painter->save();
    painter->setPen(Qt::NoPen);
    for (int ring = ShadowRings; ring >= 1; --ring) {
        painter->setBrush(QColor(0, 0, 0, 18 + 10 * (ShadowRings - ring)));
        const qreal grow = ring * pixel;
        painter->drawRect(page.adjusted(-grow, -grow, grow, grow));
    }
    painter->restore();
}