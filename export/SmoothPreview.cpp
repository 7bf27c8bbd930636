#include "export/SmoothPreview.h"

#include <QGraphicsView>
#include <QWidget>

namespace SmoothPreview {

void apply(QWidget *widget)
{
    if (!widget)
        return;
    for (QGraphicsView *view : widget->findChildren<QGraphicsView *>()) {
        view->setRenderHint(QPainter::SmoothPixmapTransform);
        view->setRenderHint(QPainter::Antialiasing);
        view->setRenderHint(QPainter::TextAntialiasing);
    }
}

} // namespace SmoothPreview
