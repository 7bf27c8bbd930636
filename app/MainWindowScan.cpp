// The main window's side of scanning: the scanner list and the two choosers, the commands that
// start a scan, and what happens to every delivered image before it becomes a page.

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTimer>

#include <utility>

#include "app/MainWindow.h"
#include "app/WaitingDlg.h"
#include "core/FileOperations.h"
#include "core/Settings.h"
#include "core/ToolLocator.h"
#include "imaging/ImageEditor.h"
#include "imaging/PageProcessor.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "scan/AfterScanPipeline.h"
#include "scan/AutoScanWizard.h"
#include "scan/EzPrevScan.h"
#include "scan/HImage.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/ScanPreviewDlg.h"
#include "scan/ScannerThread.h"

void MainWindow::buildScanner()
{
    m_scanner = new ScannerThread(std::make_unique<SaneScannerLibrary>(&m_scannerChoice), this);
    m_scannerView->setScanner(m_scanner);
    connect(m_scanner, &ScannerThread::sourcesListed, this, &MainWindow::scannersListed);
    connect(m_scanner, &ScannerThread::previewReady, this, &MainWindow::showScanPreview);
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
    connect(dialog, &QDialog::finished, m_scanner, [scanner = m_scanner](int result) {
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
    fillChoosers();
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
        chooseScanner(names, current);
}

void MainWindow::chooseScanner(const QStringList &names, int current)
{
    auto *dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Select Scanner"));
    dialog->setLabelText(tr("Scanner:"));
    dialog->setComboBoxItems(names);
    dialog->setComboBoxEditable(false);
    dialog->setTextValue(names.value(qMax(0, current)));
    connect(dialog, &QInputDialog::textValueSelected, this, [this, names](const QString &picked) {
        const int index = int(names.indexOf(picked));
        if (index >= 0 && m_scanner)
            m_scanner->chooseSource(index);
    });
    dialog->open();
}

void MainWindow::fillChoosers()
{
    QComboBox *colour = m_commands.colorChooser;
    QComboBox *quality = m_commands.qualityChooser;
    const QSignalBlocker blockColour(colour);
    const QSignalBlocker blockQuality(quality);
    colour->clear();
    quality->clear();
    colour->addItem(tr("Black-White"), 1);
    colour->addItem(tr("Grayscale"), 2);
    colour->addItem(tr("Photo Color"), 4);
    quality->addItem(tr("Middle"), Settings::readInt(SettingsKeys::MiddleQuality, 200));
    quality->addItem(tr("Good"), Settings::readInt(SettingsKeys::GoodQuality, 300));
    quality->addItem(tr("High"), Settings::readInt(SettingsKeys::HighQuality, 600));
}

void MainWindow::refreshQualities()
{
    QComboBox *quality = m_commands.qualityChooser;
    const QSignalBlocker blocker(quality);
    quality->setItemData(0, Settings::readInt(SettingsKeys::MiddleQuality, 200));
    quality->setItemData(1, Settings::readInt(SettingsKeys::GoodQuality, 300));
    quality->setItemData(2, Settings::readInt(SettingsKeys::HighQuality, 600));
    restoreChoosers();
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
    // A page from a file or a PDF has no second original: the user confirms replacing it.
    if (!m_scannedSources.contains(
            FileOperations::identity(m_pageList->store().sourcePath(position))) &&
        !ask(tr("Replace this page with a new scan?")))
        return;
    m_rescan = true;
    m_singlePage = false;
    startScan(true, this);
}

void MainWindow::autoScan()
{
    m_autoScanPages = 0;
    m_autoScanWizard->setBookMode(true);
    m_autoScanWizard->restart();
    m_autoScanWizard->exec();
    // Whatever ended the wizard, later scans are single pages again.
    Settings::write(SettingsKeys::BookScan, false);
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
    if (m_takingPages) {
        m_scanEndPending = true;
        return;
    }
    m_scanning = false;
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
    // Pages come as the scanner thread reads them. Making one a page can still wait in a local
    // event loop (a tool run), where the next may arrive: it waits its turn, and so do the
    // failure and the end of the run, so that pages go into the list in order and the run ends
    // after its last page.
    m_scannedPages.append(*scanned);
    if (m_takingPages)
        return;
    m_takingPages = true;
    while (!m_scannedPages.isEmpty())
        takeScannedPage(m_scannedPages.takeFirst());
    m_takingPages = false;
    if (std::exchange(m_scanFailPending, false))
        scanFailed();
    if (std::exchange(m_scanEndPending, false))
        scanFinished();
}

void MainWindow::takeScannedPage(const HImage &delivered)
{
    const HImage *scanned = &delivered;
    if (m_pageList->count() == 0)
        prepareEmptyWorkingFolder();
    const bool wizardShown = m_autoScanWizard->isVisible();
    if (wizardShown)
        m_autoScanWizard->stopBusyIndicator();

    const QSignalBlocker blocker(m_pageList);
    m_sidePanel->setCurrentIndex(PageListPanel);
    Settings::write(SettingsKeys::Scanned, Settings::readInt(SettingsKeys::Scanned, 0) + 1);
    const int n = Settings::readInt(SettingsKeys::PageNumber, 0);
    Settings::write(SettingsKeys::PageNumber, n + 1);
    const ScanSettings settings = ScanSettings::read();

    QPointer<WaitingDlg> wait = new WaitingDlg(this);
    const auto closeWait = qScopeGuard([wait] {
        if (wait)
            wait->finish();
    });
    const auto showStep = [wait](AfterScanPipeline::Step step) {
        if (!wait)
            return;
        switch (step) {
        case AfterScanPipeline::Step::Rotating:
            return wait->setText(tr("Rotating..."));
        case AfterScanPipeline::Step::TurningUpright:
            return wait->setText(tr("Turning the page upright..."));
        case AfterScanPipeline::Step::Splitting:
            return wait->setText(tr("Splitting on pages..."));
        case AfterScanPipeline::Step::Processing:
            return wait->setText(tr("Processing the page..."));
        case AfterScanPipeline::Step::AutoCropping:
            return wait->setText(tr("Auto cropping..."));
        }
    };
    PageProcessor processor;
    const AfterScanPipeline::Result result = AfterScanPipeline(processor).process(
        *scanned, settings, n, !m_rescan && !m_singlePage, showStep);
    if (wait)
        wait->hide();
    if (result.toolMissing && !m_toolMissingSaid) {
        m_toolMissingSaid = true;
        errorMessage(ToolLocator::notFoundMessage(QString(PageProcessor::ToolName)));
    }
    reportUprightUnavailable(result.upright);
    if (result.splitFailed)
        errorMessage(tr("Can't split the scanned page. It has been kept as one page."));
    const int before = m_pageList->count();
    if (m_rescan && !settings.bookScan) {
        const int position = m_pageList->currentPosition();
        const bool replaced = changeCurrentPage(tr("Rescan"), [&] {
            return m_pageList->replaceImage(result.pages.first(), result.blackAndWhite, -1);
        });
        if (replaced)
            m_scannedSources.insert(
                FileOperations::identity(m_pageList->store().sourcePath(position)));
    } else {
        for (const QImage &page : result.pages)
            m_pageList->addImage(page, result.blackAndWhite);
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
    // Re-selected with notification, so the editor shows the page.
    m_pageList->blockSignals(false);
    m_pageList->selectPosition(m_pageList->currentPosition(), 0);
    m_pageList->blockSignals(true);
    updateCommands();
}

void MainWindow::scanCancel()
{
    m_workArea->setCurrentIndex(m_pageList->count() > 0 ? EditorPage : DropZonePage);
}

void MainWindow::scanFailed()
{
    if (m_takingPages) {
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
