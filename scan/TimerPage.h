#pragma once

#include <QWizardPage>

class QLabel;

// The scanning wizard's waiting page: counts down the seconds in large digits while the user
// turns the page or changes the sheet, then asks for the next scan. Space pauses and resumes
// the count, Enter scans at once. The count also leads the window title, to be read from
// across the room.
class TimerPage : public QWizardPage
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;

    explicit TimerPage(QWidget *parent = nullptr);

    void initializePage() override;
    // Going back, restarting or closing the wizard stops the count.
    void cleanupPage() override;
    // Kills the one-second timer and clears the pause.
    void stop();

    int remainingSeconds() const { return m_seconds; }
    bool isPaused() const { return m_paused; }
    // The running one-second timer; 0 when none.
    int timerId() const { return m_timerId; }
    QString countdownText() const;

public slots:
    void toggleTimer();
    // Scans at once.
    void toScan();

protected:
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void showSeconds();
    void setToggleText();

    QLabel *m_countdown;
    int m_seconds = 0;
    int m_timerId = 0;
    bool m_paused = false;
};
