#include <QTemporaryDir>
#include <QTest>

#include "export/PdfLoadCheck.h"
#include "export/PdfUpdateAppender.h"
#include "import/PdfImageExtractor.h"
#include "import/PdfTestFiles.h"

// Files made as an attacker would make them, read by everything that reads a PDF from outside:
// the image extraction, the check before appending, and appending itself. Each gives a reason
// or sound pages, and never takes the process down (the sanitizer run watches the memory).
class tst_HostilePdfs : public QObject
{
    Q_OBJECT

private slots:
    void readersSurviveHostileFiles_data();
    void readersSurviveHostileFiles();
};

namespace {

// A file of the given objects (numbered from 1, object 1 the catalog) with a correct
// cross-reference table, unless offsets are to lie; trailerExtra goes into the trailer.
QByteArray pdfOf(const QList<QByteArray> &objects, const QByteArray &trailerExtra = {},
                 bool lyingOffsets = false)
{
    QByteArray out = "%PDF-1.7\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << out.size();
        out += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        out += QByteArray::number(lyingOffsets ? offset * 7 + 3 : offset).rightJustified(10, '0') +
               " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " +
           trailerExtra + ">>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

const QByteArray catalog = "<< /Type /Catalog /Pages 2 0 R >>";
const QByteArray onePage = "<< /Type /Pages /Kids [3 0 R] /Count 1 >>";

QByteArray pageWith(const QByteArray &extra)
{
    return "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] " + extra + " >>";
}

QByteArray imageStream(const QByteArray &entries, const QByteArray &data, const QByteArray &length)
{
    return "<< /Type /XObject /Subtype /Image /Width 8 /Height 8 /ColorSpace /DeviceGray "
           "/BitsPerComponent 8 " +
           entries + " /Length " + length + " >>\nstream\n" + data + "\nendstream";
}

} // namespace

void tst_HostilePdfs::readersSurviveHostileFiles_data()
{
    QTest::addColumn<QByteArray>("pdf");
    const QByteArray imagePage = pageWith("/Resources << /XObject << /Im 4 0 R >> >> "
                                          "/Contents 5 0 R");
    const QByteArray draw = "<< /Length 30 >>\nstream\nq 200 0 0 200 0 0 cm /Im Do Q\nendstream";
    const QByteArray pixels(64, '\x80');
    const QByteArray encrypt = " /Encrypt 4 0 R /ID [<00112233> <00112233>] ";

    QTest::newRow("dictionary nested 100000 deep") << pdfOf(
        {catalog, onePage, pageWith("/Extra 4 0 R"),
         QByteArray("<< /A ").repeated(100000) + "1" + QByteArray(" >>").repeated(100000)});
    QTest::newRow("array nested 100000 deep")
        << pdfOf({catalog, onePage, pageWith("/Extra 4 0 R"),
                  QByteArray("[").repeated(100000) + QByteArray("]").repeated(100000)});
    QTest::newRow("negative key length in the encryption dictionary")
        << pdfOf({catalog, onePage, pageWith({}),
                  "<< /Filter /Standard /V 2 /R 3 /Length -40 /O <" + QByteArray(64, '0') +
                      "> /U <" + QByteArray(64, '0') + "> /P -4 >>"},
                 encrypt);
    QTest::newRow("encryption dictionary of wrong types")
        << pdfOf({catalog, onePage, pageWith({}),
                  "<< /Filter /Standard /V /Four /R (x) /Length [1] /O 7 /U null /P /P >>"},
                 encrypt);
    QTest::newRow("page tree that holds itself")
        << pdfOf({catalog, "<< /Type /Pages /Kids [2 0 R 3 0 R] /Count 2 >>", pageWith({})});
    QTest::newRow("loop in /Parent")
        << pdfOf({catalog, "<< /Type /Pages /Kids [3 0 R] /Count 1 /Parent 3 0 R >>",
                  "<< /Type /Pages /Kids [2 0 R] /Count 1 /Parent 2 0 R >>"});
    QTest::newRow("object that is its own reference")
        << pdfOf({catalog, onePage, pageWith("/Resources 4 0 R"), "4 0 R"});
    QTest::newRow("negative stream length")
        << pdfOf({catalog, onePage, imagePage, imageStream({}, pixels, "-64"), draw});
    QTest::newRow("huge stream length")
        << pdfOf({catalog, onePage, imagePage, imageStream({}, pixels, "99999999999"), draw});
    QTest::newRow("broken cross-reference table")
        << pdfOf({catalog, onePage, imagePage, imageStream({}, pixels, "64"), draw}, {}, true);
    QTest::newRow("filter chain ending in garbage")
        << pdfOf({catalog, onePage, imagePage,
                  imageStream("/Filter [/ASCIIHexDecode /FlateDecode /LZWDecode]",
                              "4142zz>" + QByteArray(40, '\xee'), "47"),
                  draw});
    const QByteArray whole =
        pdfOf({catalog, onePage, imagePage, imageStream({}, pixels, "64"), draw});
    QTest::newRow("truncated in the image stream") << whole.left(whole.indexOf("stream\n") + 30);
    QTest::newRow("not a PDF at all") << QByteArray("%PDF-1.4\n").append(QByteArray(4000, '\xff'));
}

void tst_HostilePdfs::readersSurviveHostileFiles()
{
    QFETCH(QByteArray, pdf);

    PdfImageExtractor extractor;
    extractor.decoder().setExternalToolsEnabled(false);
    if (extractor.openData(pdf) == PdfImageExtractor::OpenResult::Opened) {
        for (qsizetype i = 0; i < extractor.images().size(); ++i) {
            const PdfDecodedImage image = extractor.decode(i);
            QVERIFY(image.kind != PdfDecodedImage::Kind::Skipped || !image.reason.isEmpty());
        }
    } else {
        QVERIFY(!extractor.errorString().isEmpty());
    }

    QString error;
    if (!PdfLoadCheck::tryInThisProcess(pdf, &error))
        QVERIFY(!error.isEmpty());

    // Appending a sound page to the file: written, refused as unsuitable, or failed with a reason.
    QTemporaryDir dir;
    PdfTestFiles::Builder pages;
    const int image = pages.addImage("/Width 8 /Height 8 /ColorSpace /DeviceGray "
                                     "/BitsPerComponent 8",
                                     QByteArray(64, '\x40'));
    pages.addPage(PdfTestFiles::drawing(image, 100, 100), {image}, 100, 100);
    const QString pagesPath = dir.filePath(QStringLiteral("pages.pdf"));
    const QString existing = dir.filePath(QStringLiteral("existing.pdf"));
    for (const auto &[path, bytes] :
         {std::pair{pagesPath, pages.pdf()}, std::pair{existing, pdf}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    error.clear();
    const PdfUpdateAppender::Outcome appended = PdfUpdateAppender::append(
        pagesPath, existing, dir.filePath(QStringLiteral("out.pdf")), &error);
    if (appended == PdfUpdateAppender::Outcome::Failed)
        QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(tst_HostilePdfs)
#include "tst_HostilePdfs.moc"
