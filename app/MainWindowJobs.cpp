// The main window and long work: the one function that decides which commands are on while a job
// (or a scan) runs, and the page batches that run as jobs, from their start to their end.

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <utility>

#include "app/MainWindow.h"
#include "app/PageImporter.h"
#include "app/PrintJob.h"
#include "app/RibbonCommands.h"
#include "app/StatusProgress.h"
#include "app/WindowStatusBar.h"
#include "core/BusyState.h"
#include "core/JobRunner.h"
#include "core/LogCategories.h"
#include "export/PdfProgress.h"
#include "imaging/ImageEditor.h"
#include "import/ImageLoadJob.h"
#include "pages/PageBatch.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "pages/ProjectJob.h"
#include "ribbon/RibbonBar.h"
#include "scan/AfterScanJob.h"

namespace {

// "3, 5 and 9" style lists of 1-based page numbers.
QString pageNumbers(const QList<int> &pages)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

JobKind MainWindow::runningJob() const
{
    if (m_scanning)
        return JobKind::Scan;
    if (m_jobs && m_jobs->isBusy())
        return m_jobs->runningKind();
    // Between the jobs of a PDF import (the password question, the offer to draw the pages),
    // and while the last pages of an import go into the list.
    return m_importer && m_importer->isRunning() ? JobKind::Import : JobKind::None;
}

void MainWindow::updateCommands()
{
    const JobKind job = runningJob();
    const bool pages = m_pageList && m_pageList->count() > 0;
    using C = BusyState::CommandKind;
    const RibbonCommands &c = m_commands;
    const struct
    {
        C kind;
        bool needsPages;
        QList<QAction *> actions;
    } groups[] = {
        {C::View, true, {c.zoomIn, c.zoomOut, c.zoomFit}},
        {C::Export, true, {c.buildPdf, c.buildDjvu, c.buildWord, c.exportFiles, c.print}},
        {C::ChangePages,
         true,
         {c.rotateLeft, c.rotateRight, c.rotateFlip, c.turnUpright, c.rotateAngle, c.crop,
          c.brightness, c.moveUp, c.moveDown, c.moveTop, c.moveBottom, c.movePosition, c.removePage,
          c.checkAll, c.uncheckAll}},
        {C::AddPages, false, {c.loadFile, c.loadPdf}},
        {C::Project, false, {c.newProject, c.openProject, c.recoverProject, c.saveProject}},
        {C::Settings, false, {c.settings}},
        {C::Help, false, {c.webSite, c.about, c.checkUpdates}},
    };
    for (const auto &group : groups) {
        const bool enabled = BusyState::allows(job, group.kind) && (pages || !group.needsPages);
        for (QAction *action : group.actions) {
            if (action)
                action->setEnabled(enabled);
        }
    }
    const bool scan = BusyState::allows(job, C::AddPages) && m_scannersFound;
    for (QAction *action : std::as_const(c.scanCommands))
        action->setEnabled(scan);
    const bool settings = BusyState::allows(job, C::Settings);
    for (QWidget *widget :
         {static_cast<QWidget *>(c.selectScanner), static_cast<QWidget *>(c.colorChooser),
          static_cast<QWidget *>(c.qualityChooser)}) {
        if (widget)
            widget->setEnabled(settings);
    }
    if (m_history)
        m_history->setLocked(!BusyState::allows(job, C::History));
    // The list's own drags and check boxes change pages: it rests while anything runs.
    if (m_pageList)
        m_pageList->setEnabled(BusyState::allows(job, C::ChangePages));
    if (!pages && ribbonBar())
        ribbonBar()->setCurrentPage(0);
}

void MainWindow::startPageBatch(std::unique_ptr<PageBatch> batch, const QString &name,
                                const QString &text)
{
    m_batchName = name;
    m_batchStart = m_pageList->currentPosition();
    if (!startWithProgress(std::move(batch), text)) {
        m_history->discard(m_batchKept);
        m_batchKept.clear();
    }
}

bool MainWindow::startWithProgress(std::unique_ptr<Job> job, const QString &text)
{
    auto *progress = new PdfProgress(1, this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->start();
    progress->setText(text);
    progress->setWindowModality(Qt::WindowModal);
    connect(progress, &PdfProgress::cancelled, m_jobs, &JobRunner::cancel);
    m_jobProgress = progress;
    if (!m_jobs->start(std::move(job))) {
        progress->finish();
        progress->close();
        return false;
    }
    progress->open();
    return true;
}

void MainWindow::jobProgressed(int done, int total, const QString &text)
{
    if (dynamic_cast<ImageLoadJob *>(m_jobs->job())) {
        if (!m_status->progress().isRunning())
            m_status->progress().begin(text, total);
        m_status->progress().setValue(done);
    }
    if (!m_jobProgress)
        return;
    m_jobProgress->setRange(0, total);
    m_jobProgress->setValue(done);
    if (!text.isEmpty())
        m_jobProgress->setText(text);
}

void MainWindow::jobFinished(Job *job, Job::Outcome outcome)
{
    if (m_jobProgress) {
        m_jobProgress->finish();
        m_jobProgress->close();
    }
    if (auto *batch = dynamic_cast<PageBatch *>(job))
        pageBatchEnded(*batch, outcome);
    else if (auto *scanned = dynamic_cast<AfterScanJob *>(job))
        scannedPageReady(*scanned);
    else if (auto *project = dynamic_cast<ProjectJob *>(job))
        projectJobEnded(*project, outcome);
    else if (auto *printing = dynamic_cast<PrintJob *>(job))
        printJobEnded(*printing, outcome);
    // Files opened while something ran, and a close that waited for the job.
    if (!isBusy()) {
        openPendingFiles();
        if (std::exchange(m_closeWhenIdle, false))
            close();
    }
}

void MainWindow::pageBatchEnded(const PageBatch &batch, Job::Outcome outcome)
{
    const QList<PageCommand::Step> kept = std::exchange(m_batchKept, {});
    bool changed = false;
    QList<int> failed = batch.failedNumbers();
    if (batch.operation() == PageBatch::Operation::Split) {
        // From the last page to the first, so that each split leaves the positions of the
        // pages still to be split as they were. Every split of the run is one step for undo.
        m_history->beginGroup();
        const QList<PageBatch::Page> &pages = batch.pages();
        for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
            if (page->outcome != PageBatch::PageOutcome::Changed)
                continue;
            const int position = page->position;
            const QString working = m_pageList->workingPath(position);
            const QList<PageCommand::Step> before = m_history->keep({position});
            if (!m_pageList->splitPage(position, page->leftHalf, page->rightHalf, working)) {
                m_history->discard(before);
                failed << position + 1;
                continue;
            }
            m_history->recordSplit(m_batchName, before, position);
            changed = true;
        }
        m_history->endGroup(m_batchName);
        std::sort(failed.begin(), failed.end());
        showPageAt(m_batchStart);
    } else {
        for (const PageBatch::Page &page : batch.pages()) {
            if (page.outcome == PageBatch::PageOutcome::Changed)
                m_pageList->showThumbnail(page.position, page.thumbnail);
        }
        changed = batch.changedCount() > 0;
        if (changed)
            m_history->recordChange(m_batchName, kept);
        else
            m_history->discard(kept);
        m_editor->reloadImage();
        showImageInfo(&m_editor->image());
    }
    m_pageList->update();
    if (changed)
        setModified(true);

    if (!batch.unavailableMessage().isEmpty()) {
        m_uprightMissingSaid = true;
        errorMessage(batch.unavailableMessage());
    } else if (!failed.isEmpty()) {
        switch (batch.operation()) {
        case PageBatch::Operation::AutoCrop:
            errorMessage(failed.size() == 1 && batch.pages().size() == 1
                             ? tr("Can't crop the page.")
                             : tr("Can't crop the pages %1.").arg(pageNumbers(failed)));
            break;
        case PageBatch::Operation::Split:
            errorMessage(failed.size() == 1 && batch.pages().size() == 1
                             ? tr("Can't split the page.")
                             : tr("Can't split the pages %1.").arg(pageNumbers(failed)));
            break;
        case PageBatch::Operation::TurnUpright:
            errorMessage(tr("Can't tell which way up the pages %1 are.").arg(pageNumbers(failed)));
            break;
        case PageBatch::Operation::Rotate:
            errorMessage(tr("Can't save the page %1.").arg(pageNumbers(failed)));
            break;
        }
    } else if (batch.operation() == PageBatch::Operation::TurnUpright &&
               outcome == Job::Outcome::Finished) {
        statusBar()->showMessage(tr("Pages turned upright: %1 of %2.")
                                     .arg(batch.changedCount())
                                     .arg(batch.pages().size()),
                                 5000);
    } else if (outcome == Job::Outcome::Failed && !batch.errorString().isEmpty()) {
        errorMessage(batch.errorString());
    }
}
