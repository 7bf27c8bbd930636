// The main window's commands that are not list commands: files, drops, pop-up messages, the
// status bar's image information and zoom, help and about. Commands whose work is not part of
// this build yet say so in a pop-up message.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

#include "app/LanguageLoader.h"
#include "app/MainWindow.h"
#include "app/PopupMessage.h"
#include "app/SplashScreen.h"
#include "app/WindowStatusBar.h"
#include "core/AppPaths.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "imaging/ImageEditor.h"
#include "import/ImageFileLoader.h"
#include "ocr/PageOrientation.h"
#include "options/OptionsDlg.h"
#include "pages/PageFiles.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::errorMessage(const QString &message)
{
    PopupMessage::show(message, this);
}

void MainWindow::showImageInfo(const QImage *image)
{
    m_status->showImageInfo(image);
}

void MainWindow::workAreaChanged(int index)
{
    if (index == DropZonePage) {
        m_splitter->setSizes({100, 0});
        return;
    }
    const int total = m_splitter->sizes().value(0) + m_splitter->sizes().value(1);
    const int side = m_pageList->thumbSize().width() + 30;
    m_splitter->setSizes({qMax(0, total - side), side});
}

void MainWindow::selectPage(const QString &path)
{
    if (path.isEmpty())
        return;
    m_workArea->setCurrentIndex(EditorPage);
    // The editor takes its size from the pending layout before it fits the page (posted layout
    // requests only: no input and no other event runs here).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (m_editor->loadImage(path))
        showImageInfo(&m_editor->image());
    else
        showImageInfo(nullptr);
}

void MainWindow::showPages()
{
    m_sidePanel->setCurrentIndex(PageListPanel);
    if (m_workArea->currentIndex() == DropZonePage)
        m_workArea->setCurrentIndex(EditorPage);
    updateCommands();
}

void MainWindow::showEmptyDocument()
{
    m_editor->clearImage();
    showImageInfo(nullptr);
    m_workArea->setCurrentIndex(DropZonePage);
    m_sidePanel->setCurrentIndex(TitlePanel);
    updateCommands();
}

void MainWindow::prepareEmptyWorkingFolder(const std::function<void()> &then)
{
    if (m_pageList->count() > 0)
        return then();
    // Pages of an earlier run are never deleted without the user knowing: unless the offer to
    // recover them was declined, it is made now. Recovered pages stay; new ones follow them.
    if (m_recoveryDeclined) {
        clearWorkingFolder();
        return then();
    }
    offerRecovery([this, then](bool) {
        if (m_recoveryDeclined && m_pageList->count() == 0)
            clearWorkingFolder();
        then();
    });
}

void MainWindow::help()
{
    const QString host = Settings::readString(SettingsKeys::AppUrl, QString(ProgramInfo::WebHost));
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://%1").arg(host), QUrl::TolerantMode));
}

void MainWindow::about()
{
    auto *splash = new SplashScreen;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
}

void MainWindow::settings()
{
    auto *dialog = new OptionsDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &OptionsDlg::languageChanged, this, [] { LanguageLoader::load(); });
    connect(dialog, &QDialog::accepted, this, &MainWindow::refreshQualities);
    dialog->open();
}

// Kept for the command set; no command of this build raises it.
void MainWindow::scanDoc() {}
