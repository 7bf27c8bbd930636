#pragma once

#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include "app/PagePrinter.h"
#include "app/RibbonCommands.h"
#include "app/ScannerChoiceSettings.h"
#include "core/Job.h"
#include "ocr/OcrRunner.h"
#include "pages/PageCommand.h"
#include "pages/PageStore.h"
#include "ribbon/RibbonMainWindow.h"
#include "scan/HImage.h"
#include "scan/ScanSettings.h"

class AutoScanWizard;
class DraggedWidget;
class EzPrevScan;
class ImageEditor;
class InstanceChannel;
class JobRunner;
class PageBatch;
class AfterScanJob;
class QTemporaryDir;
class PageHistory;
class PageImporter;
class PdfProgress;
class PrintJob;
class ProjectJob;
class WaitingDlg;
class PageListWidget;
class QCheckBox;
class QImage;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPrinter;
class QShortcut;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QStyle;
class RibbonSliderPane;
class RotatePreview;
class SplashScreen;
class StatusProgress;
class WindowStatusBar;
class ExportCommands;
class ScanChoosers;
class ModePanels;
class ScannerLibrary;
class ScannerThread;
class QAction;
class QDial;
class QPushButton;
class QScreen;
class ToolPanel;

// The program's only top-level window: the ribbon with the command set, the work area (drop
// zone, scanner view, page editor, rotation preview), the side panel (page list or a tool
// panel) and the status bar. Slots forward to the folder that owns the work; see the
// MainWindow*.cpp files, split by concern.
//
// Careful: update() is the "Check Updates" command and hides QWidget::update(); repaint the
// window with QWidget::update() or repaint().
class MainWindow : public RibbonMainWindow
{
    Q_OBJECT

public:
    // Work-area pages and side-panel pages, in stack order.
    enum WorkArea { DropZonePage = 0, ScannerPage = 1, EditorPage = 2, RotatePage = 3 };
    enum SidePanel { TitlePanel = 0, PageListPanel = 1, CropPanel = 2, RotatePanel = 3 };

    // Builds the whole window in a fixed order (see the constructor); with showSplash the
    // splash screen stays up while it is built. Spins a local event loop for 300 ms.
    explicit MainWindow(bool showSplash, QWidget *parent = nullptr);
    ~MainWindow() override;

    // True once construction has finished; language changes before then are dropped.
    bool isConstructed() const { return m_constructed; }
    // True once the start-up steps after construction (recovery offer, project named on the
    // command line) have run.
    bool isStartUpFinished() const { return m_startUpFinished; }
    // True when this is the program's first start in this settings store.
    bool isFirstStart() const { return m_firstStart; }
    // True once the scanners have been listed (in the background, after construction).
    bool isScannerListReady() const { return m_scannerListReady; }
    // What runs now: a scan, the job runner's job, or nothing.
    JobKind runningJob() const;
    // A job or a scan runs: commands that change pages are off until it ends.
    bool isBusy() const { return runningJob() != JobKind::None; }
    ExportCommands &exports() const { return *m_exports; }
    // The project has changes that are not saved.
    bool isModified() const { return m_modified; }
    // Also shows the state in the title ("book.vlmpj*").
    void setModified(bool modified);
    PageListWidget *pageList() const { return m_pageList; }
    // Full path of the project file last opened or saved; empty for a new project.
    QString projectPath() const { return m_projectPath; }
    void setProjectPath(const QString &path);
    // Replaces the document with the project file's pages; with askToSave the save question
    // comes first. Used by the open command, drops and the command line.
    void openProjectFile(const QString &path, bool askToSave);
    // Files from the command line or a later start, in order: a project replaces the document
    // (after the save question), images and the images of PDF files become pages.
    void openFiles(const QStringList &files);
    // Shows the window in front of the others, also when it was minimised.
    void bringToFront();
    // Files handed over by later starts are opened here, and the window comes to the front.
    void takeFilesFrom(InstanceChannel *channel);
    ImageEditor *editor() const { return m_editor; }
    PageHistory *history() const { return m_history; }
    const RibbonCommands &commands() const { return m_commands; }
    ScannerLibrary *scannerLibrary() const;
    ScannerThread *scannerThread() const { return m_scanner.get(); }
    AutoScanWizard *autoScanWizard() const { return m_autoScanWizard; }
    QPrinter *printer() const { return m_printer.get(); }
    // Re-reads the three quality resolutions into the quality chooser and restores the choices
    // (after the options were accepted).
    void refreshQualities();
    int workAreaIndex() const;
    int sidePanelIndex() const;

    // The smallest window, unless the screen's available area is smaller.
    static constexpr int MinimumWidth = 1024;
    static constexpr int MinimumHeight = 768;
    // Room left for the window manager's title bar before the window's frame is known.
    static constexpr int TitleBarAllowance = 32;
    static constexpr int LoadProjectDelayMs = 100;
    static constexpr int CheckInstallDelayMs = 1000;
    // How soon the wizard's next scan is tried again while a feeder run is still delivering.
    static constexpr int AutoScanRetryMs = 250;
    // Longest run of page adding from a PDF import before the window takes its events again.

public slots:
    void processDroppedFiles(const QStringList &files);
    void errorMessage(const QString &message);
    void showCount(int count);
    void keyPressedUp();
    void keyPressedDown();
    void keyPressedIns();
    void newProject();
    void openProject();
    void saveProject();
    void recoverProject();
    void loadProjectFromArgs();
    void resizeThumbs(int size);
    void scanFailed();
    void selectSource();
    void workAreaChanged(int index);
    void settings();
    void startAutoScan();
    void checkInstall();
    bool restoreProject();
    void loadFile();
    void loadPdf();
    void scanPage();
    void scanDoc();
    void rescanPage();
    void savePage();
    void undoPage();
    void autoScan();
    void removePage();
    void removeAll();
    void removeAllButThis();
    void removeAllChecked();
    void removeAllUnchecked();
    void moveUp();
    void moveDown();
    void moveTop();
    void moveBottom();
    void movePosition();
    void selectPage(const QString &path);
    void pageFromScanner();
    void rotateLeft();
    void rotateRight();
    void rotateFlip();
    void rotateAngle(bool on);
    void checkAll();
    void uncheckAll();
    void crop(bool on);
    void autoCrop();
    // The checked pages (two or more), else the current one, turned upright by their text.
    void turnUpright();
    void splitSpread();
    void brightness();
    void zoomIn();
    void zoomOut();
    void zoomFit();
    void zoomActual();
    void undo();
    void redo();
    // A slab was dragged from one place to another in the page list.
    void pageDropped(int from, int to);
    void scanCancel();
    void cancelAutoScan();
    void buildPdf();
    void buildWord();
    void buildDjvu();
    void exportFiles();
    void cropAccepted();
    void cropCancelled();
    void rotateAccepted();
    void rotateCancelled();
    void about();
    void help();
    void update();
    void print();
    void printPreview(QPrinter *printer);
    void replyFinished(QNetworkReply *reply);
    void exported(const QString &path);
    void showImageInfo(const QImage *image);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void prepareFolders();
    void showSplash();
    void buildRibbon();
    void buildStatusBar();
    void buildScanner();
    // The default printer, or PDF output when the system has none; A4 without margins.
    void buildPrinter();
    // Fills the colour and quality choosers and starts listing the scanners in the background;
    // the scan commands are off until scannersListed() has the list.
    void fillScannerList();
    // Takes the listed scanners: the scan commands on when there is one, else a message.
    void scannersListed(const QStringList &names, int current);
    // The scan run is over: commands on again, the scanner view gone.
    void scanFinished();
    // Pages delivered and not yet in the list (waiting, or in their after-scan job).
    bool scannedPagesOutstanding() const;
    // The next delivered page's after-scan job, when none runs.
    void startNextScannedPage();
    // A page's after-scan job ended: its pages into the list, the next page's job started.
    void scannedPageReady(const AfterScanJob &job);
    // The preview pass of a scan, shown for the scanner thread, which waits for the answer.
    void showScanPreview(const HImage &preview);
    // The "Select Scanner" button shows the name of the scanner a scan would use.
    void showChosenScanner();
    // The common start of a scan; showFrame shows the scanner view first; owner: the window
    // that owns the scanner's dialogs.
    void startScan(bool showFrame, QWidget *owner);
    // The scan itself, once the working folder is ready.
    void beginScan(bool showFrame, QWidget *owner);
    // Ties the scanner frame to the scanning wizard for one automatic scan, or unties them.
    void connectAutoScan();
    // After a change of the current page's picture: when it was saved, thumbnail, image
    // information and changed flag follow; otherwise the user is told and nothing changes.
    void afterPictureChange(bool saved);
    // Checked pages in the list.
    int checkedPageCount() const;
    // True when the page tool is there; otherwise says where it was looked for.
    bool pageToolFound();
    // Step names for undo.
    QString autoCropName() const;
    QString splitName() const;

    // The one place that switches commands on and off: from the running job (see BusyState),
    // whether there are pages, and whether a scanner was found.
    void updateCommands();
    // Starts a page batch as the job, behind a progress window with Cancel; name is the undo
    // step's, text the progress window's first. m_batchKept holds the copies kept for undo.
    void startPageBatch(std::unique_ptr<PageBatch> batch, const QString &name, const QString &text);
    void jobProgressed(int done, int total, const QString &text);
    void jobFinished(Job *job, Job::Outcome outcome);
    // The end of a page batch: its results into the list, one undo step when anything changed
    // (the copies kept before are dropped otherwise), and what failed told once.
    void pageBatchEnded(const PageBatch &batch, Job::Outcome outcome);
    // The brightness dialog's answers: the change recorded for undo, or the copy dropped.
    void brightnessApplied();
    void brightnessClosed();
    // A detection that cannot run is reported once per session.
    void reportUprightUnavailable(const OcrRunner::Orientation &orientation);
    // Makes the page at position current and shows it in the editor.
    void showPageAt(int position);
    // Switches a checkable mode action off: once normally, then with its signals blocked.
    void switchOff(QAction *action);
    void buildCentralArea();
    void retranslateUi();
    // "book.vlmpj* - <program title>", "Untitled" before the first save.
    void updateTitle();
    // Runs change, which alters the pictures of the current page, and records it for undo
    // under name when it reports success.
    bool changeCurrentPage(const QString &name, const std::function<bool()> &change);
    // After undo or redo: the editor, counts and commands follow the pages.
    void afterHistoryStep();
    // Fits the window into the screen's available area when that is smaller than the minimum.
    void fitToScreen();

    void retranslateRibbon();
    // After pages were added: the page list in front, the current page shown, commands on.
    void showPages();
    // After the list became empty: the drop zone, an empty editor, page commands off.
    void showEmptyDocument();
    // Picture files, or the images of a PDF file, in as pages (PageImporter).
    void loadImageFiles(const QStringList &files);
    void extractPdf(const QString &pdf);
    // An import is over: one undo step for its pages, the next waiting file opened.
    void importFinished(int before, int added, const QString &command);
    // Opens the files that wait for an import before them.
    void openPendingFiles();
    // An empty list's working folder made ready for a new document's pages: the offer to
    // recover an earlier run's pages first (unless declined); then runs once that is answered.
    void prepareEmptyWorkingFolder(const std::function<void()> &then);
    // The question asked before the document is closed; empty when there is nothing to save.
    QString saveQuestion() const;
    // The save question; then runs once the user said No, or Yes and the project was saved.
    void maySave(const std::function<void()> &then);
    // Saves (asking for a name first when there is none); then runs once the save succeeded.
    void saveProjectThen(const std::function<void()> &then);
    // A job behind a progress window with Cancel; false when another job runs.
    bool startWithProgress(std::unique_ptr<Job> job, const QString &text);
    // The pages read for the preview shown in it; a print's end.
    void printJobEnded(const PrintJob &job, Job::Outcome outcome);
    // A project job behind a wait window; false when another job runs.
    bool startProjectJob(std::unique_ptr<ProjectJob> job, const QString &text);
    // A save told and its follow-up run; an opened project's pages brought in.
    void projectJobEnded(const ProjectJob &job, Job::Outcome outcome);
    // Deletes every file of the working folder (not its subfolders).
    void clearWorkingFolder();
    // Empties the working folder, the page list and the editor.
    void clearDocument();
    // Asks once whether to bring back the pages an earlier run left in the working folder;
    // then learns whether they came back.
    void offerRecovery(const std::function<void(bool recovered)> &then);
    // A yes-or-no question in a window-modal box; yes runs once the user said Yes (and nothing
    // runs by then).
    void askThen(const QString &question, const std::function<void()> &yes);
    // Positions of the pages whose check mark is (or is not) set, in list order.
    QList<int> positionsChecked(bool checked) const;
    // Removes the pages at the given positions, last position first, with repainting suspended.
    void removePositions(const QList<int> &positions);
    // After a move command: records the move of the page that was at from to where it is now.
    void recordMove(const QString &name, int from);
    void afterRemoval();

    RibbonCommands m_commands;
    SplashScreen *m_splash = nullptr;
    QStackedWidget *m_workArea = nullptr;
    QStackedWidget *m_sidePanel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QSplitter *m_splitter = nullptr;
    DraggedWidget *m_dropZone = nullptr;
    EzPrevScan *m_scannerView = nullptr;
    ImageEditor *m_editor = nullptr;
    RotatePreview *m_rotatePreview = nullptr;
    PageListWidget *m_pageList = nullptr;
    PageHistory *m_history = nullptr;
    // Runs the window's long work; created first, so that it is destroyed (waiting for its job)
    // before the widgets.
    JobRunner *m_jobs = nullptr;
    QPointer<PdfProgress> m_jobProgress;
    // The running page batch's undo copies, step name and the page current at its start.
    QList<PageCommand::Step> m_batchKept;
    QString m_batchName;
    int m_batchStart = 0;
    bool m_scannersFound = false;
    // The current page's copy for undo while the brightness dialog is open.
    QList<PageCommand::Step> m_brightnessKept;
    // A scan runs (the scanner is not driven by the job runner).
    bool m_scanning = false;
    std::unique_ptr<WindowStatusBar> m_status;
    std::unique_ptr<ExportCommands> m_exports;
    std::unique_ptr<ScanChoosers> m_choosers;
    std::unique_ptr<ModePanels> m_modePanels;
    // Identities (inode numbers) of the source files of pages that came from the scanner;
    // rescanning any other page asks first. Renames and undo keep a file's identity.
    QSet<quint64> m_scannedSources;
    QNetworkAccessManager *m_network = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QShortcut *m_upShortcut = nullptr;
    QShortcut *m_downShortcut = nullptr;
    QShortcut *m_insertShortcut = nullptr;
    QString m_projectPath;
    bool m_modified = false;
    bool m_recoveryOffered = false;
    bool m_rescan = false;
    bool m_singlePage = false;
    ScannerChoiceSettings m_scannerChoice;
    // Declared after the scanner choice its thread reads, so that it ends first.
    std::unique_ptr<ScannerThread> m_scanner;
    // The window that owns the running scan's dialogs (the preview).
    QPointer<QWidget> m_scanOwner;
    // The user asked to choose a scanner: the chooser follows the fresh list.
    bool m_chooseWhenListed = false;
    // Delivered pages waiting for their after-scan job, and the run's failure and end held back
    // until they are in the list.
    struct ScannedPage
    {
        HImage image;
        ScanSettings settings;
        int number = 0;      // the wizard's count of pages, for its turns
        bool wizard = false; // delivered while the scanning wizard was shown
    };
    QList<ScannedPage> m_scannedPages;
    bool m_scannedWizardPage = false;
    int m_scanSerial = 0;
    // The prepared page files of the running scan.
    std::unique_ptr<QTemporaryDir> m_scanFolder;
    bool m_scanFailPending = false;
    bool m_scanEndPending = false;
    PageImporter *m_importer = nullptr;
    // The pages read for the open print preview.
    QList<PagePrinter::Sheet> m_printSheets;
    // What waits for the running save, and its wait window.
    std::function<void()> m_afterSave;
    QPointer<WaitingDlg> m_projectWait;
    // The window closes once the running job is over.
    bool m_closeWhenIdle = false;
    // The save question was answered: the next close goes through.
    bool m_closeApproved = false;
    // Files opened together, waiting for the import before them.
    QStringList m_pendingFiles;
    AutoScanWizard *m_autoScanWizard = nullptr;
    // Pages added by the scanning wizard's current run, for the message when a scan fails.
    int m_autoScanPages = 0;
    bool m_recoveryDeclined = false;
    // The missing page processing tool has been reported during this scan command.
    bool m_toolMissingSaid = false;
    // Told once per session that pages cannot be turned upright (tool or data missing).
    bool m_uprightMissingSaid = false;
    bool m_constructed = false;
    bool m_startUpFinished = false;
    // The working folder the program was started in, for relative paths on the command line.
    QString m_launchFolder;
    bool m_scannerListReady = false;
    bool m_firstStart = false;
    const QScreen *m_lastScreen = nullptr;
};
