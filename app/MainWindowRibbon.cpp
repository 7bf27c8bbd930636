// The main window's ribbon: its commands wired to the window's slots (MainRibbon builds them).

#include <QAction>
#include <QPushButton>

#include "app/MainRibbon.h"
#include "app/MainWindow.h"

void MainWindow::buildRibbon()
{
    RibbonCommands &c = m_commands;
    MainRibbon::build(ribbonBar(), this, c);
    connect(c.selectScanner, &QPushButton::clicked, this, &MainWindow::selectSource);
    connect(c.settings, &QAction::triggered, this, &MainWindow::settings);
    connect(c.scanPage, &QAction::triggered, this, &MainWindow::scanPage);
    connect(c.autoScan, &QAction::triggered, this, &MainWindow::autoScan);
    connect(c.loadFile, &QAction::triggered, this, &MainWindow::loadFile);
    connect(c.loadPdf, &QAction::triggered, this, &MainWindow::loadPdf);
    connect(c.buildPdf, &QAction::triggered, this, &MainWindow::buildPdf);
    connect(c.buildDjvu, &QAction::triggered, this, &MainWindow::buildDjvu);
    connect(c.buildWord, &QAction::triggered, this, &MainWindow::buildWord);
    connect(c.exportFiles, &QAction::triggered, this, &MainWindow::exportFiles);
    connect(c.print, &QAction::triggered, this, &MainWindow::print);
    connect(c.rotateLeft, &QAction::triggered, this, &MainWindow::rotateLeft);
    connect(c.rotateRight, &QAction::triggered, this, &MainWindow::rotateRight);
    connect(c.rotateFlip, &QAction::triggered, this, &MainWindow::rotateFlip);
    connect(c.turnUpright, &QAction::triggered, this, &MainWindow::turnUpright);
    connect(c.rotateAngle, &QAction::toggled, this, &MainWindow::rotateAngle);
    connect(c.zoomIn, &QAction::triggered, this, &MainWindow::zoomIn);
    connect(c.zoomOut, &QAction::triggered, this, &MainWindow::zoomOut);
    connect(c.zoomFit, &QAction::triggered, this, &MainWindow::zoomFit);
    connect(c.zoomActual, &QAction::triggered, this, &MainWindow::zoomActual);
    connect(c.crop, &QAction::toggled, this, &MainWindow::crop);
    connect(c.brightness, &QAction::triggered, this, &MainWindow::brightness);
    connect(c.moveUp, &QAction::triggered, this, &MainWindow::moveUp);
    connect(c.moveDown, &QAction::triggered, this, &MainWindow::moveDown);
    connect(c.moveTop, &QAction::triggered, this, &MainWindow::moveTop);
    connect(c.moveBottom, &QAction::triggered, this, &MainWindow::moveBottom);
    connect(c.movePosition, &QAction::triggered, this, &MainWindow::movePosition);
    connect(c.removePage, &QAction::triggered, this, &MainWindow::removePage);
    connect(c.checkAll, &QAction::triggered, this, &MainWindow::checkAll);
    connect(c.uncheckAll, &QAction::triggered, this, &MainWindow::uncheckAll);
    connect(c.webSite, &QAction::triggered, this, &MainWindow::help);
    connect(c.about, &QAction::triggered, this, &MainWindow::about);
    connect(c.checkUpdates, &QAction::triggered, this, &MainWindow::update);

    connect(c.newProject, &QAction::triggered, this, &MainWindow::newProject);
    connect(c.openProject, &QAction::triggered, this, &MainWindow::openProject);
    connect(c.saveProject, &QAction::triggered, this, &MainWindow::saveProject);
    connect(c.recoverProject, &QAction::triggered, this, &MainWindow::recoverProject);
    connect(c.quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::retranslateRibbon()
{
    MainRibbon::retranslate(ribbonBar(), m_commands);
    showChosenScanner();
}
