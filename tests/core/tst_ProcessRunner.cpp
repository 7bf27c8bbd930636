#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

#include "core/ProcessRunner.h"

// The one runner of external programs, on real programs of the system: how each way of ending
// is told apart, and that input and error output pass through.
class tst_ProcessRunner : public QObject
{
    Q_OBJECT

private slots:
    void endingsAreToldApart_data();
    void endingsAreToldApart();
    void standardInputReachesTheProgram();
    void jobThreadSeesLinesAndStops();
};

void tst_ProcessRunner::endingsAreToldApart_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardError");
    const QString sh = QStringLiteral("/bin/sh");
    const QString c = QStringLiteral("-c");
    QTest::newRow("success") << sh << QStringList{c, QStringLiteral("exit 0")}
                             << int(ProcessRunner::Outcome::Exited) << 0 << QString();
    QTest::newRow("exit code and error output")
        << sh << QStringList{c, QStringLiteral("echo refused >&2; exit 3")}
        << int(ProcessRunner::Outcome::Exited) << 3 << QStringLiteral("refused\n");
    QTest::newRow("killed by a signal") << sh << QStringList{c, QStringLiteral("kill -SEGV $$")}
                                        << int(ProcessRunner::Outcome::Crashed) << -1 << QString();
    QTest::newRow("too slow") << sh << QStringList{c, QStringLiteral("sleep 30")}
                              << int(ProcessRunner::Outcome::TimedOut) << -1 << QString();
    QTest::newRow("missing program") << QStringLiteral("/nonexistent/vellumo-tool") << QStringList{}
                                     << int(ProcessRunner::Outcome::NotStarted) << -1 << QString();
}

void tst_ProcessRunner::endingsAreToldApart()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, outcome);
    QFETCH(int, exitCode);
    QFETCH(QString, standardError);
    // The window's thread waits in an event loop, a job's thread in the process's own waits:
    // both must tell the same endings apart.
    for (const bool onJobThread : {false, true}) {
        ProcessRunner runner(program, arguments);
        runner.setTimeout(500);
        runner.setNoCoreDump(true);
        ProcessRunner::Result result;
        if (onJobThread) {
            std::unique_ptr<QThread> thread(QThread::create([&] { result = runner.run(); }));
            thread->start();
            QVERIFY(thread->wait(10000));
        } else {
            result = runner.run();
        }
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.standardError, standardError);
        QCOMPARE(result.started(), outcome != int(ProcessRunner::Outcome::NotStarted));
        QVERIFY(!result.describe().isEmpty());
    }
}

void tst_ProcessRunner::jobThreadSeesLinesAndStops()
{
    // Lines reach the handler while the program runs, and a stop check ends it long before its
    // time limit, without an event loop on the waiting thread.
    std::atomic_bool stop{false};
    QStringList lines;
    ProcessRunner::Result result;
    ProcessRunner runner(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("echo 1 >&2; echo 2 >&2; sleep 30")});
    runner.setTimeout(60000);
    runner.setErrorLineHandler([&](const QString &line) {
        lines << line;
        if (lines.size() == 2)
            stop = true;
        return true;
    });
    runner.setStopCheck([&stop] { return stop.load(); });
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QThread> thread(QThread::create([&] { result = runner.run(); }));
    thread->start();
    QVERIFY(thread->wait(20000));
    QCOMPARE(int(result.outcome), int(ProcessRunner::Outcome::Stopped));
    QCOMPARE(lines, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QVERIFY(clock.elapsed() < 20000);
}

void tst_ProcessRunner::standardInputReachesTheProgram()
{
    // More than a pipe holds, so the runner must keep writing while the program reads.
    const QByteArray input(1 << 20, 'v');
    ProcessRunner runner(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), QStringLiteral("wc -c")});
    runner.setStandardInput(input);
    runner.setKeepStandardOutput(true);
    QVERIFY(runner.run().exitedWith(0));
    QCOMPARE(runner.standardOutput().trimmed(), QByteArray::number(input.size()));

    // Without input the program sees its end at once instead of waiting for it.
    ProcessRunner closed(QStringLiteral("/bin/cat"));
    closed.setTimeout(5000);
    QVERIFY(closed.run().exitedWith(0));
}

QTEST_GUILESS_MAIN(tst_ProcessRunner)
#include "tst_ProcessRunner.moc"
