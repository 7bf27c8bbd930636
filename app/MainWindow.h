#pragma once

#include "ribbon/RibbonMainWindow.h"

class SplashScreen;

// The program's only top-level window.
class MainWindow : public RibbonMainWindow {
    Q_OBJECT

public:
    // Builds the whole window in a fixed order (see the constructor); with showSplash the
    // splash screen stays up while it is built. Spins a local event loop for 300 ms.
    explicit MainWindow(bool showSplash, QWidget *parent = nullptr);
    ~MainWindow() override;

    // True once construction has finished; language changes before then are dropped.
    bool isConstructed() const { return m_constructed; }

    static constexpr int SettleTimeMs = 300;
    static constexpr int LoadProjectDelayMs = 100;
    static constexpr int CheckInstallDelayMs = 1000;

public slots:
    // Opens the project named on the command line, 100 ms after start-up.
    void loadProjectFromArgs();
    // The first-start report or the automatic update check, 1000 ms after start-up.
    void checkInstall();

protected:
    void changeEvent(QEvent *event) override;

private:
    void prepareFolders();
    void showSplash();
    void buildCentralArea();
    void retranslateUi();

    SplashScreen *m_splash = nullptr;
    QString m_projectPath;
    bool m_constructed = false;
};
