#include "app/PageImporter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

#include "core/AppPaths.h"
#include "core/JobRunner.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "export/PdfProgress.h"
#include "import/ImageLoadJob.h"
#include "import/PdfImportJob.h"
#include "import/PdfImportSession.h"
#include "pages/PageListWidget.h"
#include "scan/ScanDefaults.h"

PageImporter::PageImporter(PageListWidget *list, JobRunner *jobs, QWidget *window)
    : QObject(window)
    , m_list(list)
    , m_jobs(jobs)
    , m_window(window)
{
    connect(m_jobs, &JobRunner::progressChanged, this, &PageImporter::jobProgressed);
    connect(m_jobs, &JobRunner::finished, this, &PageImporter::jobEnded);
}

PageImporter::~PageImporter() = default;

ImagePageLoader::Options PageImporter::pageOptions(const QString &folder) const
{
    ImagePageLoader::Options options;
    options.folder = folder;
    options.upright = Settings::readBool(SettingsKeys::AutoUpright, false);
    options.jpegQuality = m_list->store().jpegQuality();
    options.thumbSize = m_list->thumbSize();
    return options;
}

void PageImporter::begin(const QString &command)
{
    m_running = true;
    m_command = command;
    m_before = m_list->count();
    m_added = 0;
    m_loaded.clear();
    m_jobEnd.reset();
}

bool PageImporter::loadImages(const QStringList &files, const QString &command)
{
    if (m_running || m_jobs->isBusy() || files.isEmpty())
        return false;
    QDir().mkpath(AppPaths::tempFolder());
    m_imageFolder =
        std::make_unique<QTemporaryDir>(AppPaths::tempFolder() + QStringLiteral("/open-XXXXXX"));
    begin(command);
    if (!m_imageFolder->isValid() ||
        !m_jobs->start(std::make_unique<ImageLoadJob>(files, pageOptions(m_imageFolder->path())))) {
        emit message(tr("Can't open file %1.").arg(files.first().toHtmlEscaped()));
        end();
        return false;
    }
    return true;
}

bool PageImporter::extractPdf(const QString &pdf, const QString &command)
{
    if (m_running || m_jobs->isBusy())
        return false;
    const QFileInfo info(pdf);
    Settings::write(SettingsKeys::LastPath, info.absoluteFilePath());
    m_pdfSession = std::make_unique<PdfImportSession>(pdf, m_list->thumbSize(),
                                                      ScanDefaults::dpi(ScanDefaults::Good));
    m_pdfSession->setPageOptions(Settings::readBool(SettingsKeys::AutoUpright, false),
                                 m_list->store().jpegQuality());
    begin(command);
    if (!m_pdfSession->isValid()) {
        emit message(tr("Can't open file %1.").arg(info.fileName().toHtmlEscaped()));
        end();
        return false;
    }
    startPdfJob();
    return true;
}

void PageImporter::startPdfJob()
{
    auto *progress = new PdfProgress(1, m_window);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->start();
    progress->setText(m_pdfSession->isDrawing() ? tr("Drawing the pages of the PDF file.")
                                                : tr("Extracting images from PDF file."));
    // Cancel from the start: reading a damaged file may take long before the first image.
    progress->setValue(0);
    progress->setWindowModality(Qt::WindowModal);
    connect(progress, &PdfProgress::cancelled, m_jobs, &JobRunner::cancel);
    m_progress = progress;
    if (!m_jobs->start(m_pdfSession->nextJob())) {
        progress->finish();
        progress->close();
        end();
        return;
    }
    progress->open();
}

void PageImporter::jobProgressed(int done, int total)
{
    if (!m_running)
        return;
    Job *job = m_jobs->job();
    if (auto *images = dynamic_cast<ImageLoadJob *>(job)) {
        m_loaded += images->takeLoaded();
    } else if (auto *pdf = dynamic_cast<PdfImportJob *>(job)) {
        m_loaded += pdf->takeImages();
        if (m_progress) {
            m_progress->setRange(0, total);
            m_progress->setValue(done);
        }
    } else {
        return;
    }
    scheduleAdding();
}

void PageImporter::jobEnded(Job *job, Job::Outcome)
{
    if (!m_running)
        return;
    if (auto *images = dynamic_cast<ImageLoadJob *>(job)) {
        m_loaded += images->takeLoaded();
        m_jobEnd = JobEnd{};
    } else if (auto *pdf = dynamic_cast<PdfImportJob *>(job)) {
        m_loaded += pdf->takeImages();
        m_jobEnd = JobEnd{true, pdf->importOutcome(), pdf->skipped()};
        if (m_progress) {
            m_progress->finish();
            m_progress->close();
        }
    } else {
        return;
    }
    scheduleAdding();
}

void PageImporter::scheduleAdding()
{
    if (m_addingScheduled)
        return;
    m_addingScheduled = true;
    // A timer, not a posted call: timers and input get their turn between two slices.
    QTimer::singleShot(1, Qt::PreciseTimer, this, &PageImporter::addLoaded);
}

void PageImporter::addLoaded()
{
    m_addingScheduled = false;
    if (!m_running)
        return;
    QElapsedTimer clock;
    clock.start();
    {
        const QSignalBlocker blocker(m_list);
        while (!m_loaded.isEmpty() && clock.elapsed() < AddSliceMs)
            add(m_loaded.takeFirst());
    }
    emit countChanged(m_list->count());
    if (!m_loaded.isEmpty())
        scheduleAdding();
    else if (m_jobEnd)
        jobPagesAdded();
}

void PageImporter::add(const ImagePageLoader::Result &loaded)
{
    emit uprightUnavailable(loaded.upright);
    const QString name = QFileInfo(loaded.file).fileName();
    switch (loaded.problem) {
    case ImagePageLoader::Problem::TooLarge:
        emit message(tr("Sorry, can't load file %1.<br>The image is too large: %2 x %3 pixels.")
                         .arg(name.toHtmlEscaped())
                         .arg(loaded.size.width())
                         .arg(loaded.size.height()));
        return;
    case ImagePageLoader::Problem::Unreadable:
        emit message(tr("Sorry, can't load file. Wrong file format.<br>%1").arg(name));
        return;
    case ImagePageLoader::Problem::Damaged:
    case ImagePageLoader::Problem::None:
        break;
    }
    int added = 0;
    for (const ImagePageLoader::Page &page : loaded.pages) {
        // Prepared files are moved in; a page without them is written from its picture.
        if (!page.jpeg.isEmpty() &&
            m_list->addJpegFile(page.jpeg, page.thumbnail, PageStore::FileUse::Move))
            ++added;
        else if (!page.image.isNull() && m_list->addImage(page.image, page.blackAndWhite))
            ++added;
    }
    m_added += added;
    if (added > 0 && !m_pdfSession)
        Settings::write(SettingsKeys::LastPath, QFileInfo(loaded.file).absoluteFilePath());
    if (loaded.problem == ImagePageLoader::Problem::Damaged)
        emit message(tr("The file %1 is damaged: part of its picture may be missing.")
                         .arg(name.toHtmlEscaped()));
}

void PageImporter::jobPagesAdded()
{
    const JobEnd ended = *std::exchange(m_jobEnd, std::nullopt);
    if (!ended.pdf)
        return end();
    const QString name = QFileInfo(m_pdfSession->pdf()).fileName().toHtmlEscaped();
    if (ended.outcome == PdfImport::Outcome::CannotOpen)
        emit message(tr("Can't open file %1.").arg(name));
    if (!ended.skipped.isEmpty()) {
        QStringList lines;
        for (const QString &line : ended.skipped)
            lines << line.toHtmlEscaped();
        emit message(tr("Can't extract image.") + QStringLiteral("<br>") +
                     lines.join(QStringLiteral("<br>")));
    }
    switch (m_pdfSession->jobEnded(ended.outcome, m_added)) {
    case PdfImportSession::Next::AskPassword:
        return askPassword();
    case PdfImportSession::Next::OfferDrawing:
        return offerDrawing(m_pdfSession->drawingDpi());
    case PdfImportSession::Next::Done:
        break;
    }
    if (m_added == 0 && ended.outcome == PdfImport::Outcome::NoImages)
        emit message(tr("This PDF file doesn't contain images."));
    end();
}

void PageImporter::askPassword()
{
    auto *dialog = new QInputDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Vellumo"));
    dialog->setLabelText(m_pdfSession->passwordPrompt());
    dialog->setTextEchoMode(QLineEdit::Password);
    connect(dialog, &QInputDialog::finished, this, [this, dialog](int result) {
        const QString password = dialog->textValue();
        if (result != QDialog::Accepted || password.isEmpty())
            return end();
        m_pdfSession->setPassword(password);
        startPdfJob();
    });
    dialog->open();
}

void PageImporter::offerDrawing(int dpi)
{
    auto *box =
        new QMessageBox(QMessageBox::Information, QString(ProgramInfo::ApplicationName),
                        tr("This PDF file doesn't contain images."), QMessageBox::Close, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(tr("Its pages can be drawn as images instead, at %1 dpi.").arg(dpi));
    QPushButton *render = box->addButton(tr("&Draw Pages"), QMessageBox::AcceptRole);
    box->setDefaultButton(render);
    connect(box, &QMessageBox::finished, this, [this, box, render] {
        if (box->clickedButton() != render)
            return end();
        // Pages made of text and drawings still become pages, drawn at the Good resolution.
        m_pdfSession->drawPages();
        startPdfJob();
    });
    box->open();
}

void PageImporter::end()
{
    const int before = m_before;
    const int added = m_list->count() - before;
    m_running = false;
    m_pdfSession.reset();
    m_imageFolder.reset();
    m_loaded.clear();
    m_jobEnd.reset();
    emit finished(before, added, m_command);
}
