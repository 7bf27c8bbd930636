#pragma once

#include "ribbon/RibbonMainWindow.h"

class PageListWidget;
class QLabel;
class QShortcut;
class QSplitter;
class QStackedWidget;
class RibbonSliderPane;
class SplashScreen;

// The program's only top-level window.
class MainWindow : public RibbonMainWindow
{
    Q_OBJECT

public:
    // Builds the whole window in a fixed order (see the constructor); with showSplash the
    // splash screen stays up while it is built. Spins a local event loop for 300 ms.
    explicit MainWindow(bool showSplash, QWidget *parent = nullptr);
    ~MainWindow() override;

    // True once construction has finished; language changes before then are dropped.
    bool isConstructed() const { return m_constructed; }
    // The project has changes that are not saved.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    PageListWidget *pageList() const { return m_pageList; }

    static constexpr int SettleTimeMs = 300;
    static constexpr int LoadProjectDelayMs = 100;
    static constexpr int CheckInstallDelayMs = 1000;

public slots:
    void errorMessage(const QString &message);
    void showCount(int count);
    void selectedCount();
    void keyPressedUp();
    void keyPressedDown();
    void keyPressedIns();
    void resizeThumbs(int size);
    // Opens the project named on the command line, 100 ms after start-up.
    void loadProjectFromArgs();
    // The first-start report or the automatic update check, 1000 ms after start-up.
    void checkInstall();
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
    void checkAll();
    void uncheckAll();

protected:
    void changeEvent(QEvent *event) override;

private:
    void prepareFolders();
    void showSplash();
    void buildCentralArea();
    void buildStatusBar();
    void retranslateUi();
    // Asks a Yes/No question in a message box titled "Vellumo"; true only for Yes.
    bool ask(const QString &question);
    // Removes the pages at the given positions, last position first, with repainting suspended.
    void removePositions(QList<int> positions);
    void afterRemoval();

    SplashScreen *m_splash = nullptr;
    QStackedWidget *m_workArea = nullptr;
    QStackedWidget *m_sidePanel = nullptr;
    QSplitter *m_splitter = nullptr;
    PageListWidget *m_pageList = nullptr;
    QShortcut *m_upShortcut = nullptr;
    QShortcut *m_downShortcut = nullptr;
    QShortcut *m_insertShortcut = nullptr;
    QLabel *m_pageCountCaption = nullptr;
    QLabel *m_pageCountValue = nullptr;
    QLabel *m_selectedCaption = nullptr;
    QLabel *m_selectedValue = nullptr;
    RibbonSliderPane *m_thumbSlider = nullptr;
    QString m_projectPath;
    bool m_modified = false;
    bool m_constructed = false;
};
