#include "ImageEditor.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

#include "imaging/DraggedWidget.h"

ImageEditor::ImageEditor(QWidget *parent)
    : QWidget(parent)
    , m_view(new QGraphicsView(this))
    , m_scene(new QGraphicsScene(this))
{
    m_scene->setBackgroundBrush(QColor(0xe9, 0xec, 0xf1));
    m_view->setScene(m_scene);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setRenderHint(QPainter::SmoothPixmapTransform);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setAcceptDrops(true);
    m_view->viewport()->setAcceptDrops(true);
    m_view->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

bool ImageEditor::loadImage(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    clear();
    if (image.isNull())
        return false;
    m_image = image;
    m_path = path;
    m_item = m_scene->addPixmap(QPixmap::fromImage(m_image));
    m_item->setTransformationMode(Qt::SmoothTransformation);
    m_scene->setSceneRect(m_item->boundingRect());
    fitToWindow();
    return true;
}

void ImageEditor::clear()
{
    m_scene->clear();
    m_item = nullptr;
    m_image = QImage();
    m_path.clear();
    m_view->resetTransform();
}

qreal ImageEditor::scale() const
{
    return m_view->transform().m11();
}

void ImageEditor::setScale(qreal factor)
{
    if (!m_item)
        return;
    const qreal bounded = qBound(0.05, factor, 2.0);
    m_view->setTransform(QTransform::fromScale(bounded, bounded));
}

void ImageEditor::fitToWindow()
{
    if (!m_item)
        return;
    m_view->fitInView(m_item, Qt::KeepAspectRatio);
    emit zoomed(scale());
}

void ImageEditor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToWindow();
}

bool ImageEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (drag->mimeData()->hasUrls())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::DragMove:
        static_cast<QDragMoveEvent *>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        emit droppedFiles(DraggedWidget::localFiles(drop->mimeData()->urls()));
        return true;
    }
    case QEvent::ContextMenu:
        if (m_contextMenu && m_item) {
            m_contextMenu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
