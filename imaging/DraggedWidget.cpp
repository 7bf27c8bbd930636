#include "DraggedWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>

DraggedWidget::DraggedWidget(QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
}

QStringList DraggedWidget::localFiles(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        // Any existing path counts, folders too: whoever receives the list decides what to do.
        if (!path.isEmpty() && QFileInfo::exists(path))
            files << path;
    }
    return files;
}

void DraggedWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void DraggedWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void DraggedWidget::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    emit droppedFiles(localFiles(event->mimeData()->urls()));
}

void DraggedWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    // A dashed card in the middle with the logo and two lines of help.
    const QRectF card = QRectF(rect())
                            .adjusted(40, 40, -40, -40)
                            .intersected(QRectF(QPointF(), QSizeF(560, 340))
                                             .translated(rect().center() - QPointF(280, 170)));
    painter.setPen(QPen(QColor(0xb8, 0xc4, 0xd6), 2, Qt::DashLine));
    painter.setBrush(QColor(0xf7, 0xf9, 0xfc));
    painter.drawRoundedRect(card, 14, 14);

    QSvgRenderer logo(QStringLiteral(":/images/logo.svg"));
    const QRectF logoRect(card.center().x() - 48, card.top() + 50, 96, 96);
    if (logo.isValid())
        logo.render(&painter, logoRect);

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0x1e, 0x2f, 0x5c));
    const QRectF titleRect(card.left(), logoRect.bottom() + 18, card.width(), 34);
    painter.drawText(titleRect, Qt::AlignCenter, tr("Scan a page or drop files here"));

    painter.setFont(font());
    painter.setPen(QColor(0x5a, 0x68, 0x80));
    const QRectF hintRect(card.left() + 24, titleRect.bottom() + 6, card.width() - 48, 60);
    painter.drawText(hintRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("Images (JPEG, PNG, TIFF, BMP), PDF files and projects can be dropped "
                        "onto this window."));
}
