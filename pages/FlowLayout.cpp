#include "pages/FlowLayout.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

#include <utility>

namespace {

// Used when the style leaves layout spacing to its per-control rules (it answers -1).
constexpr int FallbackSpacing = 6;

} // namespace

FlowLayout::FlowLayout(QWidget *parent, int spacing)
    : QLayout(parent)
    , m_spacing(spacing)
{
}

FlowLayout::FlowLayout(int spacing)
    : m_spacing(spacing)
{
}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.insert(int(m_items.size()), item);
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index, nullptr);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_items.value(index);
    const int last = count() - 1;
    for (int position = index; position < last; ++position)
        m_items[position] = m_items.value(position + 1);
    m_items.remove(last);
    invalidate();
    return item;
}

int FlowLayout::spacing() const
{
    if (m_spacing >= 0)
        return m_spacing;
    const QWidget *widget = parentWidget();
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const int fromStyle =
        style ? style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, widget) : -1;
    return fromStyle >= 0 ? fromStyle : FallbackSpacing;
}

void FlowLayout::setSpacing(int spacing)
{
    m_spacing = spacing;
    invalidate();
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

bool FlowLayout::swapWithPrevious(int position)
{
    if (position < 1 || position >= count())
        return false;
    std::swap(m_items[position - 1], m_items[position]);
    invalidate();
    return true;
}

bool FlowLayout::swapWithNext(int position)
{
    if (position < 0 || position >= count() - 1)
        return false;
    std::swap(m_items[position], m_items[position + 1]);
    invalidate();
    return true;
}

bool FlowLayout::moveToFront(int position)
{
    return moveItem(position, 0);
}

bool FlowLayout::moveToEnd(int position)
{
    return moveItem(position, count() - 1);
}

bool FlowLayout::moveItem(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count())
        return false;
    QLayoutItem *moving = m_items.value(from);
    const int step = to > from ? 1 : -1;
    for (int position = from; position != to; position += step)
        m_items[position] = m_items.value(position + step);
    m_items[to] = moving;
    invalidate();
    return true;
}

int FlowLayout::doLayout(const QRect &rect, bool measureOnly) const
{
    const QMargins margins = contentsMargins();
    const QRect area = rect.marginsRemoved(margins);
    if (m_items.isEmpty())
        return 0;

    // Every cell steps by the first item's width; the page slabs all share one size.
    const int cellWidth = m_items.first()->sizeHint().width();
    const int gap = spacing();
    const int step = cellWidth + 2 * gap;
    const int columns = step > 0 ? qMin(area.width() / step, count()) : count();
    // Centres the cells without their gaps; integer division, so an odd remainder leans left.
    // When not even one cell fits the offset is negative and the single column overhangs.
    const int offset = (area.width() - qMax(columns, 1) * cellWidth) / 2;

    int x = area.x() + offset;
    int y = area.y();
    int rowHeight = 0;
    for (QLayoutItem *item : m_items) {
        int nextX = x + cellWidth + gap;
        if (nextX - gap > area.right() && rowHeight > 0) {
            x = area.x() + offset;
            y += rowHeight + gap;
            rowHeight = 0;
            nextX = x + cellWidth + gap;
        }
        const QSize size = item->sizeHint();
        if (!measureOnly)
            item->setGeometry(QRect(QPoint(x, y), size));
        rowHeight = qMax(rowHeight, size.height());
        x = nextX;
    }
    return y + rowHeight - rect.y() + margins.bottom();
}
