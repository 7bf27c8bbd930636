#include "FileOperations.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

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
