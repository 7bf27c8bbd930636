#include "ProcessRunner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <sys/resource.h>
#include <utility>

#include "core/LogCategories.h"

namespace {

// Starting is only fork and exec; a program that has not started by then will not.
constexpr int StartTimeoutMs = 10 * 1000;
// After a kill the program is gone at once; this only bounds the wait for its exit status.
constexpr int KillTimeoutMs = 5 * 1000;

} // namespace

QString ProcessRunner::Result::describe() const
{
    switch (outcome) {
    case Outcome::NotStarted:
        return QStringLiteral("not started: %1").arg(startError);
    case Outcome::TimedOut:
        return QStringLiteral("timed out and was ended");
    case Outcome::Crashed:
        return QStringLiteral("crashed");
    case Outcome::Stopped:
        return QStringLiteral("stopped");
    case Outcome::Exited:
        break;
    }
    return QStringLiteral("exit code %1").arg(exitCode);
}

ProcessRunner::ProcessRunner(QString program, QStringList arguments)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments))
{
}

void ProcessRunner::setStandardInput(const QByteArray &bytes)
{
    m_input = bytes;
    m_hasInput = true;
}

ProcessRunner::Result ProcessRunner::run()
{
    Result result;
    m_output.clear();
    if (m_program.isEmpty()) {
        result.startError = QStringLiteral("no program given");
        return result;
    }

    QProcess process;
    process.setProgram(m_program);
    process.setArguments(m_arguments);
    if (!m_workingFolder.isEmpty())
        process.setWorkingDirectory(m_workingFolder);
    if (!m_environment.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, value] : m_environment)
            environment.insert(name, value);
        process.setProcessEnvironment(environment);
    }
    if (!m_keepOutput)
        process.setStandardOutputFile(QProcess::nullDevice());
    if (!m_hasInput)
        process.setStandardInputFile(QProcess::nullDevice());
    if (m_noCore) {
        process.setChildProcessModifier([] {
            const rlimit noCore = {0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
        });
    }

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer timeLimit;
    timeLimit.setSingleShot(true);
    QObject::connect(&timeLimit, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool stopped = false;
    const auto stop = [&stopped, &loop] {
        stopped = true;
        loop.quit();
    };
    QByteArray pending;
    const auto readLines = [this, &process, &pending, &stop] {
        pending += process.readAllStandardError();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(end));
            pending.remove(0, end + 1);
            if (!m_lineHandler(line)) {
                stop();
                return;
            }
        }
    };
    if (m_lineHandler)
        QObject::connect(&process, &QProcess::readyReadStandardError, &loop, readLines);
    QTimer stopCheck;
    if (m_stopCheck) {
        QObject::connect(&stopCheck, &QTimer::timeout, &loop, [this, &stop] {
            if (m_stopCheck())
                stop();
        });
        stopCheck.start(100);
    }

    process.start(m_hasInput ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    if (!process.waitForStarted(StartTimeoutMs)) {
        result.startError = process.errorString();
        process.kill();
        process.waitForFinished(KillTimeoutMs);
        qCWarning(lcTools).noquote() << "cannot start" << m_program << result.startError;
        return result;
    }
    if (m_hasInput) {
        // Written while the loop runs; the program sees the end of its input once all is out.
        process.write(m_input);
        process.closeWriteChannel();
    }
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread()) {
        timeLimit.start(m_timeoutMs);
        if (process.state() != QProcess::NotRunning)
            loop.exec();
    } else {
        // Off the window's thread nothing needs painting: the thread blocks in the process's own
        // waits, which keep its pipes flowing and hand each line to the handler as it comes,
        // and looks at the stop check between them.
        const QDeadlineTimer deadline(m_timeoutMs);
        while (process.state() != QProcess::NotRunning && !stopped && !deadline.hasExpired()) {
            process.waitForFinished(int(std::clamp<qint64>(deadline.remainingTime(), 1, 100)));
            if (m_stopCheck && m_stopCheck())
                stop();
        }
    }

    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(KillTimeoutMs);
        result.outcome = stopped ? Outcome::Stopped : Outcome::TimedOut;
        if (!stopped)
            qCWarning(lcTools).noquote()
                << m_program << "still running after" << m_timeoutMs << "ms: ended";
    } else if (stopped) {
        result.outcome = Outcome::Stopped;
    } else if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = Outcome::Crashed;
    } else {
        result.outcome = Outcome::Exited;
        result.exitCode = process.exitCode();
    }
    if (m_lineHandler && !stopped) {
        readLines();
        if (!pending.isEmpty() && !stopped)
            m_lineHandler(QString::fromLocal8Bit(pending));
    }
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    if (m_keepOutput)
        m_output = process.readAllStandardOutput();
    if (!result.standardError.isEmpty())
        qCInfo(lcTools).noquote() << m_program << result.standardError.trimmed();
    return result;
}
