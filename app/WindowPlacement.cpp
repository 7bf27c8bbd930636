#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/Settings.h"

namespace WindowPlacement {

void restore(QWidget *window)
{
    if (Settings::readBool(SettingsKeys::WindowMaximized, true)) {
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    window->resize(Settings::readInt(SettingsKeys::WindowWidth, 0),
                   Settings::readInt(SettingsKeys::WindowHeight, 0));
    window->move(Settings::readInt(SettingsKeys::WindowLeft, 0),
                 Settings::readInt(SettingsKeys::WindowTop, 0));
}

void save(const QWidget *window)
{
    if (window->isMaximized()) {
        Settings::write(SettingsKeys::WindowMaximized, true);
        return;
    }
    Settings::write(SettingsKeys::WindowTop, qMax(0, window->y()));
    Settings::write(SettingsKeys::WindowLeft, qMax(0, window->x()));
    Settings::write(SettingsKeys::WindowWidth, window->width());
    Settings::write(SettingsKeys::WindowHeight, window->height());
    Settings::write(SettingsKeys::WindowMaximized, false);
}

void fitToScreen(QWidget *window, QSize minimum, int titleBar)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window manager's frame comes on top; before the window is shown it is not known yet.
    const QSize frame = window->frameGeometry().size() - window->size();
    const int frameHeight = frame.height() > 0 ? frame.height() : titleBar;
    const QSize room = screen->availableGeometry().size() - QSize(frame.width(), frameHeight);
    window->setMinimumSize(minimum.boundedTo(room));
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
}

} // namespace WindowPlacement
