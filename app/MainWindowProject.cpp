// The main window's project commands: new, open, save, recover, the project named on the
// command line, the save question and the offer to recover pages left from an earlier run.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QStackedWidget>

#include "app/CommandLine.h"
#include "app/InstanceChannel.h"
#include "app/MainWindow.h"
#include "app/WaitingDlg.h"
#include "core/AppPaths.h"
#include "core/JobRunner.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "imaging/ImageEditor.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "pages/PageRecovery.h"
#include "pages/ProjectArchive.h"
#include "pages/ProjectJob.h"
#include "pages/WorkingFolder.h"

namespace {

QString projectFilter()
{
    return MainWindow::tr("Vellumo Project (*.vlmpj)");
}

} // namespace

QString MainWindow::saveQuestion() const
{
    if (m_projectPath.isEmpty() && m_pageList->count() > 0)
        return tr("The current project is not saved yet. Do you want to save it?");
    if (!m_projectPath.isEmpty() && m_modified)
        return tr("The current project has been changed. Do you want to save it?");
    return {};
}

void MainWindow::maySave(const std::function<void()> &then)
{
    const QString question = saveQuestion();
    if (question.isEmpty())
        return then();
    auto *box =
        new QMessageBox(QMessageBox::Question, QString(ProgramInfo::ApplicationName), question,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, then](int answer) {
        if (answer == QMessageBox::Yes)
            saveProjectThen(then); // goes on only once the project is saved
        else if (answer == QMessageBox::No)
            then();
    });
    box->open();
}

void MainWindow::clearWorkingFolder()
{
    WorkingFolder::clear(m_pageList->workingFolder());
}

void MainWindow::clearDocument()
{
    m_history->clear();
    m_scannedSources.clear();
    clearWorkingFolder();
    m_pageList->clearPages();
    showCount(0);
    showEmptyDocument();
}

void MainWindow::newProject()
{
    if (isBusy())
        return;
    maySave([this] {
        clearDocument();
        m_projectPath.clear();
        setModified(false);
        updateTitle();
        errorMessage(tr("New project has been begun."));
    });
}

void MainWindow::openProject()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::ProjectPath, QString()));
    auto *dialog = new QFileDialog(this, tr("Open Project"), start, projectFilter());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString &path) { openProjectFile(path, true); });
    dialog->open();
}

void MainWindow::openProjectFile(const QString &path, bool askToSave)
{
    if (isBusy())
        return;
    const auto open = [this, path] {
        // Unpacked beside the working folder first, as a job: a file that is not a project, or
        // a damaged one, leaves the open document, its project path and its changed flag as
        // they were.
        const QString staging = WorkingFolder::stagingFolder(m_pageList->workingFolder());
        startProjectJob(ProjectJob::open(path, staging), tr("Opening..."));
    };
    if (askToSave)
        maySave(open);
    else
        open();
}

void MainWindow::saveProject()
{
    saveProjectThen({});
}

void MainWindow::saveProjectThen(const std::function<void()> &then)
{
    if (isBusy())
        return;
    if (m_pageList->count() == 0) {
        errorMessage(tr("Empty project. Scan a document before the saving."));
        return;
    }
    const auto write = [this, then] {
        m_afterSave = then;
        if (!startProjectJob(ProjectJob::save(m_projectPath, m_pageList->workingPaths()),
                             tr("Saving...")))
            m_afterSave = nullptr;
    };
    if (!m_projectPath.isEmpty())
        return write();
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::ProjectPath, QString()));
    auto *dialog = new QFileDialog(this, tr("Save Project"), start, projectFilter());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    connect(dialog, &QFileDialog::fileSelected, this, [this, write](QString path) {
        if (path.isEmpty())
            return;
        // Without its suffix the file would not be recognised as a project when dropped.
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".vlmpj");
        Settings::write(SettingsKeys::ProjectPath, QFileInfo(path).absolutePath());
        setProjectPath(path);
        write();
    });
    dialog->open();
}

bool MainWindow::startProjectJob(std::unique_ptr<ProjectJob> job, const QString &text)
{
    if (!m_jobs->start(std::move(job)))
        return false;
    m_projectWait = new WaitingDlg(this);
    m_projectWait->setText(text);
    return true;
}

void MainWindow::projectJobEnded(const ProjectJob &job, Job::Outcome outcome)
{
    if (m_projectWait)
        m_projectWait->finish();
    if (job.kind() == JobKind::ProjectSave) {
        const std::function<void()> then = std::exchange(m_afterSave, nullptr);
        if (outcome != Job::Outcome::Finished) {
            errorMessage(
                tr("Can't save the project to %1.<br>%2").arg(job.path(), job.errorString()));
            return;
        }
        errorMessage(tr("Project has been saved."));
        setModified(false);
        if (then)
            then();
        return;
    }
    const QString staging = job.folder();
    const auto removeStaging = qScopeGuard([staging] { QDir(staging).removeRecursively(); });
    const QString name = QFileInfo(job.path()).fileName().toHtmlEscaped();
    if (outcome != Job::Outcome::Finished) {
        errorMessage(
            tr("Can't open the project %1.<br>%2").arg(name, job.errorString().toHtmlEscaped()));
        openPendingFiles();
        return;
    }
    clearDocument();
    if (!WorkingFolder::moveFiles(staging, m_pageList->workingFolder()))
        errorMessage(tr("Some pages of the project %1 could not be unpacked.").arg(name));
    m_projectPath = job.path();
    restoreProject();
    updateTitle();
    setModified(false);
    if (!job.skipReasons().isEmpty())
        errorMessage(tr("Some entries of the project %1 were left out: %2")
                         .arg(name, job.skipReasons().join(QStringLiteral(", ")).toHtmlEscaped()));
    openPendingFiles();
}

bool MainWindow::restoreProject()
{
    // Another document's pages: earlier steps no longer apply.
    m_history->clear();
    const QStringList names = PageRecovery::preparePages(m_pageList->workingFolder());
    bool cameBack = false;
    {
        // The files are in the working folder already: only their thumbnails are read here.
        const QSignalBlocker blocker(m_pageList);
        for (const QString &name : names) {
            const int position = m_pageList->count();
            if (!m_pageList->loadPage(name))
                m_pageList->rebuildThumb(position);
            cameBack = true;
        }
        m_sidePanel->setCurrentIndex(PageListPanel);
    }
    showCount(m_pageList->count());
    if (!cameBack)
        return false;
    // Pages from elsewhere may be numbered with gaps: new pages are named by position.
    if (!WorkingFolder::isInOrder(names))
        m_pageList->renumberPages();
    showPages();
    m_pageList->selectPosition(0, -m_pageList->count());
    return true;
}

void MainWindow::recoverProject()
{
    m_pageList->clearPages();
    showEmptyDocument();
    if (restoreProject())
        errorMessage(tr("Auto saved project has been recovered."));
    else
        errorMessage(tr("There are no files to recover."));
}

void MainWindow::offerRecovery(const std::function<void(bool)> &then)
{
    m_recoveryOffered = true;
    const int pages = PageRecovery::pageCount(m_pageList->workingFolder());
    if (pages == 0 || m_pageList->count() > 0)
        return then(false);
    auto *box = new QMessageBox(QMessageBox::Question, QString(ProgramInfo::ApplicationName),
                                tr("Vellumo found %1 pages of an earlier session in its working "
                                   "folder.<br>Do you want to recover them now?")
                                    .arg(pages),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::NoButton);
    connect(box, &QMessageBox::finished, this, [this, then](int answer) {
        // Pages that came meanwhile are not mixed in.
        if (answer == QMessageBox::Yes && m_pageList->count() == 0) {
            recoverProject();
            return then(true);
        }
        m_recoveryDeclined = answer != QMessageBox::Yes;
        then(false);
    });
    box->open();
}

void MainWindow::loadProjectFromArgs()
{
    // The program works in its own folder; a relative path is meant from where it was started.
    const QStringList files =
        CommandLine::parse(QCoreApplication::arguments(), m_launchFolder).files;
    const auto open = [this, files] {
        m_startUpFinished = true;
        openFiles(files);
    };
    if (m_recoveryOffered)
        return open();
    offerRecovery([open](bool) { open(); });
}

void MainWindow::takeFilesFrom(InstanceChannel *channel)
{
    connect(channel, &InstanceChannel::filesReceived, this, [this](const QStringList &files) {
        bringToFront();
        openFiles(files);
    });
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
