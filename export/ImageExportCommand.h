#pragma once

#include <QString>
#include <QStringList>

// The "images" command of vellumo-cli:
//   vellumo-cli images -o DIR [--format jpg|tiff|png|bmp] [--quality N] [--pattern P] FILE...
// Writes each page file as an image into the existing folder DIR, named as the export dialog
// names them (default pattern "IMAGE_[C]", format jpg, JPEG quality 85); existing files are
// never overwritten. The user's settings are neither read nor written. One line per page on
// standard error: "wrote PATH" or "failed PATH: REASON".
namespace ImageExportCommand {

QString usage();
// The arguments after "images". Exit code 0 when every page was saved, 1 when a page failed or
// DIR is missing, 2 for wrong arguments.
int run(const QStringList &arguments);

} // namespace ImageExportCommand
