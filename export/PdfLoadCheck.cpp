#include "export/PdfLoadCheck.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <exception>
#include <podofo/podofo.h>
#include <sys/resource.h>

#include "app/ToolLocator.h"
#include "export/ByteArrayStream.h"

namespace {

// Starting is only fork and exec; a child that has not started by then will not.
constexpr int startTimeoutMs = 10 * 1000;
// After a kill the child is gone at once; this only bounds the wait for its exit status.
constexpr int killTimeoutMs = 5 * 1000;

QString describe(const PoDoFo::PdfError &error)
{
    const char *name = PoDoFo::PdfError::ErrorName(error.GetError());
    return QStringLiteral("PoDoFo error %1 (%2)")
        .arg(int(error.GetError()))
        .arg(QString::fromLatin1(name ? name : "unknown"));
}

} // namespace

PdfLoadCheck::PdfLoadCheck()
    : m_toolPath(ToolLocator::find(QStringLiteral("vellumo-cli")))
{
}

bool PdfLoadCheck::refuse(const QString &why)
{
    m_errorString = why;
    return false;
}

bool PdfLoadCheck::check(const QByteArray &pdf)
{
    m_errorString.clear();
    // Without the checking program nothing says the file is safe to read.
    if (m_toolPath.isEmpty())
        return refuse(QStringLiteral("vellumo-cli, which checks the existing PDF, was not found"));

    QProcess process;
    process.setProgram(m_toolPath);
    process.setArguments({QStringLiteral("check-pdf"), QStringLiteral("-")});
    process.setStandardOutputFile(QProcess::nullDevice());
    // Crashing on a malformed file is the child's job here; no core file is wanted for that.
    process.setChildProcessModifier([] {
        const rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer timeLimit;
    timeLimit.setSingleShot(true);
    QObject::connect(&timeLimit, &QTimer::timeout, &loop, &QEventLoop::quit);

    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(startTimeoutMs)) {
        const QString why = process.errorString();
        process.kill();
        process.waitForFinished(killTimeoutMs);
        return refuse(QStringLiteral("cannot start %1: %2").arg(m_toolPath, why));
    }
    // Written while the loop runs; the child sees the end of its input once all of it is out.
    process.write(pdf);
    process.closeWriteChannel();
    timeLimit.start(m_timeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec();

    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(killTimeoutMs);
        return refuse(QStringLiteral("%1 did not answer within %2 s and was ended")
                          .arg(m_toolPath, QString::number(m_timeoutMs / 1000.0)));
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return refuse(QStringLiteral("%1 crashed reading the file").arg(m_toolPath));
    if (process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return refuse(QStringLiteral("%1 refused the file (exit code %2)%3")
                          .arg(m_toolPath, QString::number(process.exitCode()),
                               said.isEmpty() ? QString() : QStringLiteral(": ") + said));
    }
    return true;
}

bool PdfLoadCheck::tryInThisProcess(const QByteArray &pdf, QString *error)
{
    PoDoFo::PdfError::EnableLogging(false);
    PoDoFo::PdfError::EnableDebug(false);
    try {
        // Read exactly as the writer reads an existing file.
        ByteArrayStream stream(pdf);
        PoDoFo::PdfMemDocument doc;
        doc.LoadFromDevice(PoDoFo::PdfRefCountedInputDevice(new PoDoFo::PdfInputDevice(&stream)));
        // Loading parses objects only when they are first used; adding a page walks the page
        // tree and writing parses and writes every object, as appending will.
        doc.CreatePage(PoDoFo::PdfPage::CreateStandardPageSize(PoDoFo::ePdfPageSize_A4));
        PoDoFo::PdfOutputDevice counter;
        doc.Write(&counter);
    } catch (const PoDoFo::PdfError &e) {
        if (error)
            *error = describe(e);
        return false;
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}
