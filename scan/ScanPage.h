#pragma once

#include <QTimer>
#include <QWizardPage>

class BusyIndicator;
class QLabel;

// The scanning wizard's page shown while a sheet is scanned. Shortly after it opens it asks
// for a scan; the scan itself is run by the main window. Its Cancel button becomes live once
// the scanner reports progress, and ends the automatic run.
class ScanPage : public QWizardPage
{
    Q_OBJECT

public:
    // Between the page opening and the scan request, and the busy indicator starting.
    static constexpr int StartDelayMs = 100;

    explicit ScanPage(QWidget *parent = nullptr);

    void initializePage() override;
    // Going back or restarting the wizard leaves the page as moving on does.
    void cleanupPage() override;
    int nextId() const override;

    // Stops a pending scan request, the busy indicator and the Cancel button's tie to this
    // page; the button is live again for the other pages.
    void leave();
    // The scanner has started delivering: Cancel may be pressed now.
    void enableCancel();
    void stopBusyIndicator();
    BusyIndicator *busyIndicator() const { return m_busy; }
    // A scan request is due (the page opened less than StartDelayMs ago).
    bool isScanPending() const { return m_scanDelay.isActive(); }

signals:
    void needAutoScan();
    void cancelScan();

public slots:
    // Ends the automatic run: the wizard is told, then closed.
    void scanCancel();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_text;
    BusyIndicator *m_busy;
    QTimer m_scanDelay;
    QTimer m_busyDelay;
};
