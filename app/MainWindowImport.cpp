// The main window's PDF import: the images of a PDF file become pages, extracted in a child
// process (so that no PDF can take the window down) run as a job; pages appear as the images
// arrive, and the password question and the offer to draw the pages answer through signals.

#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/JobRunner.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "export/PdfProgress.h"
#include "import/PdfImport.h"
#include "import/PdfImportJob.h"
#include "import/PdfImportSession.h"
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
    if (m_pdfSession || isBusy() || !prepareEmptyWorkingFolder())
        return;
    const QFileInfo info(pdf);
    Settings::write(SettingsKeys::LastPath, info.absoluteFilePath());
    m_pdfSession = std::make_unique<PdfImportSession>(
        pdf, m_pageList->thumbSize(), Settings::readInt(SettingsKeys::GoodQuality, GoodDpi));
    m_pdfPagesBefore = m_pageList->count();
    m_pdfAdded = 0;
    if (!m_pdfSession->isValid()) {
        errorMessage(tr("Can't open file %1.").arg(info.fileName().toHtmlEscaped()));
        endPdfImport();
        return;
    }
    updateCommands();
    startPdfJob();
}

void MainWindow::startPdfJob()
{
    auto *progress = new PdfProgress(1, this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->start();
    progress->setText(m_pdfSession->isDrawing() ? tr("Drawing the pages of the PDF file.")
                                                : tr("Extracting images from PDF file."));
    // Cancel from the start: reading a damaged file may take long before the first image.
    progress->setValue(0);
    progress->setWindowModality(Qt::WindowModal);
    connect(progress, &PdfProgress::cancelled, m_jobs, &JobRunner::cancel);
    m_jobProgress = progress;
    if (!m_jobs->start(m_pdfSession->nextJob())) {
        progress->finish();
        progress->close();
        endPdfImport();
        return;
    }
    progress->open();
}

void MainWindow::takePdfImages(PdfImportJob &job)
{
    for (const PdfImportJob::Image &image : job.takeImages())
        m_pdfImages.append({image.file, image.thumbnail});
    scheduleAddingPdfImages();
}

void MainWindow::scheduleAddingPdfImages()
{
    if (m_pdfAddingScheduled)
        return;
    m_pdfAddingScheduled = true;
    // A timer, not a posted call: timers and input get their turn between two slices.
    QTimer::singleShot(1, Qt::PreciseTimer, this, &MainWindow::addPdfImages);
}

void MainWindow::addPdfImages()
{
    m_pdfAddingScheduled = false;
    if (!m_pdfSession)
        return;
    // A few pages at a time, so that the window answers between them; the rest at the next
    // turn of the event loop.
    QElapsedTimer clock;
    clock.start();
    {
        const QSignalBlocker blocker(m_pageList);
        while (!m_pdfImages.isEmpty() && clock.elapsed() < PdfAddSliceMs) {
            const auto [file, thumbnail] = m_pdfImages.takeFirst();
            // The extracted files are the window's own: moved into pages, not copied.
            m_pdfAdded += addPagesFromFile(file, thumbnail, PageStore::FileUse::Move);
            QFile::remove(file);
            QFile::remove(thumbnail);
        }
    }
    showCount(m_pageList->count());
    if (!m_pdfImages.isEmpty())
        scheduleAddingPdfImages();
    else if (m_pdfEnd)
        pdfImagesAdded();
}

void MainWindow::pdfJobEnded(PdfImportJob &job)
{
    m_pdfEnd = PdfJobEnd{job.importOutcome(), job.skipped()};
    takePdfImages(job);
}

void MainWindow::pdfImagesAdded()
{
    const PdfJobEnd end = *std::exchange(m_pdfEnd, std::nullopt);
    const QString name = QFileInfo(m_pdfSession->pdf()).fileName().toHtmlEscaped();
    if (end.outcome == PdfImport::Outcome::CannotOpen)
        errorMessage(tr("Can't open file %1.").arg(name));
    if (!end.skipped.isEmpty()) {
        QStringList lines;
        for (const QString &line : end.skipped)
            lines << line.toHtmlEscaped();
        errorMessage(tr("Can't extract image.") + QStringLiteral("<br>") +
                     lines.join(QStringLiteral("<br>")));
    }
    switch (m_pdfSession->jobEnded(end.outcome, m_pdfAdded)) {
    case PdfImportSession::Next::AskPassword: {
        auto *dialog = new QInputDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowTitle(tr("Vellumo"));
        dialog->setLabelText(m_pdfSession->passwordPrompt());
        dialog->setTextEchoMode(QLineEdit::Password);
        connect(dialog, &QInputDialog::finished, this, [this, dialog](int result) {
            const QString password = dialog->textValue();
            if (result != QDialog::Accepted || password.isEmpty())
                return endPdfImport();
            m_pdfSession->setPassword(password);
            startPdfJob();
        });
        dialog->open();
        return;
    }
    case PdfImportSession::Next::OfferDrawing:
        offerRendering(m_pdfSession->drawingDpi());
        return;
    case PdfImportSession::Next::Done:
        break;
    }
    if (m_pdfAdded == 0 && end.outcome == PdfImport::Outcome::NoImages)
        errorMessage(tr("This PDF file doesn't contain images."));
    endPdfImport();
}

void MainWindow::endPdfImport()
{
    const int before = m_pdfPagesBefore;
    m_pdfSession.reset();
    m_pdfImages.clear();
    m_pdfEnd.reset();
    if (m_pageList->count() > before) {
        m_history->recordAdded(m_commands.loadPdf->iconText(), before,
                               m_pageList->count() - before);
        setModified(true);
        showPages();
        m_pageList->selectPosition(m_pageList->currentPosition(), 0);
    } else if (m_pageList->count() == 0) {
        showEmptyDocument();
    }
    updateCommands();
    // Files named together with this one wait for it.
    openPendingFiles();
}

void MainWindow::offerRendering(int dpi)
{
    auto *box =
        new QMessageBox(QMessageBox::Information, QString(ProgramInfo::ApplicationName),
                        tr("This PDF file doesn't contain images."), QMessageBox::Close, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(tr("Its pages can be drawn as images instead, at %1 dpi.").arg(dpi));
    QPushButton *render = box->addButton(tr("&Draw Pages"), QMessageBox::AcceptRole);
    box->setDefaultButton(render);
    connect(box, &QMessageBox::finished, this, [this, box, render] {
        if (box->clickedButton() != render)
            return endPdfImport();
        // Pages made of text and drawings still become pages, drawn at the Good resolution.
        m_pdfSession->drawPages();
        startPdfJob();
    });
    box->open();
}
