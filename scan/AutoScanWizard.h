#pragma once

#include <QWizard>

class IntroPage;
class ScanPage;
class TimerPage;

// Scans a book or a stack of sheets without touching the computer between sheets: after each
// scan it counts down while the user turns the page, then asks for the next scan, until the
// user finishes. It never drives the scanner: needAutoScan() asks the main window for a scan,
// and the scanner frame's signals (connected by the main window for each scan) move it on.
// Lives as long as the main window and is reused; every showing starts at the first page.
class AutoScanWizard : public QWizard
{
    Q_OBJECT

public:
    enum PageId { IntroPageId = 0, ScanPageId = 1, TimerPageId = 2 };
    static constexpr int LogoSide = 64;

    explicit AutoScanWizard(QWidget *parent = nullptr);

    // Before each showing: book mode shows the switch to split spreads and is stored as the
    // book switch of the after-scan processing. The wizard starts at its first page.
    void setBookMode(bool book);
    bool isBookMode() const;

    IntroPage *introPage() const { return m_intro; }
    ScanPage *scanPage() const { return m_scan; }
    TimerPage *timerPage() const { return m_timer; }
    // Stops the scan page's busy indicator (a page has arrived).
    void stopBusyIndicator();

    // Every ending (Finish, Cancel, Esc, a failed scan) comes here: the count stops, the scan
    // page is left, and a scan under way is told to stop feeding the wizard.
    void done(int result) override;

signals:
    void needAutoScan();
    void cancelScan();

public slots:
    void escHandler();
    // The scanner has reported progress.
    void scanPercent(int percent);
    // A page arrived: the scan page moves on to the waiting page; elsewhere nothing happens.
    void pageScanned();
    void finish();

private:
    void pageChanged(int id);

    IntroPage *m_intro;
    ScanPage *m_scan;
    TimerPage *m_timer;
    int m_currentId = -1;
};
