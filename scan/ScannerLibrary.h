#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The scanner layer a scan run talks to: twenty operations, called by the scanner list, the
// scanner chooser and the scan run in a fixed order.
//
// Flags are plain booleans. "owner" is the object that owns any dialog the layer shows (in the
// program, the main window; it may be null); the core never shows a widget itself, so an
// implementation either shows nothing or hands the owner to a dialog supplied by the UI.
//
// An image is a packed device-independent bitmap in a byte array: a 40-byte info header, the
// colour table, then the pixel rows bottom row first, each padded to 4 bytes, with the
// resolution in pixels per metre. An empty array means "no image".
class ScannerLibrary : public QObject
{
    Q_OBJECT

public:
    // Bits of the pixel-type mask given to acquireImage.
    enum PixelType { BlackAndWhite = 1, Grayscale = 2, Colour = 4 };

    using QObject::QObject;
    ~ScannerLibrary() override;

    // Lets the user pick the source the next openSource opens; the choice is kept by the layer
    // and nothing is reported back.
    virtual void chooseSource(QObject *owner) = 0;
    // True when sources can be listed; restarts the listing.
    [[nodiscard]] virtual bool sourceListBegin() = 0;
    // True while it has written the next source's display name into `name`.
    [[nodiscard]] virtual bool sourceListNext(QString &name) = 0;

    // False asks for the device's own dialog (with its preview) before a scan.
    virtual void setHideDeviceDialog(bool hide) = 0;
    virtual void setAutoContrast(bool on) = 0;
    virtual void setAutoDeskew(bool on) = 0;
    virtual void startSwitch(bool on) = 0;
    virtual void startLevel(double level) = 0;
    virtual void noDialogSwitch(bool on) = 0;

    // True when the chosen source is open and ready for the settings below.
    [[nodiscard]] virtual bool openSource() = 0;
    // True for the document feeder, false for the flatbed.
    virtual void selectFeeder(bool feeder) = 0;
    // 1 for a single image, -1 for every image the source has.
    virtual void setTransferCount(int count) = 0;
    virtual void allImagesSwitch1(bool on) = 0;
    virtual void allImagesSwitch2(bool on) = 0;
    virtual void setResolution(double dotsPerInch) = 0;
    // One image of one of the pixel types in `pixelTypeMask` (PixelType bits), or an empty
    // array on failure or cancel. Blocks the caller until the image is there.
    [[nodiscard]] virtual QByteArray acquireImage(QObject *owner, int pixelTypeMask) = 0;
    // Releases an image returned by acquireImage; `image` is empty afterwards.
    virtual void freeImage(QByteArray &image) = 0;
    // True when no further image will come in this run.
    [[nodiscard]] virtual bool isDone() const = 0;
    // Ends a document feeder batch.
    virtual void finishFeeder() = 0;
    // True when the run ended in an error (not the end of the documents, not a cancel).
    [[nodiscard]] virtual bool lastError() const = 0;

    // Not part of a run's sequence, and callable from any thread: stops a running acquireImage
    // (a Cancel button), which then returns no image and reports no error.
    virtual void cancel() = 0;
    // The display name of the source a scan would use; empty when unknown.
    virtual QString currentSourceName() const { return {}; }

signals:
    // Share of the current image read so far, 0 to 100, while acquireImage runs; not reported
    // for a page whose height the device does not know in advance.
    void percentScan(int percent);
};
