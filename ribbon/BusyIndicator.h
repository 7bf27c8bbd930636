#pragma once

#include <QTimer>
#include <QWidget>

// A ring of twelve bars of fading opacity that turns by one bar every 50 ms while running.
class BusyIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit BusyIndicator(QWidget *parent = nullptr);

    bool isAnimating() const { return m_timer.isActive(); }
    // Index of the brightest bar, 0 to 11, clockwise from the top.
    int step() const { return m_step; }
    QSize sizeHint() const override { return {48, 48}; }

    static constexpr int BarCount = 12;
    static constexpr int IntervalMs = 50;

public slots:
    void start();
    void stop();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void advance();

    QTimer m_timer;
    int m_step = 0;
};
