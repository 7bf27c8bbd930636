#include "app/MainRibbon.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "ribbon/RibbonBar.h"
#include "ribbon/RibbonGroup.h"
#include "ribbon/RibbonPage.h"
#include "ribbon/RibbonSystemPopupBar.h"

namespace {

QAction *addButton(RibbonGroup *group, const char *icon)
{
    QAction *action =
        group->addAction(QIcon(QString::fromLatin1(icon)), QString(), Qt::ToolButtonTextUnderIcon);
    if (QToolButton *button = group->buttonForAction(action))
        button->setMinimumWidth(64);
    return action;
}

} // namespace

void MainRibbon::build(RibbonBar *bar, QWidget *window, RibbonCommands &c)
{

    c.scanPdfPage = bar->addPage(QString());
    c.fastSettingsGroup = c.scanPdfPage->addGroup(QString());
    c.fastSettingsGroup->setControlsCentering(true);
    auto *settingsBox = new QWidget;
    auto *form = new QFormLayout(settingsBox);
    form->setContentsMargins(1, 1, 4, 1);
    form->setSpacing(2);
    c.scannerLabel = new QLabel;
    c.colorLabel = new QLabel;
    c.qualityLabel = new QLabel;
    c.selectScanner = new QPushButton;
    c.selectScanner->setFixedWidth(180);
    c.colorChooser = new QComboBox;
    c.colorChooser->setFixedWidth(180);
    c.qualityChooser = new QComboBox;
    c.qualityChooser->setFixedWidth(180);
    form->addRow(c.scannerLabel, c.selectScanner);
    form->addRow(c.colorLabel, c.colorChooser);
    form->addRow(c.qualityLabel, c.qualityChooser);
    c.fastSettingsGroup->addWidget(settingsBox);
    c.settings = addButton(c.fastSettingsGroup, ":/images/ScanSettings");

    c.scanningGroup = c.scanPdfPage->addGroup(QString());
    c.scanPage = addButton(c.scanningGroup, ":/new/scan_one");
    c.scanPage->setShortcut(QKeySequence(Qt::Key_Space));
    c.autoScan = addButton(c.scanningGroup, ":/images/AutoScan");

    c.importGroup = c.scanPdfPage->addGroup(QString());
    c.loadFile = addButton(c.importGroup, ":/images/LoadFile");
    c.loadPdf = addButton(c.importGroup, ":/images/ImportPdf");

    c.exportGroup = c.scanPdfPage->addGroup(QString());
    c.buildPdf = addButton(c.exportGroup, ":/images/BuildPdf");
    c.buildDjvu = addButton(c.exportGroup, ":/images/BuildDjVu");
    c.buildWord = addButton(c.exportGroup, ":/images/GenerateWord");
    c.exportFiles = addButton(c.exportGroup, ":/images/SaveAs");
    c.print = addButton(c.exportGroup, ":/images/Print");

    c.editingPage = bar->addPage(QString());
    c.historyGroup = c.editingPage->addGroup(QString());
    c.undo = addButton(c.historyGroup, ":/images/Undo");
    c.undo->setShortcut(QKeySequence::Undo);
    c.redo = addButton(c.historyGroup, ":/images/Redo");
    c.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    c.rotateGroup = c.editingPage->addGroup(QString());
    c.rotateLeft = addButton(c.rotateGroup, ":/images/RotateLeft");
    c.rotateRight = addButton(c.rotateGroup, ":/images/RotateRight");
    c.rotateFlip = addButton(c.rotateGroup, ":/images/RotateFlip");
    c.turnUpright = addButton(c.rotateGroup, ":/images/TurnUpright");
    c.rotateAngle = c.rotateGroup->addAction(QIcon(QStringLiteral(":/images/RotateAngle")),
                                             QString(), Qt::ToolButtonTextUnderIcon);
    c.rotateAngle->setCheckable(true);

    c.zoomGroup = c.editingPage->addGroup(QString());
    c.zoomIn = addButton(c.zoomGroup, ":/images/ZoomIn");
    c.zoomOut = addButton(c.zoomGroup, ":/images/ZoomOut");
    c.zoomFit = addButton(c.zoomGroup, ":/images/ZoomFit");
    c.zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    c.zoomOut->setShortcut(QKeySequence::ZoomOut);
    c.zoomFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    // 100%: no button of its own, the shortcut only.
    c.zoomActual = new QAction(window);
    c.zoomActual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    window->addAction(c.zoomActual);

    c.correctionGroup = c.editingPage->addGroup(QString());
    c.crop = addButton(c.correctionGroup, ":/images/Crop");
    c.crop->setCheckable(true);
    c.brightness = addButton(c.correctionGroup, ":/images/Brightness");

    c.compositionPage = bar->addPage(QString());
    c.moveGroup = c.compositionPage->addGroup(QString());
    c.moveUp = addButton(c.moveGroup, ":/images/PageUp");
    c.moveUp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    c.moveDown = addButton(c.moveGroup, ":/images/PageDown");
    c.moveDown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    c.moveTop = addButton(c.moveGroup, ":/images/PageTop");
    c.moveBottom = addButton(c.moveGroup, ":/images/PageBottom");
    c.movePosition = addButton(c.moveGroup, ":/images/PageNumber");

    c.removeGroup = c.compositionPage->addGroup(QString());
    c.removePage = addButton(c.removeGroup, ":/images/PageRemove");
    c.removePage->setShortcut(QKeySequence(Qt::Key_Delete));

    c.checkingGroup = c.compositionPage->addGroup(QString());
    c.checkAll = addButton(c.checkingGroup, ":/new/checkall");
    c.checkAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    c.uncheckAll = addButton(c.checkingGroup, ":/new/uncheckall");

    c.informationPage = bar->addPage(QString());
    c.helpGroup = c.informationPage->addGroup(QString());
    c.webSite = addButton(c.helpGroup, ":/new/inet");
    c.about = addButton(c.helpGroup, ":/new/about");
    c.checkUpdates = addButton(c.helpGroup, ":/new/updates");

    c.pageCommands = {c.buildPdf,   c.buildDjvu,   c.buildWord,  c.exportFiles, c.print,
                      c.rotateLeft, c.rotateRight, c.rotateFlip, c.turnUpright, c.rotateAngle,
                      c.zoomIn,     c.zoomOut,     c.zoomFit,    c.crop,        c.brightness,
                      c.moveUp,     c.moveDown,    c.moveTop,    c.moveBottom,  c.movePosition,
                      c.removePage, c.checkAll,    c.uncheckAll};
    c.scanCommands = {c.scanPage, c.autoScan};

    c.pageMenu = new QMenu(window);
    c.pageMenu->addActions({c.moveUp, c.moveDown, c.moveTop, c.moveBottom, c.movePosition});
    c.pageMenu->addSeparator();
    c.pageMenu->addAction(c.removePage);

    c.editorMenu = new QMenu(window);
    c.editorMenu->addActions({c.undo, c.redo});
    c.editorMenu->addSeparator();
    c.editorMenu->addActions({c.rotateLeft, c.rotateRight, c.rotateFlip, c.turnUpright});
    c.editorMenu->addSeparator();
    c.editorMenu->addActions({c.zoomIn, c.zoomOut, c.zoomFit});
    c.editorMenu->addSeparator();
    c.editorMenu->addActions({c.crop, c.brightness});
    c.editorMenu->addSeparator();
    c.editorMenu->addAction(c.removePage);

    // The application menu.
    QIcon icon(QStringLiteral(":/images/logo64.png"));
    icon.addFile(QStringLiteral(":/images/logo32.png"));
    c.systemAction = bar->addSystemButton(icon, QString());
    auto *menu = qobject_cast<RibbonSystemPopupBar *>(c.systemAction->menu());
    c.newProject = menu->addAction(QString());
    c.newProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    c.openProject = menu->addAction(QIcon(QStringLiteral(":/images/OpenProject")), QString());
    c.openProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    c.saveProject = menu->addAction(QIcon(QStringLiteral(":/images/SaveProject")), QString());
    c.saveProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    c.recoverProject = menu->addAction(QIcon(QStringLiteral(":/images/RecoverProject")), QString());
    menu->addSeparator();
    menu->addAction(c.undo);
    menu->addAction(c.redo);
    menu->addSeparator();
    // The ribbon's print command, enabled with the pages.
    menu->addAction(c.print);
    c.print->setShortcut(QKeySequence::Print);
    menu->addSeparator();
    c.quit = menu->addAction(QString());
    c.quit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    // The menu's shortcuts work while the menu is closed.
    window->addActions(
        {c.newProject, c.openProject, c.saveProject, c.recoverProject, c.print, c.quit});
}

void MainRibbon::retranslate(RibbonBar *bar, RibbonCommands &c)
{
    c.scanPdfPage->setTitle(tr("&Scan && PDF"));
    c.editingPage->setTitle(tr("&Editing"));
    c.compositionPage->setTitle(tr("&Composition"));
    c.informationPage->setTitle(tr("&Information"));

    c.fastSettingsGroup->setTitle(tr("Fast &Settings"));
    c.scanningGroup->setTitle(tr("&Scanning"));
    c.importGroup->setTitle(tr("&Import"));
    c.exportGroup->setTitle(tr("&Export"));
    c.historyGroup->setTitle(tr("&History"));
    c.rotateGroup->setTitle(tr("&Rotate"));
    c.zoomGroup->setTitle(tr("&Zoom"));
    c.correctionGroup->setTitle(tr("&Correction"));
    c.moveGroup->setTitle(tr("&Move"));
    c.removeGroup->setTitle(tr("&Remove"));
    c.checkingGroup->setTitle(tr("&Checking"));
    c.helpGroup->setTitle(tr("&Help"));

    c.scannerLabel->setText(tr("Scanner:"));
    c.colorLabel->setText(tr("Color Mode:"));
    c.qualityLabel->setText(tr("Quality:"));
    c.colorChooser->setToolTip(tr("Color Mode"));
    c.qualityChooser->setToolTip(tr("Scan Quality"));
    c.colorChooser->setItemText(0, tr("Black-White"));
    c.colorChooser->setItemText(1, tr("Grayscale"));
    c.colorChooser->setItemText(2, tr("Photo Color"));
    c.qualityChooser->setItemText(0, tr("Middle"));
    c.qualityChooser->setItemText(1, tr("Good"));
    c.qualityChooser->setItemText(2, tr("High"));

    const struct
    {
        QAction *action;
        QString text;
        QString tip;
    } commands[] = {
        {c.settings, tr("&Settings"), tr("Change the application settings.")},
        {c.scanPage, tr("Scan &Page"), tr("Scan whole page. Press Space to start scanning.")},
        {c.autoScan, tr("&Auto Scan"), tr("Scan a document or a book in automatic mode.")},
        {c.loadFile, tr("From &File"), tr("Load an image from a file.")},
        {c.loadPdf, tr("Load &PDF"), tr("Extract images from PDF file.")},
        {c.buildPdf, tr("Build PDF &Document"), tr("Build the PDF document from scanned pages.")},
        {c.buildDjvu, tr("Build DjVu &File"), tr("Build the DjVu file from scanned pages.")},
        {c.buildWord, tr("Build &Word Document"),
         tr("Build the MS Word (docx) document from scanned pages.")},
        {c.exportFiles, tr("Save &As Pictures"), tr("Save scanned pages to folder.")},
        {c.print, tr("&Print"), tr("Print scanned pages.")},
        {c.rotateLeft, tr("Turn &Left"), tr("Rotate Image Left")},
        {c.rotateRight, tr("&Turn Right"), tr("Rotate Image Right")},
        {c.rotateFlip, tr("&Flip Image"), tr("Flip the Image")},
        {c.turnUpright, tr("Turn &Upright"),
         tr("Turn the checked pages, or this page, upright by the direction of their text")},
        {c.rotateAngle, tr("&Rotate to Angle"), tr("Rotate Image to Angle")},
        {c.zoomIn, tr("Zoom &In"), tr("Zoom Image In")},
        {c.zoomOut, tr("Zoom &Out"), tr("Zoom Image Out")},
        {c.zoomFit, tr("&Fit to Window"), tr("Fit Image to Window")},
        {c.crop, tr("&Crop Image"), tr("Show Frame to Crop Image")},
        {c.brightness, tr("&Image Contrast"), tr("Adjust Brightness")},
        {c.moveUp, tr("Move &Up"), tr("Move up current page in the list.")},
        {c.moveDown, tr("Move &Down"), tr("Move down current page in the list.")},
        {c.moveTop, tr("Move to &Top"), tr("Move current page to top of the list.")},
        {c.moveBottom, tr("Move to &Bottom"), tr("Move current page to bottom of the list.")},
        {c.movePosition, tr("Move to &Position"), tr("Move current page to position.")},
        {c.removePage, tr("&Remove Page"), tr("Delete current page from the list.")},
        {c.checkAll, tr("&Check All"), tr("Check all pages in the project.")},
        {c.uncheckAll, tr("&Uncheck All"), tr("Uncheck all pages in the project.")},
        {c.webSite, tr("&Web Site"), tr("Go to the Vellumo homepage")},
        {c.about, tr("&About"), tr("About Software")},
        {c.checkUpdates, tr("Check &Updates"), tr("Check for updates in Internet.")},
    };
    for (const auto &command : commands) {
        command.action->setText(command.text);
        command.action->setToolTip(command.tip);
    }

    c.systemAction->setText(tr("&Vellumo"));
    bar->getSystemButton()->setToolTip(
        tr("Click here to save a project, <br/> open an existing project<br/> or start a new "
           "project."));
    const struct
    {
        QAction *action;
        QString text;
        QString tip;
    } menuEntries[] = {
        {c.newProject, tr("&New Project"), tr("Starts a new project")},
        {c.openProject, tr("&Open Project..."), tr("Open an existing project")},
        {c.saveProject, tr("&Save Project"), tr("Save the current project")},
        {c.recoverProject, tr("&Recover Project"), tr("Recover the auto-saved project")},
    };
    for (const auto &entry : menuEntries) {
        entry.action->setText(entry.text);
        entry.action->setToolTip(entry.tip);
        entry.action->setStatusTip(entry.tip);
    }
    c.quit->setText(tr("&Quit"));
    c.quit->setStatusTip(tr("Close the application"));
}
