#pragma once

#include <QStringList>

#include <memory>

class MainWindow;

// The main window as the tests of its commands use it: built on an empty working folder, shown,
// exposed and past its start-up (the offer to recover pages), and afterwards taken down so that
// nothing is left for the next test: no pages, no changed flag, no project, no settings.
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();

    // Names the application as the program does, which scopes the settings and the folders.
    static void nameApplication();

    // Empties the working folder, then builds and shows the window and waits until it has
    // finished starting and has listed the scanners. False when it did not (use in QVERIFY).
    [[nodiscard]] bool open();
    // A new window in place of the old one, on the working folder as it is; neither shown nor
    // waited for, so a test can take part in its start-up.
    MainWindow *rebuild();
    // Destroys the window without the save question.
    void reset();
    // reset(), and the settings cleared.
    void close();

    MainWindow *window() const { return m_window.get(); }
    MainWindow *operator->() const { return m_window.get(); }
    explicit operator bool() const { return bool(m_window); }

    // The texts of the pop-up messages now open, oldest first.
    QStringList popupMessages() const;

private:
    static void returningUser();

    std::unique_ptr<MainWindow> m_window;
};
