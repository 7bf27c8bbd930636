#include "export/DocxGenerator.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QUrl>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/ExportProgress.h"
#include "core/ImageHeaders.h"
#include "core/LogCategories.h"
#include "core/ZipWriter.h"

namespace {

// The first page's relationship; the template's own ones use lower ids.
constexpr int FirstImageId = 10;
// What decoders assume for an image that names no resolution.
constexpr int DefaultDpi = 96;
// How much of a JPEG is read for its headers: large Exif or colour profile segments may come
// before the frame header.
constexpr qint64 JpegHeadBytes = 256 * 1024;

const QString RelationshipsPart = QStringLiteral("word/_rels/document.xml.rels");
const QString DocumentPart = QStringLiteral("word/document.xml");

struct Template
{
    // Every part but the two filled in, in archive order: name and bytes.
    QList<std::pair<QString, QByteArray>> parts;
    QString relationships;
    QString document;
    QString firstPage;
    QString page;
    QString pageBreak;
    QString relation;
};

bool readResource(const QString &name, QString *text)
{
    QFile file(QStringLiteral(":/template/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// The template package and the snippets; false with the name of what could not be read.
bool loadTemplate(Template *tpl, QString *missing)
{
    const QString archiveName = QStringLiteral(":/template/docx.zip");
    QFile archive(archiveName);
    QuaZip zip(&archive);
    *missing = archiveName;
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    bool haveRelationships = false;
    bool haveDocument = false;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        if (name.endsWith(QLatin1Char('/')))
            continue; // folders exist in a package only through their parts
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            *missing = archiveName + QLatin1Char('/') + name;
            return false;
        }
        const QByteArray bytes = entry.readAll();
        entry.close();
        if (entry.getZipError() != UNZ_OK) {
            *missing = archiveName + QLatin1Char('/') + name;
            return false;
        }
        if (name == RelationshipsPart) {
            tpl->relationships = QString::fromUtf8(bytes);
            haveRelationships = true;
        } else if (name == DocumentPart) {
            tpl->document = QString::fromUtf8(bytes);
            haveDocument = true;
        } else {
            tpl->parts.append({name, bytes});
        }
    }
    if (zip.getZipError() != UNZ_OK || !haveRelationships || !haveDocument)
        return false;
    const std::pair<const char *, QString *> snippets[] = {{"firstpage.xml", &tpl->firstPage},
                                                           {"page.xml", &tpl->page},
                                                           {"pagebreak.xml", &tpl->pageBreak},
                                                           {"relation.xml", &tpl->relation}};
    for (const auto &[name, text] : snippets) {
        if (!readResource(QString::fromLatin1(name), text)) {
            *missing = QStringLiteral(":/template/") + QString::fromLatin1(name);
            return false;
        }
    }
    return true;
}

// What goes into the package for one page file.
struct PageMedia
{
    QString extension;
    // Empty when the file does not load as an image: it then gets no paragraph.
    QSize pixels;
    int dpi = DefaultDpi;
    // Encoded PNG of a decoded page; empty means the file's own bytes.
    QByteArray png;
};

// Looks at the open file. JPEG data is only read as far as its headers; PNG data is decoded
// for its resolution but kept as it is; anything else Qt can decode is re-encoded as PNG.
PageMedia inspect(QFile &file)
{
    PageMedia media;
    const QByteArray head = file.peek(JpegHeadBytes);
    if (head.startsWith(QByteArrayView("\xFF\xD8\xFF", 3))) {
        media.extension = QStringLiteral("jpeg");
        media.pixels = ImageHeaders::jpegFrame(head).pixels;
        if (media.pixels.isEmpty()) {
            QImageReader reader(&file, "jpeg");
            media.pixels = reader.size();
            file.seek(0);
        }
        // As a decoder would give it: the density rounded to whole dots per inch.
        const QSizeF resolution = ImageHeaders::jpegResolution(head);
        if (qRound(resolution.width()) > 0)
            media.dpi = qRound(resolution.width());
        return media;
    }
    const bool png = head.startsWith(QByteArrayView("\x89PNG\r\n\x1A\n", 8));
    QImageReader reader(&file, png ? QByteArrayLiteral("png") : QByteArray());
    const QImage image = reader.read();
    file.seek(0);
    if (image.isNull()) {
        // Kept in the package as it is, under the name a JPEG page would have.
        media.extension = png ? QStringLiteral("png") : QStringLiteral("jpeg");
        qCDebug(lcExport) << "not an image:" << file.fileName() << reader.errorString();
        return media;
    }
    media.extension = QStringLiteral("png");
    media.pixels = image.size();
    if (image.logicalDpiX() > 0)
        media.dpi = image.logicalDpiX();
    if (!png) {
        QBuffer buffer(&media.png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(image)) {
            // Then it goes in as it is, like a file that is no image.
            qCWarning(lcExport) << "cannot encode" << file.fileName() << writer.errorString();
            media.png.clear();
            media.pixels = QSize();
            media.extension = QStringLiteral("jpeg");
        }
    }
    return media;
}

QString filled(QString snippet, const QSize &extent, const QString &rid)
{
    return snippet.replace(QLatin1String("[WIDTH]"), QString::number(extent.width()))
        .replace(QLatin1String("[HEIGHT]"), QString::number(extent.height()))
        .replace(QLatin1String("[RID]"), rid);
}

} // namespace

DocxGenerator::DocxGenerator(ExportProgress *progress)
    : DocGenerator(progress)
{
    // The template lives in the static core library; this reference keeps it in every program.
    Q_INIT_RESOURCE(docx_template);
}

QSize DocxGenerator::extentEmu(const QSize &pixels, double dpi)
{
    if (pixels.isEmpty() || dpi <= 0)
        return {};
    const double w = pixels.width();
    const double h = pixels.height();
    auto width = qint64(w / dpi * EmuPerInch);
    auto height = qint64(h / dpi * EmuPerInch);
    if (width > MaxWidthEmu) {
        width = MaxWidthEmu;
        // The reciprocal of the aspect ratio first: it can land one below h / w x MaxWidthEmu.
        height = qint64((1 / (w / h)) * MaxWidthEmu);
    }
    if (height > MaxHeightEmu) {
        height = MaxHeightEmu;
        width = qint64((w / h) * MaxHeightEmu);
    }
    return {int(width), int(height)};
}

bool DocxGenerator::generate(const QString &target)
{
    resetOutcome();
    if (!allPagesPresent())
        return false;
    const QStringList pageFiles = files();
    if (progress())
        progress()->setRange(0, int(pageFiles.size()));
    const QString shownTarget = QDir::toNativeSeparators(target);

    Template tpl;
    QString missing;
    if (!loadTemplate(&tpl, &missing))
        return fail(tr("Can't read the Word template %1.").arg(missing));

    // Beside the target, so that the finished document takes the target's place in one rename.
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    QTemporaryDir scratch(folder + QStringLiteral("/.vellumo-docx-XXXXXX"));
    if (!scratch.isValid()) {
        return fail(tr("Can't create a temporary folder in %1: %2")
                        .arg(QDir::toNativeSeparators(folder), scratch.errorString()));
    }
    // Unbuffered: the zip writer writes large blocks, and a failed write keeps its reason.
    QFile out(scratch.filePath(QStringLiteral("document.docx")));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(tr("Can't write %1: %2").arg(shownTarget, out.errorString()));

    ZipWriter zip(out);
    const QDateTime now = QDateTime::currentDateTime();
    const auto writeFailed = [&]() {
        return fail(tr("Can't write %1: %2").arg(shownTarget, zip.errorString()));
    };
    const auto addBytes = [&](const QString &name, QByteArray bytes, bool deflate) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return zip.add(name, buffer, now, deflate);
    };
    for (const auto &[name, bytes] : std::as_const(tpl.parts)) {
        if (!addBytes(name, bytes, true))
            return writeFailed();
    }

    QStringList pages;
    QString relations;
    // Media names written so far, by their lower-case form: package part names ignore case.
    QHash<QString, QString> written;
    int k = 0;
    for (const QString &path : pageFiles) {
        const QFileInfo info(path);
        if (!info.isFile())
            continue;
        const QString shownPath = QDir::toNativeSeparators(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(tr("Can't read %1: %2").arg(shownPath, file.errorString()));
        const PageMedia media = inspect(file);

        // The same text names the zip entry and the relationship target, so that readers which
        // decode the target and readers which take it as it is find the same part.
        QString mediaName = QString::fromLatin1(QUrl::toPercentEncoding(info.baseName())) +
                            QLatin1Char('.') + media.extension;
        const QString key = mediaName.toLower();
        if (written.contains(key)) {
            mediaName = written.value(key);
        } else {
            const QString entry = QStringLiteral("word/media/") + mediaName;
            const bool added = media.png.isEmpty()
                                   ? zip.add(entry, file, info.lastModified(), false)
                                   : addBytes(entry, media.png, false);
            if (!added) {
                if (zip.sourceFailed())
                    return fail(tr("Can't read %1: %2").arg(shownPath, zip.errorString()));
                return writeFailed();
            }
            written.insert(key, mediaName);
        }

        const QString rid = QStringLiteral("rId%1").arg(k + FirstImageId);
        relations += QString(tpl.relation)
                         .replace(QLatin1String("[RID]"), rid)
                         .replace(QLatin1String("[TARGET]"), mediaName);
        const QSize extent = extentEmu(media.pixels, media.dpi);
        if (!extent.isEmpty())
            pages << filled(k == 0 ? tpl.firstPage : tpl.page, extent, rid);

        ++k;
        if (progress()) {
            if (progress()->wasCanceled()) {
                setCancelled(true);
                return true; // the unfinished file goes with the temporary folder
            }
            progress()->setValue(k);
        }
    }

    const QString relationships = tpl.relationships.replace(QLatin1String("[IMGIDS]"), relations);
    // With no picture at all the body keeps only its section properties.
    const QString document =
        tpl.document.replace(QLatin1String("[PAGES]"), pages.join(tpl.pageBreak));
    if (!addBytes(DocumentPart, document.toUtf8(), true) ||
        !addBytes(RelationshipsPart, relationships.toUtf8(), true) || !zip.finish())
        return writeFailed();
    out.close();
    if (out.error() != QFileDevice::NoError)
        return fail(tr("Can't write %1: %2").arg(shownTarget, out.errorString()));

    return placeDocument(out.fileName(), target, scratch);
}
