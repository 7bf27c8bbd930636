#include "import/PdfImport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/LogCategories.h"
#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"

PdfImport::PdfImport(const QString &toolPath)
    : m_tool(toolPath)
{
}

QString PdfImport::thumbnailPath(const QString &imagePath)
{
    const QFileInfo image(imagePath);
    return image.dir().filePath(image.completeBaseName() + QStringLiteral("-thumb.jpg"));
}

QString PdfImport::defaultToolPath()
{
    return ToolLocator::find(QStringLiteral("vellumo-cli"));
}

PdfImport::Outcome PdfImport::run(const QString &pdf, const QString &password,
                                  const QString &folder, const Callbacks &callbacks)
{
    m_reason.clear();
    m_skipped.clear();
    if (m_tool.isEmpty()) {
        m_reason = ToolLocator::notFoundMessage(QStringLiteral("vellumo-cli"));
        return Outcome::CannotOpen;
    }
    QStringList arguments{m_renderDpi > 0 ? QStringLiteral("render") : QStringLiteral("extract")};
    // The password goes through a pipe: arguments are visible to every user in the process list.
    if (!password.isEmpty())
        arguments << QStringLiteral("--password-stdin");
    if (m_renderDpi > 0)
        arguments << QStringLiteral("--dpi") << QString::number(m_renderDpi);
    else if (m_thumbnailSize.isValid())
        arguments
            << QStringLiteral("--thumbnails")
            << QStringLiteral("%1x%2").arg(m_thumbnailSize.width()).arg(m_thumbnailSize.height());
    arguments << QStringLiteral("-o") << folder << pdf;

    static const QRegularExpression totalLine(QStringLiteral("^images (\\d+)$"));
    static const QRegularExpression imageLine(QStringLiteral("^image (\\d+) of \\d+: (.+)$"));
    static const QRegularExpression skippedLine(QStringLiteral("^skipped (\\d+) of \\d+: (.*)$"));
    bool cancelled = false;
    bool passwordNeeded = false;
    bool noImages = false;
    int images = 0;
    ProcessRunner runner(m_tool, arguments);
    if (!password.isEmpty())
        runner.setStandardInput(password.toUtf8() + '\n');
    runner.setTimeout(m_timeoutMs);
    // A file that crashes the PDF library is expected here; it leaves no core file.
    runner.setNoCoreDump(true);
    runner.setErrorLineHandler([&](const QString &line) {
        QRegularExpressionMatch match;
        if ((match = imageLine.match(line)).hasMatch()) {
            // Only a plain file name inside the folder is taken from the child.
            const QString name = match.captured(2);
            if (name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
                return true;
            ++images;
            if (callbacks.image &&
                !callbacks.image(match.captured(1).toInt(), QDir(folder).filePath(name))) {
                cancelled = true;
                return false;
            }
        } else if ((match = totalLine.match(line)).hasMatch()) {
            if (callbacks.total)
                callbacks.total(match.captured(1).toInt());
        } else if ((match = skippedLine.match(line)).hasMatch()) {
            m_skipped << tr("image %1: %2").arg(match.captured(1), match.captured(2));
        } else if (line == QLatin1String("password required")) {
            passwordNeeded = true;
        } else if (line == QLatin1String("no images")) {
            noImages = true;
        } else if (line.startsWith(QLatin1String("cannot open: "))) {
            m_reason = line.mid(13);
        }
        return true;
    });
    runner.setStopCheck([&] {
        if (callbacks.stop && callbacks.stop()) {
            cancelled = true;
            return true;
        }
        return false;
    });
    const ProcessRunner::Result result = runner.run();
    if (cancelled)
        return Outcome::Cancelled;
    if (result.exitedWith(3) || passwordNeeded)
        return Outcome::PasswordNeeded;
    if (result.outcome != ProcessRunner::Outcome::Exited || result.exitCode == 1) {
        if (m_reason.isEmpty())
            m_reason = result.describe();
        qCWarning(lcImport).noquote() << "PDF extraction of" << pdf << "failed:" << m_reason;
        return Outcome::CannotOpen;
    }
    if (images > 0)
        return Outcome::Images;
    return noImages || result.exitedWith(2) ? Outcome::NoImages : Outcome::CannotOpen;
}
