// vellumo-cli: Vellumo's writers from the command line, without the window and without touching
// the user's settings.
//   vellumo-cli pdf -o OUT.pdf [options] FILE...
//   vellumo-cli check-pdf FILE|-
//   vellumo-cli extract [--password P] -o DIR FILE.pdf

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>

#include "core/OpenSslProviders.h"
#include "core/PageImages.h"
#include "export/PdfCommandLine.h"
#include "export/PdfLoadCheck.h"
#include "export/PdfWriter.h"
#include "import/PdfImageExtractor.h"
#include "import/PdfImageFiles.h"
#include "import/PdfImport.h"
#include "pages/PageRecovery.h"
#include "pages/ProjectArchive.h"

namespace {

QString usage()
{
    return PdfCommandLine::usage() +
           QCoreApplication::translate(
               "vellumo-cli",
               "\n       vellumo-cli extract [--password PASSWORD] -o DIR FILE.pdf   (the page "
               "images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)");
}

// Progress as "page i of n" lines on standard error.
class StderrProgress : public ExportProgress
{
public:
    void setRange(int minimum, int maximum) override
    {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void setValue(int value) override
    {
        std::fprintf(stderr, "page %d of %d\n", value - m_minimum, m_maximum - m_minimum);
    }
    bool wasCanceled() override { return false; }

private:
    int m_minimum = 0;
    int m_maximum = 0;
};

// Page images, with each project file replaced by its pages in order.
QStringList pageFiles(const QStringList &inputs, QTemporaryDir &scratch, QString *error)
{
    QStringList files;
    int project = 0;
    for (const QString &input : inputs) {
        if (QFileInfo(input).suffix().toUpper() != QLatin1String("VLMPJ")) {
            files << input;
            continue;
        }
        const QString folder = scratch.filePath(QString::number(++project));
        QDir().mkpath(folder);
        ProjectArchive archive;
        if (archive.extract(input, folder).isEmpty()) {
            *error =
                QCoreApplication::translate("vellumo-cli", "cannot read the project %1").arg(input);
            return {};
        }
        for (const QString &name : PageRecovery::preparePages(folder))
            files << folder + QLatin1Char('/') + name;
    }
    return files;
}

// check-pdf: 0 when the PDF can be appended to, 1 when PoDoFo refuses it. The writer runs this
// in a child process because some malformed files crash PoDoFo instead.
int checkPdf(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "%s\n", qPrintable(usage()));
        return 2;
    }
    const QString name = arguments.first();
    const bool fromInput = name == QLatin1String("-");
    QFile file(fromInput ? QString() : name);
    const bool opened =
        fromInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        std::fprintf(stderr, "vellumo-cli: cannot read %s: %s\n", qPrintable(name),
                     qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray pdf = file.readAll();
    QString error;
    if (!PdfLoadCheck::tryInThisProcess(pdf, &error)) {
        std::fprintf(stderr, "vellumo-cli: %s is not a PDF that pages can be appended to: %s\n",
                     qPrintable(fromInput ? QStringLiteral("the input") : name), qPrintable(error));
        return 1;
    }
    return 0;
}

// One line on standard error, out at once: the window reads these as they come.
void report(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

// extract: the page images of a PDF, in page order, into a folder. Standard error carries
// "images N" first, then "image I of N: NAME" as each file is complete or "skipped I of N:
// REASON", and on failure "no images" (exit 2), "cannot open: REASON" (exit 1) or "password
// required" (exit 3); exit 0 when at least one image was written.
int extract(const QStringList &arguments)
{
    QString password;
    QString folder;
    QString pdf;
    QSize thumbnailBox;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if ((argument == QLatin1String("--password") || argument == QLatin1String("-o")) &&
            i + 1 < arguments.size()) {
            (argument == QLatin1String("-o") ? folder : password) = arguments.at(++i);
        } else if (argument == QLatin1String("--thumbnails") && i + 1 < arguments.size()) {
            const QStringList sides = arguments.at(++i).split(QLatin1Char('x'));
            if (sides.size() == 2)
                thumbnailBox = QSize(sides.at(0).toInt(), sides.at(1).toInt());
            if (!thumbnailBox.isValid() || thumbnailBox.isEmpty()) {
                pdf.clear();
                break;
            }
        } else if (pdf.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            pdf = argument;
        } else {
            pdf.clear();
            break;
        }
    }
    if (folder.isEmpty() || pdf.isEmpty()) {
        report(usage());
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        report(QStringLiteral("cannot open: cannot make the folder %1").arg(folder));
        return 1;
    }
    PdfImageExtractor extractor;
    switch (extractor.open(pdf, password)) {
    case PdfImageExtractor::OpenResult::Opened:
        break;
    case PdfImageExtractor::OpenResult::PasswordRequired:
        report(QStringLiteral("password required"));
        return 3;
    case PdfImageExtractor::OpenResult::CannotOpen:
        report(QStringLiteral("cannot open: %1").arg(extractor.errorString()));
        return 1;
    }
    const qsizetype total = extractor.images().size();
    report(QStringLiteral("images %1").arg(total));
    int written = 0;
    // Images are decoded on other cores while the next ones are read; the files are written
    // here, in order. At most this many images wait decoded or in decoding at a time.
    const qsizetype inFlight = 2 * std::max(1, QThread::idealThreadCount());
    // A JPEG image's thumbnail is made there too, from a reduced decode.
    struct Decoded
    {
        PdfDecodedImage image;
        QImage thumbnail;
    };
    std::deque<std::future<Decoded>> decoding;
    qsizetype nextRead = 0;
    for (qsizetype i = 0; i < total; ++i) {
        for (; nextRead < total && qsizetype(decoding.size()) < inFlight; ++nextRead) {
            decoding.push_back(std::async(
                std::launch::async,
                [&extractor, nextRead, thumbnailBox](const PdfImageExtractor::StoredData &stored) {
                    Decoded decoded{extractor.decode(nextRead, stored), {}};
                    if (thumbnailBox.isValid() &&
                        decoded.image.kind == PdfDecodedImage::Kind::Jpeg) {
                        QBuffer buffer(&decoded.image.jpeg);
                        QImageReader reader(&buffer, "jpeg");
                        decoded.thumbnail = PageImages::readThumbnail(reader, thumbnailBox);
                    }
                    return decoded;
                },
                extractor.read(nextRead)));
        }
        const PdfImageInfo &info = extractor.images().at(i);
        const Decoded decoded = decoding.front().get();
        decoding.pop_front();
        const PdfDecodedImage &image = decoded.image;
        QString name;
        QString error = image.reason;
        if (image.kind != PdfDecodedImage::Kind::Skipped &&
            PdfImageFiles::write(image, info.dpiX, info.dpiY, folder, written + 1, &name, &error)) {
            // Without its thumbnail the page is still fine: the window makes one itself.
            if (!decoded.thumbnail.isNull()) {
                QString ignored;
                const QString thumbnail = PdfImport::thumbnailPath(QDir(folder).filePath(name));
                if (!PdfImageFiles::writeThumbnail(decoded.thumbnail, thumbnail, &ignored))
                    QFile::remove(thumbnail);
            }
            ++written;
            report(QStringLiteral("image %1 of %2: %3").arg(i + 1).arg(total).arg(name));
        } else {
            report(QStringLiteral("skipped %1 of %2: %3 (object %4)")
                       .arg(i + 1)
                       .arg(total)
                       .arg(error, info.reference()));
        }
    }
    if (written == 0) {
        report(QStringLiteral("no images"));
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Before anything reads a PDF: RC4 and AES-128 encrypted files need both providers.
    loadOpenSslProviders();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("check-pdf"))
        return checkPdf(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("extract"))
        return extract(arguments.mid(1));
    if (arguments.isEmpty() || arguments.first() != QLatin1String("pdf")) {
        std::fprintf(stderr, "%s\n", qPrintable(usage()));
        return 2;
    }
    QString error;
    const auto job = PdfCommandLine::parse(arguments.mid(1), &error);
    if (!job) {
        std::fprintf(stderr, "vellumo-cli: %s\n%s\n", qPrintable(error), qPrintable(usage()));
        return 2;
    }
    QTemporaryDir scratch;
    const QStringList files = pageFiles(job->inputs, scratch, &error);
    if (files.isEmpty()) {
        std::fprintf(stderr, "vellumo-cli: %s\n",
                     qPrintable(error.isEmpty() ? QStringLiteral("no pages") : error));
        return 1;
    }
    PdfWriter writer;
    QString written;
    QObject::connect(&writer, &PdfWriter::applied,
                     [&written](const QString &path) { written = path; });
    QString failedOn;
    QObject::connect(&writer, &PdfWriter::failed,
                     [&failedOn](const QString &path) { failedOn = path; });
    StderrProgress progress;
    const PdfWriter::Result result = writer.write(job->settings, files, job->append, &progress);
    if (result != PdfWriter::Result::Finished) {
        const QString why =
            writer.errorString().isEmpty() ? QStringLiteral("no target") : writer.errorString();
        std::fprintf(stderr, "vellumo-cli: the PDF was not written: %s\n",
                     qPrintable(failedOn.isEmpty() ? why : failedOn + QStringLiteral(": ") + why));
        return 1;
    }
    std::printf("%s\n", qPrintable(written));
    return 0;
}
