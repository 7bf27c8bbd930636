#include <QSettings>
#include <QTest>

#include "core/ProgramInfo.h"
#include "core/Settings.h"

// Where the settings land: one flat store in the program's own scope. (Reading and writing go
// straight through QSettings; that is Qt's to test.)
class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void storeIsFlatAndScoped();
};

void tst_Settings::storeIsFlatAndScoped()
{
    QCoreApplication::setOrganizationName(QString(ProgramInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString(ProgramInfo::ApplicationName));
    Settings::write(SettingsKeys::Version, QString(ProgramInfo::Version));
    QSettings store(QStringLiteral("Leafkin"), QStringLiteral("Vellumo"));
    QCOMPARE(store.childGroups(), QStringList());
    QCOMPARE(store.value(QStringLiteral("Version")).toString(), QString(ProgramInfo::Version));
    // The store lives in the private test home, never in a real user's.
    QVERIFY(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
