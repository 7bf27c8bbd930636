#include "ProcessRunner.h"

#include <QProcess>

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

ProcessRunner::~ProcessRunner()
{
    if (m_process)
        finish();
}

ProcessRunner::ProcessRunner(ProcessRunner &&other) noexcept = default;

void ProcessRunner::setStandardInput(const QByteArray &bytes)
{
    m_input = bytes;
    m_hasInput = true;
}

ProcessRunner::Result ProcessRunner::run()
{
    if (start()) {
        while (!wait(100)) {
        }
    }
    return finish();
}

bool ProcessRunner::start()
{
    m_result = Result();
    m_output.clear();
    m_pending.clear();
    m_stopped = false;
    m_ended = false;
    if (m_program.isEmpty()) {
        m_result.startError = QStringLiteral("no program given");
        m_ended = true;
        return false;
    }

    m_process = std::make_unique<QProcess>();
    QProcess &process = *m_process;
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
    // Emitted from inside the waits, on this thread.
    if (m_lineHandler)
        QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                         [this] { readLines(); });

    process.start(m_hasInput ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    if (!process.waitForStarted(StartTimeoutMs)) {
        m_result.startError = process.errorString();
        process.kill();
        process.waitForFinished(KillTimeoutMs);
        qCWarning(lcTools).noquote() << "cannot start" << m_program << m_result.startError;
        m_process.reset();
        m_ended = true;
        return false;
    }
    m_deadline = QDeadlineTimer(m_timeoutMs);
    if (m_hasInput) {
        // Written while the program runs; it sees the end of its input once all is out.
        process.write(m_input);
        process.closeWriteChannel();
    }
    return true;
}

void ProcessRunner::readLines()
{
    if (m_stopped)
        return;
    m_pending += m_process->readAllStandardError();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end));
        m_pending.remove(0, end + 1);
        if (!m_lineHandler(line)) {
            m_stopped = true;
            return;
        }
    }
}

bool ProcessRunner::wait(int milliseconds)
{
    if (m_ended || !m_process)
        return true;
    QProcess &process = *m_process;
    if (process.state() != QProcess::NotRunning && !m_stopped && !m_deadline.hasExpired())
        process.waitForFinished(int(std::clamp<qint64>(
            std::min<qint64>(m_deadline.remainingTime(), milliseconds), 1, milliseconds)));
    if (m_stopCheck && !m_stopped && process.state() != QProcess::NotRunning && m_stopCheck())
        m_stopped = true;
    m_ended = process.state() == QProcess::NotRunning || m_stopped || m_deadline.hasExpired();
    return m_ended;
}

ProcessRunner::Result ProcessRunner::finish()
{
    if (!m_process)
        return std::exchange(m_result, Result());
    QProcess &process = *m_process;
    Result result;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(KillTimeoutMs);
        result.outcome = m_stopped ? Outcome::Stopped : Outcome::TimedOut;
        if (!m_stopped)
            qCWarning(lcTools).noquote()
                << m_program << "still running after" << m_timeoutMs << "ms: ended";
    } else if (m_stopped) {
        result.outcome = Outcome::Stopped;
    } else if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = Outcome::Crashed;
    } else {
        result.outcome = Outcome::Exited;
        result.exitCode = process.exitCode();
    }
    if (m_lineHandler && !m_stopped) {
        readLines();
        if (!m_pending.isEmpty() && !m_stopped)
            m_lineHandler(QString::fromLocal8Bit(m_pending));
    }
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    if (m_keepOutput)
        m_output = process.readAllStandardOutput();
    if (!result.standardError.isEmpty())
        qCInfo(lcTools).noquote() << m_program << result.standardError.trimmed();
    QObject::disconnect(&process, nullptr, nullptr, nullptr);
    m_process.reset();
    m_ended = true;
    return result;
}
