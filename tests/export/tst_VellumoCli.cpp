#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"
#include "support/TestPages.h"
#include "support/TestPaths.h"
#include "support/TestPdfs.h"

namespace {

// A one-page PDF whose catalog also holds a dictionary nested depth levels deep; none for
// depth 0.
QByteArray handMadePdf(int depth = 0)
{
    return TestPdfs::handMadePdf(depth > 0 ? "/Deep " + TestPdfs::nested(depth, true)
                                           : QByteArray());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// vellumo-cli pdf, run as a program on real files; the PDFs are checked with pdfinfo and qpdf.
class tst_VellumoCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badArgumentsExplainUsage_data();
    void badArgumentsExplainUsage();
    void writesPagesOnTheChosenPaper();
    void takesImageFilesByContent();
    void projectFileGivesItsPages();
    void appendsWithPassword();
    void appendsToEncryptedPdf_data();
    void appendsToEncryptedPdf();
    void unreadablePageFailsWithoutOutput_data();
    void unreadablePageFailsWithoutOutput();
    void checkPdfTellsGoodFromBad();
    void appendToPdfThatCrashesPoDoFoFailsAndKeepsIt();

private:
    int run(const QStringList &arguments, QString *errorOutput = nullptr);
    // Exit code of check-pdf with the argument and input, or -1 when it did not exit normally.
    int checkPdf(const QString &argument, const QByteArray &input = {},
                 QString *errorOutput = nullptr);
    QString info(const QString &pdf, const QStringList &extra = {});
    QString page(int id);

    QTemporaryDir m_dir;
};

void tst_VellumoCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(
        QFile::exists(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-cli")));
}

int tst_VellumoCli::run(const QStringList &arguments, QString *errorOutput)
{
    QProcess process;
    process.start(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-cli"),
                  arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (errorOutput)
        *errorOutput = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

int tst_VellumoCli::checkPdf(const QString &argument, const QByteArray &input, QString *errorOutput)
{
    QProcess process;
    // Some inputs are meant to crash it; no core file for those.
    process.setChildProcessModifier([] {
        const rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });
    process.start(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-cli"),
                  {QStringLiteral("check-pdf"), argument});
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return -1;
    if (errorOutput)
        *errorOutput = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString tst_VellumoCli::info(const QString &pdf, const QStringList &extra)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), extra + QStringList{pdf});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString tst_VellumoCli::page(int id)
{
    const QString path = m_dir.filePath(QStringLiteral("page%1.jpg").arg(id));
    if (!QFile::exists(path))
        TestPages::pageImage(id, QImage::Format_RGB32, 500).save(path, "JPG");
    return path;
}

void tst_VellumoCli::badArgumentsExplainUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("no output") << QStringList({QStringLiteral("pdf"), QStringLiteral("a.jpg")});
    QTest::newRow("bad paper") << QStringList({QStringLiteral("pdf"), QStringLiteral("-o"),
                                               QStringLiteral("x.pdf"), QStringLiteral("--paper"),
                                               QStringLiteral("B7"), QStringLiteral("a.jpg")});
    QTest::newRow("bad margins") << QStringList(
        {QStringLiteral("pdf"), QStringLiteral("-o"), QStringLiteral("x.pdf"),
         QStringLiteral("--margins"), QStringLiteral("1,2"), QStringLiteral("a.jpg")});
    QTest::newRow("unknown option")
        << QStringList({QStringLiteral("pdf"), QStringLiteral("-o"), QStringLiteral("x.pdf"),
                        QStringLiteral("--colour"), QStringLiteral("a.jpg")});
    // A language list is handed to another program: nothing but codes joined by "+".
    QTest::newRow("bad language list") << QStringList(
        {QStringLiteral("pdf"), QStringLiteral("-o"), QStringLiteral("x.pdf"),
         QStringLiteral("--ocr"), QStringLiteral("eng+../x"), QStringLiteral("a.jpg")});
}

void tst_VellumoCli::badArgumentsExplainUsage()
{
    QFETCH(QStringList, arguments);
    QString errors;
    QCOMPARE(run(arguments, &errors), 2);
    QVERIFY(errors.contains(QStringLiteral("usage: vellumo-cli pdf")));
}

void tst_VellumoCli::writesPagesOnTheChosenPaper()
{
    const QString out = m_dir.filePath(QStringLiteral("two.pdf"));
    QString progress;
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, QStringLiteral("--paper"),
                  QStringLiteral("A4"), QStringLiteral("--orientation"),
                  QStringLiteral("landscape"), QStringLiteral("--scale"), QStringLiteral("fit"),
                  QStringLiteral("--margins"), QStringLiteral("1,1,1,1"), page(1), page(2)},
                 &progress),
             0);
    QCOMPARE(progress, QStringLiteral("page 1 of 2\npage 2 of 2\n"));
    const QString details = info(out);
    QVERIFY2(details.contains(QStringLiteral("Pages:           2")), qPrintable(details));
    QVERIFY2(details.contains(QStringLiteral("842 x 595")), qPrintable(details));
}

void tst_VellumoCli::takesImageFilesByContent()
{
    // Names as users have them; each is recognised by what it holds.
    QImage bw(400, 300, QImage::Format_Mono);
    bw.fill(1);
    for (int y = 100; y < 120; ++y) {
        for (int x = 50; x < 350; ++x)
            bw.setPixel(x, y, 0);
    }
    const QString scan = m_dir.filePath(QStringLiteral("scan.tif"));
    const QString photo = m_dir.filePath(QStringLiteral("photo.JPG"));
    const QString grey = m_dir.filePath(QStringLiteral("grey.jpeg"));
    const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
    QVERIFY(bw.save(scan, "TIFF"));
    QVERIFY(TestPages::pageImage(1, QImage::Format_RGB32, 300).save(photo, "JPG"));
    QVERIFY(TestPages::pageImage(2, QImage::Format_Grayscale8, 300).save(grey, "JPG"));
    QVERIFY(TestPages::pageImage(3, QImage::Format_RGB32, 300).save(shot, "PNG"));
    const QString out = m_dir.filePath(QStringLiteral("mixed.pdf"));
    QString errors;
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, QStringLiteral("--title"),
                  QStringLiteral("Tax 2026"), QStringLiteral("--author"), QStringLiteral("Ann"),
                  scan, photo, grey, shot},
                 &errors),
             0);
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), out});
    QVERIFY(images.waitForFinished(30000));
    const QStringList rows = QString::fromUtf8(images.readAllStandardOutput())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                 .mid(2);
    QCOMPARE(rows.size(), 4);
    // Colour, bits and encoding: fax for the 1-bit page, the JPEG bytes as they were, the PNG
    // losslessly; grey stays grey.
    const QStringList expected{QStringLiteral("gray 1 ccitt"), QStringLiteral("rgb 8 jpeg"),
                               QStringLiteral("gray 8 jpeg"), QStringLiteral("rgb 8 image")};
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList columns = rows.at(i).simplified().split(QLatin1Char(' '));
        QCOMPARE(QStringList({columns.at(5), columns.at(7), columns.at(8)}).join(QLatin1Char(' ')),
                 expected.at(i));
    }
    const QString shown = info(out);
    QVERIFY(shown.contains(QRegularExpression(QStringLiteral("Title:\\s+Tax 2026"))));
    QVERIFY(shown.contains(QRegularExpression(QStringLiteral("Author:\\s+Ann"))));
    QVERIFY(shown.contains(QRegularExpression(QStringLiteral("Producer:\\s+Vellumo 15"))));
}

void tst_VellumoCli::projectFileGivesItsPages()
{
    const QString working = m_dir.filePath(QStringLiteral("working"));
    QVERIFY(QDir().mkpath(working));
    PageStore store(working);
    for (int id = 1; id <= 3; ++id)
        QVERIFY(store.addImage(TestPages::pageImage(id), false, nullptr));
    const QString project = m_dir.filePath(QStringLiteral("three.vlmpj"));
    ProjectArchive archive;
    QVERIFY(archive.write(
        project, ProjectArchive::projectFileList(store.workingPaths(), store.thumbPaths())));
    const QString out = m_dir.filePath(QStringLiteral("project.pdf"));
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, project}), 0);
    QVERIFY(info(out).contains(QStringLiteral("Pages:           3")));
}

void tst_VellumoCli::appendsWithPassword()
{
    const QString out = m_dir.filePath(QStringLiteral("book.pdf"));
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, page(3)}), 0);
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, QStringLiteral("--append"),
                  QStringLiteral("--password"), QStringLiteral("secret"), page(4), page(5)}),
             0);
    QVERIFY(info(out, {QStringLiteral("-upw"), QStringLiteral("secret")})
                .contains(QStringLiteral("Pages:           3")));
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), out});
    qpdf.waitForFinished(30000);
    QVERIFY(qpdf.exitCode() != 0); // refused without the password
}

void tst_VellumoCli::appendsToEncryptedPdf_data()
{
    // qpdf's key length and cipher options; the user password is empty, as in a PDF that opens
    // without one but carries restrictions.
    QTest::addColumn<QStringList>("encryption");
    QTest::newRow("RC4 40-bit") << QStringList{QStringLiteral("40")};
    QTest::newRow("RC4 128-bit") << QStringList{QStringLiteral("128"),
                                                QStringLiteral("--use-aes=n")};
    QTest::newRow("AES 128-bit") << QStringList{QStringLiteral("128"),
                                                QStringLiteral("--use-aes=y")};
    QTest::newRow("AES 256-bit") << QStringList{QStringLiteral("256")};
}

void tst_VellumoCli::appendsToEncryptedPdf()
{
    QFETCH(QStringList, encryption);
    const QString plain = m_dir.filePath(QStringLiteral("plain.pdf"));
    const QString out = m_dir.filePath(QStringLiteral("locked.pdf"));
    QFile::remove(plain);
    QFile::remove(out);
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), plain, page(3)}), 0);
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               QStringList{QStringLiteral("--allow-weak-crypto"), QStringLiteral("--encrypt"),
                           QString(), QStringLiteral("owner")} +
                   encryption + QStringList{QStringLiteral("--"), plain, out});
    QVERIFY(qpdf.waitForFinished(30000));
    QCOMPARE(qpdf.exitCode(), 0);
    QVERIFY(info(out).contains(QRegularExpression(QStringLiteral("Encrypted:\\s+yes"))));

    QString errors;
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, QStringLiteral("--append"),
                  page(4), page(5)},
                 &errors),
             0);
    QVERIFY2(info(out).contains(QStringLiteral("Pages:           3")), qPrintable(errors));
}

void tst_VellumoCli::unreadablePageFailsWithoutOutput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no picture") << QByteArray("not a picture")
                                << QStringLiteral("unreadable page image");
    // A small real JPEG whose frame header is made to claim 65500 x 65500 pixels.
    QByteArray huge;
    {
        QBuffer buffer(&huge);
        buffer.open(QIODevice::WriteOnly);
        TestPages::pageImage(1, QImage::Format_RGB32, 40).save(&buffer, "JPG");
    }
    const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    for (qsizetype at : {frame + 5, frame + 7}) {
        huge[at] = char(0xFF);
        huge[at + 1] = char(0xDC);
    }
    QTest::newRow("absurd size") << huge << QStringLiteral("claims 65500 x 65500 pixels");
}

void tst_VellumoCli::unreadablePageFailsWithoutOutput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QString out = m_dir.filePath(QStringLiteral("never.pdf"));
    QString errors;
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), out, page(6), broken}, &errors), 1);
    QVERIFY(!QFile::exists(out));
    // The message names the page that failed, and why.
    QVERIFY2(errors.contains(QStringLiteral("not written: ") + broken + QStringLiteral(": ")),
             qPrintable(errors));
    QVERIFY2(errors.contains(reason), qPrintable(errors));
}

void tst_VellumoCli::checkPdfTellsGoodFromBad()
{
    const QString good = m_dir.filePath(QStringLiteral("good.pdf"));
    QCOMPARE(run({QStringLiteral("pdf"), QStringLiteral("-o"), good, page(7)}), 0);
    QCOMPARE(checkPdf(good), 0);
    QCOMPARE(checkPdf(QStringLiteral("-"), readBytes(good)), 0);
    QCOMPARE(checkPdf(QStringLiteral("-"), handMadePdf()), 0);

    // PoDoFo throws: a clear refusal.
    QString errors;
    QCOMPARE(checkPdf(QStringLiteral("-"), QByteArray("%PDF-1.4 and nothing else"), &errors), 1);
    QVERIFY2(errors.contains(QStringLiteral("not a PDF that pages can be appended to")),
             qPrintable(errors));
    const QString missing = m_dir.filePath(QStringLiteral("missing.pdf"));
    QCOMPARE(checkPdf(missing, {}, &errors), 1);
    QVERIFY2(errors.contains(missing), qPrintable(errors));

    // PoDoFo crashes: whichever way the command ends, it does not say yes.
    const QString deep = m_dir.filePath(QStringLiteral("deep.pdf"));
    QVERIFY(TestPaths::writeFile(deep, handMadePdf(100000)));
    QVERIFY(checkPdf(deep) != 0);
    QVERIFY(checkPdf(QStringLiteral("-"), readBytes(deep)) != 0);

    QProcess noFile;
    noFile.start(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-cli"),
                 {QStringLiteral("check-pdf")});
    QVERIFY(noFile.waitForFinished(60000));
    QCOMPARE(noFile.exitCode(), 2);
    QVERIFY(noFile.readAllStandardError().contains("vellumo-cli check-pdf FILE|-"));
}

void tst_VellumoCli::appendToPdfThatCrashesPoDoFoFailsAndKeepsIt()
{
    // The pdf command finds its own check-pdf beside itself.
    const QString out = m_dir.filePath(QStringLiteral("crashing.pdf"));
    const QByteArray before = handMadePdf(100000);
    QVERIFY(TestPaths::writeFile(out, before));
    QString errors;
    QCOMPARE(
        run({QStringLiteral("pdf"), QStringLiteral("-o"), out, QStringLiteral("--append"), page(8)},
            &errors),
        1);
    QVERIFY2(errors.contains(QStringLiteral("not written")), qPrintable(errors));
    QCOMPARE(readBytes(out), before);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden),
             QStringList());
}

QTEST_GUILESS_MAIN(tst_VellumoCli)
#include "tst_VellumoCli.moc"
