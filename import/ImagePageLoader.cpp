#include "import/ImagePageLoader.h"

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>

#include <utility>

#include "core/LogCategories.h"
#include "core/PageImages.h"
#include "import/ImageFileLoader.h"
#include "ocr/PageOrientation.h"

ImagePageLoader::ImagePageLoader(Options options)
    : m_options(std::move(options))
    // Loaders one after another may share a folder: their files are told apart by a tag.
    , m_tag(QRandomGenerator::global()->generate())
{
}

ImagePageLoader::Result ImagePageLoader::load(const QString &file, const QString &madeThumbnail,
                                              bool owned)
{
    Result result = read(file, madeThumbnail, owned);
    if (owned) {
        // What was handed over and not moved into a prepared page is not needed any more.
        QFile::remove(file);
        if (!madeThumbnail.isEmpty())
            QFile::remove(madeThumbnail);
    }
    return result;
}

ImagePageLoader::Result ImagePageLoader::read(const QString &file, const QString &madeThumbnail,
                                              bool owned)
{
    Result result;
    result.file = file;
    if (ImageFileLoader::isStorableJpeg(file)) {
        // Its bytes are the page, unless the page has to be turned.
        const int turns = m_options.upright ? turnsFor(PageOrientation::detect(file), result) : 0;
        if (turns != 0) {
            const QImage turned = PageOrientation::turned(QImage(file), turns);
            if (!turned.isNull()) {
                result.pages << prepare(turned, false);
                return result;
            }
        }
        if (std::optional<Page> page = keepJpeg(file, madeThumbnail, owned)) {
            result.pages << *page;
            return result;
        }
        // Then decoded like any other picture.
    }
    const QList<ImageFileLoader::Page> pictures = ImageFileLoader::readAll(file);
    const ImageFileLoader::Page &first = pictures.first();
    if (first.tooLarge) {
        result.problem = Problem::TooLarge;
        result.size = first.size;
        return result;
    }
    if (first.image.isNull()) {
        result.problem = Problem::Unreadable;
        return result;
    }
    for (const ImageFileLoader::Page &picture : pictures) {
        const int turns =
            m_options.upright ? turnsFor(PageOrientation::detect(picture.image), result) : 0;
        const QImage upright =
            turns != 0 ? PageOrientation::turned(picture.image, turns) : picture.image;
        result.pages << prepare(upright.isNull() ? picture.image : upright, picture.blackAndWhite);
    }
    if (first.damaged)
        result.problem = Problem::Damaged;
    return result;
}

std::optional<ImagePageLoader::Page>
ImagePageLoader::keepJpeg(const QString &file, const QString &madeThumbnail, bool owned)
{
    if (m_options.folder.isEmpty())
        return std::nullopt;
    const QString base = nextBase();
    Page page;
    page.jpeg = base + QStringLiteral(".jpg");
    page.thumbnail = base + QStringLiteral("-thumb.jpg");
    QImageReader reader(file);
    const QSize expected =
        reader.size().scaled(m_options.thumbSize, Qt::KeepAspectRatio).boundedTo(reader.size());
    QString error;
    // A thumbnail made beside the file saves decoding it, when it has the store's size.
    const bool thumbFits =
        !madeThumbnail.isEmpty() && QImageReader(madeThumbnail, "jpeg").size() == expected;
    bool done = false;
    if (thumbFits) {
        done = owned ? PageImages::moveFile(madeThumbnail, page.thumbnail, &error)
                     : PageImages::copyFile(madeThumbnail, page.thumbnail, &error);
    } else {
        const QImage thumb = PageImages::readThumbnail(reader, m_options.thumbSize);
        done = !thumb.isNull() && PageImages::writeThumbnail(thumb, page.thumbnail, &error);
    }
    done = done && (owned ? PageImages::moveFile(file, page.jpeg, &error)
                          : PageImages::copyFile(file, page.jpeg, &error));
    if (done)
        return page;
    qCWarning(lcImport).noquote() << "Page not prepared:" << error;
    QFile::remove(page.thumbnail);
    return std::nullopt;
}

ImagePageLoader::Page ImagePageLoader::prepare(const QImage &image, bool blackAndWhite)
{
    Page page;
    page.image = image;
    page.blackAndWhite = blackAndWhite;
    // 1-bit pages are quick to write: the store writes them itself.
    if (blackAndWhite || m_options.folder.isEmpty())
        return page;
    const QString base = nextBase();
    const QString jpeg = base + QStringLiteral(".jpg");
    const QString thumbnail = base + QStringLiteral("-thumb.jpg");
    QString error;
    if (PageImages::writeWorkingImage(image, jpeg, false, m_options.jpegQuality, &error) &&
        PageImages::writeThumbnail(PageImages::makeThumbnail(image, m_options.thumbSize), thumbnail,
                                   &error)) {
        page.jpeg = jpeg;
        page.thumbnail = thumbnail;
        page.image = QImage(); // the files are the page now
    } else {
        qCWarning(lcImport).noquote() << "Page not prepared:" << error;
    }
    return page;
}

QString ImagePageLoader::nextBase()
{
    return QStringLiteral("%1/page-%2-%3")
        .arg(m_options.folder)
        .arg(m_tag, 8, 16, QLatin1Char('0'))
        .arg(++m_serial);
}

int ImagePageLoader::turnsFor(const OcrRunner::Orientation &found, Result &result)
{
    result.upright = found;
    return found.status == OcrRunner::Status::Done ? found.quarterTurns.value_or(0) : 0;
}
