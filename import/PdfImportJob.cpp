#include "import/PdfImportJob.h"

#include <utility>

PdfImportJob::PdfImportJob(const QString &pdf, const QString &password, int renderDpi,
                           const ImagePageLoader::Options &pages, const QString &toolPath)
    : Job(JobKind::Import)
    , m_pdf(pdf)
    , m_password(password)
    , m_renderDpi(renderDpi)
    , m_pages(pages)
    , m_tool(toolPath)
    , m_loader(pages)
{
}

Job::Outcome PdfImportJob::run()
{
    PdfImport import(m_tool);
    import.setThumbnailSize(m_pages.thumbSize);
    import.setRenderDpi(m_renderDpi);
    int total = 1;
    PdfImport::Callbacks callbacks;
    callbacks.total = [this, &total](int count) {
        total = std::max(1, count);
        reportProgress(0, total);
    };
    callbacks.image = [this, &total](int index, const QString &file) {
        // The extracted file is the job's own: moved into the prepared page, or removed.
        ImagePageLoader::Result loaded = m_loader.load(file, PdfImport::thumbnailPath(file), true);
        {
            const std::lock_guard lock(m_mutex);
            m_images << std::move(loaded);
        }
        reportProgress(index, total);
        return !isCancelled();
    };
    callbacks.stop = [this] {
        return isCancelled();
    };
    m_outcome = import.run(m_pdf, m_password, m_pages.folder, callbacks);
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

QList<ImagePageLoader::Result> PdfImportJob::takeImages()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_images, {});
}
