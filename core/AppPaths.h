#pragma once

#include <QString>

// The program's folders. All of them follow the XDG variables, so tests point them at a
// private folder. Nothing here creates a folder unless its name says so.
namespace AppPaths {

// Per-user data folder, e.g. ~/.local/share/Leafkin/Vellumo.
QString dataFolder();
// The working folder "Current" below the data folder: the pages of the open document.
QString workingFolder();
// "Config" below the data folder.
QString configFolder();
// "Processing" below the data folder: exchange folders of the page processing tool.
QString processingFolder();
// The program's own temporary folder, "tmp" inside the per-user cache folder.
QString tempFolder();
// Creates the temporary folder if needed; false when it cannot be made.
[[nodiscard]] bool ensureTempFolder();
// Creates the data folder, the working folder and "Config", in that order, with all parents.
// Failures are not reported: later file operations in those folders fail instead.
void createDataFolders();
// Folder of the running program (the build tree's bin folder, or the installed bin folder).
QString programFolder();

enum class StartKind { Documents, Pictures };
// Where a file dialog opens: the stored folder or file, or the user's Documents (or Pictures)
// folder when nothing usable is stored (empty or "."), never the program's own folder.
QString dialogStart(const QString &stored, StartKind kind = StartKind::Documents);

} // namespace AppPaths
