#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include "app/MainWindow.h"

// Without any scanner the window says so once and turns the scanning commands off.
class tst_NoScanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scanningCommandsAreOff();
};

void tst_NoScanner::initTestCase()
{
    // Before SANE starts: a configuration with no backend at all.
    qputenv("SANE_CONFIG_DIR",
            (qEnvironmentVariable("VELLUMO_SOURCE_DIR") + QStringLiteral("/tests/scan/no-scanner"))
                .toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_NoScanner::scanningCommandsAreOff()
{
    MainWindow window(false);
    QTRY_VERIFY(window.isScannerListReady());
    const RibbonCommands &commands = window.commands();
    QVERIFY(!commands.scanPage->isEnabled());
    QVERIFY(!commands.autoScan->isEnabled());
    QVERIFY(commands.loadFile->isEnabled());
    QStringList messages;
    for (QLabel *label : window.findChildren<QLabel *>(QStringLiteral("PopupLabel")))
        messages << label->property("Message").toString();
    QCOMPARE(messages,
             QStringList({QStringLiteral("Scanners not found.<br>Please plug a scanner.")}));
    QCOMPARE(QSettings().value(QStringLiteral("Scanners")).toString(), QString());
    // The choosers are filled all the same.
    QCOMPARE(commands.colorChooser->count(), 3);
    QCOMPARE(commands.qualityChooser->count(), 3);
}

QTEST_MAIN(tst_NoScanner)
#include "tst_NoScanner.moc"
