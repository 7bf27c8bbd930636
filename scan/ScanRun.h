#pragma once

#include <QObject>

#include <memory>

#include "scan/HImage.h"
#include "scan/ScanSettings.h"

class ScannerLibrary;

// One scan run: applies the scan settings to the scanner library in a fixed order, pulls one
// image or all available images, turns each delivered bitmap into an image and announces it.
// Widget-free; the scanner frame shows it. Each run is given its settings.
class ScanRun : public QObject
{
    Q_OBJECT

public:
    // library: not owned; it must outlive the run.
    explicit ScanRun(ScannerLibrary *library, QObject *parent = nullptr);
    ~ScanRun() override;

    // 1 black-and-white, 2 grayscale, 4 colour.
    void setPixelType(int pixelType) { m_pixelType = pixelType; }
    int pixelType() const { return m_pixelType; }
    // Dots per inch.
    void setScanResolution(int dpi) { m_resolution = dpi; }
    double scanResolution() const { return m_resolution; }

    // Runs the scan to its end, blocking the caller (the program's scanner thread). A cancel
    // comes through the library, from any thread. owner: the object that owns the library's
    // dialogs; the scan-run part of settings is used (source, all images, preview, deskew,
    // contrast).
    void scan(QObject *owner, const ScanSettings &settings);
    // The image delivered last, valid during pageScanned() and until released; null if none.
    const HImage *image() const { return m_image.get(); }
    void releaseImage();

signals:
    // Emitted for each delivered image; listeners take it with image() during the emission.
    void pageScanned();
    // The library gave no image (a failure or a cancel) or ended with an error.
    void failedScan();

private:
    ScannerLibrary *m_library;
    std::unique_ptr<HImage> m_image;
    int m_pixelType = 0;
    double m_resolution = 300.0;
};
