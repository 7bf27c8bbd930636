#include "import/PdfBilevelDecoders.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "core/AppPaths.h"
#include "core/LogCategories.h"
#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"

namespace PdfBilevelDecoders {

namespace {

// fax2tiff refuses wider lines.
constexpr int maxFaxColumns = 10000;

// A scratch folder in the program's temporary folder; invalid when none can be made.
std::unique_ptr<QTemporaryDir> scratchFolder(QString *error)
{
    if (!AppPaths::ensureTempFolder()) {
        *error = QStringLiteral("cannot make the temporary folder %1").arg(AppPaths::tempFolder());
        return nullptr;
    }
    auto folder =
        std::make_unique<QTemporaryDir>(AppPaths::tempFolder() + QStringLiteral("/pdf-XXXXXX"));
    if (!folder->isValid()) {
        *error = QStringLiteral("cannot make a folder in %1: %2")
                     .arg(AppPaths::tempFolder(), folder->errorString());
        return nullptr;
    }
    return folder;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// Runs a decoder to its end; false with the reason when it could not run or said no.
bool runTool(const QString &name, const QStringList &arguments, QString *error)
{
    const QString program = ToolLocator::find(name);
    if (program.isEmpty()) {
        *error = ToolLocator::notFoundMessage(name);
        return false;
    }
    ProcessRunner runner(program, arguments);
    runner.setTimeout(TimeoutMs);
    // Broken data may crash a decoder; that only skips the image.
    runner.setNoCoreDump(true);
    const ProcessRunner::Result result = runner.run();
    if (result.exitedWith(0))
        return true;
    const QString said = result.standardError.trimmed().section(QLatin1Char('\n'), 0, 0);
    *error =
        QStringLiteral("%1 failed (%2)%3")
            .arg(name, result.describe(), said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    qCDebug(lcImport).noquote() << *error << result.standardError;
    return false;
}

QImage readDecoded(const QString &path, const QByteArray &format, const QString &tool,
                   QString *error)
{
    QImageReader reader(path, format);
    const QImage image = canonicalMono(reader.read());
    if (image.isNull())
        *error = QStringLiteral("%1 gave no black-and-white picture").arg(tool);
    return image;
}

} // namespace

QImage canonicalMono(const QImage &image)
{
    if (image.isNull() || image.depth() != 1)
        return {};
    QImage mono = image.convertToFormat(QImage::Format_Mono);
    const QList<QRgb> table = mono.colorTable();
    if (table.size() != 2)
        return {};
    // Tell the two entries apart by brightness; a table of two equal colours is no picture.
    const int first = qGray(table.at(0));
    const int second = qGray(table.at(1));
    if (first == second)
        return {};
    if (first > second)
        mono.invertPixels();
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return mono;
}

QStringList fax2tiffArguments(const PdfImageInfo::Filter &params, const QString &input,
                              const QString &output)
{
    if (params.columns < 1 || params.columns > maxFaxColumns ||
        (params.k < 0 && params.encodedByteAlign))
        return {};
    QStringList arguments;
    if (params.k < 0) {
        arguments << QStringLiteral("-4");
    } else {
        arguments << QStringLiteral("-3")
                  << (params.k == 0 ? QStringLiteral("-1") : QStringLiteral("-2"))
                  << (params.encodedByteAlign ? QStringLiteral("-A") : QStringLiteral("-P"));
    }
    arguments << QStringLiteral("-M") << QStringLiteral("-X") << QString::number(params.columns)
              << QStringLiteral("-o") << output << input;
    return arguments;
}

QImage ccitt(const QByteArray &data, const PdfImageInfo::Filter &params, QString *error)
{
    auto folder = scratchFolder(error);
    if (!folder)
        return {};
    const QString input = folder->filePath(QStringLiteral("fax.raw"));
    const QString output = folder->filePath(QStringLiteral("fax.tiff"));
    const QStringList arguments = fax2tiffArguments(params, input, output);
    if (arguments.isEmpty()) {
        *error =
            params.k < 0 && params.encodedByteAlign
                ? QStringLiteral("Group 4 fax data with byte-aligned lines is not supported")
                : QStringLiteral("fax data of %1 columns is not supported").arg(params.columns);
        return {};
    }
    if (!writeBytes(input, data, error) || !runTool(QStringLiteral("fax2tiff"), arguments, error))
        return {};
    QImage image = readDecoded(output, "tiff", QStringLiteral("fax2tiff"), error);
    // fax2tiff decodes up to the end of the data; fewer lines than promised mean the data is
    // cut short or broken.
    if (!image.isNull() && params.rows > 0 && image.height() < params.rows) {
        *error = QStringLiteral("the fax data ends after %1 of %2 lines")
                     .arg(image.height())
                     .arg(params.rows);
        return {};
    }
    return image;
}

QStringList jbig2decArguments(const QString &globals, const QString &page, const QString &output,
                              qint64 memoryLimit)
{
    QStringList arguments{QStringLiteral("-q"), QStringLiteral("-e"),
                          QStringLiteral("-M"), QString::number(memoryLimit),
                          QStringLiteral("-t"), QStringLiteral("pbm"),
                          QStringLiteral("-o"), output};
    if (!globals.isEmpty())
        arguments << globals;
    arguments << page;
    return arguments;
}

QImage jbig2(const QByteArray &data, const QByteArray &globals, qint64 memoryLimit, QString *error)
{
    auto folder = scratchFolder(error);
    if (!folder)
        return {};
    const QString page = folder->filePath(QStringLiteral("page.jb2"));
    const QString globalsPath =
        globals.isEmpty() ? QString() : folder->filePath(QStringLiteral("globals.jb2"));
    const QString output = folder->filePath(QStringLiteral("page.pbm"));
    if (!writeBytes(page, data, error) ||
        (!globals.isEmpty() && !writeBytes(globalsPath, globals, error)) ||
        !runTool(QStringLiteral("jbig2dec"),
                 jbig2decArguments(globalsPath, page, output, memoryLimit), error))
        return {};
    return readDecoded(output, "pbm", QStringLiteral("jbig2dec"), error);
}

} // namespace PdfBilevelDecoders
