#pragma once

#include <QWidget>

class QSlider;
class QToolButton;

// A compact horizontal slider for a status bar (e.g. zoom), with optional "-" and "+" buttons
// that move it by one single step within its range.
class RibbonSliderPane : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonSliderPane(QWidget *parent = nullptr);

    // Shows or hides the "-" and "+" buttons (hidden by default).
    void setScrollButtons(bool visible);
    void setRange(int minimum, int maximum);
    // The step of the buttons and also of a click on the slider's groove.
    void setSingleStep(int step);
    // Moves the slider; the value follows at once and valueChanged is emitted on a change.
    void setSliderPosition(int position);
    int value() const;

signals:
    void valueChanged(int value);

private:
    void stepBy(int steps);
    void updateButtons();

    QSlider *m_slider = nullptr;
    QToolButton *m_decreaseButton = nullptr;
    QToolButton *m_increaseButton = nullptr;
};
