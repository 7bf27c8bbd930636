#pragma once

#include <QByteArray>
#include <QList>

// PDF files written by hand, for tests that feed the PDF library good and malformed input.
namespace TestPdfs {

// depth dictionaries ("<< /A ... >>") or arrays nested in one another around a number.
QByteArray nested(int depth, bool dictionaries);

// A one-page PDF with a correct cross-reference table: catalog (object 1), page tree (2) and
// page (3), then moreObjects numbered from 4 on. catalogExtra goes into the catalog,
// trailerExtra into the trailer.
QByteArray handMadePdf(const QByteArray &catalogExtra = {},
                       const QList<QByteArray> &moreObjects = {},
                       const QByteArray &trailerExtra = {});

} // namespace TestPdfs
