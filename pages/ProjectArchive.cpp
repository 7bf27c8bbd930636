#include "ProjectArchive.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QtEndian>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/FileOperations.h"
#include "core/PageImages.h"
#include "core/ZipWriter.h"
#include "pages/PageFiles.h"

namespace {

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

QStringList ProjectArchive::projectFileList(const QStringList &workingPaths,
                                            const QStringList &thumbPaths)
{
    QStringList files = workingPaths;
    files += thumbPaths;
    for (const QString &working : workingPaths)
        files << PageFiles::sourcePath(working);
    return files;
}

bool ProjectArchive::write(const QString &archivePath, const QStringList &files)
{
    QList<Entry> entries;
    for (const QString &path : files)
        entries.append({QFileInfo(path).fileName(), path, {}});
    return writeEntries(archivePath, entries);
}

bool ProjectArchive::writeProject(const QString &archivePath, const QStringList &workingPaths)
{
    QList<Entry> entries;
    for (const QString &working : workingPaths)
        entries.append({QFileInfo(working).fileName(), working, {}});
    for (const QString &working : workingPaths) {
        const QString thumb = PageFiles::thumbPath(working);
        const QString name = QFileInfo(thumb).fileName();
        if (QFileInfo::exists(thumb)) {
            entries.append({name, thumb, {}});
            continue;
        }
        // Remade from the page, as the page list would when it next shows the project.
        const QImage page(working);
        if (page.isNull())
            continue;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (PageImages::makeThumbnail(page, QSize(220, 220)).save(&buffer, "JPG"))
            entries.append({name, QString(), buffer.data()});
    }
    for (const QString &working : workingPaths) {
        const QString source = PageFiles::sourcePath(working);
        entries.append(
            {QFileInfo(source).fileName(), QFileInfo::exists(source) ? source : working, {}});
    }
    return writeEntries(archivePath, entries);
}

QString ProjectArchive::unfinishedPrefix(const QString &archivePath)
{
    return QFileInfo(archivePath).fileName() + QStringLiteral(".vellumo-unfinished-");
}

void ProjectArchive::removeUnfinished(const QString &archivePath)
{
    const QFileInfo target(archivePath);
    QDir folder(target.absolutePath());
    const QStringList stale = folder.entryList({unfinishedPrefix(archivePath) + QLatin1Char('*')},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : stale)
        folder.remove(name);
}

bool ProjectArchive::writeEntries(const QString &archivePath, const QList<Entry> &entries)
{
    m_error.clear();
    const QFileInfo target(archivePath);
    if (!QDir().mkpath(target.absolutePath())) {
        m_error = tr("Can't create the folder %1.").arg(target.absolutePath());
        return false;
    }
    // Only one copy of the program runs, so an unfinished file of this target is a leftover.
    removeUnfinished(archivePath);
    QTemporaryFile temporary(target.absolutePath() + QLatin1Char('/') +
                             unfinishedPrefix(archivePath) + QStringLiteral("XXXXXX"));
    if (!temporary.open()) {
        m_error = tr("Can't write %1: %2").arg(archivePath, temporary.errorString());
        return false;
    }
    temporary.close();

    // Unbuffered: the zip writer writes large blocks, and a failed write keeps its reason.
    QFile archiveFile(temporary.fileName());
    if (!archiveFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = tr("Can't write %1: %2").arg(archivePath, archiveFile.errorString());
        return false;
    }
    ZipWriter zip(archiveFile);
    bool complete = true;
    for (const Entry &item : entries) {
        QFile in(item.file);
        QBuffer memory;
        memory.setData(item.bytes);
        QIODevice &source = item.file.isEmpty() ? static_cast<QIODevice &>(memory) : in;
        if (!source.open(QIODevice::ReadOnly)) {
            m_error = tr("Can't read %1: %2").arg(item.file, in.errorString());
            complete = false;
            break;
        }
        const QDateTime modified =
            item.file.isEmpty() ? QDateTime::currentDateTime() : QFileInfo(in).lastModified();
        // JPEG data does not shrink: deflating it only costs time. Everything else (1-bit
        // TIFF pages are written uncompressed) is deflated.
        const bool jpeg = item.name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
        if (!zip.add(item.name, source, modified, !jpeg)) {
            m_error = zip.sourceFailed() ? tr("Can't read %1: %2").arg(item.file, zip.errorString())
                                         : tr("Can't write %1 into %2: %3.")
                                               .arg(item.name, archivePath, zip.errorString());
            complete = false;
            break;
        }
    }
    if (complete && !zip.finish()) {
        m_error = tr("Can't write %1: %2.").arg(archivePath, zip.errorString());
        complete = false;
    }
    archiveFile.close();
    if (!complete)
        return false; // the temporary file goes with `temporary`

    // The finished archive takes the target's place in one step (rename() replaces an
    // existing file atomically).
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(archivePath).constData()) != 0) {
        m_error =
            tr("Can't write %1: %2.").arg(archivePath, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    temporary.setAutoRemove(false);
    QFile::setPermissions(archivePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther);
    return true;
}

QStringList ProjectArchive::entryNames(const QString &archivePath)
{
    QuaZip zip(archivePath);
    if (!zip.open(QuaZip::mdUnzip))
        return {};
    const QStringList names = zip.getFileNameList();
    zip.close();
    return names;
}

bool ProjectArchive::hasOverlappingEntries(const QString &archivePath)
{
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The end record is in the last 22 bytes plus at most 64 KiB of comment.
    const qint64 tailSize = qMin<qint64>(file.size(), 22 + 65535);
    file.seek(file.size() - tailSize);
    const QByteArray tail = file.read(tailSize);
    const qsizetype end = tail.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > tail.size())
        return false; // not a zip archive: the zip library refuses it anyway
    const quint32 directorySize = le32(tail, end + 12);
    const quint32 directoryOffset = le32(tail, end + 16);
    if (directoryOffset == 0xFFFFFFFFu)
        return false; // ZIP64: written by no version of this program, and left to the library
    // A directory said to reach past the end of the file is a damaged one; nothing is read
    // (or allocated) on its word.
    if (qint64(directoryOffset) + directorySize > file.size() || !file.seek(directoryOffset))
        return true;
    const QByteArray directory = file.read(directorySize);
    // Each entry's stretch of the file, from its local header to the end of its data.
    QList<QPair<qint64, qint64>> stretches;
    for (qsizetype at = 0; at + 46 <= directory.size();) {
        if (le32(directory, at) != 0x02014b50u)
            break;
        const quint32 packed = le32(directory, at + 20);
        const qint64 local = le32(directory, at + 42);
        at += 46 + le16(directory, at + 28) + le16(directory, at + 30) + le16(directory, at + 32);
        if (!file.seek(local))
            return true; // an entry outside the file
        const QByteArray header = file.read(30);
        if (header.size() < 30 || le32(header, 0) != 0x04034b50u)
            return true; // the directory points at no entry
        const qint64 data = local + 30 + le16(header, 26) + le16(header, 28);
        stretches.append({local, data + packed});
    }
    std::sort(stretches.begin(), stretches.end());
    for (qsizetype i = 1; i < stretches.size(); ++i) {
        if (stretches.at(i).first < stretches.at(i - 1).second)
            return true;
    }
    return false;
}

QStringList ProjectArchive::extract(const QString &archivePath, const QString &folder)
{
    m_error.clear();
    m_skipped.clear();
    m_skipReasons.clear();
    QStringList extracted;
    // Entries sharing their data would let a small file fill the disk with many big pages.
    if (hasOverlappingEntries(archivePath)) {
        m_error = tr("Its entries overlap: the file is damaged.");
        return extracted;
    }
    QuaZip zip(archivePath);
    if (!zip.open(QuaZip::mdUnzip)) {
        m_error = tr("Can't read %1.").arg(archivePath);
        return extracted;
    }
    // What the disk can take now, less a reserve for everything else the program writes.
    const qint64 reserve = 64LL << 20;
    qint64 room = QStorageInfo(folder).bytesAvailable() - reserve;
    const auto skip = [this](const QString &name, const QString &why) {
        m_skipped << name;
        m_skipReasons << QStringLiteral("%1 (%2)").arg(name, why);
    };
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            continue;
        // Only bare page file names: no folder part, no "..", no absolute path, no link.
        if (!PageFiles::isPageFileName(info.name) || info.isSymbolicLink()) {
            skip(info.name, tr("not a page file"));
            continue;
        }
        // A second entry of a name would replace the first page's file and list it twice.
        if (extracted.contains(info.name)) {
            skip(info.name, tr("a second entry of that name"));
            continue;
        }
        if (info.flags & 1) {
            skip(info.name, tr("encrypted"));
            continue;
        }
        if (info.method != 0 && info.method != Z_DEFLATED) {
            skip(info.name, tr("unknown compression"));
            continue;
        }
        if (info.uncompressedSize > quint64(MaxEntryBytes)) {
            skip(info.name, tr("larger than any page"));
            continue;
        }
        if (qint64(info.uncompressedSize) > room) {
            m_error = tr("There is not enough free disk space for %1.").arg(info.name);
            break;
        }
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            skip(info.name, tr("unreadable"));
            continue;
        }
        QSaveFile out(folder + QLatin1Char('/') + info.name);
        bool writeFailed = !out.open(QIODevice::WriteOnly);
        bool ok = !writeFailed;
        qint64 copied = 0;
        QByteArray block;
        // Never more than the directory says: an entry whose data runs on is damaged.
        while (ok && copied <= qint64(info.uncompressedSize) &&
               !(block = entry.read(1 << 20)).isEmpty()) {
            copied += block.size();
            ok = copied <= qint64(info.uncompressedSize);
            if (ok && out.write(block) != block.size()) {
                ok = false;
                writeFailed = true;
            }
        }
        const bool readFailed = entry.getZipError() != UNZ_OK;
        entry.close();
        // A damaged entry fails its checksum when closed, or ends short of its size.
        const bool whole = ok && !readFailed && entry.getZipError() == UNZ_OK &&
                           copied == qint64(info.uncompressedSize) && copied > 0;
        QString why;
        if (whole && FileOperations::commit(out, &why)) {
            extracted << info.name;
            room -= copied;
            continue;
        }
        if (writeFailed || whole) {
            // The disk, not the entry: the next entries would fail the same way.
            if (why.isEmpty())
                why = out.errorString();
            out.cancelWriting();
            m_error = tr("Can't write %1: %2").arg(info.name, why);
            break;
        }
        out.cancelWriting();
        skip(info.name, tr("damaged"));
    }
    zip.close();
    // A page is listed only when its working image can be read as an image.
    for (const QString &name : QStringList(extracted)) {
        if (!PageFiles::isWorkingFileName(name))
            continue;
        const QString working = folder + QLatin1Char('/') + name;
        if (QImageReader(working).size().isValid())
            continue;
        for (const QString &path :
             {working, PageFiles::thumbPath(working), PageFiles::sourcePath(working)}) {
            if (QFile::remove(path))
                extracted.removeOne(QFileInfo(path).fileName());
        }
        skip(name, tr("not an image"));
    }
    return extracted;
}
