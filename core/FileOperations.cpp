#include "FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <sys/stat.h>

bool FileOperations::remove(const QString &path)
{
    return QFile::remove(path);
}

bool FileOperations::rename(const QString &from, const QString &to)
{
    return QFile::rename(from, to);
}

bool FileOperations::exists(const QString &path)
{
    // A dangling symbolic link still occupies the name.
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

void FileOperations::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool FileOperations::removeFilesIn(const QString &folder)
{
    const QDir dir(folder);
    bool allGone = true;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        QFile::setPermissions(path,
                              QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
        allGone = QFile::remove(path) && allGone;
    }
    return allGone;
}

bool FileOperations::commit(QSaveFile &file, QString *error)
{
    const bool flushed = file.flush() && file.error() == QFileDevice::NoError;
    if (flushed && file.commit())
        return true;
    if (error)
        *error = file.errorString(); // before cancelling clears it
    file.cancelWriting();
    return false;
}

quint64 FileOperations::identity(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return quint64(info.st_ino);
}
