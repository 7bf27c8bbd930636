#pragma once

#include <QObject>

class QFont;
class QString;

// Widens small dialogs as they are shown so that the window manager's title bar shows their
// whole title ("Select Scanner" and not "Select Sc..."). Installed on the application; it
// only ever makes a dialog wider, never narrower, and never wider than its screen.
class DialogTitleFit : public QObject
{
    Q_OBJECT

public:
    // Room a title bar takes besides the title: the window icon and the window buttons.
    static constexpr int TitleBarRoom = 150;

    explicit DialogTitleFit(QObject *parent = nullptr);

    // The width a dialog needs for its title in a title bar drawn with font.
    static int neededWidth(const QString &title, const QFont &font);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
