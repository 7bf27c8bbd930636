// The main window's export commands and the reports of their results.

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/LogCategories.h"
#include "core/Settings.h"
#include "core/SettingsKeys.h"
#include "export/ExportDjvuDlg.h"
#include "export/ExportDlg.h"
#include "export/ExportFileDlg.h"
#include "export/ExportWordDlg.h"
#include "export/ImageExporter.h"
#include "imaging/ImageEditor.h"
#include "pages/PageListWidget.h"

namespace {

// The href of a result link: a local-file URL, encoded so that no character of the path can
// end the HTML attribute.
QString fileLink(const QString &path)
{
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(path)).toString(QUrl::FullyEncoded);
}

QString fileName(const QString &path)
{
    return QFileInfo(QDir::fromNativeSeparators(path)).fileName().toHtmlEscaped();
}

// Hands a written file or folder to the desktop's default application when the export dialog
// asked for that. Read now, so it is what the dialog saved just before.
void openIfWanted(SettingsKeys::Key key, const QString &path)
{
    if (Settings::readBool(key, false))
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
}

// The writer's reason on a line of its own after a message; nothing without one.
QString withReason(const QString &reason)
{
    return reason.isEmpty() ? QString() : QStringLiteral("<br>") + reason.toHtmlEscaped();
}

} // namespace

void MainWindow::buildPdf()
{
    // Opened, not run: the PDF is written as the window's job, and the results come as signals.
    auto *dialog = new ExportDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    connect(dialog, &ExportDlg::applied, this, &MainWindow::exported);
    connect(dialog, &ExportDlg::failed, this,
            [this, dialog](const QString &path) { exportFailed(path, dialog->errorString()); });
    dialog->setFiles(m_pageList->exportPaths());
    dialog->open();
}

void MainWindow::buildWord()
{
    auto *dialog = new ExportWordDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    connect(dialog, &ExportWordDlg::applied, this, &MainWindow::exportedWord);
    connect(dialog, &ExportWordDlg::failed, this, [this, dialog](const QString &path) {
        exportedWordFailed(path, dialog->errorString());
    });
    dialog->setFiles(m_pageList->exportPaths());
    dialog->open();
}

void MainWindow::buildDjvu()
{
    auto *dialog = new ExportDjvuDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    connect(dialog, &ExportDjvuDlg::applied, this, &MainWindow::exportedDjvu);
    connect(dialog, &ExportDjvuDlg::failed, this, [this, dialog](const QString &path) {
        exportedDjvuFailed(path, dialog->errorString());
    });
    dialog->setFiles(m_pageList->exportPaths());
    dialog->open();
}

void MainWindow::exportFiles()
{
    auto *dialog = new ExportFileDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    connect(dialog, &ExportFileDlg::applied, this, &MainWindow::exportedImages);
    connect(dialog, &ExportFileDlg::failed, this, &MainWindow::exportImageFailed);
    connect(dialog, &ExportFileDlg::errorAppeared, this, &MainWindow::errorMessage);
    dialog->setFiles(m_pageList->exportPaths());
    dialog->open();
}

void MainWindow::savePage()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::SaveImagePath, QString()),
                              AppPaths::StartKind::Pictures);
    QString filter;
    QString file = QFileDialog::getSaveFileName(
        this, tr("Save Image"), start,
        tr("JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)"), &filter);
    if (file.isEmpty())
        return;
    // A name typed without a known suffix takes the chosen type's.
    static const QStringList suffixes{QStringLiteral("jpg"),  QStringLiteral("jpeg"),
                                      QStringLiteral("tiff"), QStringLiteral("tif"),
                                      QStringLiteral("bmp"),  QStringLiteral("png")};
    if (!suffixes.contains(QFileInfo(file).suffix().toLower())) {
        const qsizetype star = filter.indexOf(QLatin1String("*."));
        if (star >= 0)
            file += filter.mid(star + 1).chopped(1);
    }
    Settings::write(SettingsKeys::SaveImagePath, QFileInfo(file).absolutePath());
    QString error;
    if (ImageExporter::saveImage(m_editor->image(), file, &error)) {
        errorMessage(tr("The page has been saved to %1.").arg(QFileInfo(file).fileName()));
    } else {
        qCWarning(lcExport).noquote() << "Saving the page to" << file << "failed:" << error;
        errorMessage(tr("Can't save the image to %1.").arg(file));
    }
}

void MainWindow::exported(const QString &path)
{
    errorMessage(tr("PDF file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    m_pageList->uncheckAll();
    openIfWanted(SettingsKeys::NeedOpen, path);
}

void MainWindow::exportFailed(const QString &path, const QString &reason)
{
    // One failure, one pop-up: the hint follows the file name, as for the other exports, and
    // the writer's reason (which page, what went wrong) follows the hint.
    errorMessage(tr("Error while PDF file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)) +
                 withReason(reason));
}

void MainWindow::exportedWord(const QString &path)
{
    errorMessage(tr("Word file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::WordNeedOpen, path);
}

void MainWindow::exportedWordFailed(const QString &path, const QString &reason)
{
    errorMessage(tr("Error while Word file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)) +
                 withReason(reason));
}

void MainWindow::exportedDjvu(const QString &path)
{
    errorMessage(tr("DjVu file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::DjvuNeedOpen, path);
}

void MainWindow::exportedDjvuFailed(const QString &path, const QString &reason)
{
    errorMessage(tr("Error while DjVu file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)) +
                 withReason(reason));
}

void MainWindow::exportedImages(const QString &folder)
{
    // The folder arrives with a trailing separator; its own name is the last non-empty part.
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    errorMessage(tr("Images was saved.<br>Open folder <a href=\"%1\">%2</a>")
                     .arg(fileLink(folder), QFileInfo(clean).fileName().toHtmlEscaped()));
    openIfWanted(SettingsKeys::ImageNeedOpen, folder);
}

void MainWindow::exportImageFailed(const QString &path)
{
    errorMessage(tr("Error while Image file creating.<br>Can't write file %1. Probably, file is "
                    "opened.")
                     .arg(fileName(path)));
}
