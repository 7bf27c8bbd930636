// The main window's PDF import: the images of a PDF file become pages, extracted in a child
// process so that no PDF can take the window down.

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "export/PdfProgress.h"
#include "import/PdfImport.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

namespace {

// The Good scan resolution when the settings hold none, in dots per inch.
constexpr int GoodDpi = 300;

} // namespace

void MainWindow::loadPdf()
{
    const QString start =
        AppPaths::dialogStart(Settings::readString(SettingsKeys::LastPath, QString()));
    const QString file = QFileDialog::getOpenFileName(this, tr("Extract images from PDF"), start,
                                                      tr("PDF File (*.pdf)"));
    if (!file.isEmpty())
        extractPdf(file);
}

void MainWindow::extractPdf(const QString &pdf)
{
    if (!prepareEmptyWorkingFolder())
        return;
    const int before = m_pageList->count();
    const auto record = qScopeGuard([this, before] {
        if (m_pageList->count() > before)
            m_history->recordAdded(m_commands.loadPdf->iconText(), before,
                                   m_pageList->count() - before);
    });
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QFileInfo info(pdf);
    Settings::write(SettingsKeys::LastPath, info.absoluteFilePath());
    const QString name = info.fileName().toHtmlEscaped();

    // The images land in a private folder and leave it as soon as they are pages.
    QDir().mkpath(AppPaths::tempFolder());
    QTemporaryDir folder(AppPaths::tempFolder() + QStringLiteral("/pdf-XXXXXX"));
    if (!folder.isValid()) {
        errorMessage(tr("Can't open file %1.").arg(name));
        return;
    }

    QString password;
    int renderDpi = 0;
    while (true) {
        PdfProgress progress(1, this);
        progress.start();
        progress.setText(renderDpi > 0 ? tr("Drawing the pages of the PDF file.")
                                       : tr("Extracting images from PDF file."));
        // Cancel from the start: reading a damaged file may take long before the first image.
        progress.setValue(0);
        progress.setWindowModality(Qt::WindowModal);
        progress.open();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        int added = 0;
        PdfImport import;
        // The child makes the JPEG pages' thumbnails on its spare cores.
        import.setThumbnailSize(m_pageList->thumbSize());
        import.setRenderDpi(renderDpi);
        PdfImport::Outcome outcome;
        {
            const QSignalBlocker blocker(m_pageList);
            PdfImport::Callbacks callbacks;
            callbacks.total = [&progress](int total) {
                progress.setRange(0, qMax(1, total));
            };
            callbacks.image = [&](int index, const QString &file) {
                progress.setValue(index);
                const QString thumbnail = PdfImport::thumbnailPath(file);
                // The extracted files are the window's own: moved into pages, not copied.
                added += addPagesFromFile(file, thumbnail, PageStore::FileUse::Move);
                QFile::remove(file);
                QFile::remove(thumbnail);
                return !progress.isCancelled();
            };
            callbacks.stop = [&progress] {
                return progress.isCancelled();
            };
            while (true) {
                outcome = import.run(info.absoluteFilePath(), password, folder.path(), callbacks);
                if (outcome != PdfImport::Outcome::PasswordNeeded)
                    break;
                bool given = false;
                const QString prompt =
                    (password.isEmpty() ? QString() : tr("The password is not right.") + u'\n') +
                    tr("The PDF file %1 is protected by a password.").arg(info.fileName());
                password = QInputDialog::getText(&progress, tr("Vellumo"), prompt,
                                                 QLineEdit::Password, QString(), &given);
                if (!given || password.isEmpty())
                    break;
            }
        }

        showCount(m_pageList->count());
        progress.finish();
        progress.close();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (outcome == PdfImport::Outcome::CannotOpen)
            errorMessage(tr("Can't open file %1.").arg(name));
        if (!import.skipped().isEmpty()) {
            QStringList lines;
            for (const QString &line : import.skipped())
                lines << line.toHtmlEscaped();
            errorMessage(tr("Can't extract image.") + QStringLiteral("<br>") +
                         lines.join(QStringLiteral("<br>")));
        }
        if (added > 0) {
            setModified(true);
            showPages();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            m_pageList->selectPosition(m_pageList->currentPosition(), 0);
            return;
        }
        if (outcome == PdfImport::Outcome::NoImages && renderDpi == 0) {
            // Pages made of text and drawings can still become pages: drawn at the Good scan
            // resolution.
            const int dpi = Settings::readInt(SettingsKeys::GoodQuality, GoodDpi);
            if (offerRendering(dpi)) {
                renderDpi = dpi;
                continue;
            }
        } else if (outcome == PdfImport::Outcome::NoImages) {
            errorMessage(tr("This PDF file doesn't contain images."));
        }
        if (m_pageList->count() == 0)
            showEmptyDocument();
        return;
    }
}

bool MainWindow::offerRendering(int dpi)
{
    QMessageBox box(QMessageBox::Information, QString(ProgramInfo::ApplicationName),
                    tr("This PDF file doesn't contain images."), QMessageBox::Close, this);
    box.setInformativeText(tr("Its pages can be drawn as images instead, at %1 dpi.").arg(dpi));
    QPushButton *render = box.addButton(tr("&Draw Pages"), QMessageBox::AcceptRole);
    box.setDefaultButton(render);
    box.exec();
    return box.clickedButton() == render;
}
