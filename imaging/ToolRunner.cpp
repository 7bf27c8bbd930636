#include "ToolRunner.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

#include <memory>

Q_LOGGING_CATEGORY(lcTools, "vellumo.tools")

namespace {
QString &errorOutput()
{
    static QString text;
    return text;
}
} // namespace

bool ToolRunner::run(const QString &program, const QStringList &arguments, int timeoutMs,
                     const QString &workingFolder)
{
    errorOutput().clear();
    auto process = std::make_unique<QProcess>();
    if (!workingFolder.isEmpty())
        process->setWorkingDirectory(workingFolder);
    QEventLoop loop;
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::errorOccurred, &loop,
                     [&loop](QProcess::ProcessError error) {
                         if (error == QProcess::Crashed || error == QProcess::FailedToStart)
                             loop.quit();
                     });
    process->start(program, arguments, QIODevice::ReadWrite);
    if (!process->waitForStarted(5000) || process->state() != QProcess::Running) {
        qCWarning(lcTools) << "cannot start" << program << process->errorString();
        return false;
    }
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (process->state() == QProcess::Running)
        loop.exec();
    if (process->state() == QProcess::Running) {
        qCWarning(lcTools) << program << "still running after" << timeoutMs << "ms: ended";
        process->kill();
        process->waitForFinished(3000);
    }
    errorOutput() = QString::fromLocal8Bit(process->readAllStandardError());
    if (!errorOutput().isEmpty())
        qCInfo(lcTools).noquote() << program << errorOutput();
    return true;
}

QString ToolRunner::lastErrorOutput()
{
    return errorOutput();
}
