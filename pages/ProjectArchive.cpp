#include "ProjectArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

#include <cstdio>

#include "pages/PageFiles.h"

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
    m_error.clear();
    const QFileInfo target(archivePath);
    if (!QDir().mkpath(target.absolutePath())) {
        m_error = tr("Can't create the folder %1.").arg(target.absolutePath());
        return false;
    }
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        m_error = tr("Can't write %1: %2").arg(archivePath, temporary.errorString());
        return false;
    }
    temporary.close();

    QuaZip zip(temporary.fileName());
    if (!zip.open(QuaZip::mdCreate)) {
        m_error = tr("Can't write %1.").arg(archivePath);
        return false;
    }
    bool complete = true;
    for (const QString &path : files) {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            m_error = tr("Can't read %1.").arg(path);
            complete = false;
            break;
        }
        QuaZipFile entry(&zip);
        QuaZipNewInfo info(QFileInfo(path).fileName(), path);
        if (!entry.open(QIODevice::WriteOnly, info)) {
            m_error = tr("Can't write %1.").arg(archivePath);
            complete = false;
            break;
        }
        QByteArray block;
        while (!(block = in.read(1 << 20)).isEmpty()) {
            if (entry.write(block) != block.size()) {
                complete = false;
                break;
            }
        }
        entry.close();
        if (!complete || entry.getZipError() != UNZ_OK || in.error() != QFileDevice::NoError) {
            m_error = tr("Can't write %1 into %2.").arg(path, archivePath);
            complete = false;
            break;
        }
    }
    zip.close();
    if (complete && zip.getZipError() != UNZ_OK) {
        m_error = tr("Can't write %1.").arg(archivePath);
        complete = false;
    }
    if (!complete)
        return false; // the temporary file goes with `temporary`

    // The finished archive takes the target's place in one step (rename() replaces an
    // existing file atomically).
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(archivePath).constData()) != 0) {
        m_error = tr("Can't write %1.").arg(archivePath);
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

QStringList ProjectArchive::extract(const QString &archivePath, const QString &folder)
{
    m_error.clear();
    m_skipped.clear();
    QStringList extracted;
    QuaZip zip(archivePath);
    if (!zip.open(QuaZip::mdUnzip)) {
        m_error = tr("Can't read %1.").arg(archivePath);
        return extracted;
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            continue;
        // Only bare page file names: no folder part, no "..", no absolute path, no link.
        if (!PageFiles::isPageFileName(info.name) || info.isSymbolicLink()) {
            m_skipped << info.name;
            continue;
        }
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            m_skipped << info.name;
            continue;
        }
        QSaveFile out(folder + QLatin1Char('/') + info.name);
        bool ok = out.open(QIODevice::WriteOnly);
        QByteArray block;
        while (ok && !(block = entry.read(1 << 20)).isEmpty())
            ok = out.write(block) == block.size();
        entry.close();
        // A damaged entry fails its checksum when closed.
        ok = ok && entry.getZipError() == UNZ_OK;
        if (ok && out.commit()) {
            extracted << info.name;
        } else {
            out.cancelWriting();
            m_skipped << info.name;
        }
    }
    zip.close();
    return extracted;
}
