#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include "app/AppPaths.h"
#include "app/FileOperations.h"
#include "app/ProgramInfo.h"
#include "app/Settings.h"
#include "app/SplashScreen.h"
#include "app/StaleFileCleanup.h"
#include "pages/PageListWidget.h"
#include "ribbon/OfficePopupWindow.h"
#include "ribbon/OfficeStyle.h"
#include "ribbon/RibbonBar.h"
#include "ribbon/RibbonSliderPane.h"

MainWindow::MainWindow(bool showSplash, QWidget *parent)
    : RibbonMainWindow(parent)
{
    prepareFolders();
    Settings::write(SettingsKeys::Version, QString(ProgramInfo::Version));

    if (auto *style = qobject_cast<OfficeStyle *>(QApplication::style()))
        style->setTheme(4);

    if (showSplash)
        this->showSplash();

    buildStatusBar();
    ribbonBar()->setTitleBarVisible(false);

    FileOperations operations;
    StaleFileCleanup(AppPaths::tempFolder(), operations).runLenient();

    buildCentralArea();

    setMinimumSize(1024, 768);
    retranslateUi();

    Settings::write(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality);
    // Connected after the position is set, so the first thumbnails keep 220 x 220.
    connect(m_thumbSlider, &RibbonSliderPane::valueChanged, this, &MainWindow::resizeThumbs);

    // Lets the window lay itself out and paint before the splash screen goes.
    QEventLoop settle;
    QTimer::singleShot(SettleTimeMs, &settle, &QEventLoop::quit);
    settle.exec();

    if (m_splash) {
        m_splash->finish(this);
        m_splash->deleteLater();
        m_splash = nullptr;
    }

    QTimer::singleShot(CheckInstallDelayMs, this, &MainWindow::checkInstall);
    QTimer::singleShot(LoadProjectDelayMs, this, &MainWindow::loadProjectFromArgs);
    m_constructed = true;
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareFolders()
{
    // Plug-ins shipped beside the program, and tools found relative to it.
    QCoreApplication::addLibraryPath(
        QDir::toNativeSeparators(AppPaths::programFolder() + QStringLiteral("/plugins")));
    QDir::setCurrent(AppPaths::programFolder());
}

void MainWindow::showSplash()
{
    m_splash = new SplashScreen;
    m_splash->show();
    m_splash->activateWindow();
    QCoreApplication::processEvents();
}

void MainWindow::buildCentralArea()
{
    m_workArea = new QStackedWidget;
    auto *dropZone = new QWidget;
    dropZone->setAutoFillBackground(true);
    QPalette palette = dropZone->palette();
    palette.setColor(QPalette::Window, Qt::white);
    dropZone->setPalette(palette);
    m_workArea->addWidget(dropZone);

    // Creates the data, working and "Config" folders.
    m_pageList = new PageListWidget;
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_pageList, &ImageListWidget::countChanged, this, &MainWindow::showCount);
    connect(m_pageList, &ImageListWidget::checked, this, &MainWindow::selectedCount);
    connect(m_pageList, &PageListWidget::failed, this, &MainWindow::errorMessage);

    m_sidePanel = new QStackedWidget;
    m_sidePanel->addWidget(new QWidget);
    m_sidePanel->addWidget(m_pageList);
    m_sidePanel->setCurrentIndex(1);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->addWidget(m_workArea);
    m_splitter->addWidget(m_sidePanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setSizes({100, 0});

    auto *workspace = new QWidget(this);
    auto *layout = new QHBoxLayout(workspace);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_splitter);
    setCentralWidget(workspace);

    m_upShortcut = new QShortcut(QKeySequence(Qt::Key_Up), this);
    m_downShortcut = new QShortcut(QKeySequence(Qt::Key_Down), this);
    m_insertShortcut = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(m_upShortcut, &QShortcut::activated, this, &MainWindow::keyPressedUp);
    connect(m_downShortcut, &QShortcut::activated, this, &MainWindow::keyPressedDown);
    connect(m_insertShortcut, &QShortcut::activated, this, &MainWindow::keyPressedIns);
}

void MainWindow::buildStatusBar()
{
    const auto caption = [this] {
        auto *label = new QLabel(this);
        label->setContentsMargins(6, 0, 0, 0);
        return label;
    };
    m_pageCountCaption = caption();
    m_pageCountValue = new QLabel(QStringLiteral("0"), this);
    m_selectedCaption = caption();
    m_selectedValue = new QLabel(QStringLiteral("0"), this);
    statusBar()->addPermanentWidget(m_pageCountCaption);
    statusBar()->addPermanentWidget(m_pageCountValue);
    statusBar()->addPermanentWidget(m_selectedCaption);
    statusBar()->addPermanentWidget(m_selectedValue);

    m_thumbSlider = new RibbonSliderPane(this);
    m_thumbSlider->setScrollButtons(true);
    m_thumbSlider->setRange(100, 300);
    m_thumbSlider->setSingleStep(50);
    m_thumbSlider->setMinimumWidth(100);
    m_thumbSlider->setMaximumWidth(130);
    m_thumbSlider->setSliderPosition(200);
    statusBar()->addPermanentWidget(m_thumbSlider);
}

void MainWindow::retranslateUi()
{
    setWindowTitle(tr("Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG"));
    statusBar()->showMessage(tr("Ready"));
    m_pageCountCaption->setText(tr("Page count:"));
    m_selectedCaption->setText(tr("Selected:"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_constructed)
        retranslateUi();
    RibbonMainWindow::changeEvent(event);
}

void MainWindow::loadProjectFromArgs() {}

void MainWindow::checkInstall() {}

void MainWindow::errorMessage(const QString &message)
{
    auto *popup = new OfficePopupWindow(this);
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("PopupLabel"));
    label->setProperty("Message", message);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setOpenExternalLinks(true);
    label->setText(QStringLiteral("<h4>%1</h4>").arg(message));
    popup->setCentralWidget(label);
    popup->setTitleText(QString(ProgramInfo::ApplicationName));
    popup->setTitleCloseButtonVisible(true);
    popup->setAnimation(OfficePopupWindow::SlideAnimation);
    popup->setAnimationSpeed(250);
    popup->setDisplayTime(6000);
    popup->setTransparency(1.0);
    popup->setDragDropEnabled(true);
    popup->showPopup();
}
