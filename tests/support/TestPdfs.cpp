#include "TestPdfs.h"

namespace TestPdfs {

// depth dictionaries ("<< /A ... >>") or arrays nested in one another around a number.
QByteArray nested(int depth, bool dictionaries)
{
    const QByteArray open = dictionaries ? QByteArray("<< /A ") : QByteArray("[");
    const QByteArray close = dictionaries ? QByteArray(" >>") : QByteArray("]");
    return open.repeated(depth) + "1" + close.repeated(depth);
}

// A one-page PDF written by hand with a correct cross-reference table: catalog (object 1),
// page tree (2) and page (3), then moreObjects numbered from 4 on. catalogExtra goes into the
// catalog, trailerExtra into the trailer.
QByteArray handMadePdf(const QByteArray &catalogExtra, const QList<QByteArray> &moreObjects,
                       const QByteArray &trailerExtra)
{
    const QList<QByteArray> objects =
        QList<QByteArray>{"<< /Type /Catalog /Pages 2 0 R " + catalogExtra + " >>",
                          "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                          "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"} +
        moreObjects;
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " +
           trailerExtra + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace TestPdfs
