#include "scan/AfterScanJob.h"

#include <QFile>

#include <unistd.h>

#include "core/LogCategories.h"
#include "core/PageImages.h"
#include "imaging/PageProcessor.h"

namespace {

// Waits here, off the window's thread, until the file's bytes are on the disk: the page store
// makes sure of that before it takes a file in, and then finds nothing left to wait for.
bool onDisk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && ::fdatasync(file.handle()) == 0;
}

} // namespace

AfterScanJob::AfterScanJob(const QImage &scanned, const ScanSettings &settings, int pageNumber,
                           bool wizardPage, const QString &folder, int serial, int jpegQuality,
                           const QSize &thumbSize)
    : Job(JobKind::Scan)
    , m_scanned(scanned)
    , m_settings(settings)
    , m_pageNumber(pageNumber)
    , m_wizardPage(wizardPage)
    , m_folder(folder)
    , m_serial(serial)
    , m_jpegQuality(jpegQuality)
    , m_thumbSize(thumbSize)
{
}

Job::Outcome AfterScanJob::run()
{
    PageProcessor processor;
    processor.setStopFlag(&cancelFlag());
    m_result =
        AfterScanPipeline(processor).process(m_scanned, m_settings, m_pageNumber, m_wizardPage);
    for (int i = 0; i < m_result.pages.size(); ++i) {
        Page page;
        page.image = m_result.pages.at(i);
        // 1-bit pages are written by the store itself (quick); colour and grey pages, whose
        // JPEG encoding is the slow part, are written here.
        if (!m_result.blackAndWhite) {
            const QString base = QStringLiteral("%1/%2-%3").arg(m_folder).arg(m_serial).arg(i);
            QString error;
            const QImage thumb = PageImages::makeThumbnail(page.image, m_thumbSize);
            if (PageImages::writeWorkingImage(page.image, base + QStringLiteral(".jpg"), false,
                                              m_jpegQuality, &error) &&
                PageImages::writeThumbnail(thumb, base + QStringLiteral("-thumb.jpg"), &error) &&
                onDisk(base + QStringLiteral(".jpg")) &&
                onDisk(base + QStringLiteral("-thumb.jpg"))) {
                page.jpeg = base + QStringLiteral(".jpg");
                page.thumbnail = base + QStringLiteral("-thumb.jpg");
            } else {
                // The window writes the page from its image instead.
                qCWarning(lcScan).noquote() << "Scanned page not prepared:" << error;
            }
        }
        m_pages << page;
    }
    return Outcome::Finished;
}
