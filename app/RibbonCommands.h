#pragma once

#include <QList>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class RibbonGroup;
class RibbonPage;

// The main window's ribbon: pages, groups, choosers and the command actions they show. The
// window owns every object through Qt's parent chain; this only keeps the pointers together.
struct RibbonCommands
{
    RibbonPage *scanPdfPage = nullptr;
    RibbonPage *editingPage = nullptr;
    RibbonPage *compositionPage = nullptr;
    RibbonPage *informationPage = nullptr;

    RibbonGroup *fastSettingsGroup = nullptr;
    RibbonGroup *scanningGroup = nullptr;
    RibbonGroup *importGroup = nullptr;
    RibbonGroup *exportGroup = nullptr;
    RibbonGroup *historyGroup = nullptr;
    RibbonGroup *rotateGroup = nullptr;
    RibbonGroup *zoomGroup = nullptr;
    RibbonGroup *correctionGroup = nullptr;
    RibbonGroup *moveGroup = nullptr;
    RibbonGroup *removeGroup = nullptr;
    RibbonGroup *checkingGroup = nullptr;
    RibbonGroup *helpGroup = nullptr;

    QLabel *scannerLabel = nullptr;
    QLabel *colorLabel = nullptr;
    QLabel *qualityLabel = nullptr;
    QPushButton *selectScanner = nullptr;
    QComboBox *colorChooser = nullptr;
    QComboBox *qualityChooser = nullptr;

    QAction *settings = nullptr;
    QAction *scanPage = nullptr;
    QAction *autoScan = nullptr;
    QAction *loadFile = nullptr;
    QAction *loadPdf = nullptr;
    QAction *buildPdf = nullptr;
    QAction *buildDjvu = nullptr;
    QAction *buildWord = nullptr;
    QAction *exportFiles = nullptr;
    QAction *print = nullptr;
    // Their texts and states follow the page history (PageHistory).
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *rotateLeft = nullptr;
    QAction *rotateRight = nullptr;
    QAction *rotateFlip = nullptr;
    QAction *turnUpright = nullptr;
    QAction *rotateAngle = nullptr;
    QAction *zoomIn = nullptr;
    QAction *zoomOut = nullptr;
    QAction *zoomFit = nullptr;
    QAction *crop = nullptr;
    QAction *brightness = nullptr;
    QAction *moveUp = nullptr;
    QAction *moveDown = nullptr;
    QAction *moveTop = nullptr;
    QAction *moveBottom = nullptr;
    QAction *movePosition = nullptr;
    QAction *removePage = nullptr;
    QAction *checkAll = nullptr;
    QAction *uncheckAll = nullptr;
    QAction *webSite = nullptr;
    QAction *about = nullptr;
    QAction *checkUpdates = nullptr;

    QAction *systemAction = nullptr;
    QAction *newProject = nullptr;
    QAction *openProject = nullptr;
    QAction *saveProject = nullptr;
    QAction *recoverProject = nullptr;
    QAction *quit = nullptr;
    QAction *zoomActual = nullptr;

    QMenu *pageMenu = nullptr;
    QMenu *editorMenu = nullptr;

    // The 22 commands that need a page, and the two that need a scanner.
    QList<QAction *> pageCommands;
    QList<QAction *> scanCommands;
};
