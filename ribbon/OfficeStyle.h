#pragma once

#include <QPalette>
#include <QProxyStyle>

// The application's widget style: Fusion underneath, with a calm light palette and flat,
// rounded tool buttons. Installing it (QApplication::setStyle) gives every plain Qt widget the
// same look as the ribbon.
class OfficeStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Theme numbers accepted by setTheme(). Every number without a palette of its own uses
    // LightTheme, so an unknown value read from old settings still gives a usable look.
    enum Theme {
        ClassicTheme = 0, // Fusion's own palette
        LightTheme = 4,   // white fields, light grey window, blue highlight
    };
    Q_ENUM(Theme)

    OfficeStyle();

    // Builds the theme's palette and, when this style is the application's style, applies it
    // to the application at once (so calling it after the main window exists restyles it).
    void setTheme(int theme);
    int theme() const { return m_theme; }

    QPalette standardPalette() const override;
    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    // Dialog buttons carry no icons, as on the desktop.
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    static QPalette lightPalette();
    // The highlight colour blended into the base colour: the tint behind a hovered menu item.
    static QColor softHighlight(const QPalette &palette);

    int m_theme = LightTheme;
    QPalette m_palette;
};
