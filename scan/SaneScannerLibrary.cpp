#include "SaneScannerLibrary.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <memory>
#include <poll.h>
#include <sane/sane.h>
#include <unistd.h>
#include <utility>

#include "core/LogCategories.h"
#include "scan/SaneDevice.h"
#include "scan/SaneImage.h"
#include "scan/ScannerChoice.h"

namespace {

// SANE is initialised on first use and ended only by SaneScannerLibrary::shutdown(), never
// by a static destructor: some backends destroy their own statics at exit first and then crash
// inside sane_exit().
enum class SaneState { Off, On, Failed };
SaneState saneState = SaneState::Off;
// Libraries alive now; shutdown() waits for the last one to close its device.
int liveLibraries = 0;

bool ensureSane()
{
    if (saneState == SaneState::Off) {
        // A cancelled device may close the pipe its reader thread writes to.
        std::signal(SIGPIPE, SIG_IGN);
        SANE_Int version = 0;
        const SANE_Status status = sane_init(&version, nullptr);
        saneState = status == SANE_STATUS_GOOD ? SaneState::On : SaneState::Failed;
        if (saneState == SaneState::Failed)
            qCWarning(lcScan) << "sane_init failed:" << sane_strstatus(status);
    }
    return saneState == SaneState::On;
}

QString statusText(SANE_Status status)
{
    return QString::fromUtf8(sane_strstatus(status));
}

// The end of the documents and a cancel are normal ends of a run, not errors.
bool isError(SANE_Status status)
{
    return status != SANE_STATUS_GOOD && status != SANE_STATUS_NO_DOCS &&
           status != SANE_STATUS_CANCELLED;
}

QString displayName(const SANE_Device *device)
{
    const QString name =
        (QString::fromUtf8(device->vendor) + QLatin1Char(' ') + QString::fromUtf8(device->model))
            .simplified();
    return name.isEmpty() ? QString::fromUtf8(device->name) : name;
}

} // namespace

SaneScannerLibrary::SaneScannerLibrary(ScannerChoice *choice, QObject *parent)
    : ScannerLibrary(parent)
    , m_choice(choice)
{
    ++liveLibraries;
}

SaneScannerLibrary::~SaneScannerLibrary()
{
    m_busy = false;
    closeSource();
    --liveLibraries;
}

bool SaneScannerLibrary::shutdown()
{
    if (liveLibraries > 0) {
        qCWarning(lcScan) << "SANE left running:" << liveLibraries << "scanner objects remain";
        return false;
    }
    if (saneState == SaneState::On)
        sane_exit();
    saneState = SaneState::Off;
    return true;
}

void SaneScannerLibrary::chooseSource(QObject *owner)
{
    if (!m_chooser || m_busy || !listSources())
        return;
    const QString chosen = chosenDevice();
    int current = -1;
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        if (QString::fromUtf8(m_sources[i].device) == chosen)
            current = int(i);
    }
    const int picked = m_chooser(owner, sourceNames(), current);
    if (picked >= 0 && !chooseSourceAt(picked))
        qCWarning(lcScan) << "The source chooser answered an unknown index" << picked;
}

bool SaneScannerLibrary::sourceListBegin()
{
    m_nextListed = 0;
    return listSources();
}

bool SaneScannerLibrary::sourceListNext(QString &name)
{
    if (!m_listed || m_nextListed >= m_sources.size())
        return false;
    name = m_sources[m_nextListed++].displayName;
    return true;
}

void SaneScannerLibrary::setHideDeviceDialog(bool hide)
{
    m_hideDeviceDialog = hide;
}

// No SANE counterpart: contrast, deskew and the start and dialog switches change nothing.
void SaneScannerLibrary::setAutoContrast(bool) {}
void SaneScannerLibrary::setAutoDeskew(bool) {}
void SaneScannerLibrary::startSwitch(bool) {}
void SaneScannerLibrary::startLevel(double) {}
void SaneScannerLibrary::noDialogSwitch(bool) {}
void SaneScannerLibrary::allImagesSwitch1(bool) {}
void SaneScannerLibrary::allImagesSwitch2(bool) {}

bool SaneScannerLibrary::openSource()
{
    if (m_busy)
        return false;
    // Opening starts a run: a cancel from here on counts until the run's last image.
    m_cancelled = false;
    m_done = false;
    m_lastError = false;
    m_errorString.clear();
    if (!ensureSane()) {
        fail(QStringLiteral("SANE could not be initialised"));
        return false;
    }
    QByteArray device = chosenDevice().toUtf8();
    if (device.isEmpty()) {
        if (!m_listed && !listSources())
            return false;
        if (m_sources.empty()) {
            fail(QStringLiteral("No scanner was found"));
            return false;
        }
        device = m_sources.front().device;
    }

    if (m_device && device == m_device->name()) {
        endBatch();
    } else {
        closeSource();
        SANE_Status status = SANE_STATUS_GOOD;
        std::unique_ptr<SaneDevice> opened;
        runBusy([&] { opened = SaneDevice::open(device, status); });
        m_device = std::move(opened);
        if (!m_device) {
            fail(QStringLiteral("Cannot open the scanner %1: %2")
                     .arg(QString::fromUtf8(device), statusText(status)));
            return false;
        }
    }
    if (m_cancelled) {
        m_done = true;
        qCInfo(lcScan) << "Scan cancelled while the scanner was opened";
        return false;
    }
    // Settings made before the source was open.
    if (m_feederSet)
        (void)m_device->selectSource(m_feeder);
    if (m_resolution > 0)
        (void)m_device->selectResolution(m_resolution);
    return true;
}

void SaneScannerLibrary::selectFeeder(bool feeder)
{
    m_feeder = feeder;
    m_feederSet = true;
    if (m_device && !m_busy)
        (void)m_device->selectSource(feeder);
}

void SaneScannerLibrary::setTransferCount(int count)
{
    m_transferCount = count;
}

void SaneScannerLibrary::setResolution(double dotsPerInch)
{
    m_resolution = dotsPerInch;
    if (m_device && !m_busy)
        (void)m_device->selectResolution(dotsPerInch);
}

QByteArray SaneScannerLibrary::acquireImage(QObject *owner, int pixelTypeMask)
{
    if (m_busy) {
        qCWarning(lcScan) << "acquireImage called while the scanner is busy";
        return {};
    }
    m_done = false;
    m_lastError = false;
    m_errorString.clear();
    if (m_cancelled) {
        // Cancelled earlier in this run: no further image.
        m_done = true;
        endBatch();
        return {};
    }
    if (!m_device) {
        m_done = true;
        fail(QStringLiteral("No scanner is open"));
        return {};
    }

    // A page already started belongs to the batch begun by the first page; its settings hold.
    const bool started = std::exchange(m_startedAhead, false);
    if (!started && !applyPixelType(pixelTypeMask))
        qCWarning(lcScan) << "Scanning in the device's current mode; none of" << pixelTypeMask
                          << "could be set";
    // "Scan with preview": a quick low-resolution pass of the flatbed first, shown to the user,
    // who then starts the real scan or cancels (a cancel, not an error). A feeder would use up
    // a sheet for it, so it has no preview.
    if (!started && !m_hideDeviceDialog && m_previewer && !m_feeder) {
        const double wanted = m_resolution;
        (void)m_device->selectResolution(PreviewResolution);
        const double previewDpi = effectiveResolution();
        PageResult preview;
        runBusy([&] { preview = readPage(previewDpi, false, false); });
        (void)m_device->selectResolution(wanted);
        if (preview.cancelled || preview.status != SANE_STATUS_GOOD) {
            m_done = true;
            endBatch();
            if (!preview.cancelled && isError(SANE_Status(preview.status)))
                fail(QStringLiteral("The preview failed: %1")
                         .arg(statusText(SANE_Status(preview.status))));
            return {};
        }
        if (!m_previewer(owner, preview.dib)) {
            m_done = true;
            qCInfo(lcScan) << "Scan cancelled in the preview";
            return {};
        }
    }
    const double dpi = effectiveResolution();
    // In a feeder batch the next page is started right away: that is how the end of the
    // documents is known before the caller asks for another image.
    const bool startNext = m_feeder && m_transferCount != 1;

    PageResult result;
    runBusy([&] { result = readPage(dpi, started, startNext); });

    m_done = true;
    if (result.cancelled) {
        endBatch();
        qCInfo(lcScan) << "Scan cancelled";
        return {};
    }
    const auto status = SANE_Status(result.status);
    if (status != SANE_STATUS_GOOD) {
        // The read may fail right after sane_start, with the backend's reader thread still
        // starting; endBatch lets it settle before the cancel.
        endBatch();
        if (isError(status))
            fail(QStringLiteral("Scanning failed: %1").arg(statusText(status)));
        else
            qCInfo(lcScan) << "Scan ended:" << statusText(status);
        return {};
    }
    if (result.nextStart == SANE_STATUS_GOOD) {
        m_startedAhead = true;
        m_done = false;
    } else {
        endBatch();
        if (result.nextStart >= 0 && isError(SANE_Status(result.nextStart)))
            fail(QStringLiteral("The next page could not be started: %1")
                     .arg(statusText(SANE_Status(result.nextStart))));
    }
    return result.dib;
}

void SaneScannerLibrary::freeImage(QByteArray &image)
{
    image.clear();
}

bool SaneScannerLibrary::isDone() const
{
    // A cancelled run gives no further image, also when the next page was started ahead.
    return m_done || m_cancelled;
}

void SaneScannerLibrary::finishFeeder()
{
    if (!m_busy)
        endBatch();
}

bool SaneScannerLibrary::lastError() const
{
    return m_lastError;
}

void SaneScannerLibrary::cancel()
{
    // Only the flag, so that any thread may cancel: the thread that drives the device sees it
    // at its next read, or before the next page, reads away what the backend's reader still
    // hands over and cancels the device itself (endBatch). Cancelling the device from here,
    // under a reader blocked on its pipe, is what can leave a lock of the C library taken. The
    // flag holds until the next openSource, so a cancel while the device opens is not lost.
    m_cancelled = true;
}

QStringList SaneScannerLibrary::sourceNames()
{
    if (!m_listed)
        listSources();
    QStringList names;
    for (const Source &source : m_sources)
        names << source.displayName;
    return names;
}

bool SaneScannerLibrary::chooseSourceAt(int index)
{
    if (!m_listed)
        listSources();
    if (index < 0 || std::size_t(index) >= m_sources.size())
        return false;
    const QString device = QString::fromUtf8(m_sources[std::size_t(index)].device);
    if (m_choice)
        m_choice->setDevice(device);
    else
        m_ownChoice = device;
    return true;
}

bool SaneScannerLibrary::chooseSourceNamed(const QString &name)
{
    if (!m_listed)
        listSources();
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        if (m_sources[i].displayName == name || QString::fromUtf8(m_sources[i].device) == name)
            return chooseSourceAt(int(i));
    }
    return false;
}

QString SaneScannerLibrary::chosenDevice() const
{
    return m_choice ? m_choice->device() : m_ownChoice;
}

QString SaneScannerLibrary::currentSourceName() const
{
    const QString chosen = chosenDevice();
    for (const Source &source : m_sources) {
        if (QString::fromUtf8(source.device) == chosen)
            return source.displayName;
    }
    return m_sources.empty() ? QString() : m_sources.front().displayName;
}

void SaneScannerLibrary::setPreviewer(Previewer previewer)
{
    m_previewer = std::move(previewer);
}

void SaneScannerLibrary::setSourceChooser(SourceChooser chooser)
{
    m_chooser = std::move(chooser);
}

bool SaneScannerLibrary::setDeviceOption(const QByteArray &name, const QVariant &value)
{
    return m_device && !m_busy && m_device->setValue(name.constData(), value);
}

QVariant SaneScannerLibrary::deviceOption(const QByteArray &name) const
{
    return m_device && !m_busy ? m_device->value(name.constData()) : QVariant();
}

QByteArray SaneScannerLibrary::openDevice() const
{
    return m_device ? m_device->name() : QByteArray();
}

void SaneScannerLibrary::closeSource()
{
    if (!m_busy) {
        if (m_startedAhead)
            endBatch(); // a page started ahead: its reader settles before the device closes
        m_device.reset();
    }
    m_startedAhead = false;
}

int SaneScannerLibrary::querySources(std::vector<Source> &found)
{
    const SANE_Device **devices = nullptr;
    // Network scanners included: listing may take seconds while backends probe.
    const SANE_Status status = sane_get_devices(&devices, SANE_FALSE);
    for (int i = 0; status == SANE_STATUS_GOOD && devices[i]; ++i)
        found.push_back({displayName(devices[i]), QByteArray(devices[i]->name)});
    return status;
}

bool SaneScannerLibrary::adoptSources(std::vector<Source> found, int status)
{
    if (status != SANE_STATUS_GOOD) {
        fail(QStringLiteral("Cannot list the scanners: %1").arg(statusText(SANE_Status(status))));
        return false;
    }
    // Two devices of one model would look the same; the device name tells them apart.
    QHash<QString, int> uses;
    for (const Source &source : found)
        ++uses[source.displayName];
    for (Source &source : found) {
        if (uses.value(source.displayName) > 1)
            source.displayName += QStringLiteral(" (%1)").arg(QString::fromUtf8(source.device));
    }
    m_sources = std::move(found);
    m_listed = true;
    m_nextListed = std::min(m_nextListed, m_sources.size());
    return true;
}

bool SaneScannerLibrary::listSources()
{
    if (m_busy)
        return false;
    if (!ensureSane()) {
        fail(QStringLiteral("SANE could not be initialised"));
        return false;
    }
    int status = SANE_STATUS_GOOD;
    std::vector<Source> found;
    runBusy([&] { status = querySources(found); });
    return adoptSources(std::move(found), status);
}

void SaneScannerLibrary::runBusy(const std::function<void()> &work)
{
    m_busy = true;
    work();
    m_busy = false;
}

SaneScannerLibrary::PageResult SaneScannerLibrary::readPage(double dotsPerInch, bool started,
                                                            bool startNext)
{
    PageResult result;
    SaneImage image;
    result.status = readFrames(image, started);
    result.cancelled = m_cancelled;
    if (result.status != SANE_STATUS_GOOD || result.cancelled)
        return result;
    result.dib = image.toDib(dotsPerInch);
    if (result.dib.isEmpty()) {
        qCWarning(lcScan) << "The scanned frames could not be packed";
        result.status = SANE_STATUS_INVAL;
        return result;
    }
    if (startNext && !m_cancelled) {
        m_readers.mark();
        result.nextStart = sane_start(m_device->handle());
    }
    return result;
}

int SaneScannerLibrary::readFrames(SaneImage &image, bool started)
{
    const SANE_Handle handle = m_device->handle();
    if (!started)
        m_readers.mark();
    SANE_Status status = started ? SANE_STATUS_GOOD : sane_start(handle);
    std::vector<SANE_Byte> buffer(256 * 1024);
    int lastPercent = -1;
    qint64 readBefore = 0; // bytes of earlier frames of this image
    while (status == SANE_STATUS_GOOD) {
        if (m_cancelled)
            return SANE_STATUS_CANCELLED;
        SANE_Parameters params;
        status = sane_get_parameters(handle, &params);
        if (status != SANE_STATUS_GOOD)
            break;
        const bool threePass = params.format == SANE_FRAME_RED ||
                               params.format == SANE_FRAME_GREEN ||
                               params.format == SANE_FRAME_BLUE;
        const qint64 frameBytes =
            params.lines > 0 ? qint64(params.lines) * params.bytes_per_line : 0;
        const qint64 total = threePass ? 3 * frameBytes : frameBytes;
        QByteArray bytes;
        bytes.reserve(frameBytes);
        SANE_Int length = 0;
        while ((status = sane_read(handle, buffer.data(), SANE_Int(buffer.size()), &length)) ==
               SANE_STATUS_GOOD) {
            if (m_cancelled)
                return SANE_STATUS_CANCELLED;
            bytes.append(reinterpret_cast<const char *>(buffer.data()), length);
            reportPercent(readBefore + bytes.size(), total, lastPercent);
            // The whole frame is here: the reader is leaving, and the read that answers the end
            // of the frame may cancel it in the backend, so it is let go first (BackendThreads).
            if (length > 0 && bytes.size() == frameBytes)
                (void)m_readers.settle(ReaderLeaveLimitMs);
        }
        if (status != SANE_STATUS_EOF)
            break;
        if (m_cancelled)
            return SANE_STATUS_CANCELLED;
        readBefore += bytes.size();
        if (!image.addFrame(params, std::move(bytes)))
            return SANE_STATUS_INVAL;
        if (image.isComplete())
            return SANE_STATUS_GOOD;
        m_readers.mark();
        status = sane_start(handle);
    }
    return status;
}

bool SaneScannerLibrary::applyPixelType(int pixelTypeMask)
{
    using Kind = SaneDevice::PixelKind;
    // With several types allowed, the simplest one the device has.
    for (const auto &[bit, kind] :
         {std::pair{BlackAndWhite, Kind::LineArt}, std::pair{Grayscale, Kind::Gray},
          std::pair{Colour, Kind::Colour}}) {
        if ((pixelTypeMask & bit) && m_device->selectPixelKind(kind, m_bitsPerSample))
            return true;
    }
    return pixelTypeMask == 0;
}

double SaneScannerLibrary::effectiveResolution() const
{
    const double dpi = m_device->resolution();
    return dpi > 0 ? dpi : m_resolution;
}

void SaneScannerLibrary::endBatch()
{
    if (m_device) {
        if (!drainReader())
            qCWarning(lcScan) << "The scanner's reader was still busy when the run was cancelled";
        sane_cancel(m_device->handle());
    }
    m_readers.clear();
    m_startedAhead = false;
}

bool SaneScannerLibrary::drainReader()
{
    // sane_cancel closes the backend's pipe and cancels its reader at once; a reader blocked on
    // the full pipe would run into the C library with the failed write just then (BackendThreads).
    // Where the backend shows its pipe, the rest of the page is read away so that the reader ends
    // by itself; either way its threads are given time to finish or fall asleep.
    SANE_Int fd = -1;
    const bool piped = m_readers.isMarked() &&
                       sane_get_select_fd(m_device->handle(), &fd) == SANE_STATUS_GOOD && fd >= 0;
    if (!piped)
        return m_readers.settle(ReaderSettleLimitMs);
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ReaderSettleLimitMs);
    std::vector<char> discard(64 * 1024);
    int quietLooks = 0;
    while (Clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 2) > 0 && (waiting.revents & POLLIN)) {
            if (read(fd, discard.data(), discard.size()) <= 0)
                return m_readers.settle(ReaderSettleLimitMs); // its end is closed
            quietLooks = 0;
            continue;
        }
        // Nothing to read, and nothing of the reader's left running: it has ended, or it waits
        // for the device.
        quietLooks = m_readers.quiet() ? quietLooks + 1 : 0;
        if (quietLooks >= 2)
            return true;
    }
    return false;
}

void SaneScannerLibrary::fail(const QString &message)
{
    m_lastError = true;
    m_errorString = message;
    qCWarning(lcScan).noquote() << message;
}

void SaneScannerLibrary::reportPercent(qint64 done, qint64 total, int &lastPercent)
{
    if (total <= 0)
        return;
    const int percent = int(std::min<qint64>(100, done * 100 / total));
    if (percent == lastPercent)
        return;
    lastPercent = percent;
    // From the thread that reads; a receiver on another thread gets it queued.
    emit percentScan(percent);
}
