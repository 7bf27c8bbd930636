#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "PdfTestFiles.h"
#include "support/TestPaths.h"

using PdfTestFiles::Builder;

// "vellumo-cli extract" as the window runs it: the files it leaves, the lines on standard
// error and the exit code of every outcome.
class tst_PdfExtractCommand : public QObject
{
    Q_OBJECT

private slots:
    void linesFilesAndExitCode_data();
    void linesFilesAndExitCode();

private:
    QTemporaryDir m_dir;
};

namespace {

using PdfTestFiles::jpegOf;

// Three images: a JPEG, a JPEG 2000 image that is skipped, a grey picture.
QByteArray mixedPdf()
{
    const QByteArray jpeg = jpegOf(PdfTestFiles::pattern(40, 30, QImage::Format_RGB32, 1));
    Builder pdf;
    const int photo = pdf.addImage("/Width 40 /Height 30 /ColorSpace /DeviceRGB "
                                   "/BitsPerComponent 8 /Filter /DCTDecode",
                                   jpeg);
    const int jpx = pdf.addImage("/Width 4 /Height 4 /Filter /JPXDecode", "not decoded");
    const int grey = pdf.addImage("/Width 4 /Height 2 /ColorSpace /DeviceGray "
                                  "/BitsPerComponent 8",
                                  "ABCDEFGH");
    pdf.addPage(PdfTestFiles::drawing(photo, 40, 30), {photo});
    pdf.addPage(PdfTestFiles::drawing(jpx, 4, 4) + PdfTestFiles::drawing(grey, 4, 2), {jpx, grey});
    return pdf.pdf();
}

QByteArray textOnlyPdf()
{
    Builder pdf;
    pdf.addPage("BT /F1 12 Tf 72 720 Td (No pictures here) Tj ET", {});
    return pdf.pdf();
}

} // namespace

void tst_PdfExtractCommand::linesFilesAndExitCode_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::addColumn<bool>("encrypt");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // a trailing "*" matches any rest of the line
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("thumbnails");

    const QStringList written{QStringLiteral("images 3"), QStringLiteral("image 1 of 3: 0001.jpg"),
                              QStringLiteral("skipped 2 of 3: JPEG 2000*"),
                              QStringLiteral("image 3 of 3: 0002.png")};
    const QStringList files{QStringLiteral("0001.jpg"), QStringLiteral("0002.png")};
    QTest::newRow("images and a skipped one")
        << mixedPdf() << false << QString() << 0 << written << files << QString();
    // Only the JPEG image gets a thumbnail, fitting the box.
    QTest::newRow("thumbnails") << mixedPdf() << false << QString() << 0 << written
                                << QStringList{QStringLiteral("0001-thumb.jpg"),
                                               QStringLiteral("0001.jpg"),
                                               QStringLiteral("0002.png")}
                                << QStringLiteral("20x20");
    QTest::newRow("no image") << textOnlyPdf() << false << QString() << 2
                              << QStringList{QStringLiteral("images 0"),
                                             QStringLiteral("no images")}
                              << QStringList() << QString();
    QTest::newRow("not a PDF") << QByteArray("GIF89a, not a PDF") << false << QString() << 1
                               << QStringList{QStringLiteral("cannot open: *")} << QStringList()
                               << QString();
    QTest::newRow("password missing")
        << mixedPdf() << true << QString() << 3 << QStringList{QStringLiteral("password required")}
        << QStringList() << QString();
    QTest::newRow("password wrong")
        << mixedPdf() << true << QStringLiteral("barley") << 3
        << QStringList{QStringLiteral("password required")} << QStringList() << QString();
    QTest::newRow("password right")
        << mixedPdf() << true << QStringLiteral("sesame") << 0 << written << files << QString();
}

void tst_PdfExtractCommand::linesFilesAndExitCode()
{
    QFETCH(QByteArray, pdf);
    QFETCH(bool, encrypt);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, files);
    QFETCH(QString, thumbnails);

    const QString input = m_dir.filePath(QStringLiteral("input.pdf"));
    QVERIFY(TestPaths::writeFile(input, pdf));
    if (encrypt) {
        const QString plain = m_dir.filePath(QStringLiteral("plain.pdf"));
        QFile::remove(plain);
        QVERIFY(QFile::rename(input, plain));
        QCOMPARE(PdfTestFiles::run(QStringLiteral("qpdf"),
                                   {QStringLiteral("--encrypt"), QStringLiteral("sesame"),
                                    QStringLiteral("owner"), QStringLiteral("256"),
                                    QStringLiteral("--"), plain, input}),
                 0);
    }
    const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QStringList arguments{QStringLiteral("extract")};
    if (!password.isEmpty())
        arguments << QStringLiteral("--password") << password;
    if (!thumbnails.isEmpty())
        arguments << QStringLiteral("--thumbnails") << thumbnails;
    arguments << QStringLiteral("-o") << out << input;
    QByteArray said;
    const int exit =
        PdfTestFiles::run(TestPaths::binDir() + QStringLiteral("/vellumo-cli"), arguments, &said);
    QCOMPARE(exit, exitCode);
    const QStringList got = QString::fromUtf8(said).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(got.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &want = lines.at(i);
        if (want.endsWith(QLatin1Char('*')))
            QVERIFY2(got.at(i).startsWith(want.chopped(1)), qPrintable(got.at(i)));
        else
            QCOMPARE(got.at(i), want);
    }
    // The named files and nothing else: no temporary file is left in the folder.
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
    if (!files.isEmpty()) {
        const QImage first(QDir(out).filePath(QStringLiteral("0001.jpg")));
        QCOMPARE(first.size(), QSize(40, 30));
    }
    if (!thumbnails.isEmpty())
        QCOMPARE(QImage(QDir(out).filePath(QStringLiteral("0001-thumb.jpg"))).size(),
                 QSize(20, 15));
}

QTEST_GUILESS_MAIN(tst_PdfExtractCommand)
#include "tst_PdfExtractCommand.moc"
