#pragma once

#include <QImage>
#include <QWidget>

class HImage;
class QLabel;
class QProgressBar;
class QPushButton;
class ScanRun;
struct ScanSettings;
class ScannerLibrary;

// The scanner frame: the work-area page shown while a scan runs. It drives one scan run at a
// time over the scanner library, shows how much of the page has arrived and offers Cancel,
// which stops the device itself.
class EzPrevScan : public QWidget
{
    Q_OBJECT

public:
    explicit EzPrevScan(QWidget *parent = nullptr);
    ~EzPrevScan() override;

    // The scanner library to drive (not owned); none means no scanner.
    void setLibrary(ScannerLibrary *library);
    ScannerLibrary *library() const { return m_library; }
    // 1 black-and-white, 2 grayscale, 4 colour.
    void setPixelType(int pixelType);
    void setScanResolution(int dpi);
    // Runs a scan to its end (see ScanRun); owner: the window that owns device dialogs.
    void scan(QWidget *owner, const ScanSettings &settings);
    bool isScanning() const { return m_scanning; }
    // The image delivered last, valid during pageScanned(); null when none.
    const HImage *image() const;
    void releaseImage();

signals:
    void pageScanned();
    // How much of the page being read has arrived, 0 to 100.
    void percentScan(int percent);
    void scanCancelled();
    void failedScan();

public slots:
    // Stops the device; the page being read is dropped.
    void cancelScan();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    ScannerLibrary *m_library = nullptr;
    ScanRun *m_run = nullptr;
    QLabel *m_title;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    bool m_scanning = false;
    int m_pixelType = 0;
    int m_resolution = 300;
};
