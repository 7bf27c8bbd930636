#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/LanguageLoader.h"
#include "app/MainWindow.h"
#include "options/OptionsDlg.h"
#include "options/PropertyPage.h"
#include "support/MainWindowFixture.h"

// Choosing and loading the interface language: the installer's choice, right to left for
// Arabic, and a switch from the options dialog that reaches every open window and Qt's own
// texts without a restart.
class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void installerChoice_data();
    void installerChoice();
    void direction_data();
    void direction();
    void switchFromTheOptions();

private:
    // A locale folder with the built translations and, when given, an instlang.txt.
    QString localeWith(const QByteArray &instlang);

    QTemporaryDir m_folder;
};

void tst_Language::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_folder.isValid());
}

void tst_Language::cleanup()
{
    QSettings().clear();
    LanguageLoader::load(m_folder.path()); // no translations there: the source texts
}

QString tst_Language::localeWith(const QByteArray &instlang)
{
    const QString folder = m_folder.filePath(QStringLiteral("locale"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QDir built(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/locale"));
    for (const QString &qm : built.entryList({QStringLiteral("*.qm")}))
        QFile::copy(built.filePath(qm), folder + QLatin1Char('/') + qm);
    if (!instlang.isNull()) {
        QFile file(folder + QStringLiteral("/instlang.txt"));
        if (file.open(QIODevice::WriteOnly))
            file.write(instlang);
    }
    return folder;
}

void tst_Language::installerChoice_data()
{
    QTest::addColumn<QByteArray>("instlang");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("settingsText");
    QTest::newRow("German") << QByteArray("de\n") << "de"
                            << "Einstellungen";
    QTest::newRow("one letter: the system decides") << QByteArray("d") << ""
                                                    << "Settings";
    QTest::newRow("none") << QByteArray() << ""
                          << "Settings";
}

void tst_Language::installerChoice()
{
    QFETCH(QByteArray, instlang);
    QFETCH(QString, stored);
    QFETCH(QString, settingsText);
    QVERIFY(QLocale::system().language() != QLocale::German); // the system must not decide
    LanguageLoader::load(localeWith(instlang));
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), stored);
    QCOMPARE(QCoreApplication::translate("OptionsDlg", "Settings"), settingsText);
}

void tst_Language::direction_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("host");
    QTest::newRow("Arabic") << "ar" << Qt::RightToLeft << "vellumo.leafkin.com";
    QTest::newRow("Russian") << "ru" << Qt::LeftToRight << "ru.vellumo.leafkin.com";
    QTest::newRow("Finnish") << "fi" << Qt::LeftToRight << "vellumo.leafkin.com";
}

void tst_Language::direction()
{
    QFETCH(QString, code);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, host);
    QSettings().setValue(QStringLiteral("Language"), code);
    LanguageLoader::load(localeWith(QByteArray()));
    QCOMPARE(QApplication::layoutDirection(), direction);
    QCOMPARE(QSettings().value(QStringLiteral("AppUrl")).toString(), host);
    QVERIFY(QCoreApplication::translate("OptionsDlg", "Settings") != QStringLiteral("Settings"));
}

void tst_Language::switchFromTheOptions()
{
    MainWindowFixture window;
    QVERIFY(window.open());
    QCOMPARE(window->commands().scanPage->text(), QStringLiteral("Scan &Page"));
    window->settings();
    auto *dialog = qobject_cast<OptionsDlg *>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    auto *languages = dialog->pages().first()->findChild<QComboBox *>();
    languages->setCurrentIndex(languages->findData(QStringLiteral("de")));
    // The open dialog follows as soon as its language-change event arrives.
    QTRY_VERIFY(dialog->windowTitle() != QStringLiteral("Settings"));
    const QString dialogTitle = dialog->windowTitle();
    dialog->reject();
    QCOMPARE(dialogTitle, QStringLiteral("Einstellungen"));
    // Stored at once, even though the dialog was cancelled.
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("de"));
    QVERIFY(window->commands().scanPage->text() != QStringLiteral("Scan &Page"));
    QCOMPARE(window->commands().scanPage->text(),
             QCoreApplication::translate("MainWindow", "Scan &Page"));
    QCOMPARE(window->statusBar()->currentMessage(),
             QCoreApplication::translate("MainWindow", "Ready"));
    QVERIFY(window->statusBar()->currentMessage() != QStringLiteral("Ready"));
    // Qt's own texts too.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Abbrechen"));
    window.close();
}

QTEST_MAIN(tst_Language)
#include "tst_Language.moc"
