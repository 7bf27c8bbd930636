#include "scan/ScannerThread.h"

#include "core/LogCategories.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/ScanRun.h"
#include "scan/ScannerLibrary.h"

ScannerThread::ScannerThread(std::unique_ptr<ScannerLibrary> library, QObject *parent)
    : QObject(parent)
    , m_library(library.release())
    , m_run(new ScanRun(m_library))
{
    qRegisterMetaType<HImage>("HImage");
    // Backends name their reader threads after the thread that starts a page; the name tells
    // them apart from the program's other threads (BackendThreads).
    m_thread.setObjectName(QString::fromLatin1(SaneScannerLibrary::WorkerThreadName));
    m_library->moveToThread(&m_thread);
    m_run->moveToThread(&m_thread);
    if (auto *sane = qobject_cast<SaneScannerLibrary *>(m_library)) {
        sane->setPreviewer(
            [this](QObject *, const QByteArray &preview) { return waitForPreviewAnswer(preview); });
    }
    // Emitted on the thread, delivered queued to the window.
    connect(m_library, &ScannerLibrary::percentScan, this, &ScannerThread::percentScan);
    connect(
        m_run, &ScanRun::pageScanned, m_run,
        [this] {
            if (const HImage *image = m_run->image())
                emit pageScanned(*image);
            m_run->releaseImage();
        },
        Qt::DirectConnection);
    m_thread.start();
}

ScannerThread::~ScannerThread()
{
    cancel();
    // The library and the run end on the thread that used them, after whatever it still does.
    QMetaObject::invokeMethod(m_library, [this] {
        delete m_run;
        delete m_library;
        QThread::currentThread()->quit();
    });
    m_thread.wait();
}

void ScannerThread::listSources()
{
    QMetaObject::invokeMethod(m_library, [this] { publishSources(); });
}

void ScannerThread::chooseSource(int index)
{
    QMetaObject::invokeMethod(m_library, [this, index] {
        auto *sane = qobject_cast<SaneScannerLibrary *>(m_library);
        if (sane && !sane->chooseSourceAt(index))
            qCWarning(lcScan) << "No scanner at" << index;
        publishSources();
    });
}

void ScannerThread::publishSources()
{
    QStringList names;
    if (m_library->sourceListBegin()) {
        QString name;
        while (m_library->sourceListNext(name))
            names << name;
    }
    const int current = int(names.indexOf(m_library->currentSourceName()));
    QMetaObject::invokeMethod(this, [this, names, current] {
        m_names = names;
        m_current = current;
        emit sourcesListed(names, current);
    });
}

void ScannerThread::scan(const ScanSettings &settings, int pixelType, int dpi)
{
    if (m_scanning)
        return;
    m_scanning = true;
    {
        const std::lock_guard lock(m_previewMutex);
        m_previewAnswer.reset();
        m_cancelRequested = false;
    }
    QMetaObject::invokeMethod(
        m_library, [this, settings, pixelType, dpi] { runScan(settings, pixelType, dpi); });
}

void ScannerThread::runScan(const ScanSettings &settings, int pixelType, int dpi)
{
    bool failed = false;
    const QMetaObject::Connection failure =
        connect(m_run, &ScanRun::failedScan, m_run, [&failed] { failed = true; });
    m_run->setPixelType(pixelType);
    m_run->setScanResolution(dpi);
    m_run->scan(nullptr, settings);
    disconnect(failure);
    QMetaObject::invokeMethod(this, [this, failed] {
        m_scanning = false;
        emit scanEnded(failed);
    });
}

void ScannerThread::cancel()
{
    {
        // Also ends a wait for the preview's answer, begun or about to begin.
        const std::lock_guard lock(m_previewMutex);
        m_cancelRequested = true;
        m_previewAnswered.notify_all();
    }
    m_library->cancel();
}

void ScannerThread::answerPreview(bool goOn)
{
    const std::lock_guard lock(m_previewMutex);
    if (!m_previewWaiting)
        return;
    m_previewAnswer = goOn;
    m_previewAnswered.notify_all();
}

bool ScannerThread::waitForPreviewAnswer(const QByteArray &preview)
{
    // On the thread, inside the library's scan: the window shows the preview and answers.
    {
        const std::lock_guard lock(m_previewMutex);
        m_previewAnswer.reset();
        m_previewWaiting = true;
    }
    emit previewReady(HImage(preview));
    std::unique_lock lock(m_previewMutex);
    m_previewAnswered.wait(lock,
                           [this] { return m_previewAnswer.has_value() || m_cancelRequested; });
    m_previewWaiting = false;
    return m_previewAnswer.value_or(false) && !m_cancelRequested;
}
