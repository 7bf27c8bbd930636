#include "ribbon/RibbonStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

#include "ribbon/RibbonGroup.h"
#include "ribbon/RibbonSystemPopupBar.h"

namespace {

constexpr int ArrowWidth = 7; // the drop-down chevron after a large button's text
constexpr int ArrowGap = 4;

// A large (icon above text) button in a ribbon group.
const QStyleOptionToolButton *largeRibbonButton(const QStyleOption *option, const QWidget *widget)
{
    const auto *button = qstyleoption_cast<const QStyleOptionToolButton *>(option);
    if (!button || button->toolButtonStyle != Qt::ToolButtonTextUnderIcon || !widget)
        return nullptr;
    return qobject_cast<const RibbonGroup *>(widget->parentWidget()) ? button : nullptr;
}

// The width of a label as shown: mnemonic markers take no room.
int shownWidth(const QFontMetrics &metrics, QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return metrics.horizontalAdvance(text);
}

// A large button's label on one line, or on two when it is long and has more than one word;
// the break is the space that makes the longer line shortest.
QStringList labelLines(const QString &text, const QFontMetrics &metrics)
{
    constexpr int OneLineWidth = 72;
    if (shownWidth(metrics, text) <= OneLineWidth || !text.contains(QLatin1Char(' ')))
        return {text};
    QStringList best{text};
    int bestWidth = shownWidth(metrics, text);
    for (qsizetype at = text.indexOf(QLatin1Char(' ')); at >= 0;
         at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const QString first = text.left(at);
        const QString second = text.mid(at + 1);
        const int width = qMax(shownWidth(metrics, first), shownWidth(metrics, second));
        if (width < bestWidth) {
            bestWidth = width;
            best = {first, second};
        }
    }
    return best;
}

bool hasDropDownArrow(const QStyleOptionToolButton *button)
{
    return (button->features & QStyleOptionToolButton::HasMenu) &&
           !(button->features & QStyleOptionToolButton::MenuButtonPopup);
}

} // namespace

RibbonStyle::RibbonStyle() = default;

void RibbonStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const QStyleOptionToolButton *button =
        control == CC_ToolButton ? largeRibbonButton(option, widget) : nullptr;
    if (!button || (button->features & QStyleOptionToolButton::MenuButtonPopup)) {
        OfficeStyle::drawComplexControl(control, option, painter, widget);
        return;
    }

    // Icon centred at the top, the text under it and, for a drop-down button, a small chevron
    // after the text instead of an arrow in the button's corner that would cover the text.
    proxy()->drawPrimitive(PE_PanelButtonTool, button, painter, widget);

    const bool enabled = button->state & State_Enabled;
    const QRect rect = button->rect;
    const QRect iconRect(rect.left(), rect.top() + 4, rect.width(), button->iconSize.height());
    const QIcon::Mode mode = !enabled                            ? QIcon::Disabled
                             : (button->state & State_MouseOver) ? QIcon::Active
                                                                 : QIcon::Normal;
    button->icon.paint(painter, iconRect, Qt::AlignCenter, mode,
                       (button->state & State_On) ? QIcon::On : QIcon::Off);

    const QFontMetrics metrics(button->fontMetrics);
    const bool arrow = hasDropDownArrow(button);
    const QStringList lines = labelLines(button->text, metrics);
    QRect textRect;
    for (int i = 0; i < lines.size(); ++i) {
        const int textWidth = shownWidth(metrics, lines.at(i));
        const bool last = i == lines.size() - 1;
        const int lineWidth = textWidth + (arrow && last ? ArrowGap + ArrowWidth : 0);
        const int textTop = iconRect.bottom() + 4 + i * metrics.height();
        textRect =
            QRect(rect.center().x() + 1 - lineWidth / 2, textTop, textWidth, metrics.height());
        proxy()->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, button->palette,
                              enabled, lines.at(i), QPalette::ButtonText);
    }
    if (!arrow)
        return;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPen pen(button->palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText),
             1.3);
    painter->setPen(pen);
    const qreal x = textRect.right() + 1 + ArrowGap;
    const qreal y = textRect.center().y() + 0.5;
    const QPointF chevron[] = {
        {x, y - 1.5}, {x + ArrowWidth / 2.0, y + 2}, {x + ArrowWidth, y - 1.5}};
    painter->drawPolyline(chevron, 3);
    painter->restore();
}

QSize RibbonStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                    const QSize &size, const QWidget *widget) const
{
    QSize result = OfficeStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem && qobject_cast<const RibbonSystemPopupBar *>(widget)) {
        // Roomier rows for the application menu's larger icons.
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator)
            result.rheight() += 10;
    }
    if (type == CT_ToolButton) {
        const QStyleOptionToolButton *button = largeRibbonButton(option, widget);
        if (button) {
            // As wide as the longer label line (or the icon), not the whole label.
            const QFontMetrics metrics(button->fontMetrics);
            int width = button->iconSize.width();
            for (const QString &line : labelLines(button->text, metrics))
                width = qMax(width, shownWidth(metrics, line));
            result.setWidth(width + 14);
            // Room for the icon and two label lines, so every large button is equally tall.
            result.setHeight(
                qMax(result.height(), button->iconSize.height() + 2 * metrics.height() + 14));
            if (hasDropDownArrow(button))
                result.rwidth() += ArrowGap + ArrowWidth;
        }
    }
    return result;
}

int RibbonStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    if (metric == PM_SmallIconSize && qobject_cast<const RibbonSystemPopupBar *>(widget))
        return 24;
    return OfficeStyle::pixelMetric(metric, option, widget);
}
