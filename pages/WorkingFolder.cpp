#include "WorkingFolder.h"

#include "core/FileOperations.h"
#include "pages/PageFiles.h"

namespace WorkingFolder {

bool clear(const QString &folder)
{
    return FileOperations::removeFilesIn(folder);
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
