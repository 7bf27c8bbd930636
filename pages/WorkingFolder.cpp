#include "WorkingFolder.h"

#include <QDir>
#include <QFile>

#include "core/FileOperations.h"
#include "pages/PageFiles.h"

namespace WorkingFolder {

bool clear(const QString &folder)
{
    return FileOperations::removeFilesIn(folder);
}

QString stagingFolder(const QString &workingFolder)
{
    return QDir::cleanPath(workingFolder + QStringLiteral("/../Opening"));
}

bool moveFiles(const QString &from, const QString &to)
{
    const QDir source(from);
    bool allMoved = true;
    for (const QString &name : source.entryList(QDir::Files | QDir::Hidden | QDir::System))
        allMoved = QFile::rename(source.filePath(name), to + QLatin1Char('/') + name) && allMoved;
    return allMoved;
}

bool isInOrder(const QStringList &workingFileNames)
{
    for (int i = 0; i < workingFileNames.size(); ++i) {
        if (PageFiles::pageNumber(workingFileNames.at(i)) != i + 1)
            return false;
    }
    return true;
}

} // namespace WorkingFolder
