#include <QSettings>
#include <QTest>

#include "core/Settings.h"

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void absentKeyGivesTheDefaultOfTheReadingSite();
    void storedValueWinsOverEveryDefault();
    void otherTypesAreConverted();
    void storeIsFlatAndScoped();
};

void tst_Settings::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_Settings::init()
{
    QSettings().clear();
}

void tst_Settings::absentKeyGivesTheDefaultOfTheReadingSite()
{
    // The same key read at two sites with two defaults.
    QCOMPARE(Settings::readInt(SettingsKeys::AutoScanTime, 10), 10);
    QCOMPARE(Settings::readInt(SettingsKeys::AutoScanTime, 15), 15);
    QCOMPARE(Settings::readBool(SettingsKeys::AutoUpdate, true), true);
    QCOMPARE(Settings::readDouble(SettingsKeys::AutoMarginLeft, 0.2), 0.2);
    QCOMPARE(Settings::readString(SettingsKeys::ImageDocName, QStringLiteral("IMAGE_[C]")),
             QStringLiteral("IMAGE_[C]"));
    QVERIFY(!Settings::contains(SettingsKeys::AutoScanTime));
}

void tst_Settings::storedValueWinsOverEveryDefault()
{
    Settings::write(SettingsKeys::AutoScanTime, 7);
    Settings::write(SettingsKeys::AutoUpdate, false);
    QCOMPARE(Settings::readInt(SettingsKeys::AutoScanTime, 10), 7);
    QCOMPARE(Settings::readInt(SettingsKeys::AutoScanTime, 15), 7);
    QCOMPARE(Settings::readBool(SettingsKeys::AutoUpdate, true), false);
}

void tst_Settings::otherTypesAreConverted()
{
    // The INI store keeps text; a value written by hand must still read as its type.
    QSettings().setValue(SettingsKeys::JpegQuality, QStringLiteral("50"));
    QSettings().setValue(SettingsKeys::KeepScale, QStringLiteral("true"));
    QSettings().setValue(SettingsKeys::Left, QStringLiteral("1.5"));
    QCOMPARE(Settings::readInt(SettingsKeys::JpegQuality, 75), 50);
    QCOMPARE(Settings::readBool(SettingsKeys::KeepScale, false), true);
    QCOMPARE(Settings::readDouble(SettingsKeys::Left, 0.0), 1.5);
    // Unconvertible text reads as the conversion's zero, not as the default.
    QSettings().setValue(SettingsKeys::ImageScale, QStringLiteral("big"));
    QCOMPARE(Settings::readInt(SettingsKeys::ImageScale, 100), 0);
}

void tst_Settings::storeIsFlatAndScoped()
{
    Settings::write(SettingsKeys::Version, QStringLiteral("15.18"));
    QSettings store(QStringLiteral("Leafkin"), QStringLiteral("Vellumo"));
    QCOMPARE(store.childGroups(), QStringList());
    QVERIFY(store.childKeys().contains(QStringLiteral("Version")));
    // The store lives in the private test home, never in a real user's.
    QVERIFY(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
