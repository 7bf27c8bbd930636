// The main window's project commands: new, open, save, recover, the project named on the
// command line, the save question and the offer to recover pages left from an earlier run.

#include <QDir>
#include <QEventLoop>
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
#include "app/StatusProgress.h"
#include "app/WaitingDlg.h"
#include "core/AppPaths.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "imaging/ImageEditor.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "pages/PageRecovery.h"
#include "pages/ProjectArchive.h"
#include "pages/WorkingFolder.h"

namespace {

QString projectFilter()
{
    return MainWindow::tr("Vellumo Project (*.vlmpj)");
}

} // namespace

bool MainWindow::maySave()
{
    const QStringList pages = m_pageList->workingPaths();
    QString question;
    if (m_projectPath.isEmpty() && !pages.isEmpty())
        question = tr("The current project is not saved yet. Do you want to save it?");
    else if (!m_projectPath.isEmpty() && m_modified)
        question = tr("The current project has been changed. Do you want to save it?");
    if (question.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, QString(ProgramInfo::ApplicationName), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    switch (box.exec()) {
    case QMessageBox::Yes:
        saveProject();
        return true;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
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
    if (!maySave())
        return;
    clearDocument();
    m_projectPath.clear();
    setModified(false);
    updateTitle();
    errorMessage(tr("New project has been begun."));
}

void MainWindow::openProject()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::ProjectPath, QString()));
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Project"), start, projectFilter());
    if (!path.isEmpty())
        openProjectFile(path, true);
}

void MainWindow::openProjectFile(const QString &path, bool askToSave)
{
    if (askToSave && !maySave())
        return;
    const auto wait = showWaiting(this, tr("Opening..."));
    // Unpacked beside the working folder first: a file that is not a project, or a damaged
    // one, leaves the open document, its project path and its changed flag as they were.
    const QString staging = WorkingFolder::stagingFolder(m_pageList->workingFolder());
    QDir(staging).removeRecursively();
    QDir().mkpath(staging);
    const auto removeStaging = qScopeGuard([staging] { QDir(staging).removeRecursively(); });
    ProjectArchive archive;
    archive.extract(path, staging);
    const QString name = QFileInfo(path).fileName().toHtmlEscaped();
    if (!archive.errorString().isEmpty() || PageRecovery::pageCount(staging) == 0) {
        const QString why = archive.errorString().isEmpty() ? tr("It holds no pages.")
                                                            : archive.errorString().toHtmlEscaped();
        errorMessage(tr("Can't open the project %1.<br>%2").arg(name, why));
        return;
    }
    clearDocument();
    if (!WorkingFolder::moveFiles(staging, m_pageList->workingFolder()))
        errorMessage(tr("Some pages of the project %1 could not be unpacked.").arg(name));
    m_projectPath = path;
    restoreProject();
    updateTitle();
    setModified(false);
    if (!archive.skipped().isEmpty())
        errorMessage(
            tr("Some entries of the project %1 were left out: %2")
                .arg(name, archive.skipReasons().join(QStringLiteral(", ")).toHtmlEscaped()));
}

void MainWindow::saveProject()
{
    if (m_pageList->count() == 0) {
        errorMessage(tr("Empty project. Scan a document before the saving."));
        return;
    }
    if (m_projectPath.isEmpty()) {
        const QString start =
            AppPaths::dialogStart(Settings::readString(SettingsKeys::ProjectPath, QString()));
        QString path =
            QFileDialog::getSaveFileName(this, tr("Save Project"), start, projectFilter());
        if (path.isEmpty())
            return;
        // Without its suffix the file would not be recognised as a project when dropped.
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".vlmpj");
        Settings::write(SettingsKeys::ProjectPath, QFileInfo(path).absolutePath());
        setProjectPath(path);
    }
    const auto wait = showWaiting(this, tr("Saving..."));
    ProjectArchive archive;
    if (!archive.writeProject(m_projectPath, m_pageList->workingPaths())) {
        errorMessage(
            tr("Can't save the project to %1.<br>%2").arg(m_projectPath, archive.errorString()));
        return;
    }
    errorMessage(tr("Project has been saved."));
    setModified(false);
}

bool MainWindow::restoreProject()
{
    // Another document's pages: earlier steps no longer apply.
    m_history->clear();
    const QStringList names = PageRecovery::preparePages(m_pageList->workingFolder());
    bool cameBack = false;
    {
        const QSignalBlocker blocker(m_pageList);
        m_statusProgress->begin(tr("Opening..."), int(names.size()));
        const auto endProgress = qScopeGuard([this] { m_statusProgress->end(); });
        for (const QString &name : names) {
            m_statusProgress->setValue(m_pageList->count());
            const int position = m_pageList->count();
            if (!m_pageList->loadPage(name))
                m_pageList->rebuildThumb(position);
            m_sidePanel->setCurrentIndex(PageListPanel);
            cameBack = true;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    showCount(m_pageList->count());
    if (!cameBack)
        return false;
    // Pages from elsewhere may be numbered with gaps: new pages are named by position.
    if (!WorkingFolder::isInOrder(names))
        m_pageList->renumberPages();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    showPages();
    m_pageList->selectPosition(0, -m_pageList->count());
    return true;
}

void MainWindow::recoverProject()
{
    const auto wait = showWaiting(this, tr("Recovering..."));
    m_pageList->clearPages();
    showEmptyDocument();
    if (restoreProject())
        errorMessage(tr("Auto saved project has been recovered."));
    else
        errorMessage(tr("There are no files to recover."));
}

bool MainWindow::offerRecovery()
{
    m_recoveryOffered = true;
    const int pages = PageRecovery::pageCount(m_pageList->workingFolder());
    if (pages == 0 || m_pageList->count() > 0)
        return false;
    if (ask(tr("Vellumo found %1 pages of an earlier session in its working folder.<br>Do you "
               "want to recover them now?")
                .arg(pages))) {
        recoverProject();
        return true;
    }
    m_recoveryDeclined = true;
    return false;
}

void MainWindow::loadProjectFromArgs()
{
    const auto finished = qScopeGuard([this] { m_startUpFinished = true; });
    if (!m_recoveryOffered)
        offerRecovery();
    // The program works in its own folder; a relative path is meant from where it was started.
    openFiles(CommandLine::parse(QCoreApplication::arguments(), m_launchFolder).files);
}

void MainWindow::openFiles(const QStringList &files)
{
    m_pendingFiles += files;
    if (!m_pdfSession)
        openPendingFiles();
}

void MainWindow::openPendingFiles()
{
    QStringList images;
    const auto addImages = [this, &images] {
        if (!images.isEmpty())
            loadImageFiles(images);
        images.clear();
    };
    while (!m_pendingFiles.isEmpty() && !m_pdfSession) {
        const QString file = m_pendingFiles.takeFirst();
        if (!QFileInfo(file).isFile()) {
            errorMessage(tr("Can't open file %1.").arg(file));
            continue;
        }
        const QString suffix = QFileInfo(file).suffix().toUpper();
        if (suffix == QLatin1String("VLMPJ")) {
            addImages();
            // Pages already in the window (recovered ones too) are not replaced without the
            // save question.
            openProjectFile(file, m_pageList->count() > 0);
        } else if (suffix == QLatin1String("PDF")) {
            addImages();
            // The files after it wait until its import is over (endPdfImport).
            extractPdf(file);
        } else {
            images << file;
        }
    }
    addImages();
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
