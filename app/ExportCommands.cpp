#include "app/ExportCommands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

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

ExportCommands::ExportCommands(PageListWidget *list, ImageEditor *editor, JobRunner *jobs,
                               QWidget *window, std::function<void(const QString &)> message)
    : m_list(list)
    , m_editor(editor)
    , m_jobs(jobs)
    , m_window(window)
    , m_message(std::move(message))
{
}

template <typename Dialog>
void ExportCommands::openDocumentDialog(void (ExportCommands::*written)(const QString &),
                                        void (ExportCommands::*failed)(const QString &,
                                                                       const QString &))
{
    // Opened, not run: the document is written as the window's job, and the results come as
    // signals.
    auto *dialog = new Dialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    QObject::connect(dialog, &Dialog::applied, m_window,
                     [this, written](const QString &path) { (this->*written)(path); });
    QObject::connect(dialog, &Dialog::failed, m_window,
                     [this, dialog, failed](const QString &path) {
                         (this->*failed)(path, dialog->errorString());
                     });
    dialog->setFiles(m_list->exportPaths());
    dialog->open();
}

void ExportCommands::buildPdf()
{
    openDocumentDialog<ExportDlg>(&ExportCommands::pdfWritten, &ExportCommands::pdfFailed);
}

void ExportCommands::buildWord()
{
    openDocumentDialog<ExportWordDlg>(&ExportCommands::wordWritten, &ExportCommands::wordFailed);
}

void ExportCommands::buildDjvu()
{
    openDocumentDialog<ExportDjvuDlg>(&ExportCommands::djvuWritten, &ExportCommands::djvuFailed);
}

void ExportCommands::exportFiles()
{
    auto *dialog = new ExportFileDlg(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setJobRunner(m_jobs);
    QObject::connect(dialog, &ExportFileDlg::applied, m_window,
                     [this](const QString &folder) { imagesWritten(folder); });
    QObject::connect(dialog, &ExportFileDlg::failed, m_window,
                     [this](const QString &path) { imagesFailed(path); });
    QObject::connect(dialog, &ExportFileDlg::errorAppeared, m_window,
                     [this](const QString &text) { m_message(text); });
    dialog->setFiles(m_list->exportPaths());
    dialog->open();
}

void ExportCommands::savePage()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::SaveImagePath, QString()),
                              AppPaths::StartKind::Pictures);
    auto *dialog = new QFileDialog(
        m_window, tr("Save Image"), start,
        tr("JPEG file (*.jpg);;TIFF file (*.tiff);;BMP file (*.bmp);;PNG file (*.png)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, m_window,
        [this, dialog](const QString &file) { savePageTo(file, dialog->selectedNameFilter()); });
    dialog->open();
}

void ExportCommands::savePageTo(QString file, const QString &filter)
{
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
        m_message(tr("The page has been saved to %1.").arg(QFileInfo(file).fileName()));
    } else {
        qCWarning(lcExport).noquote() << "Saving the page to" << file << "failed:" << error;
        m_message(tr("Can't save the image to %1.").arg(file));
    }
}

void ExportCommands::pdfWritten(const QString &path)
{
    m_message(tr("PDF file was created.<br>Open <a href=\"%1\">%2</a>")
                  .arg(fileLink(path), fileName(path)));
    m_list->uncheckAll();
    openIfWanted(SettingsKeys::NeedOpen, path);
}

void ExportCommands::pdfFailed(const QString &path, const QString &reason)
{
    // One failure, one pop-up: the hint follows the file name, as for the other exports, and
    // the writer's reason (which page, what went wrong) follows the hint.
    m_message(tr("Error while PDF file creating.<br>Can't write file %1. Probably, file is "
                 "opened or you can't write to folder.")
                  .arg(fileName(path)) +
              withReason(reason));
}

void ExportCommands::wordWritten(const QString &path)
{
    m_message(tr("Word file was created.<br>Open <a href=\"%1\">%2</a>")
                  .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::WordNeedOpen, path);
}

void ExportCommands::wordFailed(const QString &path, const QString &reason)
{
    m_message(tr("Error while Word file creating.<br>Can't write file %1. Probably, file is "
                 "opened or you can't write to folder.")
                  .arg(fileName(path)) +
              withReason(reason));
}

void ExportCommands::djvuWritten(const QString &path)
{
    m_message(tr("DjVu file was created.<br>Open <a href=\"%1\">%2</a>")
                  .arg(fileLink(path), fileName(path)));
    openIfWanted(SettingsKeys::DjvuNeedOpen, path);
}

void ExportCommands::djvuFailed(const QString &path, const QString &reason)
{
    m_message(tr("Error while DjVu file creating.<br>Can't write file %1. Probably, file is "
                 "opened or you can't write to folder.")
                  .arg(fileName(path)) +
              withReason(reason));
}

void ExportCommands::imagesWritten(const QString &folder)
{
    // The folder arrives with a trailing separator; its own name is the last non-empty part.
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    m_message(tr("Images was saved.<br>Open folder <a href=\"%1\">%2</a>")
                  .arg(fileLink(folder), QFileInfo(clean).fileName().toHtmlEscaped()));
    openIfWanted(SettingsKeys::ImageNeedOpen, folder);
}

void ExportCommands::imagesFailed(const QString &path)
{
    m_message(tr("Error while Image file creating.<br>Can't write file %1. Probably, file is "
                 "opened.")
                  .arg(fileName(path)));
}
