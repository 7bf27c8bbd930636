#include "ribbon/RibbonTabBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int TabPadding = 14;     // left and right of the text, in pixels
constexpr int AccentBarHeight = 3; // the bar under the current tab's text
} // namespace

RibbonTabBar::RibbonTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

QFont RibbonTabBar::selectedFont() const
{
    QFont bold = font();
    bold.setWeight(QFont::DemiBold);
    return bold;
}

QSize RibbonTabBar::tabSizeHint(int index) const
{
    // Measured in the current tab's heavier font, so tabs do not change width when selected.
    const QFontMetrics metrics(selectedFont());
    const QSize text = metrics.size(Qt::TextShowMnemonic, tabText(index));
    return QSize(text.width() + 2 * TabPadding, metrics.height() + 12 + AccentBarHeight);
}

QSize RibbonTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void RibbonTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    const int mnemonicFlag = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)
                                 ? Qt::TextShowMnemonic
                                 : Qt::TextHideMnemonic;
    for (int i = 0; i < count(); ++i) {
        const QRect rect = tabRect(i);
        const bool current = i == currentIndex();
        if (i == m_hoverIndex && !current && isTabEnabled(i)) {
            QColor hover = palette().color(QPalette::WindowText);
            hover.setAlpha(14);
            painter.setPen(Qt::NoPen);
            painter.setBrush(hover);
            painter.drawRoundedRect(QRectF(rect).adjusted(2, 3, -2, -2), 4, 4);
        }
        const QRect textRect = rect.adjusted(0, 0, 0, -AccentBarHeight);
        painter.setFont(current ? selectedFont() : font());
        QColor textColour = palette().color(QPalette::WindowText);
        if (current)
            textColour = accent;
        else if (!isTabEnabled(i))
            textColour = palette().color(QPalette::Disabled, QPalette::WindowText);
        painter.setPen(textColour);
        painter.drawText(textRect, Qt::AlignCenter | mnemonicFlag, tabText(i));
        if (current) {
            const int barWidth = rect.width() - 2 * TabPadding;
            const QRectF bar(rect.center().x() - barWidth / 2.0, rect.bottom() - AccentBarHeight,
                             barWidth, AccentBarHeight);
            painter.setPen(Qt::NoPen);
            painter.setBrush(accent);
            painter.drawRoundedRect(bar, 1.5, 1.5);
        }
    }
}

void RibbonTabBar::mouseMoveEvent(QMouseEvent *event)
{
    QTabBar::mouseMoveEvent(event);
    const int hover = tabAt(event->position().toPoint());
    if (hover != m_hoverIndex) {
        m_hoverIndex = hover;
        update();
    }
}

void RibbonTabBar::leaveEvent(QEvent *event)
{
    QTabBar::leaveEvent(event);
    m_hoverIndex = -1;
    update();
}
