#pragma once

#include <QSplashScreen>

class QLabel;

// The start-up window: the ":/images/Splash" drawing with a line of text beneath it, whose
// links open in the desktop's browser. The about box shows the same window.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    SplashScreen();

    QString labelText() const;

    static constexpr int LabelHeight = 34;

protected:
    // A click closes the window (the about box deletes itself then).
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_label;
};
