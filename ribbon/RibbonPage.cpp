#include "ribbon/RibbonPage.h"

#include <QHBoxLayout>
#include <QPainter>

#include "ribbon/RibbonGroup.h"

namespace {
constexpr int GroupGap = 9; // room for the separator line between two groups
}

RibbonPage::RibbonPage(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
{
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(4, 3, 4, 1);
    m_layout->setSpacing(GroupGap);
    m_layout->addStretch(1);
}

void RibbonPage::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

RibbonGroup *RibbonPage::addGroup(const QString &title)
{
    auto *group = new RibbonGroup(title, this);
    // Before the trailing stretch, which keeps the groups packed to the left.
    m_layout->insertWidget(int(m_groups.size()), group);
    m_groups.append(group);
    return group;
}

RibbonGroup *RibbonPage::group(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index) : nullptr;
}

void RibbonPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor line = palette().color(QPalette::Mid);
    line.setAlpha(150);
    painter.setPen(line);
    // A separator after every visible group, the last one included, closes each group off.
    for (const RibbonGroup *g : m_groups) {
        if (g->isHidden())
            continue;
        const QRect r = g->geometry();
        const int x = r.right() + 1 + GroupGap / 2;
        painter.drawLine(x, r.top() + 4, x, r.bottom() - 4);
    }
}
