#pragma once

#include <QImage>
#include <QWidget>

#include "scan/HImage.h"

class QLabel;
class QProgressBar;
class QPushButton;
struct ScanSettings;
class ScannerThread;

// The scanner frame: the work-area page shown while a scan runs. It starts one scan run at a
// time on the scanner thread, shows how much of the page has arrived and offers Cancel. Pages
// and the end of the run come back as signals; nothing here waits for the scanner.
class EzPrevScan : public QWidget
{
    Q_OBJECT

public:
    explicit EzPrevScan(QWidget *parent = nullptr);
    ~EzPrevScan() override;

    // The scanner thread to drive (not owned); none means no scanner.
    void setScanner(ScannerThread *scanner);
    ScannerThread *scanner() const { return m_scanner; }
    // 1 black-and-white, 2 grayscale, 4 colour.
    void setPixelType(int pixelType);
    void setScanResolution(int dpi);
    // Starts a scan run and returns; scanFinished() follows once it is over.
    void scan(const ScanSettings &settings);
    bool isScanning() const { return m_scanning; }
    // The image delivered last, valid during pageScanned(); null when none.
    const HImage *image() const { return m_image.isNull() ? nullptr : &m_image; }
    void releaseImage() { m_image = HImage(); }

signals:
    void pageScanned();
    // How much of the page being read has arrived, 0 to 100.
    void percentScan(int percent);
    void scanCancelled();
    void failedScan();
    // The run is over (after failedScan() when it failed).
    void scanFinished();

public slots:
    // Stops the device; the page being read is dropped.
    void cancelScan();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void takePage(const HImage &page);
    void runEnded(bool failed);

    ScannerThread *m_scanner = nullptr;
    HImage m_image;
    QLabel *m_title;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    bool m_scanning = false;
    int m_pixelType = 0;
    int m_resolution = 300;
};
