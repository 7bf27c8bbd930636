#include "ribbon/OfficeStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

OfficeStyle::OfficeStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    m_palette = lightPalette();
}

void OfficeStyle::setTheme(int theme)
{
    m_theme = theme;
    m_palette = theme == ClassicTheme ? baseStyle()->standardPalette() : lightPalette();
    if (QApplication::style() == this)
        QApplication::setPalette(m_palette);
}

QPalette OfficeStyle::standardPalette() const
{
    return m_palette;
}

void OfficeStyle::polish(QPalette &palette)
{
    palette = m_palette;
}

void OfficeStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // Flat tool buttons show a hover tint, which needs hover events.
    if (qobject_cast<QToolButton *>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

QPalette OfficeStyle::lightPalette()
{
    const QColor window(0xf3, 0xf3, 0xf3);
    const QColor text(0x1f, 0x1f, 0x1f);
    const QColor accent(0x2b, 0x63, 0xc6);
    const QColor disabledText(0xa3, 0xa3, 0xa3);

    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf8, 0xfa));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0xfb, 0xfb, 0xfb));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xea, 0xea, 0xea));
    palette.setColor(QPalette::Mid, QColor(0xcc, 0xcc, 0xcc));
    palette.setColor(QPalette::Dark, QColor(0xa8, 0xa8, 0xa8));
    palette.setColor(QPalette::Shadow, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::LinkVisited, accent.darker(120));
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8a, 0x8a));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xb8, 0xc6, 0xdd));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, accent);
    return palette;
}

void OfficeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    // Flat (auto-raise) tool buttons: a soft tint of the highlight colour on hover, a stronger
    // one with a thin outline when pressed or checked, instead of Fusion's raised bevel.
    const auto *button = qobject_cast<const QToolButton *>(widget);
    if (element == PE_PanelButtonTool && button && button->autoRaise()) {
        const bool enabled = option->state & State_Enabled;
        const bool down = option->state & (State_Sunken | State_On);
        const bool hover = option->state & State_MouseOver;
        if (!enabled || (!down && !hover))
            return;
        QColor fill = option->palette.color(QPalette::Highlight);
        QColor outline = fill;
        fill.setAlpha(down ? 52 : 28);
        outline.setAlpha(down ? 130 : 70);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(outline);
        painter->setBrush(fill);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void OfficeStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    // Menu items under the mouse get a soft tint with normal text instead of a solid bar.
    if (element == CE_MenuItem && (option->state & State_Selected)) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            QStyleOptionMenuItem soft(*item);
            soft.palette.setColor(QPalette::Highlight, softHighlight(item->palette));
            soft.palette.setColor(QPalette::HighlightedText, item->palette.color(QPalette::Text));
            QProxyStyle::drawControl(element, &soft, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QColor OfficeStyle::softHighlight(const QPalette &palette)
{
    const QColor accent = palette.color(QPalette::Highlight);
    const QColor base = palette.color(QPalette::Base);
    return QColor((accent.red() * 15 + base.red() * 85) / 100,
                  (accent.green() * 15 + base.green() * 85) / 100,
                  (accent.blue() * 15 + base.blue() * 85) / 100);
}

int OfficeStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
