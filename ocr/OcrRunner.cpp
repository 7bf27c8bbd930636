#include "ocr/OcrRunner.h"

#include <QFile>

#include "core/LogCategories.h"
#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"
#include "ocr/OcrLanguages.h"

namespace {

// A dense page takes a few seconds; a minute per page leaves room for slow machines.
constexpr int recognitionTimeoutMs = 5 * 60 * 1000;
constexpr int orientationTimeoutMs = 60 * 1000;
// Exit codes of the tool.
constexpr int exitMissingLanguage = 3;

ProcessRunner makeRunner(const QString &tool, const QStringList &arguments, int timeoutMs,
                         const std::atomic_bool *stop)
{
    ProcessRunner runner(tool, arguments);
    runner.setTimeout(timeoutMs);
    // One thread per page: the pages themselves run side by side.
    runner.setEnvironmentValue(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    if (stop)
        runner.setStopCheck([stop] { return stop->load(); });
    return runner;
}

// The language named on the tool's "missing-language: CODE" line.
QString missingLanguage(const QString &standardError)
{
    const QString marker = QStringLiteral("missing-language: ");
    const qsizetype at = standardError.indexOf(marker);
    if (at < 0)
        return {};
    return standardError.mid(at + marker.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

// The dynamic loader's exit code when a library the program needs is not installed.
constexpr int exitLibraryMissing = 127;

bool libraryMissing(const ProcessRunner::Result &run)
{
    return run.exitedWith(exitLibraryMissing) &&
           run.standardError.contains(QStringLiteral("error while loading shared libraries"));
}

OcrRunner::Status statusOf(const ProcessRunner::Result &run, const QString &tool)
{
    if (tool.isEmpty() || !run.started() || libraryMissing(run))
        return OcrRunner::Status::MissingTool;
    if (run.outcome == ProcessRunner::Outcome::Stopped)
        return OcrRunner::Status::Cancelled;
    if (run.exitedWith(exitMissingLanguage))
        return OcrRunner::Status::MissingLanguage;
    return run.exitedWith(0) ? OcrRunner::Status::Done : OcrRunner::Status::Failed;
}

} // namespace

QString OcrRunner::toolPath()
{
    return ToolLocator::find(QStringLiteral("vellumo-ocr"));
}

QString OcrRunner::unavailableMessage(Status status, const QString &detail,
                                      const QString &uiLanguage)
{
    if (status == Status::MissingLanguage)
        return OcrLanguages::missingDataMessage(detail, uiLanguage);
    if (status != Status::MissingTool)
        return {};
    if (detail == QLatin1String(MissingLibrary))
        return OcrLanguages::missingLibraryMessage();
    return ToolLocator::notFoundMessage(QStringLiteral("vellumo-ocr"));
}

OcrRunner::Result OcrRunner::recognize(const QString &tool, const QString &languages,
                                       const QString &image, const QString &scratchFile,
                                       const std::atomic_bool *stop)
{
    Result result;
    ProcessRunner runner = makeRunner(
        tool, {QStringLiteral("words"), QStringLiteral("--lang"), languages, image, scratchFile},
        recognitionTimeoutMs, stop);
    const ProcessRunner::Result run = tool.isEmpty() ? ProcessRunner::Result() : runner.run();
    result.status = statusOf(run, tool);
    if (libraryMissing(run)) {
        result.detail = QLatin1String(MissingLibrary);
    } else if (result.status == Status::MissingLanguage) {
        result.detail = missingLanguage(run.standardError);
    } else if (result.status == Status::Done) {
        const std::optional<OcrPageText> text = OcrPageText::read(scratchFile);
        if (text) {
            result.text = *text;
        } else {
            result.status = Status::Failed;
            result.detail = QStringLiteral("unreadable words file");
        }
    } else if (result.status == Status::Failed) {
        result.detail = run.describe() + QLatin1Char(' ') + run.standardError.trimmed();
    }
    QFile::remove(scratchFile);
    if (result.status == Status::Failed)
        qCWarning(lcTools) << "Text recognition failed on" << image << ":" << result.detail;
    return result;
}

OcrRunner::Orientation OcrRunner::orientation(const QString &tool, const QString &image,
                                              const std::atomic_bool *stop)
{
    Orientation result;
    ProcessRunner runner =
        makeRunner(tool, {QStringLiteral("orient"), image}, orientationTimeoutMs, stop);
    runner.setKeepStandardOutput(true);
    const ProcessRunner::Result run = tool.isEmpty() ? ProcessRunner::Result() : runner.run();
    result.status = statusOf(run, tool);
    if (libraryMissing(run)) {
        result.detail = QLatin1String(MissingLibrary);
    } else if (result.status == Status::MissingLanguage) {
        result.detail = QStringLiteral("osd");
    } else if (result.status == Status::Done) {
        bool ok = false;
        const int turns =
            QString::fromLatin1(runner.standardOutput()).section(QLatin1Char(' '), 0, 0).toInt(&ok);
        if (!ok || turns < -1 || turns > 3) {
            result.status = Status::Failed;
            result.detail = QStringLiteral("unexpected answer");
        } else if (turns >= 0) {
            result.quarterTurns = turns;
        }
    } else if (result.status == Status::Failed) {
        result.detail = run.describe() + QLatin1Char(' ') + run.standardError.trimmed();
    }
    return result;
}
