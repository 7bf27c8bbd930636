#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "core/AppPaths.h"
#include "core/FileOperations.h"
#include "core/InstanceLock.h"
#include "ribbon/RibbonStyle.h"
#include "support/DialogAnswerer.h"
#include "support/TestPaths.h"

namespace {

// No file can be deleted or renamed; pauses are skipped.
class LockedFiles : public FileOperations
{
public:
    bool remove(const QString &) override { return false; }
    bool rename(const QString &, const QString &) override { return false; }
    void pause(int) override {}
};

MainWindow *findMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<MainWindow *>(widget))
            return window;
    }
    return nullptr;
}

// Closes the main window once it is fully built and shown, which ends the event loop.
void closeMainWindowWhenUp(bool *sawConstructed)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, sawConstructed] {
        MainWindow *window = findMainWindow();
        if (!window || !window->isVisible())
            return;
        *sawConstructed = window->isConstructed();
        timer->deleteLater();
        window->close();
    });
    timer->start(50);
}

} // namespace

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startWritesVersionAndQualityAndMakesFolders();
    void workingFolderKeepsPagesAcrossRestart();
    void staleFileThatCannotGoRefusesStart();
    void secondCopyIsRefusedWithoutCleaning();
};

void tst_StartUp::initTestCase()
{
    // The real start-up names the application itself; names set here let the test reach the
    // same folders before the first start.
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QVERIFY(AppPaths::dataFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
}

void tst_StartUp::startWritesVersionAndQualityAndMakesFolders()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QVERIFY(TestPaths::writeFile(cache + QStringLiteral("/TempLeftOver")));
    {
        QSettings settings;
        settings.setValue(QStringLiteral("JpegQuality"), 50);
        settings.setValue(QStringLiteral("Version"), QStringLiteral("1.0"));
    }

    for (int start = 1; start <= 2; ++start) {
        bool constructed = false;
        closeMainWindowWhenUp(&constructed);
        FileOperations operations;
        QCOMPARE(StartUp::run(*qApp, operations), 0);
        QVERIFY(constructed);
        QVERIFY(qobject_cast<RibbonStyle *>(QApplication::style()));

        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("JpegQuality")).toInt(), 85);
        QCOMPARE(settings.value(QStringLiteral("Version")).toString(), QStringLiteral("15.18"));
        QVERIFY(QDir(AppPaths::workingFolder()).exists());
        QVERIFY(QDir(AppPaths::configFolder()).exists());
        QVERIFY(!QFile::exists(cache + QStringLiteral("/TempLeftOver")));
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());

        // Changed by hand between two starts: rewritten again.
        settings.setValue(QStringLiteral("JpegQuality"), 50);
    }
}

void tst_StartUp::workingFolderKeepsPagesAcrossRestart()
{
    const QString page = AppPaths::workingFolder() + QStringLiteral("/00000001_o.jpg");
    QVERIFY(TestPaths::writeFile(page, "page"));
    bool constructed = false;
    closeMainWindowWhenUp(&constructed);
    FileOperations operations;
    QCOMPARE(StartUp::run(*qApp, operations), 0);
    QVERIFY(QFile::exists(page));
}

void tst_StartUp::staleFileThatCannotGoRefusesStart()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QVERIFY(TestPaths::writeFile(cache + QStringLiteral("/TempLocked")));

    DialogAnswerer answerer(QStringLiteral("OK"));
    LockedFiles operations;
    QCOMPARE(StartUp::run(*qApp, operations), 1);
    QVERIFY(answerer.hasAnswered());
    QCOMPARE(answerer.title(), QStringLiteral("Critical error"));
    QCOMPARE(answerer.text(), QStringLiteral("Can't start application."));
    QVERIFY(!findMainWindow());
    QVERIFY(QFile::exists(cache + QStringLiteral("/TempLocked")));
    QVERIFY(QFile::remove(cache + QStringLiteral("/TempLocked")));
}

void tst_StartUp::secondCopyIsRefusedWithoutCleaning()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString stale = cache + QStringLiteral("/TempOfTheFirstCopy");
    QVERIFY(TestPaths::writeFile(stale));

    InstanceLock firstCopy(AppPaths::dataFolder());
    QVERIFY(firstCopy.tryLock());

    DialogAnswerer answerer(QStringLiteral("OK"));
    FileOperations operations;
    QCOMPARE(StartUp::run(*qApp, operations), 1);
    QVERIFY(answerer.hasAnswered());
    QCOMPARE(answerer.title(), QStringLiteral("Vellumo"));
    QVERIFY(answerer.text().contains(QStringLiteral("already running")));
    QVERIFY(!findMainWindow());
    QVERIFY(QFile::exists(stale));
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
