#pragma once

#include <QString>

// Names of a page's files in the working folder. A page's base name is its 1-based position
// written as 8 decimal digits: working image "<base>_o.jpg" (or ".tiff" for black-and-white
// pages), source image "<base>_w.<same extension>", thumbnail "<base>_s.jpg". Only file names are
// rewritten; the folder part of a path is never touched.
namespace PageFiles {

QString baseName(int number);
// "<base>_o.jpg", or "<base>_o.tiff" for a black-and-white page.
QString workingFileName(int number, bool blackAndWhite);
// "<base>_o.<extension>", the extension taken from an existing working image.
QString workingFileName(int number, const QString &extension);
QString sourcePath(const QString &workingPath);
QString thumbPath(const QString &workingPath);
// The working image's extension ("jpg" or "tiff").
QString extension(const QString &workingPath);
// The page number of a page file name ("00000012_o.jpg" gives 12), or -1 for any other name.
int pageNumber(const QString &fileName);
// True for the names of working images ("<8 digits>_o.jpg" or "_o.tiff").
bool isWorkingFileName(const QString &fileName);
// True for any page file name: 8 digits, "_o", "_s" or "_w", ".jpg" or ".tiff".
bool isPageFileName(const QString &fileName);

// Suffix of the first renumbering pass and of a spread kept aside while it is split.
inline constexpr QLatin1StringView AsideSuffix{".tmp"};

} // namespace PageFiles
