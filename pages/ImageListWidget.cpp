#include "pages/ImageListWidget.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "pages/FlowLayout.h"
#include "pages/KSlabWidget.h"

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
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
