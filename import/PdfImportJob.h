#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <mutex>

#include "core/Job.h"
#include "import/PdfImport.h"

// One run of the PDF extraction (PdfImport's child process) as a job: the images it writes are
// handed over while it runs, through takeImages(), which the window calls whenever progress
// arrives and once more at the end, so pages appear as they are extracted.
class PdfImportJob : public Job
{
public:
    struct Image
    {
        QString file;      // the extracted image, the window's to move into a page
        QString thumbnail; // made beside it by the child, or a path that does not exist
    };

    // renderDpi: draw the pages at this resolution instead of extracting their images (0).
    PdfImportJob(const QString &pdf, const QString &password, const QString &folder, int renderDpi,
                 const QSize &thumbnailSize,
                 const QString &toolPath = PdfImport::defaultToolPath());

    Outcome run() override;

    // From any thread: the images extracted since the last call, in page order.
    QList<Image> takeImages();

    // After the run.
    PdfImport::Outcome importOutcome() const { return m_outcome; }
    int renderDpi() const { return m_renderDpi; }
    QString reason() const { return m_reason; }
    QStringList skipped() const { return m_skipped; }

private:
    const QString m_pdf;
    const QString m_password;
    const QString m_folder;
    const int m_renderDpi;
    const QSize m_thumbnailSize;
    const QString m_tool;

    std::mutex m_mutex;
    QList<Image> m_images;

    PdfImport::Outcome m_outcome = PdfImport::Outcome::CannotOpen;
    QString m_reason;
    QStringList m_skipped;
};
