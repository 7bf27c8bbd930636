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
    const int textWidth = metrics.horizontalAdvance(button->text);
    const int lineWidth = textWidth + (arrow ? ArrowGap + ArrowWidth : 0);
    const int textTop = iconRect.bottom() + 4;
    const QRect textRect(rect.center().x() + 1 - lineWidth / 2, textTop, textWidth,
                         metrics.height());
    proxy()->drawItemText(painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, button->palette,
                          enabled, button->text, QPalette::ButtonText);
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
        if (button && hasDropDownArrow(button))
            result.rwidth() += ArrowGap + ArrowWidth;
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
