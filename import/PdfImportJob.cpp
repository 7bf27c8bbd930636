#include "import/PdfImportJob.h"

#include <utility>

PdfImportJob::PdfImportJob(const QString &pdf, const QString &password, const QString &folder,
                           int renderDpi, const QSize &thumbnailSize, const QString &toolPath)
    : Job(JobKind::Import)
    , m_pdf(pdf)
    , m_password(password)
    , m_folder(folder)
    , m_renderDpi(renderDpi)
    , m_thumbnailSize(thumbnailSize)
    , m_tool(toolPath)
{
}

Job::Outcome PdfImportJob::run()
{
    PdfImport import(m_tool);
    import.setThumbnailSize(m_thumbnailSize);
    import.setRenderDpi(m_renderDpi);
    int total = 1;
    PdfImport::Callbacks callbacks;
    callbacks.total = [this, &total](int count) {
        total = std::max(1, count);
        reportProgress(0, total);
    };
    callbacks.image = [this, &total](int index, const QString &file) {
        {
            const std::lock_guard lock(m_mutex);
            m_images.append({file, PdfImport::thumbnailPath(file)});
        }
        reportProgress(index, total);
        return !isCancelled();
    };
    callbacks.stop = [this] {
        return isCancelled();
    };
    m_outcome = import.run(m_pdf, m_password, m_folder, callbacks);
    m_reason = import.reason();
    m_skipped = import.skipped();
    if (m_outcome == PdfImport::Outcome::Cancelled)
        return Outcome::Cancelled;
    if (m_outcome == PdfImport::Outcome::CannotOpen) {
        setErrorString(m_reason);
        return Outcome::Failed;
    }
    return Outcome::Finished;
}

QList<PdfImportJob::Image> PdfImportJob::takeImages()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_images, {});
}
