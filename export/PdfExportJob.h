#pragma once

#include <QString>
#include <QStringList>

#include "core/Job.h"
#include "export/PdfExportSettings.h"
#include "export/PdfWriter.h"

// Writing pages to a PDF file as a job: the writer's whole run, the finishing step with qpdf
// included, on the job's thread. What the writer reported stays here for the dialog that asked.
class PdfExportJob : public Job
{
public:
    PdfExportJob(const PdfExportSettings &settings, const QStringList &files, bool append,
                 const QString &uiLanguage);

    Outcome run() override;

    ::PdfWriter::Result result() const { return m_result; }
    // The written file (Finished), or the file at fault (Failed, TargetUnwritable).
    QString appliedPath() const { return m_applied; }
    QString failedPath() const { return m_failed; }
    int pagesWithoutText() const { return m_pagesWithoutText; }
    QString userMessage() const { return m_userMessage; }
    QString detail() const { return m_detail; }

private:
    const PdfExportSettings m_settings;
    const QStringList m_files;
    const bool m_append;
    const QString m_uiLanguage;

    ::PdfWriter::Result m_result = ::PdfWriter::Result::Failed;
    QString m_applied;
    QString m_failed;
    int m_pagesWithoutText = 0;
    QString m_userMessage;
    QString m_detail;
};
