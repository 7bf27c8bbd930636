#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "scan/BackendThreads.h"
#include "scan/ScannerLibrary.h"

class SaneDevice;
class ScannerChoice;
class SaneImage;

// The scanner layer over SANE. SANE is initialised on first use and ended by shutdown(), which
// the program calls before main() returns; set SANE_CONFIG_DIR before the first object is
// created if a private configuration is wanted.
//
// Sources are SANE devices, listed as "vendor model" (with the device name added in brackets
// when two devices would show the same text). The chosen device's SANE name is kept in the
// ScannerChoice given at construction (in memory without one); without a choice openSource
// opens the first device listed.
// chooseSource shows nothing by itself: it hands the list to the chooser the UI installed.
// openSource keeps an already open device open (ending any batch it had begun).
//
// The device is driven through the options most backends share: "source", "resolution",
// "mode" and "depth" (see SaneDevice). With the device dialog not hidden, a flatbed scan starts
// with a preview pass shown through the previewer the UI installed;
// contrast, deskew and the start, dialog and all-images switches change nothing.
//
// A run ends (isDone) after one image when one was asked for or the flatbed is used, when the
// feeder runs out, after a failure and after a cancel. In a feeder batch the next sheet is
// started as soon as a page has been read, so that the end of the documents is known before
// the caller asks for another image; finishFeeder (or the next openSource) ends the batch.
//
// Every call runs on the caller's thread and blocks it while SANE works (listing, opening and
// scanning can take seconds): the program drives it from its scanner thread (ScannerThread) only.
// While such a call runs, the only call this object accepts is cancel(), from any thread; it must
// not be destroyed then.
class SaneScannerLibrary : public ScannerLibrary
{
    Q_OBJECT

public:
    // Shows the list of source names and answers the index picked, or -1 to keep the old choice.
    // `current` is the index of the chosen source, or -1. Installed by the UI.
    using SourceChooser = std::function<int(QObject *owner, const QStringList &names, int current)>;

    // Shows a preview scan (a packed bitmap at PreviewResolution) and answers whether to go on
    // with the real scan. Installed by the UI; used when the device dialog is not hidden.
    using Previewer = std::function<bool(QObject *owner, const QByteArray &preview)>;
    static constexpr double PreviewResolution = 50.0;
    // Longest wait, before a cancel, for the backend's reader threads to settle (BackendThreads).
    static constexpr int ReaderSettleLimitMs = 2000;
    // The same after a whole frame has been read, when the reader only has to leave; a backend
    // whose reader goes on working then is not waited for longer than this, page after page.
    static constexpr int ReaderLeaveLimitMs = 250;
    // The name of the program's thread that drives SANE (ScannerThread).
    static constexpr const char *WorkerThreadName = "Scan worker";

    // choice: where the chosen scanner is kept (not owned; it must outlive this object); null
    // keeps it in this object only.
    explicit SaneScannerLibrary(ScannerChoice *choice = nullptr, QObject *parent = nullptr);
    ~SaneScannerLibrary() override;

    // Ends SANE for the process (sane_exit) once no SaneScannerLibrary is left; a later object
    // starts it again. False, doing nothing, while one still exists. Never left to a static
    // destructor: some backends have destroyed their own statics by then and crash.
    static bool shutdown();

    void chooseSource(QObject *owner) override;
    [[nodiscard]] bool sourceListBegin() override;
    [[nodiscard]] bool sourceListNext(QString &name) override;
    void setHideDeviceDialog(bool hide) override;
    void setAutoContrast(bool on) override;
    void setAutoDeskew(bool on) override;
    void startSwitch(bool on) override;
    void startLevel(double level) override;
    void noDialogSwitch(bool on) override;
    [[nodiscard]] bool openSource() override;
    void selectFeeder(bool feeder) override;
    void setTransferCount(int count) override;
    void allImagesSwitch1(bool on) override;
    void allImagesSwitch2(bool on) override;
    void setResolution(double dotsPerInch) override;
    [[nodiscard]] QByteArray acquireImage(QObject *owner, int pixelTypeMask) override;
    void freeImage(QByteArray &image) override;
    [[nodiscard]] bool isDone() const override;
    void finishFeeder() override;
    [[nodiscard]] bool lastError() const override;
    // Safe to call at any time, from any thread. A page being read stops at the next read; the
    // driving thread then drains the backend's reader and cancels the device itself. The cancel
    // holds for the rest of the run (isDone() is true): openSource starts a new one.
    void cancel() override;

    // The display names of the last listing (sourceListBegin lists when nothing was listed yet).
    QStringList sourceNames();
    // Chooses a source of the last listing by index, or by display or SANE device name, and
    // remembers it in the scanner choice. False, with the choice unchanged, when there is no such
    // source.
    [[nodiscard]] bool chooseSourceAt(int index);
    [[nodiscard]] bool chooseSourceNamed(const QString &name);
    // The remembered SANE device name, or empty.
    QString chosenDevice() const;
    // The display name of the source a scan would use (the remembered one, else the first one
    // listed), from the last listing; empty when nothing is listed.
    QString currentSourceName() const override;
    void setSourceChooser(SourceChooser chooser);
    void setPreviewer(Previewer previewer);
    bool hidesDeviceDialog() const { return m_hideDeviceDialog; }
    // Bits per sample of grey and colour scans: 8 (the default) or 16; a device without 16 bits
    // scans at 8. Line art is always 1 bit.
    void setBitsPerSample(int bits) { m_bitsPerSample = bits == 16 ? 16 : 8; }

    // Direct access to an option of the open device, by its SANE name. Strings, booleans,
    // integers and fixed-point numbers (as double) are supported. False when no source is open,
    // the option is missing, inactive or read-only, or the device refuses the value.
    [[nodiscard]] bool setDeviceOption(const QByteArray &name, const QVariant &value);
    // Invalid when no source is open or the option is missing or inactive.
    QVariant deviceOption(const QByteArray &name) const;
    // The SANE device name of the open source, or empty.
    QByteArray openDevice() const;
    // What went wrong last, for the log; cleared by openSource and acquireImage.
    QString errorString() const { return m_errorString; }
    // Closes the open source (done by the destructor too).
    void closeSource();

private:
    struct Source
    {
        QString displayName;
        QByteArray device;
    };
    // What the worker reports about one page.
    struct PageResult
    {
        int status = 0;
        bool cancelled = false;
        QByteArray dib;
        int nextStart = -1; // status of starting the next page, -1 when not tried
    };

    bool listSources();
    // Run on a worker thread: the devices SANE knows; the SANE status.
    static int querySources(std::vector<Source> &found);
    // Takes a listing's result as the list of sources; false (and a failure) on a bad status.
    bool adoptSources(std::vector<Source> found, int status);
    // Runs a slow SANE call with the object marked busy.
    void runBusy(const std::function<void()> &work);
    // `started`: sane_start was already called for this page.
    PageResult readPage(double dotsPerInch, bool started, bool startNext);
    int readFrames(SaneImage &image, bool started);
    bool applyPixelType(int pixelTypeMask);
    double effectiveResolution() const;
    void endBatch();
    // Before a cancel: reads away what the backend's reader still hands over and waits for its
    // threads to settle, for at most ReaderSettleLimitMs. False when they did not.
    bool drainReader();
    void fail(const QString &message);
    void reportPercent(qint64 done, qint64 total, int &lastPercent);

    ScannerChoice *m_choice = nullptr;
    QString m_ownChoice; // used without a ScannerChoice

    std::vector<Source> m_sources;
    bool m_listed = false;
    std::size_t m_nextListed = 0;
    SourceChooser m_chooser;
    Previewer m_previewer;

    std::unique_ptr<SaneDevice> m_device;
    bool m_feeder = false;
    bool m_feederSet = false;
    double m_resolution = 0.0; // 0 leaves the device's own resolution
    int m_transferCount = -1;
    int m_bitsPerSample = 8;
    bool m_hideDeviceDialog = true;

    bool m_busy = false;
    bool m_startedAhead = false; // the next page is already started (feeder batches)
    BackendThreads m_readers;    // marked at each sane_start, settled before the cancel
    bool m_done = false;
    bool m_lastError = false;
    QString m_errorString;
    std::atomic<bool> m_cancelled{false};
};
