#include "RotatePreview.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>

RotatePreview::RotatePreview(QWidget *parent)
    : QGraphicsView(parent)
    , m_scene(new QGraphicsScene(this))
{
    setScene(m_scene);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(QColor(0xe9, 0xec, 0xf1));
    setAlignment(Qt::AlignCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void RotatePreview::setPreviewImage(const QImage &image, const QRect &area)
{
    if (image.isNull())
        return;
    const QSize room = (area.size() - QSize(20, 20)).expandedTo(QSize(1, 1));
    const QSize fitted = image.size().scaled(room, Qt::KeepAspectRatio);
    m_scale = qreal(fitted.width()) / image.width();
    const QImage copy =
        image.scaled(qMax(1, int(image.width() * m_scale)), qMax(1, int(image.height() * m_scale)),
                     Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_scene->setSceneRect(-image.width() * m_scale / 2, -image.height() * m_scale / 2,
                          image.width() * m_scale, image.height() * m_scale);
    delete m_item;
    m_item = m_scene->addPixmap(QPixmap::fromImage(copy));
    m_item->setTransformationMode(Qt::FastTransformation);
    m_item->setZValue(1);
    m_item->setOffset(-(copy.width() / 2), -(copy.height() / 2));
    m_item->setTransform(QTransform());
}

void RotatePreview::setPreviewAngle(int degrees)
{
    if (m_item)
        m_item->setTransform(QTransform().rotate(degrees));
}
