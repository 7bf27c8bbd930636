#include "PageStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <unistd.h>

#include "core/FileOperations.h"
#include "core/LogCategories.h"
#include "core/PageImages.h"
#include "pages/PageFiles.h"

namespace {
QString aside(const QString &path)
{
    return path + PageFiles::AsideSuffix;
}

// The name without any ".tmp" suffixes.
QString withoutAside(QString path)
{
    while (path.endsWith(PageFiles::AsideSuffix))
        path.chop(PageFiles::AsideSuffix.size());
    return path;
}

// A hard link, or a byte copy where the file system has no links.
bool linkOrCopy(const QString &from, const QString &to, QString *error)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return PageImages::copyFile(from, to, error);
}
} // namespace

PageStore::PageStore(const QString &workingFolder, FileOperations *operations)
    : m_folder(workingFolder)
    , m_ownOperations(operations ? nullptr : std::make_unique<FileOperations>())
    , m_operations(operations ? operations : m_ownOperations.get())
{
}

PageStore::~PageStore() = default;

QString PageStore::workingPath(int position) const
{
    return position >= 0 && position < count() ? m_pages.at(position) : QString();
}

QString PageStore::thumbPath(int position) const
{
    const QString working = workingPath(position);
    return working.isEmpty() ? QString() : PageFiles::thumbPath(working);
}

QString PageStore::sourcePath(int position) const
{
    const QString working = workingPath(position);
    return working.isEmpty() ? QString() : PageFiles::sourcePath(working);
}

QStringList PageStore::thumbPaths() const
{
    QStringList paths;
    paths.reserve(m_pages.size());
    for (const QString &working : m_pages)
        paths << PageFiles::thumbPath(working);
    return paths;
}

QString PageStore::pathInFolder(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

bool PageStore::exists(const QString &path) const
{
    return m_operations->exists(path);
}

void PageStore::removeFile(const QString &path)
{
    if (exists(path) && !m_operations->remove(path))
        qCWarning(lcPages) << "cannot delete" << path;
}

int PageStore::nextNumber() const
{
    // Normally the page count plus one. After a failed renumbering a page may still hold a
    // higher number; never hand out a name another page uses.
    int number = count() + 1;
    for (const QString &working : m_pages) {
        const int used = PageFiles::pageNumber(QFileInfo(withoutAside(working)).fileName());
        if (used >= number)
            number = used + 1;
    }
    return number;
}

bool PageStore::writePage(const QString &workingPath, const QImage &image, bool blackAndWhite,
                          QImage *thumbnail)
{
    if (image.isNull()) {
        m_error = tr("The page image is empty.");
        return false;
    }
    const QImage thumb = PageImages::makeThumbnail(image, m_thumbSize);
    if (!PageImages::writeThumbnail(thumb, PageFiles::thumbPath(workingPath), &m_error))
        return false;
    if (!PageImages::writeWorkingImage(image, workingPath, blackAndWhite, m_jpegQuality, &m_error))
        return false;
    if (!PageImages::copyFile(workingPath, PageFiles::sourcePath(workingPath), &m_error))
        return false;
    if (thumbnail)
        *thumbnail = thumb;
    return true;
}

bool PageStore::addImage(const QImage &image, bool blackAndWhite, QImage *thumbnail)
{
    const int number = nextNumber();
    const QString working = pathInFolder(PageFiles::workingFileName(number, blackAndWhite));
    if (!writePage(working, image, blackAndWhite, thumbnail)) {
        // Nothing half-made stays behind under the new page's names.
        removeFile(working);
        removeFile(PageFiles::thumbPath(working));
        removeFile(PageFiles::sourcePath(working));
        return false;
    }
    m_lastNumber = number;
    m_pages << working;
    return true;
}

bool PageStore::addJpegFile(const QString &path, QImage *thumbnail, const QString &madeThumbnail,
                            FileUse use)
{
    const int number = nextNumber();
    const QString working = pathInFolder(PageFiles::workingFileName(number, false));
    QImage thumb;
    // A thumbnail made beforehand saves decoding the page here; one that cannot be read, or
    // that has the wrong size, is made again.
    if (!madeThumbnail.isEmpty()) {
        QImageReader made(madeThumbnail, "jpeg");
        QImageReader page(path);
        const QSize expected = page.size().scaled(m_thumbSize, Qt::KeepAspectRatio);
        if (made.size() == expected.boundedTo(page.size()))
            thumb = made.read();
    }
    const bool thumbMade = !thumb.isNull();
    if (!thumbMade) {
        QImageReader reader(path);
        thumb = PageImages::readThumbnail(reader, m_thumbSize);
        if (thumb.isNull()) {
            m_error = tr("Can't read %1: %2").arg(path, reader.errorString());
            return false;
        }
    }
    const QString thumbPath = PageFiles::thumbPath(working);
    // Files handed over are moved in. The source may then share the working image's bytes:
    // every writer replaces a page file through a new file, never in place, so a later change
    // of the working image leaves the source as it was.
    const bool move = use == FileUse::Move;
    const auto place = [this, move](const QString &from, const QString &to) {
        return move ? PageImages::moveFile(from, to, &m_error)
                    : PageImages::copyFile(from, to, &m_error);
    };
    if (!place(path, working) ||
        !(thumbMade ? place(madeThumbnail, thumbPath)
                    : PageImages::writeThumbnail(thumb, thumbPath, &m_error)) ||
        !(move ? linkOrCopy(working, PageFiles::sourcePath(working), &m_error)
               : PageImages::copyFile(working, PageFiles::sourcePath(working), &m_error))) {
        removeFile(working);
        removeFile(PageFiles::thumbPath(working));
        removeFile(PageFiles::sourcePath(working));
        return false;
    }
    if (thumbnail)
        *thumbnail = thumb;
    m_lastNumber = number;
    m_pages << working;
    return true;
}

bool PageStore::loadPage(const QString &fileName, QImage *thumbnail)
{
    m_lastNumber = count() + 1;
    const QString working = pathInFolder(fileName);
    m_pages << working;
    const QString thumb = PageFiles::thumbPath(working);
    if (!exists(thumb))
        return false;
    const QImage image(thumb);
    if (thumbnail)
        *thumbnail = image;
    return true;
}

bool PageStore::replaceImage(int position, const QImage &image, bool blackAndWhite,
                             QImage *thumbnail)
{
    if (position < 0 || position >= count())
        return false;
    const QString old = m_pages.at(position);
    const QString working = QFileInfo(old).path() + QLatin1Char('/') +
                            QFileInfo(old).completeBaseName() +
                            (blackAndWhite ? QStringLiteral(".tiff") : QStringLiteral(".jpg"));
    if (!writePage(working, image, blackAndWhite, thumbnail))
        return false;
    if (working != old) {
        removeFile(old);
        removeFile(PageFiles::sourcePath(old));
    }
    m_pages[position] = working;
    return true;
}

bool PageStore::writeChangedImage(const QString &workingPath, const QImage &image, int jpegQuality,
                                  const QSize &thumbSize, QImage *thumbnail, QString *error)
{
    if (image.isNull()) {
        *error = tr("The page image is empty.");
        return false;
    }
    const bool mono = PageFiles::extension(workingPath) == QLatin1String("tiff");
    // The picture first: a thumbnail never shows a change that is not on the disk.
    if (!PageImages::writeWorkingImage(image, workingPath, mono, jpegQuality, error))
        return false;
    const QImage thumb = PageImages::makeThumbnail(image, thumbSize);
    if (!PageImages::writeThumbnail(thumb, PageFiles::thumbPath(workingPath), error))
        return false;
    if (thumbnail)
        *thumbnail = thumb;
    return true;
}

bool PageStore::restoreSource(int position, QImage *thumbnail)
{
    const QString working = workingPath(position);
    const QString source = PageFiles::sourcePath(working);
    if (working.isEmpty() || !exists(source))
        return false;
    if (!PageImages::copyFile(source, working, &m_error))
        return false;
    const QImage image(working);
    if (!image.isNull() && !updateThumb(position, image, thumbnail))
        qCWarning(lcPages) << m_error;
    return true;
}

bool PageStore::updateThumb(int position, const QImage &image, QImage *thumbnail)
{
    if (position < 0 || position >= count())
        return false;
    const QImage thumb = PageImages::makeThumbnail(image, m_thumbSize);
    if (!PageImages::writeThumbnail(thumb, thumbPath(position), &m_error))
        return false;
    if (thumbnail)
        *thumbnail = thumb;
    return true;
}

bool PageStore::writeThumbnail(int position, const QImage &thumbnail)
{
    if (position < 0 || position >= count())
        return false;
    return PageImages::writeThumbnail(thumbnail, thumbPath(position), &m_error);
}

QImage PageStore::readThumbnail(int position) const
{
    const QString path = thumbPath(position);
    return path.isEmpty() ? QImage() : QImage(path);
}

bool PageStore::renamePage(const QString &workingPath, const QString &newWorkingPath)
{
    const QString from[] = {workingPath, PageFiles::thumbPath(workingPath),
                            PageFiles::sourcePath(workingPath)};
    const QString to[] = {newWorkingPath, PageFiles::thumbPath(newWorkingPath),
                          PageFiles::sourcePath(newWorkingPath)};
    int done = 0;
    for (; done < 3; ++done) {
        if (from[done] == to[done] || !exists(from[done]))
            continue;
        if (!m_operations->rename(from[done], to[done])) {
            m_error = tr("Can't rename %1 to %2.").arg(from[done], to[done]);
            break;
        }
    }
    if (done == 3)
        return true;
    // Keep the page's three files together under their old names.
    for (int i = done - 1; i >= 0; --i) {
        if (from[i] != to[i] && exists(to[i]) && !m_operations->rename(to[i], from[i]))
            qCWarning(lcPages) << "cannot move back" << to[i];
    }
    return false;
}

bool PageStore::renumberFrom(int position)
{
    // Each page moves down into a name just freed, so one pass cannot overwrite anything.
    for (int i = position; i < count(); ++i) {
        const QString working = m_pages.at(i);
        const QString target = pathInFolder(
            PageFiles::workingFileName(i + 1, PageFiles::extension(withoutAside(working))));
        if (target == working)
            continue;
        if (!renamePage(working, target)) {
            qCWarning(lcPages) << m_error;
            return false;
        }
        m_pages[i] = target;
    }
    return true;
}

bool PageStore::removeAt(int position)
{
    if (position < 0 || position >= count())
        return false;
    const QString working = m_pages.takeAt(position);
    removeFile(working);
    removeFile(PageFiles::thumbPath(working));
    removeFile(PageFiles::sourcePath(working));
    return renumberFrom(position);
}

PageStore::MoveResult PageStore::move(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return MoveResult::Unchanged;
    QStringList order = m_pages;
    order.move(from, to);
    return reorder(order);
}

PageStore::MoveResult PageStore::renumber()
{
    return reorder(m_pages);
}

PageStore::MoveResult PageStore::reorder(const QStringList &order)
{
    // Where each page's files are at this moment, in the new order.
    QStringList where = order;
    const auto relocate = [this, &where](int page, const QString &target) {
        if (where.at(page) == target)
            return true;
        if (!renamePage(where.at(page), target))
            return false;
        where[page] = target;
        return true;
    };
    // A ".tmp" name that neither a file nor another page uses.
    const auto asideName = [this, &where](int page) {
        QString target = aside(where.at(page));
        while (exists(target) || where.contains(target))
            target = aside(target);
        return target;
    };

    // First pass: every page aside to a ".tmp" name, so the second pass overwrites nothing.
    bool done = true;
    for (int i = 0; i < order.size() && done; ++i)
        done = relocate(i, asideName(i));
    // Second pass: the names of the new positions; the extension stays.
    for (int i = 0; i < order.size() && done; ++i) {
        const QString extension = PageFiles::extension(withoutAside(order.at(i)));
        done = relocate(i, pathInFolder(PageFiles::workingFileName(i + 1, extension)));
    }
    if (done) {
        m_pages = where;
        return MoveResult::Moved;
    }

    // Put everything back: pages on new names go aside first, then every page to its old name.
    const QString error = m_error;
    for (int i = 0; i < order.size(); ++i) {
        if (where.at(i) != order.at(i) && !where.at(i).endsWith(PageFiles::AsideSuffix))
            relocate(i, asideName(i));
    }
    bool undone = true;
    for (int i = 0; i < order.size(); ++i)
        undone = relocate(i, order.at(i)) && undone;
    m_error = error;
    qCWarning(lcPages) << m_error << (undone ? "- order kept" : "- pages left aside");
    if (undone) {
        // Every page is back under its old name, so the old order stands.
        return MoveResult::Unchanged;
    }
    m_pages = where;
    return MoveResult::Inconsistent;
}

PageStore::SplitResult PageStore::splitPage(int position, const QString &leftPath,
                                            const QString &rightPath)
{
    SplitResult result;
    const QString working = workingPath(position);
    if (working.isEmpty())
        return result;
    const QString spread = aside(working);
    removeFile(spread);
    if (!m_operations->rename(working, spread)) {
        m_error = tr("Can't rename %1 to %2.").arg(working, spread);
        return result;
    }
    const QImage left(leftPath);
    const bool blackAndWhite = left.depth() == 1;
    if (left.isNull() || !replaceImage(position, left, blackAndWhite, &result.leftThumbnail)) {
        // The page keeps its whole spread under its proper name.
        if (left.isNull())
            m_error = tr("Can't read %1.").arg(leftPath);
        if (!m_operations->rename(spread, working))
            qCWarning(lcPages) << "cannot move back" << spread;
        return result;
    }
    result.leftReplaced = true;
    // The left page's source becomes the whole spread, so undoing it brings the spread back.
    if (PageImages::copyFile(spread, sourcePath(position), &m_error))
        removeFile(spread);
    else
        qCWarning(lcPages) << m_error;

    const QImage right(rightPath);
    if (right.isNull()) {
        m_error = tr("Can't read %1.").arg(rightPath);
        return result;
    }
    if (!addImage(right, blackAndWhite, &result.rightThumbnail))
        return result;
    result.rightAdded = true;
    result.rightMoved =
        position + 1 == count() - 1 ? MoveResult::Moved : move(count() - 1, position + 1);
    return result;
}

void PageStore::clear()
{
    m_pages.clear();
    m_lastNumber = 0;
}

namespace {
// The names a held page's files have in its folder; the thumbnail and source follow from the
// working image's name as they do for a page.
QString heldName(const QString &folder, const QString &stem, const QString &extension)
{
    return folder + QLatin1Char('/') + stem + QStringLiteral("_o.") + extension;
}
const QString HeldStem = QStringLiteral("page");
const QString IncomingStem = QStringLiteral("next");

QString heldIn(const QString &folder, const QString &stem)
{
    for (const char *extension : {"jpg", "tiff"}) {
        const QString path = heldName(folder, stem, QLatin1String(extension));
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}
} // namespace

QString PageStore::heldWorkingPath(const QString &folder)
{
    return heldIn(folder, HeldStem);
}

bool PageStore::movePageFiles(const QString &working, const QString &target,
                              QList<QPair<QString, QString>> &done)
{
    const QString from[] = {working, PageFiles::thumbPath(working), PageFiles::sourcePath(working)};
    const QString to[] = {target, PageFiles::thumbPath(target), PageFiles::sourcePath(target)};
    for (int i = 0; i < 3; ++i) {
        if (from[i] == to[i] || !exists(from[i]))
            continue;
        if (!m_operations->rename(from[i], to[i])) {
            m_error = tr("Can't rename %1 to %2.").arg(from[i], to[i]);
            return false;
        }
        done.append({from[i], to[i]});
    }
    return true;
}

void PageStore::reverse(const QList<QPair<QString, QString>> &done)
{
    for (auto it = done.crbegin(); it != done.crend(); ++it) {
        if (!m_operations->rename(it->second, it->first))
            qCWarning(lcPages) << "cannot move back" << it->second;
    }
}

bool PageStore::keepCopy(int position, const QString &folder)
{
    const QString working = workingPath(position);
    if (working.isEmpty())
        return false;
    const QString held = heldName(folder, HeldStem, PageFiles::extension(working));
    const QString from[] = {working, PageFiles::thumbPath(working), PageFiles::sourcePath(working)};
    const QString to[] = {held, PageFiles::thumbPath(held), PageFiles::sourcePath(held)};
    for (int i = 0; i < 3; ++i) {
        // Only the working image is required; a page rebuilt from files may lack the others.
        if (i > 0 && !exists(from[i]))
            continue;
        if (!linkOrCopy(from[i], to[i], &m_error)) {
            for (const QString &made : to)
                removeFile(made);
            return false;
        }
    }
    return true;
}

bool PageStore::takePage(int position, const QString &folder)
{
    const QString working = workingPath(position);
    if (working.isEmpty())
        return false;
    QList<QPair<QString, QString>> done;
    if (!movePageFiles(working, heldName(folder, HeldStem, PageFiles::extension(working)), done)) {
        reverse(done);
        return false;
    }
    m_pages.removeAt(position);
    // A failed renumbering leaves later pages on higher names, which nextNumber() steps over.
    if (!renumberFrom(position))
        qCWarning(lcPages) << m_error;
    return true;
}

bool PageStore::insertPage(int position, const QString &folder)
{
    const QString held = heldWorkingPath(folder);
    if (held.isEmpty()) {
        m_error = tr("Can't read %1.").arg(folder);
        return false;
    }
    if (position < 0 || position > count())
        return false;
    // From the last page down, each page moves up into the name just freed above it.
    QList<QPair<QString, QString>> done;
    QStringList pages = m_pages;
    const auto moveTo = [&](const QString &from, const QString &target) {
        if (exists(target)) {
            m_error = tr("Can't rename %1 to %2.").arg(from, target);
            return false;
        }
        return movePageFiles(from, target, done);
    };
    for (int i = count() - 1; i >= position; --i) {
        const QString target = pathInFolder(
            PageFiles::workingFileName(i + 2, PageFiles::extension(withoutAside(pages.at(i)))));
        if (!moveTo(pages.at(i), target)) {
            reverse(done);
            return false;
        }
        pages[i] = target;
    }
    const QString target =
        pathInFolder(PageFiles::workingFileName(position + 1, PageFiles::extension(held)));
    if (!moveTo(held, target)) {
        reverse(done);
        return false;
    }
    pages.insert(position, target);
    m_pages = pages;
    m_lastNumber = count();
    return true;
}

bool PageStore::exchangePage(int position, const QString &folder)
{
    const QString working = workingPath(position);
    const QString held = heldWorkingPath(folder);
    if (working.isEmpty() || held.isEmpty()) {
        m_error = tr("Can't read %1.").arg(held.isEmpty() ? folder : working);
        return false;
    }
    // The page's files go in beside the held ones first, the held ones take the page's names,
    // and the newcomers take the held names.
    const QString extension = PageFiles::extension(working);
    const QString incoming = heldName(folder, IncomingStem, extension);
    const QFileInfo page(working);
    const QString target = page.path() + QLatin1Char('/') + page.completeBaseName() +
                           QLatin1Char('.') + PageFiles::extension(held);
    QList<QPair<QString, QString>> done;
    if (!movePageFiles(working, incoming, done) || !movePageFiles(held, target, done) ||
        !movePageFiles(incoming, heldName(folder, HeldStem, extension), done)) {
        reverse(done);
        return false;
    }
    m_pages[position] = target;
    return true;
}
