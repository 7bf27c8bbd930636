#include "PageRecovery.h"

#include <QDir>
#include <QFile>

#include "core/LogCategories.h"
#include "core/PageImages.h"
#include "pages/PageFiles.h"

namespace PageRecovery {

namespace {

QString withoutAside(QString name)
{
    while (name.endsWith(PageFiles::AsideSuffix))
        name.chop(PageFiles::AsideSuffix.size());
    return name;
}

// Working images under one or more ".tmp" suffixes.
QStringList asideWorkingFiles(const QDir &folder)
{
    QStringList result;
    const QStringList names =
        folder.entryList({QStringLiteral("*_o.*.tmp")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (PageFiles::isWorkingFileName(withoutAside(name)))
            result << name;
    }
    return result;
}

QStringList workingFiles(const QDir &folder)
{
    QStringList result;
    const QStringList names = folder.entryList(
        {QStringLiteral("*_o.jpg"), QStringLiteral("*_o.tiff")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (PageFiles::isWorkingFileName(name))
            result << name;
    }
    return result;
}

// Thumbnails and sources under ".tmp" names whose working image is not parked beside them.
QStringList parkedDerivedFiles(const QDir &folder)
{
    QStringList result;
    const QStringList names = folder.entryList(
        {QStringLiteral("*_s.*.tmp"), QStringLiteral("*_w.*.tmp")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QString plain = withoutAside(name);
        if (PageFiles::isPageFileName(plain))
            result << name;
    }
    return result;
}

// A kill between the renames of one page's three files leaves its working image under its
// new name and its thumbnail and/or source parked under the old one: the parked file goes to
// the page that lacks a file of its kind (and, for a source, of its type). Renames run one
// page at a time, so at most one page is left incomplete this way.
void reuniteParkedFiles(const QDir &folder)
{
    const QStringList pages = workingFiles(folder);
    for (const QString &parked : parkedDerivedFiles(folder)) {
        const QString plain = withoutAside(parked);
        const bool isSource = plain.contains(QStringLiteral("_w."));
        for (const QString &page : pages) {
            const QString working = folder.filePath(page);
            const QString wanted =
                isSource ? PageFiles::sourcePath(working) : PageFiles::thumbPath(working);
            if (QFile::exists(wanted) ||
                (isSource && PageFiles::extension(wanted) != PageFiles::extension(plain)))
                continue;
            if (!QFile::rename(folder.filePath(parked), wanted))
                qCWarning(lcPages) << "cannot bring back" << parked;
            break;
        }
    }
}

int highestNumber(const QDir &folder)
{
    int highest = 0;
    const QStringList names = folder.entryList(QDir::Files);
    for (const QString &name : names)
        highest = qMax(highest, PageFiles::pageNumber(withoutAside(name)));
    return highest;
}

} // namespace

int pageCount(const QString &folder)
{
    const QDir dir(folder);
    return int(workingFiles(dir).size() + asideWorkingFiles(dir).size());
}

QStringList preparePages(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &asideName : asideWorkingFiles(dir)) {
        const QString working = dir.filePath(asideName);
        QString target = dir.filePath(withoutAside(asideName));
        if (QFile::exists(target)) {
            const int number = highestNumber(dir) + 1;
            target = dir.filePath(PageFiles::workingFileName(number, PageFiles::extension(target)));
        }
        // The page's three files move together, each from its own ".tmp" name.
        const QString from[] = {working, PageFiles::thumbPath(working),
                                PageFiles::sourcePath(working)};
        const QString to[] = {target, PageFiles::thumbPath(target), PageFiles::sourcePath(target)};
        for (int i = 0; i < 3; ++i) {
            if (QFile::exists(from[i]) && !QFile::exists(to[i]) && !QFile::rename(from[i], to[i]))
                qCWarning(lcPages) << "cannot bring back" << from[i];
        }
    }
    reuniteParkedFiles(dir);
    // A page killed while being added has no source yet (it is written last): nothing was done
    // to the page, so its working image is what the source would have been.
    const QStringList pages = workingFiles(dir);
    for (const QString &name : pages) {
        const QString working = dir.filePath(name);
        const QString source = PageFiles::sourcePath(working);
        QString error;
        if (!QFile::exists(source) && !PageImages::copyFile(working, source, &error))
            qCWarning(lcPages) << "cannot give a source to" << working << error;
    }
    return pages;
}

} // namespace PageRecovery
