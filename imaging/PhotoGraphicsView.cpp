#include "PhotoGraphicsView.h"

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
