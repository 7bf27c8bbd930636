#pragma once

#include <QString>
#include <QStringList>

// The command-line side of PDF import, run by the window as a child process (and usable on its
// own): "extract" writes a PDF's page images into a folder, "render" draws its pages there.
// Both report on standard error, one line as each file is complete: "images N" first, then
// "image I of N: NAME" or "skipped I of N: REASON"; on failure "no images" (exit 2), "cannot
// open: REASON" (exit 1) or "password required" (exit 3); exit 0 when a file was written.
namespace PdfImportCommand {

// Resolution of drawn pages when none is given, in dots per inch.
constexpr int DefaultRenderDpi = 300;

// The usage lines of both commands.
QString usage();

// extract [--password P] [--thumbnails WxH] -o DIR FILE.pdf: the images in page order as
// 0001.jpg (JPEG data as it is), 0002.tiff (black and white), 0003.png (the rest); with
// --thumbnails also a thumbnail fitting the box beside each JPEG image (PdfImport::thumbnailPath).
int extract(const QStringList &arguments);

// render [--password P] [--dpi D] -o DIR FILE.pdf: each page drawn at D dots per inch, as
// 0001.png, 0002.png, ...
int render(const QStringList &arguments);

} // namespace PdfImportCommand
