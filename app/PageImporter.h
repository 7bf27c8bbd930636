#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

#include "core/Job.h"
#include "import/ImagePageLoader.h"
#include "import/PdfImport.h"

class JobRunner;
class PageListWidget;
class PdfImportSession;
class PdfProgress;
class QWidget;

// Pictures and PDF files becoming pages. The files are read and prepared as jobs (ImageLoadJob,
// PdfImportJob, the PDF file in a child process); the prepared pages go into the list a few at a
// time on the window's thread, as they come, so the window answers meanwhile. A PDF import may
// take several jobs: the password question and the offer to draw the pages answer through
// signals between them.
class PageImporter : public QObject
{
    Q_OBJECT

public:
    // The pages are added to list; jobs run on jobs; questions and progress are shown over window.
    PageImporter(PageListWidget *list, JobRunner *jobs, QWidget *window);
    ~PageImporter() override;

    // An import is under way, from its start until its last page is in the list.
    bool isRunning() const { return m_running; }

    // Each starts only when no import and no other job runs; false otherwise. command names
    // the import for undo.
    bool loadImages(const QStringList &files, const QString &command);
    bool extractPdf(const QString &pdf, const QString &command);

    // How long pages are added in one go before the window has its turn, in milliseconds.
    static constexpr int AddSliceMs = 10;

Q_SIGNALS:
    // A word for the user (the window's pop-up message).
    void message(const QString &text);
    // Orientation detection could not run (the tool or its data is missing).
    void uprightUnavailable(const OcrRunner::Orientation &orientation);
    void countChanged(int count);
    // The import is over: added pages follow position before. command names it for undo.
    void finished(int before, int added, const QString &command);

private:
    void begin(const QString &command);
    void startPdfJob();
    void jobProgressed(int done, int total);
    void jobEnded(Job *job, Job::Outcome outcome);
    void scheduleAdding();
    // Queued pages into the list, for at most AddSliceMs.
    void addLoaded();
    void add(const ImagePageLoader::Result &loaded);
    // Every page of the ended job is in the list: what comes next.
    void jobPagesAdded();
    void askPassword();
    void offerDrawing(int dpi);
    void end();
    ImagePageLoader::Options pageOptions(const QString &folder) const;

    PageListWidget *m_list;
    JobRunner *m_jobs;
    QWidget *m_window;

    bool m_running = false;
    QString m_command;
    int m_before = 0;
    int m_added = 0;
    std::unique_ptr<QTemporaryDir> m_imageFolder;
    std::unique_ptr<PdfImportSession> m_pdfSession;
    QPointer<PdfProgress> m_progress;
    QList<ImagePageLoader::Result> m_loaded;
    bool m_addingScheduled = false;
    // How the job whose pages are being added ended, once it has.
    struct JobEnd
    {
        bool pdf = false;
        PdfImport::Outcome outcome = PdfImport::Outcome::CannotOpen;
        QStringList skipped;
    };
    std::optional<JobEnd> m_jobEnd;
};
