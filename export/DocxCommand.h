#pragma once

#include <QString>
#include <QStringList>

// "docx -o OUT.docx FILE...": the page images, in the order given, into one Word document,
// without the window and without touching the user's settings. Reports "page i of n" lines on
// standard error; on failure a reason there and a non-zero exit code: 2 for wrong arguments or
// a missing input file, 1 when the document could not be written.
namespace DocxCommand {

QString usage();
// The arguments after "docx"; returns the exit code.
int run(const QStringList &arguments);

} // namespace DocxCommand
