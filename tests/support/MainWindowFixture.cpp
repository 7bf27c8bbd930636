#include "MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/ProgramInfo.h"
#include "pages/PageListWidget.h"
#include "ribbon/OfficePopupWindow.h"

MainWindowFixture::MainWindowFixture() = default;

MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::nameApplication()
{
    QCoreApplication::setOrganizationName(QString(ProgramInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString(ProgramInfo::ApplicationName));
}

void MainWindowFixture::returningUser()
{
    // The window's tests meet a user who has started the program before and turned the update
    // check off, so no network pop-up comes between them and their window. Tests of the first
    // start and of the update check set these keys themselves.
    QSettings settings;
    if (!settings.contains(QStringLiteral("FirstStart")))
        settings.setValue(QStringLiteral("FirstStart"), QStringLiteral("2026-01-01T00:00:00"));
    if (!settings.contains(QStringLiteral("AutoUpdate")))
        settings.setValue(QStringLiteral("AutoUpdate"), false);
}

bool MainWindowFixture::open()
{
    QDir(AppPaths::workingFolder()).removeRecursively();
    returningUser();
    m_window = std::make_unique<MainWindow>(false);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return false;
    return QTest::qWaitFor(
        [this] { return m_window->isStartUpFinished() && m_window->isScannerListReady(); }, 10000);
}

MainWindow *MainWindowFixture::rebuild()
{
    reset();
    returningUser();
    m_window = std::make_unique<MainWindow>(false);
    return m_window.get();
}

void MainWindowFixture::reset()
{
    if (m_window) {
        m_window->setModified(false);
        m_window->setProjectPath(QString());
        m_window->pageList()->clearPages();
    }
    m_window.reset();
}

void MainWindowFixture::close()
{
    reset();
    QSettings().clear();
}

QStringList MainWindowFixture::popupMessages() const
{
    QStringList texts;
    if (!m_window)
        return texts;
    for (OfficePopupWindow *popup : m_window->findChildren<OfficePopupWindow *>()) {
        if (auto *label = popup->findChild<QLabel *>(QStringLiteral("PopupLabel")))
            texts << label->property("Message").toString();
    }
    return texts;
}
