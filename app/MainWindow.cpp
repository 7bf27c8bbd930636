#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppPaths.h"
#include "app/FileOperations.h"
#include "app/ProgramInfo.h"
#include "app/Settings.h"
#include "app/SplashScreen.h"
#include "app/StaleFileCleanup.h"
#include "ribbon/OfficeStyle.h"
#include "ribbon/RibbonBar.h"

MainWindow::MainWindow(bool showSplash, QWidget *parent)
    : RibbonMainWindow(parent) {
    prepareFolders();
    Settings::write(SettingsKeys::Version, QString(ProgramInfo::Version));

    if (auto *style = qobject_cast<OfficeStyle *>(QApplication::style()))
        style->setTheme(4);

    if (showSplash)
        this->showSplash();

    ribbonBar()->setTitleBarVisible(false);

    FileOperations operations;
    StaleFileCleanup(AppPaths::tempFolder(), operations).runLenient();

    buildCentralArea();

    setMinimumSize(1024, 768);
    retranslateUi();

    Settings::write(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality);

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

void MainWindow::prepareFolders() {
    // Plug-ins shipped beside the program, and tools found relative to it.
    QCoreApplication::addLibraryPath(
        QDir::toNativeSeparators(AppPaths::programFolder() + QStringLiteral("/plugins")));
    QDir::setCurrent(AppPaths::programFolder());
}

void MainWindow::showSplash() {
    m_splash = new SplashScreen;
    m_splash->show();
    m_splash->activateWindow();
    QCoreApplication::processEvents();
}

void MainWindow::buildCentralArea() {
    AppPaths::createDataFolders();
    auto *workspace = new QWidget(this);
    workspace->setAutoFillBackground(true);
    QPalette palette = workspace->palette();
    palette.setColor(QPalette::Window, Qt::white);
    workspace->setPalette(palette);
    setCentralWidget(workspace);
    statusBar();
}

void MainWindow::retranslateUi() {
    setWindowTitle(tr("Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG"));
}

void MainWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && m_constructed)
        retranslateUi();
    RibbonMainWindow::changeEvent(event);
}

void MainWindow::loadProjectFromArgs() {}

void MainWindow::checkInstall() {}
