// The main window's imports: picture files and the images of PDF files become pages through the
// page importer (jobs, pages added as they come), files opened together wait their turn, and each
// import ends as one undo step.

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

#include "app/MainWindow.h"
#include "app/PageImporter.h"
#include "app/StatusProgress.h"
#include "app/WindowStatusBar.h"
#include "core/AppPaths.h"
#include "core/Settings.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::loadPdf()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::LastPath, QString()));
    auto *dialog =
        new QFileDialog(this, tr("Extract images from PDF"), start, tr("PDF File (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &MainWindow::extractPdf);
    dialog->open();
}

void MainWindow::loadFile()
{
    const QString start = AppPaths::dialogStart(
        Settings::readString(SettingsKeys::LastPath, QString()), AppPaths::StartKind::Pictures);
    auto *dialog = new QFileDialog(
        this, tr("Open Image"), start,
        tr("All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image "
           "File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    connect(dialog, &QFileDialog::filesSelected, this, &MainWindow::loadImageFiles);
    dialog->open();
}

void MainWindow::processDroppedFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString suffix = QFileInfo(files.first()).suffix().toUpper();
    if (suffix == QLatin1String("PDF"))
        extractPdf(files.first());
    else if (suffix == QLatin1String("VLMPJ"))
        openProjectFile(files.first(), true);
    else
        loadImageFiles(files);
}

void MainWindow::loadImageFiles(const QStringList &files)
{
    if (files.isEmpty() || isBusy())
        return;
    prepareEmptyWorkingFolder([this, files] {
        if (!isBusy() && m_importer->loadImages(files, m_commands.loadFile->iconText()))
            updateCommands();
    });
}

void MainWindow::extractPdf(const QString &pdf)
{
    if (isBusy())
        return;
    prepareEmptyWorkingFolder([this, pdf] {
        if (!isBusy() && m_importer->extractPdf(pdf, m_commands.loadPdf->iconText()))
            updateCommands();
    });
}

void MainWindow::importFinished(int before, int added, const QString &command)
{
    m_status->progress().end();
    if (added > 0) {
        m_history->recordAdded(command, before, added);
        setModified(true);
        showPages();
        m_pageList->selectPosition(m_pageList->currentPosition(), 0);
    } else if (m_pageList->count() == 0) {
        showEmptyDocument();
    }
    showCount(m_pageList->count());
    updateCommands();
    // Files named together with this one wait for it.
    openPendingFiles();
    if (!isBusy() && std::exchange(m_closeWhenIdle, false))
        close();
}

void MainWindow::openFiles(const QStringList &files)
{
    m_pendingFiles += files;
    openPendingFiles();
}

void MainWindow::openPendingFiles()
{
    // One at a time: each import or project waits for whatever runs before it.
    while (!m_pendingFiles.isEmpty() && !isBusy()) {
        const QString file = m_pendingFiles.takeFirst();
        if (!QFileInfo(file).isFile()) {
            errorMessage(tr("Can't open file %1.").arg(file));
            continue;
        }
        const QString suffix = QFileInfo(file).suffix().toUpper();
        if (suffix == QLatin1String("VLMPJ")) {
            // Pages already in the window (recovered ones too) are not replaced without the
            // save question.
            openProjectFile(file, m_pageList->count() > 0);
        } else if (suffix == QLatin1String("PDF")) {
            // The files after it wait until its import is over (importFinished).
            extractPdf(file);
        } else {
            // The pictures that follow one another are loaded together.
            QStringList images{file};
            while (!m_pendingFiles.isEmpty()) {
                const QFileInfo next(m_pendingFiles.first());
                const QString nextSuffix = next.suffix().toUpper();
                if (!next.isFile() || nextSuffix == QLatin1String("VLMPJ") ||
                    nextSuffix == QLatin1String("PDF"))
                    break;
                images << m_pendingFiles.takeFirst();
            }
            loadImageFiles(images);
        }
    }
}
