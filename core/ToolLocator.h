#pragma once

#include <QString>
#include <QStringList>

// Finds the external programs Vellumo runs: first beside the program (and, for the DjVu tools,
// in its "djvu" subfolder), then in the installation's libexec/vellumo folder, then on PATH.
// The build tree puts every program of the project into one folder, so a build runs its own
// tools before any installed copy.
namespace ToolLocator {

// Absolute path of the executable, or an empty string when none is found.
QString find(const QString &name);
// The folders searched before PATH, in order, for the given program folder.
QStringList searchFolders(const QString &programFolder);
// What the user is told when a program is not found: its name and every place looked in.
QString notFoundMessage(const QString &name);

} // namespace ToolLocator
