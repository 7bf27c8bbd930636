#pragma once

#include <QCoreApplication>

class QComboBox;

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

private:
    QComboBox *m_colour;
    QComboBox *m_quality;
};
