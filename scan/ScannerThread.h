#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "scan/HImage.h"
#include "scan/ScanSettings.h"

class ScanRun;
class ScannerLibrary;

// The one thread that drives the scanner, for the program's whole life. It owns the scanner
// library (SANE and the backends' own threads): requests from the window are queued to it and
// return at once; sources, pages and the end of a run come back as queued signals. Only this
// thread calls into the device; Cancel is a flag any thread may set, and this thread then reads
// the rest of the page away before it cancels the device.
//
// While a scan runs, the library must not be called from elsewhere. Between scans, tests may
// still set device options on library() directly.
class ScannerThread : public QObject
{
    Q_OBJECT

public:
    // Takes the library over and moves it to the new thread.
    explicit ScannerThread(std::unique_ptr<ScannerLibrary> library, QObject *parent = nullptr);
    // Cancels a running scan, waits for the thread to end and deletes the library on it.
    ~ScannerThread() override;

    ScannerLibrary *library() const { return m_library; }
    // From sourcesListed() on: the names and the index of the source a scan would use (-1).
    QStringList sourceNames() const { return m_names; }
    QString currentSourceName() const { return m_names.value(m_current); }

    // Lists the sources; sourcesListed() follows.
    void listSources();
    // Chooses the source at index of the last list; sourcesListed() follows.
    void chooseSource(int index);
    // Starts a scan run; pageScanned() follows for each page, scanEnded() once at the end.
    // Ignored while one runs.
    void scan(const ScanSettings &settings, int pixelType, int dpi);
    bool isScanning() const { return m_scanning; }
    // From any thread: the page being read is dropped and the run ends.
    void cancel();
    // The window's answer to previewReady(): go on with the real scan or not.
    void answerPreview(bool goOn);

signals:
    void sourcesListed(const QStringList &names, int current);
    // Share of the page being read, 0 to 100.
    void percentScan(int percent);
    void pageScanned(const HImage &page);
    // failed: the run ended without its pages (a failure or a cancel, as the library tells).
    void scanEnded(bool failed);
    // A preview scan to show before the real one; the thread waits for answerPreview().
    void previewReady(const HImage &preview);

private:
    // On the thread.
    void runScan(const ScanSettings &settings, int pixelType, int dpi);
    void publishSources();
    bool waitForPreviewAnswer(const QByteArray &preview);

    QThread m_thread;
    ScannerLibrary *m_library; // lives on m_thread, deleted there
    ScanRun *m_run;            // likewise
    bool m_scanning = false;   // window-thread state
    QStringList m_names;
    int m_current = -1;

    std::mutex m_previewMutex;
    std::condition_variable m_previewAnswered;
    std::optional<bool> m_previewAnswer;
    bool m_previewWaiting = false;
    bool m_cancelRequested = false;
};
