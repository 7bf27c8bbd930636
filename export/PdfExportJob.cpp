#include "export/PdfExportJob.h"

#include "core/JobExportProgress.h"

PdfExportJob::PdfExportJob(const PdfExportSettings &settings, const QStringList &files, bool append,
                           const QString &uiLanguage)
    : Job(JobKind::Export)
    , m_settings(settings)
    , m_files(files)
    , m_append(append)
    , m_uiLanguage(uiLanguage)
{
}

Job::Outcome PdfExportJob::run()
{
    ::PdfWriter writer;
    writer.setUiLanguage(m_uiLanguage);
    QObject::connect(&writer, &::PdfWriter::applied,
                     [this](const QString &path) { m_applied = path; });
    QObject::connect(&writer, &::PdfWriter::failed,
                     [this](const QString &path) { m_failed = path; });
    JobExportProgress progress(*this, [this](int done, int total) { reportProgress(done, total); });
    m_result = writer.write(m_settings, m_files, m_append, &progress);
    m_pagesWithoutText = writer.pagesWithoutText();
    m_userMessage = writer.userMessage();
    m_detail = writer.errorString();
    switch (m_result) {
    case ::PdfWriter::Result::Finished:
        return Outcome::Finished;
    case ::PdfWriter::Result::Cancelled:
        return Outcome::Cancelled;
    case ::PdfWriter::Result::Failed:
    case ::PdfWriter::Result::TargetUnwritable:
    case ::PdfWriter::Result::NoPages:
    case ::PdfWriter::Result::NoTarget:
    case ::PdfWriter::Result::OcrUnavailable:
        break;
    }
    setErrorString(m_detail);
    return Outcome::Failed;
}
