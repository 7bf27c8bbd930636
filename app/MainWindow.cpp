#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <utility>

#include "app/ExportCommands.h"
#include "app/LanguageLoader.h"
#include "app/ModePanels.h"
#include "app/PageImporter.h"
#include "app/ScanChoosers.h"
#include "app/SplashScreen.h"
#include "app/ToolPanel.h"
#include "app/WindowPlacement.h"
#include "app/WindowStatusBar.h"
#include "app/WorkspaceWidget.h"
#include "core/AppPaths.h"
#include "core/FileOperations.h"
#include "core/JobRunner.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "core/StaleFileCleanup.h"
#include "imaging/DraggedWidget.h"
#include "imaging/ImageEditor.h"
#include "imaging/RotatePreview.h"
#include "import/PdfImportSession.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "pages/WorkingFolder.h"
#include "ribbon/FusionStyle.h"
#include "ribbon/OfficeStyle.h"
#include "ribbon/RibbonBar.h"
#include "ribbon/RibbonSliderPane.h"
#include "scan/AutoScanWizard.h"
#include "scan/EzPrevScan.h"
#include "scan/ScannerThread.h"

MainWindow::MainWindow(bool showSplash, QWidget *parent)
    : RibbonMainWindow(parent)
{
    prepareFolders();
    Settings::write(SettingsKeys::Version, QString(ProgramInfo::Version));
    if (Settings::readString(SettingsKeys::FirstStart, QString()).isEmpty()) {
        m_firstStart = true;
        Settings::write(SettingsKeys::FirstStart,
                        QDateTime::currentDateTime().toString(Qt::ISODate));
    }

    if (auto *style = qobject_cast<OfficeStyle *>(QApplication::style()))
        style->setTheme(4);

    // Before the splash, so that its text is in the chosen language too.
    LanguageLoader::load();
    if (showSplash)
        this->showSplash();

    m_jobs = new JobRunner(this);
    connect(m_jobs, &JobRunner::busyChanged, this, &MainWindow::updateCommands);
    connect(m_jobs, &JobRunner::progressChanged, this, &MainWindow::jobProgressed);
    connect(m_jobs, &JobRunner::finished, this, &MainWindow::jobFinished);

    buildRibbon();
    m_choosers = std::make_unique<ScanChoosers>(m_commands.colorChooser, m_commands.qualityChooser);
    buildStatusBar();
    ribbonBar()->setTitleBarVisible(false);

    FileOperations operations;
    StaleFileCleanup(AppPaths::tempFolder(), operations).runLenient();

    buildCentralArea();
    // What an Open that was cut short (a kill, a power cut) had unpacked; only this instance
    // uses the data folder.
    QDir(WorkingFolder::stagingFolder(m_pageList->workingFolder())).removeRecursively();
    m_importer = new PageImporter(m_pageList, m_jobs, this);
    m_exports = std::make_unique<ExportCommands>(
        m_pageList, m_editor, m_jobs, this, [this](const QString &text) { errorMessage(text); });
    connect(m_importer, &PageImporter::message, this, &MainWindow::errorMessage);
    connect(m_importer, &PageImporter::uprightUnavailable, this,
            &MainWindow::reportUprightUnavailable);
    connect(m_importer, &PageImporter::countChanged, this, [this](int count) {
        if (count > 0)
            m_workArea->setCurrentIndex(EditorPage);
        showCount(count);
    });
    connect(m_importer, &PageImporter::finished, this, &MainWindow::importFinished);
    buildScanner();
    fillScannerList();
    m_autoScanWizard = new AutoScanWizard(this);
    connect(m_autoScanWizard, &AutoScanWizard::needAutoScan, this, &MainWindow::startAutoScan);
    connect(m_autoScanWizard, &QDialog::finished, this,
            [] { Settings::write(SettingsKeys::BookScan, false); });
    updateCommands();

    buildPrinter();
    m_network = new QNetworkAccessManager(this);
    connect(m_network, &QNetworkAccessManager::finished, this, &MainWindow::replyFinished);

    setMinimumSize(MinimumWidth, MinimumHeight);
    retranslateUi();

    Settings::write(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality);
    m_pageList->setJpegQuality(
        Settings::readInt(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality));
    m_choosers->restore();
    m_status->restore();
    WindowPlacement::restore(this);
    fitToScreen();
    // Connected after the position is set, so the first thumbnails keep 220 x 220.
    connect(m_status->thumbSlider(), &RibbonSliderPane::valueChanged, this,
            &MainWindow::resizeThumbs);

    // The splash screen goes at the first turn of the event loop, once the window is shown.
    if (m_splash) {
        QTimer::singleShot(0, this, [this] {
            if (!m_splash)
                return;
            m_splash->close();
            m_splash->deleteLater();
            m_splash = nullptr;
        });
    }

    QTimer::singleShot(CheckInstallDelayMs, this, &MainWindow::checkInstall);
    QTimer::singleShot(LoadProjectDelayMs, this, &MainWindow::loadProjectFromArgs);
    m_constructed = true;
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPrinter()
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        m_printer->setPrinterName(QPrinterInfo::defaultPrinterName());
    else
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void MainWindow::prepareFolders()
{
    // Plug-ins shipped beside the program, and tools found relative to it.
    QCoreApplication::addLibraryPath(
        QDir::toNativeSeparators(AppPaths::programFolder() + QStringLiteral("/plugins")));
    m_launchFolder = QDir::currentPath();
    QDir::setCurrent(AppPaths::programFolder());
}

void MainWindow::showSplash()
{
    m_splash = new SplashScreen;
    m_splash->show();
    m_splash->activateWindow();
    // Painted now, before the window is built; nothing else runs meanwhile.
    m_splash->repaint();
}

void MainWindow::buildCentralArea()
{
    m_scannerView = new EzPrevScan;
    connect(m_scannerView, &EzPrevScan::pageScanned, this, &MainWindow::pageFromScanner);
    connect(m_scannerView, &EzPrevScan::scanCancelled, this, &MainWindow::scanCancel);
    connect(m_scannerView, &EzPrevScan::failedScan, this, &MainWindow::scanFailed);

    m_editor = new ImageEditor;
    m_editor->setContextMenu(m_commands.editorMenu);
    m_rotatePreview = new RotatePreview;

    // Creates the data, working and "Config" folders.
    m_pageList = new PageListWidget;
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setContextMenu(m_commands.pageMenu);
    m_history = new PageHistory(m_pageList, m_commands.undo, m_commands.redo, this);
    connect(m_history, &PageHistory::pagesChanged, this, &MainWindow::afterHistoryStep);

    m_dropZone = new DraggedWidget;
    connect(m_dropZone, &DraggedWidget::droppedFiles, this, &MainWindow::processDroppedFiles);
    connect(m_editor, &ImageEditor::droppedFiles, this, &MainWindow::processDroppedFiles);

    m_workArea = new QStackedWidget;
    m_workArea->addWidget(m_dropZone);
    m_workArea->addWidget(m_scannerView);
    m_workArea->addWidget(m_editor);
    m_workArea->addWidget(m_rotatePreview);
    connect(m_workArea, &QStackedWidget::currentChanged, this, &MainWindow::workAreaChanged);

    // The side panel's heading while no page is listed: quiet grey text, no shadow.
    m_titleLabel = new QLabel;
    QFont titleFont = m_titleLabel->font();
    titleFont.setWeight(QFont::DemiBold);
    titleFont.setPixelSize(24);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setForegroundRole(QPalette::PlaceholderText);
    m_titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_titleLabel->setContentsMargins(0, 16, 0, 0);
    m_titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_sidePanel = new QStackedWidget;
    m_sidePanel->addWidget(m_titleLabel);
    m_sidePanel->addWidget(m_pageList);
    m_modePanels = std::make_unique<ModePanels>(
        [this](int angle) { m_rotatePreview->setPreviewAngle(angle); });
    m_sidePanel->addWidget(m_modePanels->cropPanel());
    m_sidePanel->addWidget(m_modePanels->rotatePanel());
    connect(m_modePanels->cropPanel()->acceptButton(), &QPushButton::clicked, this,
            &MainWindow::cropAccepted);
    connect(m_modePanels->cropPanel()->cancelButton(), &QPushButton::clicked, this,
            &MainWindow::cropCancelled);
    connect(m_modePanels->autoCropButton(), &QPushButton::clicked, this, &MainWindow::autoCrop);
    connect(m_modePanels->rotatePanel()->acceptButton(), &QPushButton::clicked, this,
            &MainWindow::rotateAccepted);
    connect(m_modePanels->rotatePanel()->cancelButton(), &QPushButton::clicked, this,
            &MainWindow::rotateCancelled);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setStyle(FusionStyle::shared());
    m_splitter->addWidget(m_workArea);
    m_splitter->addWidget(m_sidePanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setSizes({100, 0});

    auto *workspace = new WorkspaceWidget(this);
    auto *layout = new QHBoxLayout(workspace);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_splitter);
    setCentralWidget(workspace);

    connect(m_pageList, qOverload<const QString &>(&PageListWidget::pageSelected), this,
            &MainWindow::selectPage);
    connect(m_pageList, &ImageListWidget::countChanged, this, &MainWindow::showCount);
    connect(m_pageList, &ImageListWidget::checked, this,
            [this] { m_status->showChecked(m_pageList->checkedCount()); });
    connect(m_pageList, &PageListWidget::failed, this, &MainWindow::errorMessage);
    connect(m_pageList, &ImageListWidget::slabDropped, this, &MainWindow::pageDropped);
    connect(m_editor, &ImageEditor::contrastChanged, m_pageList, &PageListWidget::setContrast);
    connect(m_editor, &ImageEditor::contrastNotSaved, this, [this] { afterPictureChange(false); });
    connect(m_editor, &ImageEditor::contrastChanged, this, &MainWindow::brightnessApplied);
    connect(m_editor, &ImageEditor::contrastClosed, this, &MainWindow::brightnessClosed);
    connect(m_editor, &ImageEditor::zoomed, this,
            [this](qreal factor) { m_status->showScale(factor); });
    connect(m_editor, &ImageEditor::panelCrop, this, &MainWindow::crop);
    connect(m_editor, &ImageEditor::panelBookCrop, this, &MainWindow::splitSpread);
    connect(m_editor, &ImageEditor::panelSmartCrop, this, &MainWindow::autoCrop);
    connect(m_editor, &ImageEditor::panelRescan, this, &MainWindow::rescanPage);
    connect(m_editor, &ImageEditor::panelSave, this, &MainWindow::savePage);
    connect(m_editor, &ImageEditor::panelUndo, this, &MainWindow::undoPage);
    connect(m_editor, &ImageEditor::panelFlip, this, &MainWindow::rotateFlip);
    connect(m_editor, &ImageEditor::panelLeft, this, &MainWindow::rotateLeft);
    connect(m_editor, &ImageEditor::panelRight, this, &MainWindow::rotateRight);
    connect(m_editor, &ImageEditor::panelRemove, this, &MainWindow::removePage);
    connect(m_editor, &ImageEditor::panelContrast, this, &MainWindow::brightness);

    m_upShortcut = new QShortcut(QKeySequence(Qt::Key_Up), this);
    m_downShortcut = new QShortcut(QKeySequence(Qt::Key_Down), this);
    m_insertShortcut = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(m_upShortcut, &QShortcut::activated, this, &MainWindow::keyPressedUp);
    connect(m_downShortcut, &QShortcut::activated, this, &MainWindow::keyPressedDown);
    connect(m_insertShortcut, &QShortcut::activated, this, &MainWindow::keyPressedIns);
}

void MainWindow::buildStatusBar()
{
    m_status = std::make_unique<WindowStatusBar>(statusBar(), this);
    connect(m_status->scaleBox(), &QSpinBox::valueChanged, this,
            [this](int percent) { m_editor->applyScale(percent / 100.0); });
    connect(m_status->keepScale(), &QCheckBox::toggled, this,
            [](bool keep) { Settings::write(SettingsKeys::KeepScale, keep); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    RibbonMainWindow::showEvent(event);
    // The frame is known once the window manager has framed the window.
    QTimer::singleShot(0, this, &MainWindow::fitToScreen);
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    RibbonMainWindow::moveEvent(event);
    // Moved onto another screen: the minimum follows that screen's size.
    if (m_constructed && screen() && screen() != m_lastScreen) {
        m_lastScreen = screen();
        fitToScreen();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_scannerView->isScanning()) {
        // The scan ends first; the window closes once its run has returned.
        m_scannerView->cancelScan();
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (std::exchange(m_closeApproved, false) || (!isBusy() && saveQuestion().isEmpty())) {
        WindowPlacement::save(this);
        m_status->save();
        event->accept();
        return;
    }
    event->ignore();
    if (isBusy()) {
        // The running job is cancelled (a save runs to its end); the window closes once it
        // is over.
        m_jobs->cancel();
        m_closeWhenIdle = true;
        return;
    }
    maySave([this] {
        m_closeApproved = true;
        close();
    });
}

int MainWindow::workAreaIndex() const
{
    return m_workArea->currentIndex();
}

int MainWindow::sidePanelIndex() const
{
    return m_sidePanel->currentIndex();
}

void MainWindow::retranslateUi()
{
    updateTitle();
    m_history->retranslate();
    statusBar()->showMessage(tr("Ready"));
    m_status->retranslate();
    m_titleLabel->setText(tr("Vellumo"));
    m_modePanels->retranslate();
    retranslateRibbon();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_constructed) {
        m_choosers->fill();
        retranslateUi();
    }
    RibbonMainWindow::changeEvent(event);
}
