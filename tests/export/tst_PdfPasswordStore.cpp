#include <QSettings>
#include <QTest>

#include "core/SecretStore.h"
#include "core/Settings.h"
#include "export/PdfPasswordStore.h"
#include "support/StoreAnswers.h"

// Runs with a secret store of its own; withoutSecretStore runs once more alone, with none.
class TestPdfPasswordStore : public QObject
{
    Q_OBJECT

    static QString kept() { return StoreAnswers::read(QStringLiteral("PdfPassword")).secret; }

private Q_SLOTS:
    void init()
    {
        QSettings().clear();
        StoreAnswers::save(QString(), false);
    }

    void clearTextMovesOnlyWhenMeantToBeKept_data()
    {
        QTest::addColumn<QString>("clearText");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kept") << QStringLiteral("pass 1") << true << QStringLiteral("pass 1");
        QTest::newRow("not kept") << QStringLiteral("pass 2") << false << QString();
        QTest::newRow("empty") << QString() << true << QString();
    }
    void clearTextMovesOnlyWhenMeantToBeKept()
    {
        QFETCH(QString, clearText);
        QFETCH(bool, keep);
        QFETCH(QString, expected);
        QVERIFY(qEnvironmentVariableIsSet("VELLUMO_TEST_SECRET_STORE"));
        Settings::write(SettingsKeys::PdfPassword, clearText);
        Settings::write(SettingsKeys::KeepPassword, keep);
        StoreAnswers::moveClearTextPassword();
        QVERIFY(!Settings::contains(SettingsKeys::PdfPassword));
        QCOMPARE(kept(), expected);
        QCOMPARE(StoreAnswers::load(true).password, expected);
    }

    void keptWhileTheBoxIsChecked()
    {
        QVERIFY(StoreAnswers::save(QStringLiteral("first"), true));
        QVERIFY(StoreAnswers::save(QStringLiteral("second"), true));
        QCOMPARE(kept(), QStringLiteral("second"));
        // An emptied field keeps nothing, even with the box checked.
        QVERIFY(StoreAnswers::save(QString(), true));
        QCOMPARE(StoreAnswers::read(QStringLiteral("PdfPassword")).status,
                 SecretStore::Status::NotFound);
        QVERIFY(StoreAnswers::save(QStringLiteral("third"), true));
        const PdfPasswordStore::Kept unchecked = StoreAnswers::load(false);
        QVERIFY(unchecked.storeAvailable);
        QVERIFY(unchecked.password.isEmpty());
        QCOMPARE(kept(), QString());
    }

    void withoutSecretStore()
    {
        if (qEnvironmentVariableIsSet("VELLUMO_TEST_SECRET_STORE"))
            QSKIP("runs where no secret store runs");
        QString error;
        QVERIFY(!StoreAnswers::save(QStringLiteral("pw"), true, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!StoreAnswers::load(true).storeAvailable);
        // The clear-text copy leaves the settings file even when it has nowhere to go.
        Settings::write(SettingsKeys::PdfPassword, QStringLiteral("pw"));
        Settings::write(SettingsKeys::KeepPassword, true);
        StoreAnswers::moveClearTextPassword();
        QVERIFY(!Settings::contains(SettingsKeys::PdfPassword));
    }
};

QTEST_GUILESS_MAIN(TestPdfPasswordStore)
#include "tst_PdfPasswordStore.moc"
