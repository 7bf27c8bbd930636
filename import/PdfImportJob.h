#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <mutex>

#include "core/Job.h"
#include "import/ImagePageLoader.h"
#include "import/PdfImport.h"

// One run of the PDF extraction (PdfImport's child process) as a job: each image it writes is
// made ready for the page store here (ImagePageLoader) and handed over while the job runs,
// through takeImages(), which the window calls whenever progress arrives and once more at the
// end, so pages appear as they are extracted.
class PdfImportJob : public Job
{
public:
    // renderDpi: draw the pages at this resolution instead of extracting their images (0).
    // pages: how the images become pages; its folder is where the images land too.
    PdfImportJob(const QString &pdf, const QString &password, int renderDpi,
                 const ImagePageLoader::Options &pages,
                 const QString &toolPath = PdfImport::defaultToolPath());

    Outcome run() override;

    // From any thread: the images extracted since the last call, in page order.
    QList<ImagePageLoader::Result> takeImages();

    // After the run.
    PdfImport::Outcome importOutcome() const { return m_outcome; }
    int renderDpi() const { return m_renderDpi; }
    QString reason() const { return m_reason; }
    QStringList skipped() const { return m_skipped; }

private:
    const QString m_pdf;
    const QString m_password;
    const int m_renderDpi;
    const ImagePageLoader::Options m_pages;
    const QString m_tool;
    ImagePageLoader m_loader;

    std::mutex m_mutex;
    QList<ImagePageLoader::Result> m_images;

    PdfImport::Outcome m_outcome = PdfImport::Outcome::CannotOpen;
    QString m_reason;
    QStringList m_skipped;
};
