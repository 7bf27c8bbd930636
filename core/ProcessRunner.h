#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QProcess;

// Runs one external program to its end and tells how it ended, on a job's thread or the command
// line's: the caller blocks in the process's own waits (no event loop), which keep its pipes
// flowing and hand each line of standard error to the handler as it comes. The wait ends when
// the program does or the time limit passes, and a program still running then is killed.
//
// run() does it all; start(), wait() and finish() do the same in steps, so that one thread can
// keep several programs going at once (the DjVu encoders). Each runner owns its own process.
class ProcessRunner
{
public:
    enum class Outcome {
        NotStarted, // the program is missing or could not be executed
        TimedOut,   // still running when the time limit passed; it was killed
        Crashed,    // ended by a signal
        Exited,     // ended normally; see exitCode
        Stopped     // ended by the caller's line handler or stop check
    };

    struct Result
    {
        Outcome outcome = Outcome::NotStarted;
        int exitCode = -1;
        // What the program wrote to standard error (kept for the log, never shown as is).
        QString standardError;
        // Why it did not start, for the log.
        QString startError;

        bool started() const { return outcome != Outcome::NotStarted; }
        bool exitedWith(int code) const { return outcome == Outcome::Exited && exitCode == code; }
        // One line for the log: "exit code 2", "crashed", "timed out after 3 s", ...
        QString describe() const;
    };

    explicit ProcessRunner(QString program, QStringList arguments = {});
    ~ProcessRunner();
    ProcessRunner(ProcessRunner &&) noexcept;
    ProcessRunner &operator=(ProcessRunner &&) = delete;

    // Time limit of the whole run in milliseconds.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // Folder the program starts in; empty keeps the caller's.
    void setWorkingFolder(const QString &folder) { m_workingFolder = folder; }
    // Bytes written to the program's standard input, which is then closed. Without it the
    // program's standard input is closed at once.
    void setStandardInput(const QByteArray &bytes);
    // Standard output is dropped unless asked for (then it is read into the result's buffer).
    void setKeepStandardOutput(bool keep) { m_keepOutput = keep; }
    // One variable set in the program's environment (the rest is the caller's).
    void setEnvironmentValue(const QString &name, const QString &value)
    {
        m_environment.append({name, value});
    }
    // A program expected to crash on bad input leaves no core file behind.
    void setNoCoreDump(bool noCore) { m_noCore = noCore; }
    // Each complete line of standard error as it comes (then not kept in the result); returning
    // false ends the program.
    void setErrorLineHandler(std::function<bool(const QString &)> handler)
    {
        m_lineHandler = std::move(handler);
    }
    // Asked about ten times a second while the program runs; returning true ends it.
    void setStopCheck(std::function<bool()> check) { m_stopCheck = std::move(check); }

    // Waits (see above) until the program ends or the time limit passes.
    Result run();

    // Starts the program; false when it could not be (finish() then says why). The time limit
    // counts from here.
    bool start();
    // Waits at most milliseconds; true once the program has ended, or has been ended for
    // passing the time limit or by the line handler or stop check.
    bool wait(int milliseconds);
    // How the program ended; one still running is killed first.
    Result finish();
    // Standard output of the last run, when it was kept.
    QByteArray standardOutput() const { return m_output; }

    QString program() const { return m_program; }

private:
    void readLines();

    QString m_program;
    QStringList m_arguments;
    QString m_workingFolder;
    QByteArray m_input;
    QList<QPair<QString, QString>> m_environment;
    bool m_hasInput = false;
    bool m_keepOutput = false;
    bool m_noCore = false;
    int m_timeoutMs = 30 * 1000;
    QByteArray m_output;
    std::function<bool(const QString &)> m_lineHandler;
    std::function<bool()> m_stopCheck;

    // The run in progress.
    std::unique_ptr<QProcess> m_process;
    Result m_result;
    QDeadlineTimer m_deadline;
    QByteArray m_pending;
    bool m_stopped = false;
    bool m_ended = false;
};
