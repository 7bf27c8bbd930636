#pragma once

#include <QElapsedTimer>
#include <QString>

class QLabel;
class QProgressBar;
class QStatusBar;

// Progress of a long page operation (many files added) in the status bar, fed by the job's
// progress. It shows only once the work has taken longer than
// ShowDelayMs, and goes with end() or when it is destroyed.
class StatusProgress
{
public:
    static constexpr int ShowDelayMs = 500;

    // bar: where the label and progress bar are added (they stay hidden until needed).
    explicit StatusProgress(QStatusBar *bar);
    ~StatusProgress();

    void begin(const QString &text, int total);
    // done of total finished; shows the progress once the delay has passed.
    void setValue(int done);
    void end();
    bool isShown() const;
    bool isRunning() const { return m_running; }

private:
    QLabel *m_label;
    QProgressBar *m_progress;
    QElapsedTimer m_clock;
    bool m_running = false;
};
