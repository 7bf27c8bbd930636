#pragma once

#include <QString>
#include <QStringList>

// The working folder as a whole: emptying it for a new document and judging the names of the
// pages found in it.
namespace WorkingFolder {

// Deletes every file of the folder (read-only ones too), not its subfolders. False when a file
// stayed.
bool clear(const QString &folder);

// The folder beside the working folder where a project is unpacked before it replaces the
// open document (on the same disk, so that its files can be moved in).
QString stagingFolder(const QString &workingFolder);

// Moves every file of `from` into the folder `to`. False when one could not be moved.
bool moveFiles(const QString &from, const QString &to);

// True when the working image names, in list order, carry the numbers 1, 2, 3, ... so that
// every page already has the name of its position.
bool isInOrder(const QStringList &workingFileNames);

} // namespace WorkingFolder
