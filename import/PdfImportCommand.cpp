#include "import/PdfImportCommand.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSize>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>

#include "core/PageImages.h"
#include "core/StderrProgress.h"
#include "import/PdfImageExtractor.h"
#include "import/PdfImageFiles.h"
#include "import/PdfImport.h"
#include "import/PdfPageRenderer.h"

namespace PdfImportCommand {

namespace {

// One line on standard error, out at once: the window reads these as they come.
struct Options
{
    bool valid = false;
    QString password;
    QString folder;
    QString pdf;
    QSize thumbnailBox;            // extract only
    double dpi = DefaultRenderDpi; // render only
};

// The smallest and largest resolution a page is drawn at.
constexpr double minDpi = 10;
constexpr double maxDpi = 2400;

Options parse(const QStringList &arguments, bool rendering)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("-o") && hasValue) {
            options.folder = arguments.at(++i);
        } else if (argument == QLatin1String("--password") && hasValue) {
            options.password = arguments.at(++i);
        } else if (argument == QLatin1String("--password-stdin")) {
            // Unlike an argument, standard input is not shown in the process list.
            QFile input;
            QByteArray line;
            if (input.open(stdin, QIODevice::ReadOnly))
                line = input.readLine();
            if (line.endsWith('\n'))
                line.chop(1);
            options.password = QString::fromUtf8(line);
        } else if (!rendering && argument == QLatin1String("--thumbnails") && hasValue) {
            const QStringList sides = arguments.at(++i).split(QLatin1Char('x'));
            if (sides.size() == 2)
                options.thumbnailBox = QSize(sides.at(0).toInt(), sides.at(1).toInt());
            if (options.thumbnailBox.isEmpty())
                return {};
        } else if (rendering && argument == QLatin1String("--dpi") && hasValue) {
            bool number = false;
            options.dpi = arguments.at(++i).toDouble(&number);
            if (!number || options.dpi < minDpi || options.dpi > maxDpi)
                return {};
        } else if (options.pdf.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            options.pdf = argument;
        } else {
            return {};
        }
    }
    options.valid = !options.folder.isEmpty() && !options.pdf.isEmpty();
    return options;
}

int usageError()
{
    StderrProgress::report(usage());
    return 1;
}

bool makeFolder(const QString &folder)
{
    if (QDir().mkpath(folder))
        return true;
    StderrProgress::report(QStringLiteral("cannot open: cannot make the folder %1").arg(folder));
    return false;
}

} // namespace

QString usage()
{
    return QCoreApplication::translate(
        "vellumo-cli",
        "\n       vellumo-cli extract [--password PASSWORD | --password-stdin] -o DIR FILE.pdf   "
        "(the page images of a PDF into DIR as 0001.jpg, 0002.tiff, 0003.png, ...)"
        "\n       vellumo-cli render [--password PASSWORD | --password-stdin] [--dpi DPI] -o DIR "
        "FILE.pdf   (the pages of a PDF drawn into DIR as 0001.png, ...)");
}

int extract(const QStringList &arguments)
{
    const Options options = parse(arguments, false);
    if (!options.valid)
        return usageError();
    if (!makeFolder(options.folder))
        return 1;
    const QString &folder = options.folder;
    const QSize &thumbnailBox = options.thumbnailBox;
    PdfImageExtractor extractor;
    // Group 4 pages are written as the data they came as, so the data is checked, not decoded.
    extractor.decoder().setGroup4PicturesEnabled(false);
    switch (extractor.open(options.pdf, options.password)) {
    case PdfImageExtractor::OpenResult::Opened:
        break;
    case PdfImageExtractor::OpenResult::PasswordRequired:
        StderrProgress::report(QStringLiteral("password required"));
        return 3;
    case PdfImageExtractor::OpenResult::CannotOpen:
        StderrProgress::report(QStringLiteral("cannot open: %1").arg(extractor.errorString()));
        return 1;
    }
    const qsizetype total = extractor.images().size();
    StderrProgress::report(QStringLiteral("images %1").arg(total));
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
            StderrProgress::report(
                QStringLiteral("image %1 of %2: %3").arg(i + 1).arg(total).arg(name));
        } else {
            StderrProgress::report(QStringLiteral("skipped %1 of %2: %3 (object %4)")
                                       .arg(i + 1)
                                       .arg(total)
                                       .arg(error, info.reference()));
        }
    }
    if (written == 0) {
        StderrProgress::report(QStringLiteral("no images"));
        return 2;
    }
    return 0;
}

int render(const QStringList &arguments)
{
    const Options options = parse(arguments, true);
    if (!options.valid)
        return usageError();
    if (!makeFolder(options.folder))
        return 1;
    PdfPageRenderer renderer;
    switch (renderer.open(options.pdf, options.password)) {
    case PdfPageRenderer::OpenResult::Opened:
        break;
    case PdfPageRenderer::OpenResult::PasswordRequired:
        StderrProgress::report(QStringLiteral("password required"));
        return 3;
    case PdfPageRenderer::OpenResult::CannotOpen:
        StderrProgress::report(QStringLiteral("cannot open: %1").arg(renderer.errorString()));
        return 1;
    }
    const int total = renderer.pageCount();
    StderrProgress::report(QStringLiteral("images %1").arg(total));
    int written = 0;
    for (int i = 0; i < total; ++i) {
        PdfDecodedImage page;
        page.kind = PdfDecodedImage::Kind::Picture;
        QString error;
        page.image = renderer.render(i, options.dpi, &error);
        QString name;
        if (!page.image.isNull() &&
            PdfImageFiles::write(page, options.dpi, options.dpi, options.folder, written + 1, &name,
                                 &error)) {
            ++written;
            StderrProgress::report(
                QStringLiteral("image %1 of %2: %3").arg(i + 1).arg(total).arg(name));
        } else {
            StderrProgress::report(
                QStringLiteral("skipped %1 of %2: %3").arg(i + 1).arg(total).arg(error));
        }
    }
    if (written == 0) {
        StderrProgress::report(QStringLiteral("no images"));
        return 2;
    }
    return 0;
}

} // namespace PdfImportCommand
