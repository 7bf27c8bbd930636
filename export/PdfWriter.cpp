#include "export/PdfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <ostream>
#include <podofo/podofo.h>
#include <streambuf>
#include <vector>

#include "core/LogCategories.h"
#include "core/ProgramInfo.h"
#include "export/ByteArrayStream.h"
#include "export/DocumentFile.h"
#include "export/ImageHeaders.h"
#include "export/PaperSizes.h"
#include "export/PdfLibrary.h"
#include "export/PdfPageImage.h"

// PoDoFo has a PdfWriter class of its own, so its namespace is not opened wholesale.
using PoDoFo::EPdfPageSize;
using PoDoFo::PdfEncrypt;
using PoDoFo::PdfError;
using PoDoFo::PdfImage;
using PoDoFo::PdfMemDocument;
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

// Every permission PoDoFo knows: print (also in high quality), modify, copy, annotate, fill in
// and sign, extract for accessibility, assemble.
constexpr int allPermissions =
    PdfEncrypt::ePdfPermissions_Print | PdfEncrypt::ePdfPermissions_Edit |
    PdfEncrypt::ePdfPermissions_Copy | PdfEncrypt::ePdfPermissions_EditNotes |
    PdfEncrypt::ePdfPermissions_FillAndSign | PdfEncrypt::ePdfPermissions_Accessible |
    PdfEncrypt::ePdfPermissions_DocAssembly | PdfEncrypt::ePdfPermissions_HighPrint;

QByteArray localPath(const QString &path)
{
    return QFile::encodeName(path);
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

    PdfLibrary::silence();

    // The first setValue() comes with the first page: a progress window enables Cancel there.
    if (progress)
        progress->setRange(0, int(files.size()));

    Result result = Result::Failed;
    try {
        // PoDoFo 0.9.8 cannot AES-encrypt a stream that it writes out as it goes (the streamed
        // document throws on the first image), so a password keeps the whole document in
        // memory like an appended one.
        if (!append && settings.pdfPassword.isEmpty())
            result = writeStreamed(target, settings, files, progress);
        else
            result = writeInMemory(target, settings, files, append, progress);
    } catch (const PdfError &error) {
        return fail(target, PdfLibrary::describe(error));
    } catch (const std::exception &error) {
        return fail(target, QString::fromLocal8Bit(error.what()));
    }
    if (result == Result::Finished)
        Q_EMIT applied(target);
    return result;
}

PdfWriter::Result PdfWriter::writeStreamed(const QString &target, const PdfExportSettings &settings,
                                           const QStringList &files, ExportProgress *progress)
{
    QString error;
    const std::unique_ptr<QTemporaryFile> temporary = temporaryBeside(target, &error);
    if (!temporary)
        return failOnTarget(target, error, false);
    {
        // Each image goes to the file as soon as it is loaded; only the small page and
        // cross-reference records stay in memory. All of it lives inside this block so that the
        // file is closed before it is renamed, and before the temporary file is removed on a
        // cancel or failure.
        DocumentFile file(*temporary);
        PdfOutputDevice device(file.stream());
        PdfStreamedDocument doc(&device);
        const Result result = addPages(doc, settings, files, progress);
        if (result != Result::Finished)
            return result;
        doc.Close();
        if (!file.finish())
            return fail(target, file.errorString());
    }
    return replaceTarget(*temporary, target)
               ? Result::Finished
               : failOnTarget(target, QStringLiteral("cannot replace the target file"), false);
}

PdfWriter::Result PdfWriter::writeInMemory(const QString &target, const PdfExportSettings &settings,
                                           const QStringList &files, bool append,
                                           ExportProgress *progress)
{
    // PoDoFo reads the existing file's objects from this stream as it needs them, up to the
    // final write, so the stream outlives the document (declared first, destroyed last). It
    // reads the bytes in place; PoDoFo's own LoadFromBuffer would copy them twice more.
    std::unique_ptr<ByteArrayStream> existingStream;
    PdfMemDocument doc;
    if (append) {
        QFile existing(target);
        if (!existing.open(QIODevice::ReadOnly))
            return fail(target, existing.errorString());
        const QByteArray bytes = existing.readAll();
        existing.close();
        // These very bytes go to PoDoFo below, only once another process survived them.
        if (!m_loadCheck.check(bytes))
            return fail(target, m_loadCheck.errorString());
        existingStream = std::make_unique<ByteArrayStream>(bytes);
        try {
            doc.LoadFromDevice(
                PoDoFo::PdfRefCountedInputDevice(new PoDoFo::PdfInputDevice(existingStream.get())));
        } catch (const PdfError &error) {
            return fail(target, PdfLibrary::describe(error));
        }
    }
    // Requested after any load, so that an appended-to file really ends up encrypted.
    if (!settings.pdfPassword.isEmpty()) {
        const std::string password = settings.pdfPassword.toStdString();
        doc.SetEncrypted(password, password, allPermissions, PdfEncrypt::ePdfEncryptAlgorithm_AESV3,
                         PdfEncrypt::ePdfKeyLength_256);
        doc.SetPdfVersion(PoDoFo::ePdfVersion_1_7);
    }

    const Result result = addPages(doc, settings, files, progress);
    if (result != Result::Finished)
        return result;

    QString error;
    const std::unique_ptr<QTemporaryFile> temporary = temporaryBeside(target, &error);
    if (!temporary)
        return failOnTarget(target, error, append);
    {
        DocumentFile file(*temporary);
        PdfOutputDevice device(file.stream());
        try {
            doc.Write(&device);
        } catch (const PdfError &e) {
            return fail(target, PdfLibrary::describe(e));
        }
        if (!file.finish())
            return fail(target, file.errorString());
    }
    return replaceTarget(*temporary, target)
               ? Result::Finished
               : failOnTarget(target, QStringLiteral("cannot replace the target file"), append);
}

PdfWriter::Result PdfWriter::addPages(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                                      const QStringList &files, ExportProgress *progress)
{
    const EPdfPageSize pageSize = PaperSizes::pdfPageSize(settings.paperSize);
    const bool landscape = settings.orientation == 1;
    for (qsizetype t = 0; t < files.size(); ++t) {
        if (progress) {
            progress->setValue(int(t) + 1);
            if (progress->wasCanceled())
                return Result::Cancelled;
        }
        const QString &file = files[t];
        const QString suffix = QFileInfo(file).suffix();
        const bool isTiff = suffix == QStringLiteral("tiff");
        if (!isTiff && suffix != QStringLiteral("jpg"))
            return fail(file, QStringLiteral("not a .jpg or .tiff page"));
        // Reads the header only; catches files neither library would make sense of. A JPEG's
        // frame header is checked below, from the bytes that are embedded.
        if (isTiff && !QImageReader(file).size().isValid())
            return fail(file, QStringLiteral("unreadable page image"));

        PdfPage *page = doc.CreatePage(PdfPage::CreateStandardPageSize(pageSize, landscape));
        PdfPageImage image(&doc);
        QByteArray jpeg;
        try {
            if (isTiff) {
                image.LoadFromTiff(localPath(file).constData());
            } else {
                // Read in one go; PoDoFo would read the file in pieces of 4 KiB.
                QFile input(file);
                if (!input.open(QIODevice::ReadOnly))
                    return fail(file, input.errorString());
                jpeg = input.readAll();
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
            }
        } catch (const PdfError &error) {
            return fail(file, PdfLibrary::describe(error));
        }
        const QSize pixels(int(image.GetWidth()), int(image.GetHeight()));
        if (pixels.isEmpty())
            return fail(file, QStringLiteral("page image without pixels"));
        QSizeF dpi;
        if (isTiff) {
            dpi = resolution(file);
        } else {
            dpi = ImageHeaders::jpegResolution(jpeg);
            dpi = saneResolution(dpi.width(), dpi.height());
        }
        const PdfRect rect = page->GetPageSize();
        const PagePlacement p = place(settings, QSizeF(rect.GetWidth(), rect.GetHeight()), pixels,
                                      dpi.width(), dpi.height());
        PdfPainter painter;
        painter.SetPage(page);
        painter.DrawImage(p.position.x(), p.position.y(), &image, p.scaleX, p.scaleY);
        painter.FinishPage();
    }
    return Result::Finished;
}
