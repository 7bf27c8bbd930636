#include "export/PdfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <ostream>
#include <podofo/podofo.h>
#include <streambuf>
#include <vector>

#include "core/Group4Codec.h"
#include "core/ImageHeaders.h"
#include "core/LogCategories.h"
#include "core/ProgramInfo.h"
#include "core/ToolLocator.h"
#include "export/DocumentFile.h"
#include "export/PaperSizes.h"
#include "export/PdfLibrary.h"
#include "export/PdfPageImage.h"
#include "export/PdfTextLayer.h"
#include "export/QpdfFinisher.h"
#include "ocr/OcrLanguages.h"
#include "ocr/PageRecognizer.h"

// PoDoFo has a PdfWriter class of its own, so its namespace is not opened wholesale.
using PoDoFo::EPdfPageSize;
using PoDoFo::PdfError;
using PoDoFo::PdfImage;
using PoDoFo::PdfOutputDevice;
using PoDoFo::PdfPage;
using PoDoFo::PdfPainter;
using PoDoFo::PdfRect;
using PoDoFo::PdfStreamedDocument;

namespace {

// Resolutions outside this range are taken for broken headers.
constexpr double minSaneDpi = 10.0;
constexpr double maxSaneDpi = 10000.0;

bool isSaneDpi(double dpi)
{
    return std::isfinite(dpi) && dpi >= minSaneDpi && dpi <= maxSaneDpi;
}

// An axis without a usable value borrows the other axis's, else the default.
QSizeF saneResolution(double dpiX, double dpiY)
{
    const bool xOk = isSaneDpi(dpiX);
    const bool yOk = isSaneDpi(dpiY);
    if (xOk && yOk)
        return {dpiX, dpiY};
    if (xOk)
        return {dpiX, dpiX};
    if (yOk)
        return {dpiY, dpiY};
    return {PdfWriter::defaultDpi(), PdfWriter::defaultDpi()};
}

QByteArray localPath(const QString &path)
{
    return QFile::encodeName(path);
}

// A text string of the document information, in UTF-8 so that every script survives.
PoDoFo::PdfString pdfText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return PoDoFo::PdfString(reinterpret_cast<const PoDoFo::pdf_utf8 *>(utf8.constData()));
}

// An empty file beside target for the result, open for writing, removed again unless it replaces
// target. Null, with the reason in error, when the folder takes no new file or target is a
// folder. The file is written through this object rather than opened again by name: reopening
// truncates it, which makes some file systems (ext4) write it out in full when it is closed.
std::unique_ptr<QTemporaryFile> temporaryBeside(const QString &target, QString *error)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir()) {
        *error = QStringLiteral("a folder of that name exists");
        return nullptr;
    }
    auto temporary = std::make_unique<QTemporaryFile>(targetInfo.absolutePath() +
                                                      QStringLiteral("/.vellumo-XXXXXX.pdf.part"));
    if (!temporary->open()) {
        *error = temporary->errorString();
        return nullptr;
    }
    return temporary;
}

// Gives the complete temporary file the target's permissions (or the usual ones for a new
// file) and renames it over target in one step; until then the old file is untouched.
bool replaceTarget(QTemporaryFile &temporary, const QString &target)
{
    const QFileDevice::Permissions permissions =
        QFileInfo::exists(target) ? QFile::permissions(target)
                                  : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther;
    temporary.setPermissions(permissions);
    if (std::rename(localPath(temporary.fileName()).constData(), localPath(target).constData()) !=
        0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

} // namespace

PdfWriter::PdfWriter(QObject *parent)
    : QObject(parent)
{
}

PdfWriter::Result PdfWriter::fail(const QString &path, const QString &why)
{
    m_errorString = why;
    qCWarning(lcExport) << "PDF export failed on" << path << ":" << why;
    Q_EMIT failed(path);
    return Result::Failed;
}

PdfWriter::Result PdfWriter::failOcr(const QString &file, const OcrRunner::Result &result)
{
    const QString message =
        OcrRunner::unavailableMessage(result.status, result.detail, m_uiLanguage);
    m_userMessage = message;
    m_errorString = message;
    qCWarning(lcExport) << "PDF export stopped on" << file << ":" << message;
    return Result::OcrUnavailable;
}

bool PdfWriter::ocrAvailable(const QString &languages, QString *message) const
{
    if (!OcrLanguages::isValidSpec(languages)) {
        *message = tr("\"%1\" is not a list of text recognition languages.").arg(languages);
        return false;
    }
    if (OcrRunner::toolPath().isEmpty()) {
        *message = ToolLocator::notFoundMessage(QStringLiteral("vellumo-ocr"));
        return false;
    }
    const QString missing = OcrLanguages::firstMissing(languages);
    if (!missing.isEmpty()) {
        *message = OcrLanguages::missingDataMessage(missing, m_uiLanguage);
        return false;
    }
    return true;
}

PdfWriter::Result PdfWriter::failOnTarget(const QString &target, const QString &why, bool append)
{
    fail(target, why);
    return append ? Result::Failed : Result::TargetUnwritable;
}

QString PdfWriter::targetPath(const PdfExportSettings &settings)
{
    QString name = settings.docName;
    name.remove(QStringLiteral(".pdf"), Qt::CaseSensitive);
    return QDir::toNativeSeparators(settings.docFolder + QLatin1Char('/') + name +
                                    QStringLiteral(".pdf"));
}

QSize PdfWriter::fitInside(QSize image, QSize box)
{
    if (image.width() <= 0 || image.height() <= 0)
        return box;
    const double ratio = double(image.width()) / image.height();
    const double sx = double(box.width()) / image.width();
    const double sy = double(box.height()) / image.height();
    int width = 0;
    int height = 0;
    if (sy <= sx) {
        height = box.height();
        width = int(std::trunc(ratio * box.height()));
    } else {
        width = box.width();
        height = int(std::trunc(box.width() / ratio));
    }
    // Deliberately always lowered, even when already a multiple of 4.
    do {
        --width;
    } while (width % 4 != 0);
    // A strip a few points wide would come out at zero or less: it keeps one point.
    return {std::max(1, width), std::max(1, height)};
}

QSize PdfWriter::placedSize(int scale, QSize imagePoints, QSize printable)
{
    switch (scale) {
    case 0:
        if (imagePoints.width() < printable.width() && imagePoints.height() < printable.height())
            return imagePoints;
        return fitInside(imagePoints, printable);
    case 2:
        return fitInside(imagePoints, printable);
    default:
        return printable;
    }
}

PagePlacement PdfWriter::place(const PdfExportSettings &settings, QSizeF pageSize, QSize pixelSize,
                               double dpiX, double dpiY)
{
    const QSizeF dpi = saneResolution(dpiX, dpiY);
    dpiX = dpi.width();
    dpiY = dpi.height();

    PagePlacement p;
    // Pixels to millimetres to points, truncated to whole points. A tiny image still gets one
    // point so that nothing below divides by zero.
    const auto toPoints = [](int pixels, double dotsPerInch) {
        return std::max(1, int(std::trunc(pixels / dotsPerInch * 25.4 * 72 / 25.4)));
    };
    p.imagePoints = QSize(toPoints(pixelSize.width(), dpiX), toPoints(pixelSize.height(), dpiY));

    const auto cmToPoints = [](double cm) {
        return cm * 10 * 72 / 25.4;
    };
    const double left = cmToPoints(settings.left);
    const double right = cmToPoints(settings.right);
    const double top = cmToPoints(settings.top);
    const double bottom = cmToPoints(settings.bottom);
    const double printableWidth = pageSize.width() - left - right;
    const double printableHeight = pageSize.height() - top - bottom;
    p.printable = QSize(int(std::trunc(printableWidth)), int(std::trunc(printableHeight)));

    p.drawn = placedSize(settings.scale, p.imagePoints, p.printable);
    p.scaleX = double(p.drawn.width()) / p.imagePoints.width() * 72 / dpiX;
    p.scaleY = double(p.drawn.height()) / p.imagePoints.height() * 72 / dpiY;

    if (settings.byCenter) {
        p.position = QPointF(left + (p.printable.width() - p.drawn.width()) * 0.5,
                             bottom + (p.printable.height() - p.drawn.height()) * 0.5);
    } else {
        // The image's top edge on the top margin.
        p.position = QPointF(left, printableHeight - p.drawn.height() + bottom);
    }
    return p;
}

QSizeF PdfWriter::resolution(const QString &path)
{
    QFile file(path);
    QSizeF dpi;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray magic = file.peek(4);
        if (magic.startsWith("\xFF\xD8"))
            dpi = ImageHeaders::jpegResolution(file.read(64 * 1024));
        else if (magic.startsWith("II") || magic.startsWith("MM"))
            dpi = ImageHeaders::tiffResolution(file);
    }
    return saneResolution(dpi.width(), dpi.height());
}

PdfWriter::Result PdfWriter::write(const PdfExportSettings &settings, const QStringList &files,
                                   bool append, ExportProgress *progress)
{
    m_errorString.clear();
    if (files.isEmpty())
        return Result::NoPages;
    const QString target =
        append ? QDir::toNativeSeparators(settings.appendFolder) : targetPath(settings);
    if (append ? settings.appendFolder.isEmpty() : settings.docName.isEmpty())
        return Result::NoTarget;

    m_pagesWithoutText = 0;
    m_userMessage.clear();
    if (settings.ocr) {
        QString message;
        if (!ocrAvailable(settings.ocrLanguages, &message)) {
            m_userMessage = message;
            m_errorString = message;
            return Result::OcrUnavailable;
        }
    }
    PdfLibrary::silence();

    // The first setValue() comes with the first page: a progress window enables Cancel there.
    if (progress)
        progress->setRange(0, int(files.size()));

    Result result = Result::Failed;
    try {
        result = (append || !settings.pdfPassword.isEmpty())
                     ? writeFinished(target, settings, files, append, progress)
                     : writeStreamed(target, settings, files, progress);
    } catch (const PdfError &error) {
        return fail(target, PdfLibrary::describe(error));
    } catch (const std::exception &error) {
        return fail(target, QString::fromLocal8Bit(error.what()));
    }
    if (result == Result::Finished)
        Q_EMIT applied(target);
    return result;
}

PdfWriter::Result PdfWriter::writePages(QTemporaryFile &temporary, const QString &target,
                                        const PdfExportSettings &settings, const QStringList &files,
                                        ExportProgress *progress)
{
    // Each image goes to the file as soon as it is loaded; only the small page and
    // cross-reference records stay in memory. The file is closed when this returns.
    DocumentFile file(temporary);
    PdfOutputDevice device(file.stream());
    PdfStreamedDocument doc(&device);
    describe(doc, settings, target);
    const Result result = addPages(doc, settings, files, progress);
    if (result != Result::Finished)
        return result;
    doc.Close();
    if (!file.finish())
        return fail(target, file.errorString());
    return Result::Finished;
}

PdfWriter::Result PdfWriter::writeStreamed(const QString &target, const PdfExportSettings &settings,
                                           const QStringList &files, ExportProgress *progress)
{
    QString error;
    const std::unique_ptr<QTemporaryFile> temporary = temporaryBeside(target, &error);
    if (!temporary)
        return failOnTarget(target, error, false);
    const Result result = writePages(*temporary, target, settings, files, progress);
    if (result != Result::Finished)
        return result;
    return replaceTarget(*temporary, target)
               ? Result::Finished
               : failOnTarget(target, QStringLiteral("cannot replace the target file"), false);
}

PdfWriter::Result PdfWriter::writeFinished(const QString &target, const PdfExportSettings &settings,
                                           const QStringList &files, bool append,
                                           ExportProgress *progress)
{
    if (append && !QFileInfo(target).isFile())
        return fail(target, QStringLiteral("no such file"));
    QString error;
    // The new pages first, to a file of their own; qpdf then writes the finished document
    // (encrypted, appended to the existing file, or both) to the file that replaces the target.
    const std::unique_ptr<QTemporaryFile> pages = temporaryBeside(target, &error);
    if (!pages)
        return failOnTarget(target, error, append);
    const Result result = writePages(*pages, target, settings, files, progress);
    if (result != Result::Finished)
        return result;
    if (progress && progress->wasCanceled())
        return Result::Cancelled;

    const std::unique_ptr<QTemporaryFile> finished = temporaryBeside(target, &error);
    if (!finished)
        return failOnTarget(target, error, append);
    finished->close();
    QpdfFinisher::Job job;
    job.pages = pages->fileName();
    job.existing = append ? target : QString();
    job.password = settings.pdfPassword;
    job.output = finished->fileName();
    if (!QpdfFinisher::finish(job, &error))
        return fail(target, error);
    return replaceTarget(*finished, target)
               ? Result::Finished
               : failOnTarget(target, QStringLiteral("cannot replace the target file"), append);
}

void PdfWriter::describe(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                         const QString &target)
{
    PoDoFo::PdfInfo *info = doc.GetInfo();
    const QString title =
        settings.title.isEmpty() ? QFileInfo(target).completeBaseName() : settings.title;
    info->SetTitle(pdfText(title));
    if (!settings.author.isEmpty())
        info->SetAuthor(pdfText(settings.author));
    info->SetProducer(pdfText(QStringLiteral("Vellumo ") + QString(ProgramInfo::Version)));
    info->SetCreator(pdfText(QStringLiteral("Vellumo")));
    // The creation date is set by PoDoFo; a new document is also modified now.
    PoDoFo::PdfString now;
    PoDoFo::PdfDate().ToString(now);
    info->GetObject()->GetDictionary().AddKey(PoDoFo::PdfName("ModDate"), now);
}

PdfWriter::Result PdfWriter::addPages(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                                      const QStringList &files, ExportProgress *progress)
{
    const EPdfPageSize pageSize = PaperSizes::pdfPageSize(settings.paperSize);
    const bool landscape = settings.orientation == 1;
    // Recognition runs a page per core ahead of the writing; the text of page t is taken when
    // page t is written.
    std::unique_ptr<PageRecognizer> recognizer;
    std::optional<PdfTextLayer> textLayer;
    if (settings.ocr) {
        recognizer =
            std::make_unique<PageRecognizer>(OcrRunner::toolPath(), settings.ocrLanguages, files,
                                             std::max(1, QThread::idealThreadCount()), [progress] {
                                                 return progress && progress->wasCanceled();
                                             });
        textLayer.emplace(doc);
    }
    // A page's own drawing is a line or two, not worth a compressor set up per page (deflate's
    // tables, about a tenth of the writer's work); with a text layer it is kept compressed.
    const PoDoFo::EPdfFilter usualFilter = PoDoFo::PdfStream::eDefaultFilter;
    if (!settings.ocr)
        PoDoFo::PdfStream::eDefaultFilter = PoDoFo::ePdfFilter_None;
    const auto restoreFilter =
        qScopeGuard([usualFilter] { PoDoFo::PdfStream::eDefaultFilter = usualFilter; });
    std::vector<PoDoFo::PdfObject *> pageObjects;
    pageObjects.reserve(size_t(files.size()));
    // One buffer for every JPEG file: a fresh one per page costs the kernel's zeroing of new
    // memory and its page faults, page after page.
    QByteArray jpeg;
    for (qsizetype t = 0; t < files.size(); ++t) {
        if (progress) {
            progress->setValue(int(t) + 1);
            if (progress->wasCanceled())
                return Result::Cancelled;
        }
        std::optional<OcrPageText> words;
        if (recognizer) {
            const OcrRunner::Result recognised = recognizer->takeNext();
            if (recognised.status == OcrRunner::Status::Cancelled ||
                (progress && progress->wasCanceled()))
                return Result::Cancelled;
            if (recognised.status == OcrRunner::Status::Done)
                words = recognised.text;
            else if (recognised.status == OcrRunner::Status::Failed)
                ++m_pagesWithoutText;
            else
                return failOcr(files[t], recognised);
        }
        const QString &file = files[t];
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            return fail(file, input.errorString());
        const QByteArray magic = input.peek(4);
        bool isJpeg = magic.startsWith("\xFF\xD8");
        bool isTiff = magic.startsWith("II*") || magic.startsWith("MM\0*");
        if (!m_anyImageFile) {
            // The window's page files: the name says what they are.
            const QString suffix = QFileInfo(file).suffix();
            isJpeg = suffix == QStringLiteral("jpg");
            isTiff = suffix == QStringLiteral("tiff");
            if (!isJpeg && !isTiff)
                return fail(file, QStringLiteral("not a .jpg or .tiff page"));
        }

        // The page joins the page tree with all the others at the end: inserting pages one by
        // one walks the tree's whole list of pages each time, a cost that grows with the
        // square of the page count.
        const std::unique_ptr<PdfPage> page = std::make_unique<PdfPage>(
            PdfPage::CreateStandardPageSize(pageSize, landscape), doc.GetObjects());
        pageObjects.push_back(page->GetObject());
        PdfPageImage image(&doc);
        // The page's contents object is numbered right after its image: the two are written
        // one after the other, and PoDoFo's table of file offsets keeps them in one block.
        // Every gap opens a block of its own, and the table sorts all its blocks at each new
        // one, a cost that grows with the square of the page count.
        (void)page->GetContents();
        QSizeF dpi;
        try {
            if (isJpeg) {
                // Read in one go; PoDoFo would read the file in pieces of 4 KiB.
                const qint64 size = input.size();
                if (size > qint64(ProgramInfo::ImageAllocationLimitMb) << 20)
                    return fail(file, QStringLiteral("the file is larger than any page"));
                jpeg.resize(size);
                if (input.read(jpeg.data(), size) != size)
                    return fail(file, input.errorString());
                const ImageHeaders::JpegFrame frame = ImageHeaders::jpegFrame(jpeg);
                // A header may claim any size; a reader would have to decode that much.
                const qint64 megabytes = qint64(frame.pixels.width()) * frame.pixels.height() *
                                         qMax(1, frame.components) / (1 << 20);
                if (megabytes > ProgramInfo::ImageAllocationLimitMb)
                    return fail(file, QStringLiteral("the image claims %1 x %2 pixels, more than "
                                                     "any page")
                                          .arg(frame.pixels.width())
                                          .arg(frame.pixels.height()));
                if (!image.embedJpeg(jpeg, frame))
                    return fail(file, QStringLiteral("unreadable page image"));
                dpi = ImageHeaders::jpegResolution(jpeg);
            } else if (const std::optional<Group4Codec::Strip> strip =
                           isTiff ? Group4Codec::readStrip(file) : std::nullopt) {
                // A black-and-white page as the page store keeps it: its fax data goes in as
                // it is.
                image.embedGroup4(strip->group4, strip->width, strip->height, strip->blackIs1);
                dpi = strip->dpi;
            } else {
                input.close();
                QImageReader reader(file);
                const QImage pixels = reader.read();
                if (pixels.isNull() || !image.embedPixels(pixels))
                    return fail(file, QStringLiteral("unreadable page image"));
                dpi = isTiff ? resolution(file)
                             : QSizeF(pixels.dotsPerMeterX() * 0.0254,
                                      pixels.dotsPerMeterY() * 0.0254);
            }
        } catch (const PdfError &error) {
            return fail(file, PdfLibrary::describe(error));
        }
        const QSize pixels(int(image.GetWidth()), int(image.GetHeight()));
        if (pixels.isEmpty())
            return fail(file, QStringLiteral("page image without pixels"));
        dpi = saneResolution(dpi.width(), dpi.height());
        const PdfRect rect = page->GetPageSize();
        const PagePlacement p = place(settings, QSizeF(rect.GetWidth(), rect.GetHeight()), pixels,
                                      dpi.width(), dpi.height());
        PdfPainter painter;
        painter.SetPage(page.get());
        painter.DrawImage(p.position.x(), p.position.y(), &image, p.scaleX, p.scaleY);
        if (words) {
            const QByteArray text = PdfTextLayer::content(*words, p, pixels);
            if (!text.isEmpty()) {
                textLayer->addFontTo(*page);
                painter.GetCanvas()->Append(text.constData(), size_t(text.size()));
            }
        }
        painter.FinishPage();
    }
    doc.GetPagesTree()->InsertPages(doc.GetPageCount() - 1, pageObjects);
    return Result::Finished;
}
