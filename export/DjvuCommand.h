#pragma once

#include <QString>
#include <QStringList>

// "djvu -o OUT.djvu [--compression N] FILE...": the page images, in the order given, into one
// DjVu document, without the window and without touching the user's settings. N is the
// export dialog's compression, 0 to 95 (default 50). Reports "page i of n" lines on standard
// error as pages are finished; on failure a reason there and a non-zero exit code: 2 for wrong
// arguments or a missing input file, 1 when the document could not be written.
namespace DjvuCommand {

QString usage();
// The arguments after "djvu"; returns the exit code.
int run(const QStringList &arguments);

} // namespace DjvuCommand
