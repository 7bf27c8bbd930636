#include "export/DjvuGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/ExportProgress.h"
#include "core/ImageHeaders.h"
#include "core/LogCategories.h"
#include "core/ProcessRunner.h"
#include "core/ToolLocator.h"
#include "export/DjvuExportSettings.h"

namespace {

// How much of a JPEG is read for its headers: large Exif or colour profile segments may come
// before the frame header.
constexpr qint64 HeadBytes = 256 * 1024;
// The resolutions the tools accept; anything else makes them stop with a usage error.
constexpr int MinDpi = 25;
constexpr int MaxC44Dpi = 4800;
constexpr int MaxCjb2Dpi = 1200;
// How long a run waits on its encoders, in turn, before it looks again at those that ended.
constexpr int TickMs = 100;
constexpr int CountTimeoutMs = 60 * 1000;

const QString CombinedName = QStringLiteral("combined.djvu");

enum class Source {
    Jpeg,        // c44 reads the file itself
    BitonalTiff, // cjb2 reads the file itself
    Decoded      // Qt decodes it; the encoder reads a PNM copy
};

struct Page
{
    int number = 0; // position in the page file list, from 1
    QString path;   // absolute, so that no name can pass for an option
    Source source = Source::Decoded;
    bool grey = false;
    int dpi = DjvuGenerator::DefaultDpi;
};

int dpiOr96(double dpi)
{
    return qRound(dpi) > 0 ? qRound(dpi) : DjvuGenerator::DefaultDpi;
}

// How a page is to be encoded, judged from its headers only.
Page inspect(QFile &file, int number)
{
    Page page;
    page.number = number;
    page.path = QFileInfo(file).absoluteFilePath();
    const QByteArray head = file.read(HeadBytes);
    if (head.startsWith(QByteArrayView("\xFF\xD8\xFF", 3))) {
        const ImageHeaders::JpegFrame frame = ImageHeaders::jpegFrame(head);
        // CMYK and the odd component counts are left to Qt's decoder.
        if (!frame.pixels.isEmpty() && (frame.components == 1 || frame.components == 3)) {
            page.source = Source::Jpeg;
            page.grey = frame.components == 1;
            page.dpi = dpiOr96(ImageHeaders::jpegResolution(head).width());
        }
    } else if (head.startsWith(QByteArrayView("II*\0", 4)) ||
               head.startsWith(QByteArrayView("MM\0*", 4))) {
        file.seek(0);
        QImageReader reader(&file, "tiff");
        const QImage::Format format = reader.imageFormat();
        if (format == QImage::Format_Mono || format == QImage::Format_MonoLSB) {
            page.source = Source::BitonalTiff;
            file.seek(0);
            page.dpi = dpiOr96(ImageHeaders::tiffResolution(file).width());
        }
    }
    return page;
}

// What one encoder run needs.
struct Encoding
{
    QString tool;
    QStringList arguments;
    int timeoutMs = 0;
    // A converted copy of the page, removed once encoded; empty when the tool reads the page.
    QString copy;
};

// The page decoded and written as PBM, PGM or PPM beside output, with the encoder to read it.
// False with the reason when the page cannot be decoded or the copy cannot be written.
bool convert(const Page &page, const QString &output, int compression, Encoding *encoding,
             QString *reason)
{
    QImageReader reader(page.path);
    QImage image = reader.read();
    if (image.isNull()) {
        *reason =
            DjvuGenerator::tr("it is not an image Vellumo can read (%1)").arg(reader.errorString());
        return false;
    }
    // A decoder that finds no resolution leaves the one every new image gets.
    const bool namesDpi = image.dotsPerMeterX() != QImage(1, 1, image.format()).dotsPerMeterX();
    const int dpi = namesDpi ? dpiOr96(image.dotsPerMeterX() * 0.0254) : DjvuGenerator::DefaultDpi;

    const char *format = "ppm";
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) {
        format = "pbm";
    } else if (image.hasAlphaChannel()) {
        // Transparent parts of a scan are paper, not black.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = flat;
    }
    if (qstrcmp(format, "ppm") == 0 && image.isGrayscale())
        format = "pgm";
    encoding->copy =
        output.left(output.lastIndexOf(QLatin1Char('.')) + 1) + QString::fromLatin1(format);
    QImageWriter writer(encoding->copy, format);
    if (!writer.write(image)) {
        *reason = DjvuGenerator::tr("its copy %1 could not be written (%2)")
                      .arg(QDir::toNativeSeparators(encoding->copy), writer.errorString());
        return false;
    }
    if (qstrcmp(format, "pbm") == 0) {
        encoding->tool = QStringLiteral("cjb2");
        encoding->arguments = DjvuGenerator::cjb2Arguments(dpi, encoding->copy, output);
        encoding->timeoutMs = DjvuGenerator::Cjb2TimeoutMs;
    } else {
        encoding->tool = QStringLiteral("c44");
        encoding->arguments =
            DjvuGenerator::c44Arguments(dpi, compression, false, encoding->copy, output);
        encoding->timeoutMs = DjvuGenerator::C44TimeoutMs;
    }
    return true;
}

// The first line of a DjVuLibre tool's complaint without its "*** [1-12345] " decoration.
QString toolMessage(const QString &standardError)
{
    static const QRegularExpression decoration(QStringLiteral("^\\*+\\s*(\\[[-0-9]+\\]\\s*)?"));
    const QStringList lines = standardError.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString line : lines) {
        line.remove(decoration);
        line = line.trimmed();
        if (!line.isEmpty())
            return line;
    }
    return {};
}

// Absolute paths of the tools, each looked up once per run.
class Tools
{
public:
    // Empty with reason set when the tool is nowhere to be found.
    QString find(const QString &name, QString *reason)
    {
        auto it = m_paths.find(name);
        if (it == m_paths.end())
            it = m_paths.insert(name, ToolLocator::find(name));
        if (it->isEmpty())
            *reason = ToolLocator::notFoundMessage(name);
        return *it;
    }

private:
    QHash<QString, QString> m_paths;
};

// Encodes the pages into outputs[i], several encoders at a time.
class PageEncoder
{
public:
    enum class Outcome { Finished, Cancelled, Failed };

    PageEncoder(const std::vector<Page> &pages, const QStringList &outputs, int compression,
                Tools &tools, ExportProgress *progress)
        : m_pages(pages)
        , m_outputs(outputs)
        , m_compression(compression)
        , m_tools(tools)
        , m_progress(progress)
    {
    }

    // Runs the encoders, one per core, until every page is encoded, one fails or the user
    // cancels; no encoder is left running on return.
    Outcome run();
    QString errorString() const { return m_error; }

private:
    struct Running
    {
        size_t index = 0;
        Encoding encoding;
        std::unique_ptr<ProcessRunner> runner; // ends the encoder when it goes
        bool ended = false;
        ProcessRunner::Result result;
    };

    std::unique_ptr<Running> start(size_t index);
    bool succeeded(Running &running);
    QString pageFailed(const Page &page, const QString &how) const
    {
        return DjvuGenerator::tr("Page %1 (%2) was not encoded: %3")
            .arg(page.number)
            .arg(QDir::toNativeSeparators(page.path), how);
    }

    const std::vector<Page> &m_pages;
    const QStringList &m_outputs;
    int m_compression;
    Tools &m_tools;
    ExportProgress *m_progress;
    QString m_error;
};

PageEncoder::Outcome PageEncoder::run()
{
    // The tools are single-threaded: one per core keeps every core busy and no more.
    const size_t parallel = size_t(std::max(1, QThread::idealThreadCount()));
    std::vector<std::unique_ptr<Running>> running;
    size_t next = 0;
    int finished = 0;
    Outcome outcome = Outcome::Finished;
    for (;;) {
        while (outcome == Outcome::Finished && next < m_pages.size() && running.size() < parallel) {
            std::unique_ptr<Running> started = start(next++);
            if (!started)
                outcome = Outcome::Failed;
            else
                running.push_back(std::move(started));
        }
        if (outcome != Outcome::Finished || running.empty())
            break;

        // A short wait on each encoder in turn; those that ended are taken below.
        const int slice = std::max(1, TickMs / int(running.size()));
        for (const std::unique_ptr<Running> &r : running) {
            if (!r->ended && r->runner->wait(slice)) {
                r->ended = true;
                r->result = r->runner->finish();
            }
        }

        for (auto it = running.begin(); it != running.end() && outcome == Outcome::Finished;) {
            Running &r = **it;
            if (!r.ended) {
                ++it;
                continue;
            }
            if (r.result.outcome == ProcessRunner::Outcome::TimedOut) {
                m_error =
                    pageFailed(m_pages[r.index], DjvuGenerator::tr("%1 did not finish within %2 s")
                                                     .arg(r.encoding.tool)
                                                     .arg(r.encoding.timeoutMs / 1000));
                outcome = Outcome::Failed;
                break;
            }
            if (!succeeded(r)) {
                outcome = Outcome::Failed;
                break;
            }
            it = running.erase(it);
            ++finished;
            if (m_progress) {
                m_progress->setValue(finished);
                if (m_progress->wasCanceled())
                    outcome = Outcome::Cancelled;
            }
        }
        if (outcome != Outcome::Finished)
            break;
    }
    running.clear(); // ends whatever still runs
    return outcome;
}

std::unique_ptr<PageEncoder::Running> PageEncoder::start(size_t index)
{
    const Page &page = m_pages[index];
    const QString &output = m_outputs.at(qsizetype(index));
    auto running = std::make_unique<Running>();
    running->index = index;
    Encoding &encoding = running->encoding;
    switch (page.source) {
    case Source::Jpeg:
        encoding.tool = QStringLiteral("c44");
        encoding.arguments =
            DjvuGenerator::c44Arguments(page.dpi, m_compression, page.grey, page.path, output);
        encoding.timeoutMs = DjvuGenerator::C44TimeoutMs;
        break;
    case Source::BitonalTiff:
        encoding.tool = QStringLiteral("cjb2");
        encoding.arguments = DjvuGenerator::cjb2Arguments(page.dpi, page.path, output);
        encoding.timeoutMs = DjvuGenerator::Cjb2TimeoutMs;
        break;
    case Source::Decoded: {
        QString reason;
        if (!convert(page, output, m_compression, &encoding, &reason)) {
            m_error = pageFailed(page, reason);
            return {};
        }
        break;
    }
    }
    const QString program = m_tools.find(encoding.tool, &m_error);
    if (program.isEmpty())
        return {};
    running->runner = std::make_unique<ProcessRunner>(program, encoding.arguments);
    running->runner->setTimeout(encoding.timeoutMs);
    if (!running->runner->start()) {
        running->ended = true;
        running->result = running->runner->finish();
    }
    return running;
}

bool PageEncoder::succeeded(Running &running)
{
    const Page &page = m_pages[running.index];
    const QString &tool = running.encoding.tool;
    const ProcessRunner::Result &result = running.result;
    const QString output = m_outputs.at(qsizetype(running.index));
    if (!running.encoding.copy.isEmpty())
        QFile::remove(running.encoding.copy);
    QString how;
    const QString message = toolMessage(result.standardError);
    if (!result.started()) {
        how = DjvuGenerator::tr("%1 could not be started (%2)").arg(tool, result.startError);
    } else if (result.outcome == ProcessRunner::Outcome::Crashed) {
        how = DjvuGenerator::tr("%1 crashed").arg(tool);
    } else if (result.exitCode != 0) {
        how = DjvuGenerator::tr("%1 ended with exit code %2").arg(tool).arg(result.exitCode);
    } else if (QFileInfo(output).size() <= 0) {
        how = DjvuGenerator::tr("%1 wrote nothing").arg(tool);
    } else {
        return true;
    }
    qCWarning(lcTools).noquote() << tool << running.encoding.arguments.join(QLatin1Char(' '))
                                 << "failed:" << how;
    if (!message.isEmpty())
        how += QStringLiteral(": ") + message;
    m_error = pageFailed(page, how);
    return false;
}

// Runs a tool once in folder; false with reason on any failure.
bool runTool(const QString &program, const QStringList &arguments, const QString &folder,
             int timeoutMs, QByteArray *output, QString *reason)
{
    ProcessRunner runner(program, arguments);
    runner.setWorkingFolder(folder);
    runner.setTimeout(timeoutMs);
    runner.setKeepStandardOutput(output != nullptr);
    const ProcessRunner::Result result = runner.run();
    if (result.exitedWith(0)) {
        if (output)
            *output = runner.standardOutput();
        return true;
    }
    const QString name = QFileInfo(program).fileName();
    *reason = DjvuGenerator::tr("%1 failed (%2)").arg(name, result.describe());
    const QString message = toolMessage(result.standardError);
    if (!message.isEmpty())
        *reason += QStringLiteral(": ") + message;
    return false;
}

} // namespace

DjvuGenerator::DjvuGenerator(ExportProgress *progress)
    : DocGenerator(progress)
{
}

void DjvuGenerator::setCompression(int compression)
{
    m_compression =
        qBound(DjvuExportSettings::MinCompression, compression, DjvuExportSettings::MaxCompression);
}

int DjvuGenerator::percentFor(int compression)
{
    return 100 - qBound(DjvuExportSettings::MinCompression, compression,
                        DjvuExportSettings::MaxCompression);
}

QStringList DjvuGenerator::c44Arguments(int dpi, int compression, bool greyOnly,
                                        const QString &page, const QString &output)
{
    QStringList arguments{QStringLiteral("-dpi"), QString::number(qBound(MinDpi, dpi, MaxC44Dpi)),
                          QStringLiteral("-percent"), QString::number(percentFor(compression))};
    if (greyOnly)
        arguments << QStringLiteral("-crcbnone");
    return arguments << page << output;
}

QStringList DjvuGenerator::cjb2Arguments(int dpi, const QString &page, const QString &output)
{
    return {QStringLiteral("-dpi"), QString::number(qBound(MinDpi, dpi, MaxCjb2Dpi)), page, output};
}

QStringList DjvuGenerator::djvmArguments(const QString &target, const QStringList &pages)
{
    return QStringList{QStringLiteral("-c"), target} + pages;
}

bool DjvuGenerator::generate(const QString &target)
{
    resetOutcome();
    if (!allPagesPresent())
        return false;
    const QString shownTarget = QDir::toNativeSeparators(target);

    std::vector<Page> pages;
    const QStringList pageFiles = files();
    for (qsizetype i = 0; i < pageFiles.size(); ++i) {
        QFile file(pageFiles.at(i));
        if (!QFileInfo(file).isFile())
            return fail(tr("Page %1 is missing: %2")
                            .arg(i + 1)
                            .arg(QDir::toNativeSeparators(file.fileName())));
        if (!file.open(QIODevice::ReadOnly)) {
            return fail(tr("Can't read page %1 (%2): %3")
                            .arg(i + 1)
                            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
        }
        pages.push_back(inspect(file, int(i + 1)));
    }
    if (progress())
        progress()->setRange(0, int(pages.size()));
    if (pages.empty())
        return fail(tr("None of the page files exists; %1 was not written.").arg(shownTarget));

    // The combining tools are looked for first, so that a missing one costs no encoding.
    Tools tools;
    QString reason;
    const QString djvm = tools.find(QStringLiteral("djvm"), &reason);
    const QString djvused = tools.find(QStringLiteral("djvused"), &reason);
    if (djvm.isEmpty() || djvused.isEmpty())
        return fail(reason);

    // Beside the target, so that the finished document takes the target's place in one rename.
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    QTemporaryDir scratch(folder + QStringLiteral("/.vellumo-djvu-XXXXXX"));
    if (!scratch.isValid()) {
        return fail(tr("Can't create a temporary folder in %1: %2")
                        .arg(QDir::toNativeSeparators(folder), scratch.errorString()));
    }

    // Named by position, so that two page files with the same name stay two pages.
    QStringList outputs;
    QStringList outputNames;
    for (const Page &page : pages) {
        outputNames << QStringLiteral("page%1.djvu").arg(page.number, 5, 10, QLatin1Char('0'));
        outputs << scratch.filePath(outputNames.last());
    }
    {
        PageEncoder encoder(pages, outputs, m_compression, tools, progress());
        switch (encoder.run()) {
        case PageEncoder::Outcome::Cancelled:
            setCancelled(true);
            return true; // the pages written so far go with the temporary folder
        case PageEncoder::Outcome::Failed:
            return fail(encoder.errorString());
        case PageEncoder::Outcome::Finished:
            break;
        }
    }

    // Names relative to the temporary folder keep the argument list short for long documents.
    if (!runTool(djvm, djvmArguments(CombinedName, outputNames), scratch.path(), DjvmTimeoutMs,
                 nullptr, &reason))
        return fail(tr("The pages could not be combined into %1: %2").arg(shownTarget, reason));
    QByteArray count;
    if (!runTool(djvused, {QStringLiteral("-e"), QStringLiteral("n"), CombinedName}, scratch.path(),
                 CountTimeoutMs, &count, &reason))
        return fail(
            tr("The combined document %1 could not be read back: %2").arg(shownTarget, reason));
    bool isNumber = false;
    const int pageCount = count.trimmed().toInt(&isNumber);
    if (!isNumber || pageCount != int(pages.size())) {
        return fail(tr("The combined document holds %1 of its %2 pages; %3 was not written.")
                        .arg(isNumber ? QString::number(pageCount) : QStringLiteral("no"))
                        .arg(pages.size())
                        .arg(shownTarget));
    }

    return placeDocument(scratch.filePath(CombinedName), target, scratch);
}
