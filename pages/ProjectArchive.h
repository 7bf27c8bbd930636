#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Project files: ZIP archives of page files, each entry named by its bare file name; JPEG
// entries are stored as they are, the others compressed with deflate. Writing never destroys an
// earlier file at the target before the new archive is complete; reading extracts only entries
// named like page files, so an archive from elsewhere cannot write outside the working folder.
class ProjectArchive
{
    Q_DECLARE_TR_FUNCTIONS(ProjectArchive)

public:
    // The entries of a project in their order: working images, thumbnails, source images.
    static QStringList projectFileList(const QStringList &workingPaths,
                                       const QStringList &thumbPaths);

    // Writes the files, in order, as entries named by their file names. The archive is built
    // under a temporary name in the target's folder (created if missing) and renamed over the
    // target when complete. False, with errorString() naming the file, when a listed file is
    // missing or unreadable or the archive cannot be written; then no partial archive remains
    // and an earlier file at the target is untouched.
    [[nodiscard]] bool write(const QString &archivePath, const QStringList &files);
    // Writes the project of these working images (in page order) as write() does, each page
    // with its thumbnail and source. A page whose thumbnail is missing gets one made from its
    // working image, a page whose source is missing keeps its working image as the source: a
    // missing derived file never fails the save.
    [[nodiscard]] bool writeProject(const QString &archivePath, const QStringList &workingPaths);

    // Beginning of the name of the temporary file a save builds beside its target; what a save
    // interrupted by a crash left is removed by the next save to that target.
    static QString unfinishedPrefix(const QString &archivePath);

    // The entry names of an archive; empty when it cannot be opened or holds nothing.
    static QStringList entryNames(const QString &archivePath);
    // Extracts the entries whose names are page file names (see PageFiles::isPageFileName)
    // into the folder; every other entry (folders, "..", absolute paths, links, other names) is
    // skipped, and so is a second entry of a name, an encrypted one, one of an unknown compression,
    // one larger than any page (MaxEntryBytes) and one whose data does not match its size and
    // checksum. Each file is written completely or not at all. When the disk could not take the
    // next entry, the extraction stops with errorString() saying so. Returns the names extracted.
    QStringList extract(const QString &archivePath, const QString &folder);
    // True when the archive's directory lets two entries share bytes of the file, or points or
    // reaches outside it: such a file is damaged, or made to write far more than its size.
    static bool hasOverlappingEntries(const QString &archivePath);
    // Entries skipped by the last extract(), and the same with the reason in brackets.
    QStringList skipped() const { return m_skipped; }
    QStringList skipReasons() const { return m_skipReasons; }

    // The largest entry taken: far beyond a colour A4 page at 1200 dpi.
    static constexpr qint64 MaxEntryBytes = 512LL << 20;

    QString errorString() const { return m_error; }

private:
    // One archive entry: a file's contents, or bytes made in memory.
    struct Entry
    {
        QString name;
        QString file;
        QByteArray bytes;
    };
    bool writeEntries(const QString &archivePath, const QList<Entry> &entries);
    static void removeUnfinished(const QString &archivePath);

    QString m_error;
    QStringList m_skipped;
    QStringList m_skipReasons;
};
