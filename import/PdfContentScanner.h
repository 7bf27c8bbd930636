#pragma once

#include <QByteArray>
#include <QList>
#include <QTransform>

// Finds where a page's content stream draws its XObjects. Only what places them is followed:
// q and Q (save and restore), cm (concatenate a matrix) and Do (draw a named XObject); text,
// paths, strings, arrays, dictionaries, comments and inline images (BI ... ID ... EI) are
// stepped over. Broken content never stops the scan: an operator with the wrong operands is
// ignored, a Q without its q is ignored, and the scan ends at the end of the bytes.
namespace PdfContentScanner {

struct Draw
{
    QByteArray name; // the XObject's resource name, without the slash, #xx escapes undone
    // The current transformation matrix at the Do, from the XObject's unit square to default
    // user space (points, 1/72 inch), in Qt's row-vector form: PDF's [a b c d e f] is
    // QTransform(a, b, c, d, e, f).
    QTransform matrix;
};

// The Do operators of content, in order, each with its matrix; start is the matrix in force at
// the beginning (the identity for a page, the form's matrix times the caller's for a form).
// At most maxDraws are returned.
QList<Draw> draws(const QByteArray &content, const QTransform &start = {}, int maxDraws = 100000);

} // namespace PdfContentScanner
