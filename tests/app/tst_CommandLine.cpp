// The window program's command line: what it parses, and with the real program started as a
// separate process (VELLUMO_BIN_DIR/vellumo): files given at start become pages, and a second
// start hands its files to the copy that runs instead of being refused, and brings its window to
// the front.

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <future>

#include "app/CommandLine.h"
#include "app/InstanceChannel.h"
#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "pages/PageFiles.h"
#include "pages/PageListWidget.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void laterStartRaisesTheWindow();
    void filesAtStartAndFromASecondStart();

private:
    static QString program(const QString &name)
    {
        return qEnvironmentVariable("VELLUMO_BIN_DIR") + QLatin1Char('/') + name;
    }
    static int workingImages()
    {
        const QStringList names = QDir(AppPaths::workingFolder()).entryList(QDir::Files);
        return int(std::count_if(names.begin(), names.end(), PageFiles::isWorkingFileName));
    }

    QTemporaryDir m_dir;
};

void tst_CommandLine::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_dir.isValid());
}

void tst_CommandLine::parse_data()
{
    // Space-separated lists, to keep the table readable.
    const auto words = [](const char *text) {
        return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("flags"); // h, v, d for help, version, demo scanner; ! an error
    QTest::newRow("nothing") << words("") << words("") << "";
    QTest::newRow("files, relative and absolute")
        << words("a.jpg /x/b.pdf ../c.vlmpj") << words("/w/d/a.jpg /x/b.pdf /w/c.vlmpj") << "";
    QTest::newRow("help and version") << words("-h --version") << words("") << "hv";
    QTest::newRow("demo scanner among files")
        << words("--demo-scanner a.png") << words("/w/d/a.png") << "d";
    QTest::newRow("unknown option") << words("--colour") << words("") << "!";
    QTest::newRow("a file named like an option after --")
        << words("-- -scan.jpg") << words("/w/d/-scan.jpg") << "";
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(QString, flags);
    const CommandLine line = CommandLine::parse(QStringList{QStringLiteral("vellumo")} + arguments,
                                                QStringLiteral("/w/d"));
    QCOMPARE(line.files, files);
    QCOMPARE(line.help, flags.contains(QLatin1Char('h')));
    QCOMPARE(line.version, flags.contains(QLatin1Char('v')));
    QCOMPARE(line.demoScanner, flags.contains(QLatin1Char('d')));
    QCOMPARE(!line.error.isEmpty(), flags.contains(QLatin1Char('!')));
}

void tst_CommandLine::laterStartRaisesTheWindow()
{
    MainWindowFixture window;
    QVERIFY(window.open());
    InstanceChannel channel;
    QVERIFY(channel.listen());
    window->takeFilesFrom(&channel);
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    const QString file = m_dir.filePath(QStringLiteral("raised.png"));
    QVERIFY(TestPages::pageImage(3).save(file, "PNG"));

    // The later start's side blocks, as in its own process; here it gets a thread of its own.
    auto sent = std::async(std::launch::async, [file] { return InstanceChannel::send({file}); });
    QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(sent.get());
    QTRY_COMPARE(window->pageList()->count(), 1);
    QVERIFY(!window->isMinimized());
    QTRY_VERIFY(window->isActiveWindow());
    window.close();
}

void tst_CommandLine::filesAtStartAndFromASecondStart()
{
    QDir(AppPaths::workingFolder()).removeRecursively();
    const QString jpg = m_dir.filePath(QStringLiteral("page.jpg"));
    const QString second = m_dir.filePath(QStringLiteral("later.png"));
    QVERIFY(TestPages::pageImage(1).save(jpg, "JPG"));
    QVERIFY(TestPages::pageImage(2).save(second, "PNG"));
    // A PDF of two pages, made by the command-line tool.
    const QString pdf = m_dir.filePath(QStringLiteral("scan.pdf"));
    QCOMPARE(QProcess::execute(program(QStringLiteral("vellumo-cli")),
                               {QStringLiteral("pdf"), QStringLiteral("-o"), pdf, jpg, jpg}),
             0);

    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(program(QStringLiteral("vellumo")), {jpg, pdf});
    const auto stop = qScopeGuard([&first] {
        first.terminate();
        if (!first.waitForFinished(10000))
            first.kill();
    });
    QVERIFY(first.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(workingImages(), 3, 20000);

    // A second start gives its file to the first copy and ends at once, without a refusal.
    QProcess later;
    later.start(program(QStringLiteral("vellumo")), {second});
    QVERIFY(later.waitForFinished(15000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(workingImages(), 4, 15000);
    QCOMPARE(first.state(), QProcess::Running);
}

QTEST_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
