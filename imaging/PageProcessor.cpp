#include "PageProcessor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <cmath>

#include "core/AppPaths.h"
#include "core/FileOperations.h"
#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"
#include "imaging/ToolArguments.h"

PageProcessor::PageProcessor(const QString &toolPath, int lane)
    : m_tool(toolPath)
    , m_lane(lane)
{
}

QString PageProcessor::defaultToolPath()
{
    return ToolLocator::find(QString(ToolName));
}

bool PageProcessor::hasTool() const
{
    return !m_tool.isEmpty() && QFileInfo::exists(m_tool);
}

void PageProcessor::setTimeouts(int autoCropMs, int otherMs)
{
    m_autoCropTimeout = autoCropMs;
    m_otherTimeout = otherMs;
}

QString PageProcessor::processingFolder()
{
    return AppPaths::processingFolder();
}

QString PageProcessor::outputFolder()
{
    return processingFolder() + QStringLiteral("/output");
}

QString PageProcessor::inputFile()
{
    return processingFolder() + QStringLiteral("/proc.tif");
}

QString PageProcessor::laneFolder() const
{
    return m_lane == 0 ? processingFolder()
                       : processingFolder() + QStringLiteral("/lane-%1").arg(m_lane);
}

QString PageProcessor::laneOutput() const
{
    return laneFolder() + QStringLiteral("/output");
}

QString PageProcessor::laneInput() const
{
    return laneFolder() + QStringLiteral("/proc.tif");
}

void PageProcessor::prepareFolders() const
{
    for (const QString &path : {laneFolder(), laneOutput()}) {
        QDir().mkpath(path);
        FileOperations::removeFilesIn(path);
    }
}

int PageProcessor::dpiOf(const QImage &image)
{
    return int(std::lround(image.dotsPerMeterX() * 0.0254));
}

bool PageProcessor::runTool(const QStringList &arguments, int timeoutMs)
{
    if (!hasTool())
        return false;
    ProcessRunner runner(QDir::cleanPath(m_tool), arguments);
    runner.setTimeout(timeoutMs);
    if (m_stop)
        runner.setStopCheck([stop = m_stop] { return stop->load(); });
    // The exit code is not judged: the files the tool leaves tell what it did.
    return runner.run().started();
}

bool PageProcessor::autoCropImage(QImage &image)
{
    prepareFolders();
    const ToolArguments::Settings settings = ToolArguments::Settings::read();
    if (image.isNull() || !QImageWriter(laneInput(), "TIFF").write(image))
        return false;
    const bool mono =
        image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
    runTool(ToolArguments::autoCrop(settings, mono, dpiOf(image), laneInput(), laneOutput()),
            m_autoCropTimeout);
    const QString result = laneOutput() + QStringLiteral("/proc.tif");
    if (!QFile::exists(result))
        return false;
    const QImage processed(result);
    if (processed.isNull())
        return false;
    image = processed;
    return true;
}

QList<QImage> PageProcessor::processScannedImage(const QImage &image, bool twoPages,
                                                 bool blackAndWhite)
{
    prepareFolders();
    const ToolArguments::Settings settings = ToolArguments::Settings::read();
    if (!QImageWriter(laneInput(), "TIFF").write(image))
        return {image.copy()};
    const QStringList arguments = ToolArguments::processScanned(
        settings, twoPages, blackAndWhite, dpiOf(image), laneInput(), laneOutput());
    if (!runTool(arguments, m_otherTimeout))
        return {image.copy()};
    QList<QImage> results;
    const QStringList names =
        twoPages ? QStringList{QStringLiteral("/proc_1L.tif"), QStringLiteral("/proc_2R.tif")}
                 : QStringList{QStringLiteral("/proc.tif")};
    for (const QString &name : names) {
        const QImage result(laneOutput() + name);
        if (!result.isNull())
            results << result;
    }
    if (!twoPages && results.isEmpty())
        results << image.copy();
    return results;
}

QStringList PageProcessor::splitSpreadFile(const QString &pagePath, int dpi)
{
    prepareFolders();
    const ToolArguments::Settings settings = ToolArguments::Settings::read();
    const QString page = QDir::cleanPath(pagePath);
    runTool(ToolArguments::splitSpread(settings, page, dpi, laneOutput()), m_otherTimeout);
    const QString base = QFileInfo(page).fileName().section(QLatin1Char('.'), 0, 0);
    QStringList results;
    for (const QString &suffix : {QStringLiteral("_1L.tif"), QStringLiteral("_2R.tif")}) {
        const QString path = laneOutput() + QLatin1Char('/') + base + suffix;
        if (QFile::exists(path))
            results << path;
    }
    return results;
}
