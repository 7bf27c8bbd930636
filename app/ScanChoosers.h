#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QComboBox;
class QWidget;

// The ribbon's colour and quality choosers: their items in the window's language, each quality
// with its resolution from the settings (ScanDefaults), the choice read from and written to the
// settings as the user makes it.
class ScanChoosers
{
    // The texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    ScanChoosers(QComboBox *colour, QComboBox *quality);

    // The items, in the current language (the choice is then restored).
    void fill();
    // The qualities' resolutions read again (after the options), the choice restored.
    void refreshQualities();
    // The choice from the settings, without a signal.
    void restore();

    // Asks which of the scanners names to use (current preselected) in a window-modal list
    // over parent; chosen gets its index once the user picked one.
    static void askScanner(QWidget *parent, const QStringList &names, int current,
                           const std::function<void(int)> &chosen);

private:
    QComboBox *m_colour;
    QComboBox *m_quality;
};
