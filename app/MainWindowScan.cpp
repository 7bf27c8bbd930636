// The main window's side of scanning: the scanner list and the two choosers, the commands that
// start a scan, and what happens to every delivered image before it becomes a page.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <utility>

#include "app/MainWindow.h"
#include "app/ScanChoosers.h"
#include "core/AppPaths.h"
#include "core/FileOperations.h"
#include "core/JobRunner.h"
#include "core/Settings.h"
#include "core/ToolLocator.h"
#include "imaging/ImageEditor.h"
#include "imaging/PageProcessor.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "scan/AfterScanJob.h"
#include "scan/AfterScanPipeline.h"
#include "scan/AutoScanWizard.h"
#include "scan/EzPrevScan.h"
#include "scan/HImage.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/ScanPreviewDlg.h"
#include "scan/ScannerThread.h"

void MainWindow::buildScanner()
{
    // Owned by the window, not parented to it: it must end (and its thread stop using the
    // scanner choice) before the window's members go.
    m_scanner =
        std::make_unique<ScannerThread>(std::make_unique<SaneScannerLibrary>(&m_scannerChoice));
    m_scannerView->setScanner(m_scanner.get());
    connect(m_scanner.get(), &ScannerThread::sourcesListed, this, &MainWindow::scannersListed);
    connect(m_scanner.get(), &ScannerThread::previewReady, this, &MainWindow::showScanPreview);
    connect(m_scannerView, &EzPrevScan::scanFinished, this, &MainWindow::scanFinished);
}

ScannerLibrary *MainWindow::scannerLibrary() const
{
    return m_scanner ? m_scanner->library() : nullptr;
}

void MainWindow::showScanPreview(const HImage &preview)
{
    // The scanner thread waits for the answer; the dialog gives it when it closes.
    auto *dialog = new ScanPreviewDlg(m_scanOwner ? m_scanOwner.data() : this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPreview(preview);
    connect(dialog, &QDialog::finished, m_scanner.get(), [scanner = m_scanner.get()](int result) {
        scanner->answerPreview(result == QDialog::Accepted);
    });
    dialog->open();
}

void MainWindow::fillScannerList()
{
    // Listing may take seconds while SANE's backends probe: the window, the recovery offer and
    // a project named on the command line do not wait for it. Scanning waits.
    m_scannerListReady = false;
    m_scannersFound = false;
    updateCommands();
    m_choosers->fill();
    if (m_scanner)
        m_scanner->listSources();
    else
        scannersListed({}, -1);
}

void MainWindow::scannersListed(const QStringList &names, int current)
{
    const bool choosing = std::exchange(m_chooseWhenListed, false);
    // Said at the first listing, and when the user looks for a scanner; not after a choice.
    if (names.isEmpty() && (!m_scannerListReady || choosing))
        errorMessage(tr("Scanners not found.<br>Please plug a scanner."));
    m_scannersFound = !names.isEmpty();
    updateCommands();
    Settings::write(SettingsKeys::Scanners, names.join(QStringLiteral("--")));
    m_scannerListReady = true;
    showChosenScanner();
    if (choosing && !names.isEmpty())
        ScanChoosers::askScanner(this, names, current, [this](int index) {
            if (m_scanner)
                m_scanner->chooseSource(index);
        });
}

void MainWindow::refreshQualities()
{
    m_choosers->refreshQualities();
}

void MainWindow::selectSource()
{
    // Listed afresh (a scanner may have been plugged in since); the choice follows the list.
    if (!m_scanner)
        return;
    m_chooseWhenListed = true;
    m_scanner->listSources();
}

void MainWindow::showChosenScanner()
{
    // The chosen scanner's name, shortened to the button, once there is one.
    const QString name = m_scanner ? m_scanner->currentSourceName() : QString();
    QPushButton *button = m_commands.selectScanner;
    const int room = qMax(40, button->width() - 2 * button->fontMetrics().averageCharWidth() - 8);
    button->setText(name.isEmpty() ? tr("Select Scanner")
                                   : button->fontMetrics().elidedText(name, Qt::ElideRight, room));
    button->setToolTip(name.isEmpty() ? tr("Select Scanner")
                                      : tr("Select Scanner") + QStringLiteral(": ") + name);
}

void MainWindow::scanPage()
{
    m_singlePage = true;
    m_rescan = false;
    startScan(true, this);
}

void MainWindow::rescanPage()
{
    const int position = m_pageList->currentPosition();
    if (position < 0)
        return;
    const auto rescan = [this] {
        m_rescan = true;
        m_singlePage = false;
        startScan(true, this);
    };
    // A page from a file or a PDF has no second original: the user confirms replacing it.
    if (m_scannedSources.contains(
            FileOperations::identity(m_pageList->store().sourcePath(position))))
        rescan();
    else
        askThen(tr("Replace this page with a new scan?"), rescan);
}

void MainWindow::autoScan()
{
    m_autoScanPages = 0;
    m_autoScanWizard->setBookMode(true);
    m_autoScanWizard->restart();
    // Answers through its signals; whatever ends it, later scans are single pages again
    // (connected where the wizard is made).
    m_autoScanWizard->open();
}

void MainWindow::startAutoScan()
{
    m_singlePage = false;
    m_rescan = false;
    if (m_scannerView->isScanning()) {
        // A feeder run may still be delivering sheets when the countdown ends: the next scan
        // starts once it is over, as long as the wizard still waits for it.
        QTimer::singleShot(AutoScanRetryMs, this, [this] {
            if (m_autoScanWizard->isVisible() &&
                m_autoScanWizard->currentId() == AutoScanWizard::ScanPageId)
                startAutoScan();
        });
        return;
    }
    startScan(false, m_autoScanWizard);
}

void MainWindow::cancelAutoScan()
{
    disconnect(m_scannerView, &EzPrevScan::percentScan, m_autoScanWizard,
               &AutoScanWizard::scanPercent);
    disconnect(m_scannerView, &EzPrevScan::failedScan, m_autoScanWizard, &AutoScanWizard::finish);
    disconnect(m_autoScanWizard, &AutoScanWizard::cancelScan, this, &MainWindow::cancelAutoScan);
    disconnect(m_scannerView, &EzPrevScan::pageScanned, m_autoScanWizard,
               &AutoScanWizard::pageScanned);
}

void MainWindow::connectAutoScan()
{
    // After the window's own connections, so the page is stored before the wizard moves on.
    connect(m_scannerView, &EzPrevScan::percentScan, m_autoScanWizard, &AutoScanWizard::scanPercent,
            Qt::UniqueConnection);
    connect(m_scannerView, &EzPrevScan::failedScan, m_autoScanWizard, &AutoScanWizard::finish,
            Qt::UniqueConnection);
    connect(m_autoScanWizard, &AutoScanWizard::cancelScan, this, &MainWindow::cancelAutoScan,
            Qt::UniqueConnection);
    connect(m_scannerView, &EzPrevScan::pageScanned, m_autoScanWizard, &AutoScanWizard::pageScanned,
            Qt::UniqueConnection);
}

void MainWindow::startScan(bool showFrame, QWidget *owner)
{
    if (m_scannerView->isScanning())
        return;
    // Into an empty list: what an earlier run left is offered back (or cleared) first.
    prepareEmptyWorkingFolder([this, showFrame, owner = QPointer<QWidget>(owner)] {
        if (!m_scannerView->isScanning() && !isBusy() && owner)
            beginScan(showFrame, owner);
    });
}

void MainWindow::beginScan(bool showFrame, QWidget *owner)
{
    m_toolMissingSaid = false;
    if (showFrame)
        m_workArea->setCurrentIndex(ScannerPage);
    const int pixelType = m_commands.colorChooser->currentData().toInt();
    const int dpi = m_commands.qualityChooser->currentData().toInt();
    Settings::write(SettingsKeys::Resolution, dpi);
    Settings::write(SettingsKeys::Grayscale, pixelType);
    m_scannerView->setPixelType(pixelType);
    m_scannerView->setScanResolution(dpi);
    cancelAutoScan();
    connect(m_scannerView, &EzPrevScan::pageScanned, this, &MainWindow::pageFromScanner,
            Qt::UniqueConnection);
    connect(m_scannerView, &EzPrevScan::scanCancelled, this, &MainWindow::scanCancel,
            Qt::UniqueConnection);
    connect(m_scannerView, &EzPrevScan::failedScan, this, &MainWindow::scanFailed,
            Qt::UniqueConnection);
    if (owner == m_autoScanWizard)
        connectAutoScan();

    // Nothing may start another scan or change the pages while this one runs (undo and redo
    // included); the window goes on meanwhile, and scanFinished() unlocks.
    m_scanning = true;
    m_scanOwner = owner;
    updateCommands();
    m_scannerView->scan(ScanSettings::read());
}

void MainWindow::scanFinished()
{
    if (scannedPagesOutstanding()) {
        m_scanEndPending = true;
        return;
    }
    m_scanning = false;
    m_scanFolder.reset();
    m_scanOwner = nullptr;
    updateCommands();
    if (m_workArea->currentIndex() == ScannerPage)
        m_workArea->setCurrentIndex(m_pageList->count() > 0 ? EditorPage : DropZonePage);
}

void MainWindow::pageFromScanner()
{
    const HImage *scanned = m_scannerView->image();
    if (!scanned || scanned->isNull())
        return;
    // Pages come as the scanner thread reads them. Each goes through the after-scan steps as a
    // job of its own, in the order they came; the run's failure and end wait until the last
    // one is in the list.
    ScannedPage page;
    page.image = *scanned;
    page.wizard = m_autoScanWizard->isVisible();
    page.number = Settings::readInt(SettingsKeys::PageNumber, 0);
    Settings::write(SettingsKeys::PageNumber, page.number + 1);
    Settings::write(SettingsKeys::Scanned, Settings::readInt(SettingsKeys::Scanned, 0) + 1);
    page.settings = ScanSettings::read();
    m_scannedPages.append(page);
    if (page.wizard)
        m_autoScanWizard->stopBusyIndicator();
    startNextScannedPage();
}

bool MainWindow::scannedPagesOutstanding() const
{
    return !m_scannedPages.isEmpty() || dynamic_cast<AfterScanJob *>(m_jobs->job());
}

void MainWindow::startNextScannedPage()
{
    if (m_scannedPages.isEmpty() || m_jobs->isBusy())
        return;
    if (!m_scanFolder) {
        QDir().mkpath(AppPaths::tempFolder());
        m_scanFolder = std::make_unique<QTemporaryDir>(AppPaths::tempFolder() +
                                                       QStringLiteral("/scan-XXXXXX"));
    }
    const ScannedPage page = m_scannedPages.takeFirst();
    m_scannedWizardPage = page.wizard;
    const QString folder = m_scanFolder->isValid() ? m_scanFolder->path() : QString();
    m_jobs->start(std::make_unique<AfterScanJob>(
        page.image, page.settings, page.number, !m_rescan && !m_singlePage, folder, ++m_scanSerial,
        m_pageList->store().jpegQuality(), m_pageList->thumbSize()));
}

void MainWindow::scannedPageReady(const AfterScanJob &job)
{
    const AfterScanPipeline::Result &result = job.result();
    const bool wizardShown = m_scannedWizardPage;
    const QSignalBlocker blocker(m_pageList);
    m_sidePanel->setCurrentIndex(PageListPanel);
    if (result.toolMissing && !m_toolMissingSaid) {
        m_toolMissingSaid = true;
        errorMessage(ToolLocator::notFoundMessage(QString(PageProcessor::ToolName)));
    }
    reportUprightUnavailable(result.upright);
    if (result.splitFailed)
        errorMessage(tr("Can't split the scanned page. It has been kept as one page."));
    const int before = m_pageList->count();
    if (m_rescan && !ScanSettings::read().bookScan) {
        const int position = m_pageList->currentPosition();
        const bool replaced = changeCurrentPage(tr("Rescan"), [&] {
            return m_pageList->replaceImage(result.pages.first(), result.blackAndWhite, -1);
        });
        if (replaced)
            m_scannedSources.insert(
                FileOperations::identity(m_pageList->store().sourcePath(position)));
    } else {
        for (const AfterScanJob::Page &page : job.pages()) {
            // Prepared by the job: only moved in. Otherwise written here.
            if (page.jpeg.isEmpty() ||
                !m_pageList->addJpegFile(page.jpeg, page.thumbnail, PageStore::FileUse::Move))
                m_pageList->addImage(page.image, result.blackAndWhite);
        }
        if (wizardShown)
            m_autoScanPages += int(result.pages.size());
        for (int position = before; position < m_pageList->count(); ++position)
            m_scannedSources.insert(
                FileOperations::identity(m_pageList->store().sourcePath(position)));
        const QAction *command = wizardShown ? m_commands.autoScan : m_commands.scanPage;
        m_history->recordAdded(command->iconText(), before, m_pageList->count() - before);
    }

    setModified(true);
    showCount(m_pageList->count());
    m_sidePanel->setCurrentIndex(PageListPanel);
    // The new page in the editor, from the picture the job made rather than read again.
    const int current = m_pageList->currentPosition();
    m_pageList->selectPosition(current, 0);
    const QList<AfterScanJob::Page> &pages = job.pages();
    m_workArea->setCurrentIndex(EditorPage);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_editor->loadImage(m_pageList->workingPath(current), current == m_pageList->count() - 1 &&
                                                                  !pages.isEmpty() &&
                                                                  !result.blackAndWhite
                                                              ? pages.last().image
                                                              : QImage());
    showImageInfo(&m_editor->image());
    updateCommands();

    startNextScannedPage();
    if (scannedPagesOutstanding())
        return;
    if (std::exchange(m_scanFailPending, false))
        scanFailed();
    if (std::exchange(m_scanEndPending, false))
        scanFinished();
}

void MainWindow::scanCancel()
{
    m_workArea->setCurrentIndex(m_pageList->count() > 0 ? EditorPage : DropZonePage);
}

void MainWindow::scanFailed()
{
    if (scannedPagesOutstanding()) {
        m_scanFailPending = true;
        return;
    }
    scanCancel();
    if (m_autoScanWizard->isVisible() && m_autoScanPages > 0) {
        // A book run that stops half-way: the pages so far are in the list, and the user
        // needs to know where to go on from.
        errorMessage(tr("Scanning has cancelled.") + QStringLiteral("<br>") +
                     tr("The %n page(s) scanned so far have been kept.", nullptr, m_autoScanPages));
        return;
    }
    errorMessage(tr("Scanning has cancelled."));
}
