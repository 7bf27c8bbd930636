#include "pages/ImageListWidget.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "pages/FlowLayout.h"
#include "pages/KSlabWidget.h"

namespace {

// Holds the dragging process and list, the dragged slab's position and every dragged position.
QString pagesFormat()
{
    return QStringLiteral("application/x-vellumo-pages");
}

constexpr int DropLineWidth = 3;
// Bands at the viewport's top and bottom edges where a drag scrolls the list, and how fast.
constexpr int AutoScrollMargin = 24;
constexpr int AutoScrollStep = 20;
constexpr int AutoScrollIntervalMs = 40;
// Width of the slab picture under the cursor while dragging.
constexpr int DragPictureWidth = 80;

quint64 listId(const ImageListWidget *list)
{
    return quint64(reinterpret_cast<quintptr>(list));
}

} // namespace

ImageListWidget::ImageListWidget(QWidget *parent)
    : QScrollArea(parent)
    , m_selectionMode(2)
{
    m_content = new QWidget;
    auto *contentLayout = new QVBoxLayout(m_content);
    contentLayout->setContentsMargins(6, 6, 6, 6);
    m_flow = new FlowLayout;
    contentLayout->addLayout(m_flow);

    setWidget(m_content);
    setWidgetResizable(true);
    // setWidget() switches the background on; the list shows its parent's background instead.
    m_content->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("ImageListWidget {border: none;}"));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);

    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    m_dropLine = new QWidget(m_content);
    m_dropLine->setObjectName(QStringLiteral("dropLine"));
    m_dropLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dropLine->setAutoFillBackground(true);
    m_dropLine->hide();
    m_autoScroll = new QTimer(this);
    m_autoScroll->setInterval(AutoScrollIntervalMs);
    connect(m_autoScroll, &QTimer::timeout, this, &ImageListWidget::autoScroll);
}

ImageListWidget::~ImageListWidget()
{
    // The slabs die after this object's members; a focus change while they are deleted must not
    // reach the slots here.
    for (KSlabWidget *slab : std::as_const(m_positions))
        slab->disconnect(this);
}

void ImageListWidget::appendSlab(KSlabWidget *slab)
{
    if (!slab || m_layoutItems.contains(slab))
        return;
    connect(slab, &KSlabWidget::focused, this, &ImageListWidget::setFocusSlab);
    connect(slab, &KSlabWidget::mouseDoubleClicked, this, &ImageListWidget::sendDMouseClicked);
    connect(slab, &KSlabWidget::checked, this, &ImageListWidget::slabChecked);
    connect(slab, &KSlabWidget::clicked, this, &ImageListWidget::markByClick);
    connect(slab, &KSlabWidget::dragStarted, this, &ImageListWidget::dragSlab);

    const int position = count();
    m_positions.insert(position, slab);
    m_flow->addWidget(slab);
    // Shown now rather than on the layout's queued call, so it has a size for the next layout
    // pass even before the list itself is shown.
    slab->show();
    m_layoutItems.insert(slab, m_flow->itemAt(m_flow->count() - 1));
    m_flow->invalidate();
    emit countChanged(count());
    if (position > 0)
        setTabOrder(m_positions.value(position - 1), slab);
}

void ImageListWidget::removeSlab(KSlabWidget *slab, bool deleteSlab)
{
    if (!slab)
        return;
    slab->clearImage();
    slab->disconnect();
    // An unlisted slab has no item here, so the positions stay as they are.
    if (QLayoutItem *item = m_layoutItems.take(slab)) {
        m_flow->removeItem(item);
        delete item;
    }
    if (deleteSlab)
        delete slab;
    // The layout closed the gap when it gave up the item; the positions follow it.
    syncPositions();
    resetTabOrder();
    m_flow->invalidate();
    emit countChanged(count());
}

void ImageListWidget::removeAllSlabs()
{
    const QList<KSlabWidget *> slabs = m_positions.values();
    for (KSlabWidget *slab : slabs) {
        slab->clearImage();
        slab->disconnect();
    }
    while (QLayoutItem *item = m_flow->takeAt(0))
        delete item;
    qDeleteAll(slabs);
    m_positions.clear();
    m_layoutItems.clear();
    m_flow->invalidate();
    emit countChanged(0);
}

int ImageListWidget::currentPosition() const
{
    if (!m_focused || m_positions.isEmpty())
        return -1;
    return qMax(positionOf(m_focused), 0);
}

KSlabWidget *ImageListWidget::slabAt(int position) const
{
    return m_positions.value(position, nullptr);
}

int ImageListWidget::count() const
{
    return int(m_positions.size());
}

int ImageListWidget::positionOf(KSlabWidget *slab) const
{
    for (auto it = m_positions.cbegin(); it != m_positions.cend(); ++it) {
        if (it.value() == slab)
            return it.key();
    }
    return -1;
}

void ImageListWidget::selectPosition(int position, int scrollFactor)
{
    KSlabWidget *slab = slabAt(position);
    if (!slab)
        return;
    slab->focusIn();
    giveKeyboardFocus(slab);
    m_focused = slab;
    // Slabs added or moved just before are placed, and the scroll range grown, only when the
    // pending layout requests run; posted events only, user input waits.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect cell = cellRect(position);
    ensureVisible(cell.x(), cell.y() + scrollFactor * cell.height());
}

void ImageListWidget::focusSlab(KSlabWidget *slab)
{
    if (!slab)
        return;
    for (KSlabWidget *listed : std::as_const(m_positions))
        listed->setNormalStyle();
    slab->focusIn();
    giveKeyboardFocus(slab);
    m_focused = slab;
    // The slab's place is known once the pending layout requests have run (posted events of
    // that one kind: nothing else, no input, runs here).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect cell = slab->geometry();
    ensureVisible(cell.left(), cell.bottom());
}

void ImageListWidget::setCheckedAt(int position, bool checked)
{
    if (KSlabWidget *slab = slabAt(position))
        slab->setChecked(checked);
}

void ImageListWidget::checkAll()
{
    for (KSlabWidget *slab : std::as_const(m_positions))
        slab->markChecked();
}

void ImageListWidget::uncheckAll()
{
    for (KSlabWidget *slab : std::as_const(m_positions))
        slab->markUnchecked();
}

int ImageListWidget::checkedCount() const
{
    int checkedSlabs = 0;
    for (const KSlabWidget *slab : m_positions) {
        if (slab->isChecked())
            ++checkedSlabs;
    }
    return checkedSlabs;
}

bool ImageListWidget::isCheckedAt(int position) const
{
    const KSlabWidget *slab = slabAt(position);
    return slab && slab->isChecked();
}

void ImageListWidget::swapWithPrevious(int position)
{
    afterReorder(m_flow->swapWithPrevious(position));
}

void ImageListWidget::swapWithNext(int position)
{
    afterReorder(m_flow->swapWithNext(position));
}

void ImageListWidget::moveToFront(int position)
{
    afterReorder(m_flow->moveToFront(position));
}

void ImageListWidget::moveToEnd(int position)
{
    afterReorder(m_flow->moveToEnd(position));
}

void ImageListWidget::moveSlab(int from, int to)
{
    afterReorder(m_flow->moveItem(from, to));
}

QRect ImageListWidget::cellRect(int position) const
{
    const KSlabWidget *slab = slabAt(position);
    return slab ? slab->geometry() : QRect();
}

int ImageListWidget::dropPosition(const QPoint &contentPos) const
{
    return dropSpot(contentPos).position;
}

QMimeData *ImageListWidget::dragMimeData(int position) const
{
    if (!slabAt(position))
        return nullptr;
    const QList<int> positions = dragPositions(position);
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << QCoreApplication::applicationPid() << listId(this) << qint32(position) << positions;

    auto *mimeData = new QMimeData;
    mimeData->setData(pagesFormat(), encoded);
    QList<QUrl> urls;
    for (const QString &file : filesForDrag(positions))
        urls.append(QUrl::fromLocalFile(file));
    // An empty URL list would still tell file managers there is something to drop.
    if (!urls.isEmpty())
        mimeData->setUrls(urls);
    return mimeData;
}

QStringList ImageListWidget::filesForDrag(const QList<int> &positions) const
{
    Q_UNUSED(positions)
    return {};
}

void ImageListWidget::setFocusSlab()
{
    if (m_selectionMode == 0 || m_selectionMode == 1)
        return;
    auto *slab = qobject_cast<KSlabWidget *>(sender());
    if (!slab)
        return;
    if (m_focused && m_focused != slab)
        m_focused->setNormalStyle();
    m_focused = slab;
    emit selected(senderPosition());
}

void ImageListWidget::sendDMouseClicked()
{
    emit mouseDoubleClicked(senderPosition());
}

void ImageListWidget::slabChecked(bool checked)
{
    emit this->checked(senderPosition(), checked);
}

int ImageListWidget::senderPosition() const
{
    return qMax(positionOf(qobject_cast<KSlabWidget *>(sender())), 0);
}

void ImageListWidget::giveKeyboardFocus(KSlabWidget *slab)
{
    // The caller has just emitted focused() through focusIn(); the view's focus-in would
    // repeat it and select the page twice.
    const QSignalBlocker blocker(slab);
    slab->setFocus(Qt::OtherFocusReason);
}

void ImageListWidget::syncPositions()
{
    m_positions.clear();
    for (int position = 0; position < m_flow->count(); ++position)
        m_positions.insert(position,
                           static_cast<KSlabWidget *>(m_flow->itemAt(position)->widget()));
}

void ImageListWidget::resetTabOrder()
{
    for (int position = 1; position < count(); ++position)
        setTabOrder(m_positions.value(position - 1), m_positions.value(position));
}

void ImageListWidget::afterReorder(bool changed)
{
    if (!changed)
        return;
    syncPositions();
    m_flow->invalidate();
    resetTabOrder();
}

void ImageListWidget::keyPressEvent(QKeyEvent *event)
{
    // Comes up from the focused slab, unless a window action with the same keys took it first.
    if (event->matches(QKeySequence::SelectAll)) {
        checkAll();
        event->accept();
        return;
    }
    QScrollArea::keyPressEvent(event);
}

void ImageListWidget::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void ImageListWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (draggedPosition(event->mimeData()) < 0) {
        event->ignore();
        endDrag();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_dragPosition = event->position().toPoint();
    followDrag();
}

void ImageListWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    endDrag();
    QScrollArea::dragLeaveEvent(event);
}

void ImageListWidget::dropEvent(QDropEvent *event)
{
    endDrag();
    const int from = draggedPosition(event->mimeData());
    if (from < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const int before = dropPosition(m_content->mapFromParent(event->position().toPoint()));
    // Taking the slab out first shifts the places after it one towards the front.
    const int to = before > from ? before - 1 : before;
    if (to != from)
        emit slabDropped(from, to);
}

ImageListWidget::DropSpot ImageListWidget::dropSpot(const QPoint &contentPos) const
{
    if (count() == 0)
        return {};
    // The cells of a row share their top edge.
    int rowStart = 0;
    int rowEnd = count();
    for (int position = 1; position < count(); ++position) {
        const int top = cellRect(position).top();
        if (top == cellRect(position - 1).top())
            continue;
        if (contentPos.y() < top) {
            rowEnd = position;
            break;
        }
        rowStart = position;
    }
    const int gap = m_flow->spacing();
    if (count() == 1 || cellRect(1).top() != cellRect(0).top()) {
        // One slab a row, the usual narrow strip: the pointer's height decides, and the line
        // lies across the gap above or below the slab.
        const QRect cell = cellRect(rowStart);
        const bool after = contentPos.y() >= cell.center().y();
        const int y = after ? cell.bottom() + 1 + gap / 2 : cell.top() - gap / 2;
        return {rowStart + (after ? 1 : 0),
                QRect(cell.left(), qMax(y - DropLineWidth / 2, 0), cell.width(), DropLineWidth)};
    }
    int position = rowStart;
    while (position < rowEnd && contentPos.x() >= cellRect(position).center().x())
        ++position;

    // The line sits in the middle of the gap before the slab it would precede, or after the
    // row's last slab.
    const QRect row = cellRect(rowStart);
    const int x = position < rowEnd ? cellRect(position).left() - gap / 2
                                    : cellRect(position - 1).right() + 1 + gap / 2;
    return {position,
            QRect(qMax(x - DropLineWidth / 2, 0), row.top(), DropLineWidth, row.height())};
}

int ImageListWidget::draggedPosition(const QMimeData *mimeData) const
{
    if (!mimeData || !mimeData->hasFormat(pagesFormat()))
        return -1;
    QDataStream stream(mimeData->data(pagesFormat()));
    qint64 process = 0;
    quint64 list = 0;
    qint32 position = -1;
    stream >> process >> list >> position;
    // Another list, or another running copy of the program, has its own positions.
    if (stream.status() != QDataStream::Ok || process != QCoreApplication::applicationPid() ||
        list != listId(this))
        return -1;
    return position >= 0 && position < count() ? position : -1;
}

QList<int> ImageListWidget::dragPositions(int position) const
{
    if (!isCheckedAt(position))
        return {position};
    QList<int> positions;
    for (auto it = m_positions.cbegin(); it != m_positions.cend(); ++it) {
        if (it.value()->isChecked())
            positions.append(it.key());
    }
    return positions;
}

void ImageListWidget::dragSlab()
{
    auto *slab = qobject_cast<KSlabWidget *>(sender());
    const int position = positionOf(slab);
    if (position < 0)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(dragMimeData(position));
    const QPixmap picture = slab->grab().scaledToWidth(DragPictureWidth, Qt::SmoothTransformation);
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    // Only copying is offered: a file manager told it may move would take the page's working
    // image out of the working folder. A move within the list is announced by dropEvent().
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    // Cancelled or dropped elsewhere: the line may still be up.
    endDrag();
}

void ImageListWidget::markByClick(Qt::KeyboardModifiers modifiers)
{
    const int position = positionOf(qobject_cast<KSlabWidget *>(sender()));
    if (position < 0)
        return;
    if (modifiers & Qt::ShiftModifier) {
        const int anchor = currentPosition() < 0 ? position : currentPosition();
        for (int marked = qMin(anchor, position); marked <= qMax(anchor, position); ++marked)
            setCheckedAt(marked, true);
    } else if (modifiers & Qt::ControlModifier) {
        setCheckedAt(position, !isCheckedAt(position));
    }
}

void ImageListWidget::followDrag()
{
    const DropSpot spot = dropSpot(m_content->mapFromParent(m_dragPosition));
    if (spot.line.isEmpty()) {
        m_dropLine->hide();
    } else {
        QPalette palette = m_dropLine->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        m_dropLine->setPalette(palette);
        m_dropLine->setGeometry(spot.line);
        m_dropLine->raise();
        m_dropLine->show();
    }

    const int y = m_dragPosition.y();
    m_scrollDirection = y < AutoScrollMargin                           ? -1
                        : y >= viewport()->height() - AutoScrollMargin ? 1
                                                                       : 0;
    if (m_scrollDirection == 0)
        m_autoScroll->stop();
    else if (!m_autoScroll->isActive())
        m_autoScroll->start();
}

void ImageListWidget::autoScroll()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + m_scrollDirection * AutoScrollStep);
    // The cursor has not moved, but the content under it has.
    followDrag();
}

void ImageListWidget::endDrag()
{
    m_autoScroll->stop();
    m_scrollDirection = 0;
    m_dropLine->hide();
}
