// The main window's export commands and the reports of their results.

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/MainWindow.h"
#include "core/Settings.h"
#include "core/SettingsKeys.h"
#include "export/ExportDlg.h"
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

} // namespace

void MainWindow::buildPdf()
{
    ExportDlg dialog(this);
    connect(&dialog, &ExportDlg::applied, this, &MainWindow::exported);
    connect(&dialog, &ExportDlg::failed, this, &MainWindow::exportFailed);
    dialog.setFiles(m_pageList->exportPaths());
    dialog.exec();
}

void MainWindow::exported(const QString &path)
{
    errorMessage(tr("PDF file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    m_pageList->uncheckAll();
    openIfWanted(SettingsKeys::NeedOpen, path);
}

void MainWindow::exportFailed(const QString &path)
{
    // One failure, one pop-up: the hint follows the file name, as for the other exports.
    errorMessage(tr("Error while PDF file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)));
}

void MainWindow::exportedWord(const QString &path)
{
    errorMessage(tr("Word file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::WordNeedOpen, path);
}

void MainWindow::exportedWordFailed(const QString &path)
{
    errorMessage(tr("Error while Word file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)));
}

void MainWindow::exportedDjvu(const QString &path)
{
    errorMessage(tr("DjVu file was created.<br>Open <a href=\"%1\">%2</a>")
                     .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::DjvuNeedOpen, path);
}

void MainWindow::exportedDjvuFailed(const QString &path)
{
    errorMessage(tr("Error while DjVu file creating.<br>Can't write file %1. Probably, file is "
                    "opened or you can't write to folder.")
                     .arg(fileName(path)));
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
