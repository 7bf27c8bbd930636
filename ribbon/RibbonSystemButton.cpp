#include "ribbon/RibbonSystemButton.h"

#include <QMenu>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int HorizontalPadding = 16;
constexpr int IconSize = 20;
} // namespace

RibbonSystemButton::RibbonSystemButton(QWidget *parent)
    : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(IconSize, IconSize));
}

QFont RibbonSystemButton::labelFont() const
{
    QFont label = font();
    label.setWeight(QFont::DemiBold);
    return label;
}

QSize RibbonSystemButton::sizeHint() const
{
    const QFontMetrics metrics(labelFont());
    const int height = metrics.height() + 12;
    if (text().isEmpty())
        return QSize(IconSize + 2 * HorizontalPadding, qMax(height, IconSize + 8));
    return QSize(metrics.size(Qt::TextShowMnemonic, text()).width() + 2 * HorizontalPadding,
                 height);
}

void RibbonSystemButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Highlight);
    if (isDown() || (menu() && menu()->isVisible()))
        fill = fill.darker(115);
    else if (underMouse())
        fill = fill.lighter(112);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 3, -1, -1), 4, 4);

    if (text().isEmpty()) {
        const QRect iconRect(QPoint(0, 0), iconSize());
        icon().paint(&painter, iconRect.translated(rect().center() - iconRect.center()));
        return;
    }
    painter.setFont(labelFont());
    painter.setPen(palette().color(QPalette::HighlightedText));
    const int mnemonicFlag = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)
                                 ? Qt::TextShowMnemonic
                                 : Qt::TextHideMnemonic;
    painter.drawText(rect().adjusted(0, 2, 0, 0), Qt::AlignCenter | mnemonicFlag, text());
}
