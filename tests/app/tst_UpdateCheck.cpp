#include <QDesktopServices>
#include <QSettings>
#include <QSysInfo>
#include <QTest>
#include <QUrlQuery>

#include "app/MainWindow.h"
#include "app/UpdateServer.h"
#include "support/DialogAnswerer.h"
#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"

// The update check and the install report against a local server: what the user is told for
// each answer, what the first start sends, and that it is sent only once.
class tst_UpdateCheck : public QObject
{
    Q_OBJECT

public slots:
    // The desktop's URL handler for https during the tests.
    void open(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void allowedServers_data();
    void allowedServers();
    void answers_data();
    void answers();
    void downloadOpensOnlySecureLinks_data();
    void downloadOpensOnlySecureLinks();
    void networkErrorIsSaid();
    void installReportOnlyOnFirstStart();

private:
    // The messages after one check, once the server has answered and the reply is handled.
    QStringList check();

    LocalHttpServer m_server;
    MainWindowFixture m_window;
    QList<QUrl> m_opened;
};

namespace {

QByteArray offer(const QString &version,
                 const QString &path = QStringLiteral("https://x.test/v.deb"))
{
    return QStringLiteral(
               "<?xml version=\"1.0\"?><update><version>%1</version><path>%2</path></update>")
        .arg(version, path)
        .toUtf8();
}

const QString Latest = QStringLiteral("You use a latest version of Vellumo.");
const QString Checking = QStringLiteral("Checking for update");

} // namespace

void tst_UpdateCheck::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_server.start());
    qputenv(UpdateServer::HostVariable, m_server.baseUrl().toLatin1());
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

void tst_UpdateCheck::init()
{
    m_opened.clear();
    QVERIFY(m_window.open());
}

void tst_UpdateCheck::cleanup()
{
    m_window.close();
}

QStringList tst_UpdateCheck::check()
{
    const qsizetype before = m_server.requests().size();
    m_window->update();
    if (!QTest::qWaitFor([&] { return m_server.requests().size() > before; }, 5000))
        return {QStringLiteral("no request")};
    // The reply is handled on the next turns of the event loop.
    QTest::qWait(300);
    // From the check on (the start may have said something about the scanners).
    const QStringList messages = m_window.popupMessages();
    return messages.mid(messages.indexOf(Checking));
}

void tst_UpdateCheck::allowedServers_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https") << "https://updates.example.org:8443" << true;
    QTest::newRow("http on loopback") << "http://127.0.0.1:8080" << true;
    QTest::newRow("http on IPv6 loopback") << "http://[::1]:8080" << true;
    QTest::newRow("http elsewhere") << "http://updates.example.org" << false;
    QTest::newRow("another scheme") << "ftp://127.0.0.1" << false;
    QTest::newRow("no host") << "https://" << false;
}

void tst_UpdateCheck::allowedServers()
{
    QFETCH(QString, url);
    QFETCH(bool, allowed);
    QCOMPARE(UpdateServer::isAllowed(QUrl(url)), allowed);
}

void tst_UpdateCheck::answers_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("said");
    // Only the numbers with the dots taken out count: 152 and 160 are below 1518.
    QTest::newRow("15.2") << offer(QStringLiteral("15.2")) << Latest;
    QTest::newRow("16.0") << offer(QStringLiteral("16.0")) << Latest;
    QTest::newRow("15.18 itself") << offer(QStringLiteral("15.18")) << Latest;
    QTest::newRow("empty version") << offer(QString()) << QString();
    QTest::newRow("version not a number") << offer(QStringLiteral("16.a")) << QString();
    QTest::newRow("no path") << QByteArray("<update><version>1519</version></update>") << QString();
    QTest::newRow("not XML") << QByteArray("<html><body>Bad gateway") << QString();
}

void tst_UpdateCheck::answers()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, said);
    m_server.setBody(reply);
    const QStringList messages = check();
    QCOMPARE(m_server.requests().last().path(), QStringLiteral("/update/update.xml"));
    QStringList expected{Checking};
    if (!said.isEmpty())
        expected << said;
    QCOMPARE(messages, expected);
}

void tst_UpdateCheck::downloadOpensOnlySecureLinks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://x.test/vellumo_15.19.deb" << true;
    QTest::newRow("http") << "http://x.test/vellumo_15.19.deb" << false;
}

void tst_UpdateCheck::downloadOpensOnlySecureLinks()
{
    QFETCH(QString, path);
    QFETCH(bool, opened);
    m_server.setBody(offer(QStringLiteral("1519"), path));
    DialogAnswerer download(QStringLiteral("Download"));
    const QStringList messages = check();
    QVERIFY(download.hasAnswered());
    QCOMPARE(download.title(), QStringLiteral("Vellumo Updates"));
    QCOMPARE(m_opened, opened ? QList<QUrl>{QUrl(path)} : QList<QUrl>{});
    QCOMPARE(messages.contains(QStringLiteral("Thank you for updating Vellumo.<p>Please close the "
                                              "program and run the install file.")),
             opened);
}

void tst_UpdateCheck::networkErrorIsSaid()
{
    qputenv(UpdateServer::HostVariable, "http://127.0.0.1:9");
    m_window->update();
    const QString error = QStringLiteral(
        "ERROR!<br>Can't connect to the update server. Please check network settings.");
    QTRY_VERIFY(m_window.popupMessages().contains(error));
    qputenv(UpdateServer::HostVariable, m_server.baseUrl().toLatin1());
}

void tst_UpdateCheck::installReportOnlyOnFirstStart()
{
    m_window.close();
    m_server.setBody(offer(QStringLiteral("15.18")));
    const qsizetype before = m_server.requests().size();
    // A first start: no record of an earlier one, and the update check off does not matter.
    QSettings().setValue(QStringLiteral("AutoUpdate"), false);
    {
        MainWindow first(false);
        QVERIFY(first.isFirstStart());
        QTRY_COMPARE_WITH_TIMEOUT(m_server.requests().size(), before + 2, 10000);
    }
    const QList<QUrl> sent = m_server.requests().mid(before);
    QUrl report;
    for (const QUrl &url : sent) {
        if (url.path() == QStringLiteral("/instcnt/inst.php"))
            report = url;
    }
    QVERIFY(report.isValid());
    const QUrlQuery query(report);
    const auto field = [&](const char *key) {
        return query.queryItemValue(QLatin1StringView(key), QUrl::FullyDecoded);
    };
    QCOMPARE(field("ip"), QSettings().value(QStringLiteral("UniqueID")).toString());
    bool hex = false;
    QVERIFY(field("ip").toLongLong(&hex, 16) > 0 && hex && field("ip") == field("ip").toLower());
    QVERIFY(QDateTime::fromString(field("date"), Qt::ISODate).isValid());
    QCOMPARE(field("win"), QSysInfo::prettyProductName());
    QCOMPARE(field("ver"), QStringLiteral("15.18"));
    QCOMPARE(field("scan"), QSettings().value(QStringLiteral("Scanners")).toString());
    QCOMPARE(field("loc"), QLocale::system().name());
    QCOMPARE(field("event"), QStringLiteral("Installed"));
    // Values arrive as they were, whatever characters a scanner's name holds.
    const QString odd = QStringLiteral("Acme A4 & Co #2+3");
    const QUrl encoded = UpdateServer::reportUrl({{QStringLiteral("scan"), odd}});
    QCOMPARE(QUrlQuery(encoded).queryItemValue(QStringLiteral("scan"), QUrl::FullyDecoded), odd);

    // The next start is not the first: with the update check off, nothing is sent.
    MainWindow second(false);
    QVERIFY(!second.isFirstStart());
    QTest::qWait(MainWindow::CheckInstallDelayMs + 500);
    QCOMPARE(m_server.requests().size(), before + 2);
}

QTEST_MAIN(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
