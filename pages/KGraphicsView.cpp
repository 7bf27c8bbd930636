#include "pages/KGraphicsView.h"

#include <QFocusEvent>
#include <QMouseEvent>

KGraphicsView::KGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
}

void KGraphicsView::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    emit focused();
}

void KGraphicsView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit mouseDoubleClicked();
}
