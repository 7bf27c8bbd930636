#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <podofo/podofo.h>

#include "core/PageImages.h"
#include "core/Settings.h"
#include "export/PaperSizes.h"
#include "export/PdfExportSettings.h"
#include "export/PdfLoadCheck.h"
#include "export/PdfWriter.h"
#include "support/TestPaths.h"
#include "support/TestPdfs.h"

namespace {

constexpr int dotsPerMeterAt300 = 11811;

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// A page drawn with a gradient so that no two JPEG files come out alike.
QImage drawnPage(QSize size, int seed, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x + seed * 37) % 256, (y + seed * 91) % 256, (x ^ y) % 256));
    }
    return image.convertToFormat(format);
}

bool saveWithDpi(QImage image, const QString &path, const QByteArray &format, double dpi,
                 int compression = 0)
{
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    QImageWriter writer(path, format);
    if (format == "tiff")
        writer.setCompression(compression);
    return writer.write(image);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QString &pdf, const QString &password = QString())
{
    QStringList args;
    if (!password.isEmpty())
        args << QStringLiteral("-upw") << password;
    const Run info = run(QStringLiteral("pdfinfo"), args << pdf);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.output);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// "W x H" of the first page as pdfinfo prints it, for example "595 x 842".
QString firstPageSize(const QString &pdf)
{
    const Run info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+) pts"))
            .match(info.output);
    return m.captured(1);
}

// The checking program of the build tree: the tests run from another folder, where the
// writer's own lookup would not find it.
QString checkTool()
{
    return TestPaths::binDir() + QStringLiteral("/vellumo-cli");
}

using TestPdfs::handMadePdf;
using TestPdfs::nested;

class FakeProgress : public ExportProgress
{
public:
    void setRange(int from, int to) override
    {
        minimum = from;
        maximum = to;
    }
    void setValue(int v) override { values.append(v); }
    bool wasCanceled() override
    {
        return cancelAt > 0 && !values.isEmpty() && values.last() >= cancelAt;
    }

    int minimum = -1;
    int maximum = -1;
    QList<int> values;
    int cancelAt = 0; // cancel once the value reaches this; 0 never
};

} // namespace

class TestPdfWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_jpg1;
    QString m_jpg2;
    QString m_tiff;

    PdfExportSettings newFile(const QString &name) const
    {
        PdfExportSettings s;
        s.docFolder = m_dir.path();
        s.docName = name;
        return s;
    }

    // Temporary files left beside the results.
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
    }

    // Appends a page to target, which must fail on target and leave it exactly as it was.
    void verifyAppendRefused(PdfWriter &writer, const QString &target)
    {
        const QByteArray before = fileBytes(target);
        PdfExportSettings s;
        s.appendFolder = target;
        QSignalSpy failed(&writer, &PdfWriter::failed);
        QSignalSpy applied(&writer, &PdfWriter::applied);
        QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Failed);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), target);
        QCOMPARE(applied.size(), 0);
        QVERIFY(!writer.errorString().isEmpty());
        QCOMPARE(fileBytes(target), before);
        QCOMPARE(leftovers(), QStringList());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_jpg1 = m_dir.filePath(QStringLiteral("page1.jpg"));
        m_jpg2 = m_dir.filePath(QStringLiteral("page2.jpg"));
        m_tiff = m_dir.filePath(QStringLiteral("page3.tiff"));
        QVERIFY(saveWithDpi(drawnPage({248, 351}, 1), m_jpg1, "jpeg", 30));
        QVERIFY(
            saveWithDpi(drawnPage({300, 200}, 2, QImage::Format_Grayscale8), m_jpg2, "jpeg", 50));
        QVERIFY(saveWithDpi(drawnPage({200, 300}, 3), m_tiff, "tiff", 40, 1));
    }

    void placedSizeOfSquareImageIsFittedAndWidthLowered()
    {
        PdfExportSettings s;
        const PagePlacement p = PdfWriter::place(s, QSizeF(595, 842), {3000, 3000}, 300, 300);
        QCOMPARE(p.imagePoints, QSize(720, 720));
        QCOMPARE(p.printable, QSize(595, 842));
        QCOMPARE(p.drawn, QSize(592, 595));
        // PoDoFo multiplies the pixel size by the factors: the image comes out at the drawn size.
        QVERIFY(qAbs(3000 * p.scaleX - 592) < 0.01);
        QVERIFY(qAbs(3000 * p.scaleY - 595) < 0.01);
    }

    void placedSizeOfA4At600Dpi_data()
    {
        QTest::addColumn<bool>("byCenter");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("centred") << true << QPointF(149, 211);
        QTest::newRow("top left") << false << QPointF(0, 422);
    }

    void placedSizeOfA4At600Dpi()
    {
        QFETCH(bool, byCenter);
        QFETCH(QPointF, position);
        PdfExportSettings s;
        s.byCenter = byCenter;
        const PagePlacement p = PdfWriter::place(s, QSizeF(595, 842), {2480, 3508}, 600, 600);
        QCOMPARE(p.imagePoints, QSize(297, 420));
        QCOMPARE(p.drawn, QSize(297, 420));
        QCOMPARE(p.position, position);
    }

    void marginsAreCentimetresAndTopLeftSitsOnThem()
    {
        PdfExportSettings s;
        s.byCenter = false;
        s.left = 1.0;
        s.right = 2.0;
        s.top = 2.54;
        s.bottom = 0.5;
        const PagePlacement p = PdfWriter::place(s, QSizeF(595, 842), {720, 720}, 720, 720);
        const double left = 72 / 2.54;
        QCOMPARE(p.printable, QSize(int(595 - 3 * left), int(842 - 72 - 0.5 * left)));
        QCOMPARE(p.drawn, QSize(72, 72));
        QCOMPARE(p.position.x(), left);
        // top edge of the image on the top margin
        QVERIFY(qAbs(p.position.y() + 72 - (842 - 72)) < 1e-9);
    }

    void stretchModeFillsPrintableArea()
    {
        PdfExportSettings s;
        s.scale = 1;
        const PagePlacement p = PdfWriter::place(s, QSizeF(595, 842), {100, 100}, 300, 300);
        QCOMPARE(p.drawn, QSize(595, 842));
        QCOMPARE(p.position, QPointF(0, 0));
        s.scale = 2;
        QCOMPARE(PdfWriter::place(s, QSizeF(595, 842), {100, 100}, 300, 300).drawn,
                 QSize(592, 595));
    }

    void fitInsideAlwaysLowersWidthToMultipleOfFour_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("100 becomes 96") << QSize(100, 200) << QSize(1000, 200) << QSize(96, 200);
        QTest::newRow("101 becomes 100") << QSize(101, 100) << QSize(1000, 100) << QSize(100, 100);
        QTest::newRow("width limits, height truncated")
            << QSize(300, 200) << QSize(100, 1000) << QSize(96, 66);
        // Two points wide would become -4 without the floor of one point.
        QTest::newRow("thin strip keeps one point")
            << QSize(1, 5000) << QSize(500, 800) << QSize(1, 800);
    }

    void fitInsideAlwaysLowersWidthToMultipleOfFour()
    {
        QFETCH(QSize, image);
        QFETCH(QSize, box);
        QFETCH(QSize, expected);
        QCOMPARE(PdfWriter::fitInside(image, box), expected);
    }

    void missingOrAbsurdResolutionFallsBackToDefault_data()
    {
        QTest::addColumn<double>("dpiX");
        QTest::addColumn<double>("dpiY");
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("negative") << -300.0 << -300.0;
        QTest::newRow("absurd") << 1e9 << 1e9;
        QTest::newRow("nan") << std::nan("") << std::nan("");
    }

    void missingOrAbsurdResolutionFallsBackToDefault()
    {
        QFETCH(double, dpiX);
        QFETCH(double, dpiY);
        const PagePlacement p = PdfWriter::place({}, QSizeF(595, 842), {300, 600}, dpiX, dpiY);
        QCOMPARE(p.imagePoints, QSize(72, 144));
        QVERIFY(std::isfinite(p.scaleX) && std::isfinite(p.scaleY));
    }

    void resolutionIsReadFromFileHeaders()
    {
        QCOMPARE(PdfWriter::resolution(m_jpg1), QSizeF(30, 30));
        QCOMPARE(PdfWriter::resolution(m_tiff), QSizeF(40, 40));
        const QString bigEndianTiff = m_dir.filePath(QStringLiteral("be.tiff"));
        // Smallest big-endian TIFF directory with XResolution 150/1, YResolution 75/1, inch.
        QByteArray tiff = QByteArray::fromHex("4d4d002a00000008"
                                              "0003"
                                              "011a000500000001"
                                              "00000032"
                                              "011b000500000001"
                                              "0000003a"
                                              "0128000300000001"
                                              "00020000"
                                              "00000000"
                                              "0000009600000001"
                                              "0000004b00000001");
        QVERIFY(TestPaths::writeFile(bigEndianTiff, tiff));
        QCOMPARE(PdfWriter::resolution(bigEndianTiff), QSizeF(150, 75));
        // The same JPEG with its JFIF density unit set to "aspect ratio only", then with a
        // density of 0 x 0 dots per inch.
        QByteArray jpeg = fileBytes(m_jpg1);
        QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
        jpeg[13] = 0;
        const QString aspectOnly = m_dir.filePath(QStringLiteral("aspect.jpg"));
        QVERIFY(TestPaths::writeFile(aspectOnly, jpeg));
        QCOMPARE(PdfWriter::resolution(aspectOnly), QSizeF(300, 300));
        jpeg[13] = 1;
        jpeg.replace(14, 4, QByteArray(4, '\0'));
        const QString zeroDensity = m_dir.filePath(QStringLiteral("zero.jpg"));
        QVERIFY(TestPaths::writeFile(zeroDensity, jpeg));
        QCOMPARE(PdfWriter::resolution(zeroDensity), QSizeF(300, 300));
        jpeg[13] = 2; // dots per centimetre
        jpeg.replace(14, 4, QByteArray::fromHex("00640064"));
        const QString perCm = m_dir.filePath(QStringLiteral("percm.jpg"));
        QVERIFY(TestPaths::writeFile(perCm, jpeg));
        QCOMPARE(PdfWriter::resolution(perCm), QSizeF(254, 254));
        QCOMPARE(PdfWriter::resolution(m_dir.filePath(QStringLiteral("missing.jpg"))),
                 QSizeF(300, 300));
    }

    void everyPaperCodeAndOrientation_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("expected");
        const struct
        {
            int code;
            const char *name;
            QSizeF size;
        } rows[] = {
            {0, "A4", {595, 842}},
            {1, "B5 (A4)", {595, 842}},
            {2, "Letter", {612, 792}},
            {3, "Legal", {612, 1008}},
            {4, "Executive (A4)", {595, 842}},
            {5, "A0", {2384, 3370}},
            {6, "A1", {1684, 2384}},
            {7, "A2", {1191, 1684}},
            {8, "A3", {842, 1190}},
            {9, "A5", {420, 595}},
            {10, "A6", {297, 420}},
            {11, "11 (A4)", {595, 842}},
            {28, "Ledger (A4)", {595, 842}},
            {29, "Tabloid", {792, 1224}},
            {30, "30 (A4)", {595, 842}},
            {-1, "negative (A4)", {595, 842}},
        };
        for (const auto &row : rows) {
            QTest::addRow("%s portrait", row.name) << row.code << 0 << row.size;
            QTest::addRow("%s landscape", row.name) << row.code << 1 << row.size.transposed();
            QTest::addRow("%s orientation 2", row.name) << row.code << 2 << row.size;
        }
    }

    void everyPaperCodeAndOrientation()
    {
        QFETCH(int, code);
        QFETCH(int, orientation);
        QFETCH(QSizeF, expected);
        QCOMPARE(PaperSizes::pdfPagePoints(code, orientation), expected);
        // The table agrees with what PoDoFo really makes of the size it maps to.
        const PoDoFo::PdfRect rect = PoDoFo::PdfPage::CreateStandardPageSize(
            PaperSizes::pdfPageSize(code), orientation == 1);
        QCOMPARE(std::round(rect.GetWidth()), expected.width());
        QCOMPARE(std::round(rect.GetHeight()), expected.height());
    }

    void paperTableMapsQtSizesByName()
    {
        QCOMPARE(PaperSizes::codes().size(), 13);
        QCOMPARE(PaperSizes::find(0)->pageSizeId, QPageSize::A4);
        QCOMPARE(PaperSizes::find(2)->pageSizeId, QPageSize::Letter);
        QCOMPARE(PaperSizes::find(29)->pageSizeId, QPageSize::Tabloid);
        QVERIFY(!PaperSizes::find(1)->pdfPageSize.has_value());
        QVERIFY(PaperSizes::find(11) == nullptr);
        for (int code : PaperSizes::codes()) {
            const QSizeF qt = QPageSize(PaperSizes::find(code)->pageSizeId).size(QPageSize::Point);
            QVERIFY2(qAbs(qt.width() - PaperSizes::find(code)->points.width()) <= 1 &&
                         qAbs(qt.height() - PaperSizes::find(code)->points.height()) <= 1,
                     qPrintable(QString::number(code)));
        }
    }

    void targetNameRules_data()
    {
        QTest::addColumn<QString>("docName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("scan.pdf") << QStringLiteral("scan.pdf") << QStringLiteral("scan.pdf");
        QTest::newRow("scan") << QStringLiteral("scan") << QStringLiteral("scan.pdf");
        QTest::newRow("a.pdf.b") << QStringLiteral("a.pdf.b") << QStringLiteral("a.b.pdf");
        QTest::newRow("scan.PDF") << QStringLiteral("scan.PDF") << QStringLiteral("scan.PDF.pdf");
        QTest::newRow("x.pdf.pdf") << QStringLiteral("x.pdf.pdf") << QStringLiteral("x.pdf");
    }

    void targetNameRules()
    {
        QFETCH(QString, docName);
        QFETCH(QString, fileName);
        PdfExportSettings s;
        s.docFolder = QStringLiteral("/tmp/out");
        s.docName = docName;
        QCOMPARE(PdfWriter::targetPath(s), QStringLiteral("/tmp/out/") + fileName);
    }

    void writesThreePagesWithJpegsEmbeddedUnchanged()
    {
        PdfWriter writer;
        QSignalSpy applied(&writer, &PdfWriter::applied);
        QSignalSpy failed(&writer, &PdfWriter::failed);
        FakeProgress progress;
        const PdfExportSettings s = newFile(QStringLiteral("three"));
        QCOMPARE(writer.write(s, {m_jpg1, m_jpg2, m_tiff}, false, &progress),
                 PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("three.pdf"));
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.first().first().toString(), pdf);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(progress.maximum, 3);
        QCOMPARE(progress.values, QList<int>({1, 2, 3}));

        QCOMPARE(pageCount(pdf), 3);
        QCOMPARE(firstPageSize(pdf), QStringLiteral("595 x 842"));
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);

        const Run list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QCOMPARE(list.output.count(QStringLiteral(" jpeg ")), 2);
        const QString prefix = m_dir.filePath(QStringLiteral("extracted"));
        QCOMPARE(run(QStringLiteral("pdfimages"), {QStringLiteral("-all"), pdf, prefix}).exitCode,
                 0);
        QCOMPARE(fileBytes(prefix + QStringLiteral("-000.jpg")), fileBytes(m_jpg1));
        QCOMPARE(fileBytes(prefix + QStringLiteral("-001.jpg")), fileBytes(m_jpg2));
        // No temporary file is left beside the result.
        QCOMPARE(
            QDir(m_dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden),
            QStringList());
    }

    // The image dictionary of an embedded JPEG is the one PoDoFo's own JPEG loader makes for the
    // same file, for every kind of JPEG a page file could be.
    void jpegDictionaryMatchesPoDoFosLoader_data()
    {
        QTest::addColumn<QStringList>("convertOptions");
        QTest::newRow("grey baseline")
            << QStringList{QStringLiteral("-colorspace"), QStringLiteral("Gray")};
        QTest::newRow("colour progressive")
            << QStringList{QStringLiteral("-interlace"), QStringLiteral("JPEG")};
        QTest::newRow("cmyk") << QStringList{QStringLiteral("-colorspace"), QStringLiteral("CMYK")};
        QTest::newRow("exif before the frame") << QStringList{
            QStringLiteral("-set"), QStringLiteral("comment"), QString(20000, QLatin1Char('c'))};
    }
    void jpegDictionaryMatchesPoDoFosLoader()
    {
        QFETCH(QStringList, convertOptions);
        const QString jpg = m_dir.filePath(QStringLiteral("kind.jpg"));
        QFile::remove(jpg);
        QCOMPARE(run(QStringLiteral("convert"),
                     QStringList{QStringLiteral("-size"), QStringLiteral("64x48"),
                                 QStringLiteral("gradient:red-blue")} +
                         convertOptions + QStringList{jpg})
                     .exitCode,
                 0);
        const QByteArray bytes = fileBytes(jpg);

        PoDoFo::PdfMemDocument reference;
        PoDoFo::PdfImage expected(&reference);
        expected.LoadFromJpegData(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                  PoDoFo::pdf_long(bytes.size()));

        PdfWriter writer;
        QCOMPARE(writer.write(newFile(QStringLiteral("kind")), {jpg}, false, nullptr),
                 PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("kind.pdf"));
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
        PoDoFo::PdfMemDocument written;
        written.Load(QFile::encodeName(pdf).constData());
        const PoDoFo::PdfObject *image = nullptr;
        for (const PoDoFo::PdfObject *object : written.GetObjects()) {
            if (object->IsDictionary() && object->GetDictionary().GetKey("Subtype") &&
                object->GetDictionary().GetKey("Subtype")->GetName() == PoDoFo::PdfName("Image"))
                image = object;
        }
        QVERIFY(image);
        const auto keyText = [](const PoDoFo::PdfObject *object, const char *key) {
            const PoDoFo::PdfObject *value = object->GetDictionary().GetKey(key);
            std::string text;
            if (value)
                value->ToString(text);
            // A real read back from the file prints as an integer: 1.000000 and 1 are the same.
            return QString::fromStdString(text).replace(
                QRegularExpression(QStringLiteral("(\\d+)\\.0+\\b")), QStringLiteral("\\1"));
        };
        for (const char *key :
             {"Width", "Height", "BitsPerComponent", "ColorSpace", "Filter", "Decode", "Type"})
            QCOMPARE(keyText(image, key), keyText(expected.GetObject(), key));
        QCOMPARE(run(QStringLiteral("pdfimages"),
                     {QStringLiteral("-all"), pdf, m_dir.filePath(QStringLiteral("kind"))})
                     .exitCode,
                 0);
        QCOMPARE(fileBytes(m_dir.filePath(QStringLiteral("kind-000.jpg"))), bytes);
    }

    void fullDiskNamesTheSystemsReason_data()
    {
        QTest::addColumn<bool>("append");
        QTest::addColumn<QString>("password");
        QTest::newRow("new file") << false << QString();
        QTest::newRow("new file with a password") << false << QStringLiteral("pw");
        QTest::newRow("append") << true << QString();
        QTest::newRow("append with a password") << true << QStringLiteral("pw");
    }
    void fullDiskNamesTheSystemsReason()
    {
        QFETCH(bool, append);
        QFETCH(QString, password);
        // A disk of 256 KiB that a page of noise cannot fit on (needs root, as in CI).
        const QString disk = m_dir.filePath(QStringLiteral("disk"));
        if (!TestPaths::mountSmallDisk(disk, 256))
            QSKIP("cannot mount a small tmpfs here (not root)");
        const auto unmount = qScopeGuard([&disk] { TestPaths::unmountDisk(disk); });
        const QString page = m_dir.filePath(QStringLiteral("noise.jpg"));
        QVERIFY(TestPaths::writeFile(page, TestPaths::noiseJpeg(800)));
        // The earlier document on the full disk, which must come out of it untouched.
        const QString earlier = disk + QStringLiteral("/full.pdf");
        PdfWriter writer;
        QCOMPARE(writer.write(newFile(QStringLiteral("small")), {m_jpg1}, false, nullptr),
                 PdfWriter::Result::Finished);
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("small.pdf")), earlier));
        const QByteArray before = fileBytes(earlier);

        PdfExportSettings s = newFile(QStringLiteral("full"));
        s.docFolder = disk;
        s.appendFolder = earlier;
        s.pdfPassword = password;
        QVERIFY(writer.write(s, {page}, append, nullptr) != PdfWriter::Result::Finished);
        QVERIFY2(writer.errorString().contains(QString::fromLocal8Bit(strerror(ENOSPC))),
                 qPrintable(writer.errorString()));
        QCOMPARE(fileBytes(earlier), before);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("full.pdf")});
    }

    void imageIsDrawnAtItsResolution()
    {
        // 248 x 351 pixels at 30 dpi: 595.2 x 842.4 points does not fit A4 and is fitted,
        // while the TIFF at 40 dpi (360 x 540 points) keeps its size on a landscape A3 page.
        PdfWriter writer;
        PdfExportSettings s = newFile(QStringLiteral("a3"));
        s.paperSize = 8;
        s.orientation = 1;
        QCOMPARE(writer.write(s, {m_tiff}, false, nullptr), PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("a3.pdf"));
        QCOMPARE(firstPageSize(pdf), QStringLiteral("1190 x 842"));
        // 72 points per inch at the image's 360 x 540 points: pdfimages reports 40 ppi.
        const Run list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(list.output.contains(QRegularExpression(QStringLiteral("\\s40\\s+40\\s"))),
                 qPrintable(list.output));
    }

    void bilevelTiffKeepsItsBlackAndWhite()
    {
        QImage mono(64, 64, QImage::Format_Mono);
        mono.fill(0);
        mono.setColor(0, qRgb(255, 255, 255));
        mono.setColor(1, qRgb(0, 0, 0));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 64; ++x)
                mono.setPixel(x, y, 1); // black top half
        }
        const QString tiff = m_dir.filePath(QStringLiteral("mono.tiff"));
        QVERIFY(saveWithDpi(mono, tiff, "tiff", 72, 1));
        PdfWriter writer;
        PdfExportSettings s = newFile(QStringLiteral("mono"));
        s.scale = 1; // fill the page
        QCOMPARE(writer.write(s, {tiff}, false, nullptr), PdfWriter::Result::Finished);
        const QString prefix = m_dir.filePath(QStringLiteral("mono-render"));
        QCOMPARE(
            run(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QStringLiteral("10"), QStringLiteral("-gray"),
                 QStringLiteral("-singlefile"), m_dir.filePath(QStringLiteral("mono.pdf")), prefix})
                .exitCode,
            0);
        const QImage rendered(prefix + QStringLiteral(".pgm"));
        QVERIFY(!rendered.isNull());
        QCOMPARE(qGray(rendered.pixel(rendered.width() / 2, rendered.height() / 4)), 0);
        QCOMPARE(qGray(rendered.pixel(rendered.width() / 2, rendered.height() * 3 / 4)), 255);
    }

    void cancelAfterFirstPageWritesNothing()
    {
        PdfWriter writer;
        QSignalSpy applied(&writer, &PdfWriter::applied);
        QSignalSpy failed(&writer, &PdfWriter::failed);
        FakeProgress progress;
        progress.cancelAt = 2;
        QCOMPARE(writer.write(newFile(QStringLiteral("cancelled")), {m_jpg1, m_jpg2, m_tiff}, false,
                              &progress),
                 PdfWriter::Result::Cancelled);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("cancelled.pdf"))));
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(applied.size() + failed.size(), 0);
        QCOMPARE(progress.values, QList<int>({1, 2}));
    }

    void cancelInAppendModeLeavesFileUntouched()
    {
        PdfWriter writer;
        QCOMPARE(writer.write(newFile(QStringLiteral("keep")), {m_jpg1}, false, nullptr),
                 PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("keep.pdf"));
        const QByteArray before = fileBytes(pdf);
        PdfExportSettings s;
        s.appendFolder = pdf;
        FakeProgress progress;
        progress.cancelAt = 2;
        QCOMPARE(writer.write(s, {m_jpg2, m_tiff}, true, &progress), PdfWriter::Result::Cancelled);
        QCOMPARE(fileBytes(pdf), before);
    }

    void appendAddsPagesAfterExistingOnes()
    {
        PdfWriter writer;
        PdfExportSettings first = newFile(QStringLiteral("grow"));
        first.paperSize = 2; // Letter
        QCOMPARE(writer.write(first, {m_jpg1}, false, nullptr), PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("grow.pdf"));
        PdfExportSettings s;
        s.appendFolder = pdf;
        QSignalSpy applied(&writer, &PdfWriter::applied);
        QCOMPARE(writer.write(s, {m_jpg2, m_tiff}, true, nullptr), PdfWriter::Result::Finished);
        QCOMPARE(applied.first().first().toString(), pdf);
        QCOMPARE(pageCount(pdf), 3);
        // The existing page stays first: Letter, then the new A4 pages.
        QCOMPARE(firstPageSize(pdf), QStringLiteral("612 x 792"));
        const Run last =
            run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("3"),
                                            QStringLiteral("-l"), QStringLiteral("3"), pdf});
        QVERIFY2(last.output.contains(
                     QRegularExpression(QStringLiteral("Page\\s+3 size:\\s+595 x 842 pts"))),
                 qPrintable(last.output));
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
        const QString prefix = m_dir.filePath(QStringLiteral("grown"));
        QCOMPARE(run(QStringLiteral("pdfimages"), {QStringLiteral("-all"), pdf, prefix}).exitCode,
                 0);
        QCOMPARE(fileBytes(prefix + QStringLiteral("-000.jpg")), fileBytes(m_jpg1));
        QCOMPARE(fileBytes(prefix + QStringLiteral("-001.jpg")), fileBytes(m_jpg2));
    }

    // Pages added to a plain file follow its last byte, which leaves what it holds untouched;
    // a file whose page tree root would pass a turn on to the new pages is written anew.
    void appendFollowsTheExistingBytes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("kept"); // the existing bytes stay the file's first bytes
        QTest::newRow("cross-reference table") << QStringLiteral("table") << true;
        QTest::newRow("cross-reference stream") << QStringLiteral("stream") << true;
        QTest::newRow("last line without an end") << QStringLiteral("unended") << true;
        QTest::newRow("linearized") << QStringLiteral("linearized") << true;
        QTest::newRow("an earlier update") << QStringLiteral("updated") << true;
        QTest::newRow("page tree root with a turn") << QStringLiteral("turned") << false;
    }

    void appendFollowsTheExistingBytes()
    {
        QFETCH(QString, kind);
        QFETCH(bool, kept);
        const QString target = m_dir.filePath(QStringLiteral("update.pdf"));
        const QString made = m_dir.filePath(QStringLiteral("made.pdf"));
        QByteArray pdf = handMadePdf();
        if (kind == QLatin1String("unended"))
            pdf.chop(1);
        if (kind == QLatin1String("turned"))
            pdf.replace("/Count 1 >>", "/Count 1 /Rotate 90 >>");
        const bool handMade = kind == QLatin1String("table") || kind == QLatin1String("unended") ||
                              kind == QLatin1String("updated");
        QVERIFY(TestPaths::writeFile(handMade ? target : made, pdf));
        // qpdf writes the stream form, and repairs the offsets the turn has moved.
        if (kind == QLatin1String("stream"))
            QCOMPARE(run(QStringLiteral("qpdf"),
                         {QStringLiteral("--object-streams=generate"), made, target})
                         .exitCode,
                     0);
        if (kind == QLatin1String("turned"))
            QVERIFY(run(QStringLiteral("qpdf"), {made, target}).exitCode != 2);
        if (kind == QLatin1String("linearized"))
            QCOMPARE(
                run(QStringLiteral("qpdf"), {QStringLiteral("--linearize"), made, target}).exitCode,
                0);
        PdfExportSettings s;
        s.appendFolder = target;
        PdfWriter writer;
        // A second update builds on the first one's numbers and cross-references.
        const int earlier = kind == QLatin1String("updated") ? 1 : 0;
        if (earlier > 0)
            QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Finished);
        const QByteArray before = fileBytes(target);
        QVERIFY(!before.isEmpty());

        QCOMPARE(writer.write(s, {m_jpg2}, true, nullptr), PdfWriter::Result::Finished);
        QCOMPARE(fileBytes(target).startsWith(before), kept);
        QCOMPARE(pageCount(target), 2 + earlier);
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), target}).exitCode, 0);
        const QString last = QString::number(2 + earlier);
        const Run added = run(QStringLiteral("pdfinfo"),
                              {QStringLiteral("-f"), last, QStringLiteral("-l"), last, target});
        QVERIFY2(added.output.contains(
                     QRegularExpression(QStringLiteral("Page\\s+%1 rot:\\s+0\\n").arg(last))),
                 qPrintable(added.output));
        const QString prefix = m_dir.filePath(QStringLiteral("update"));
        QCOMPARE(
            run(QStringLiteral("pdfimages"), {QStringLiteral("-all"), target, prefix}).exitCode, 0);
        if (earlier > 0)
            QCOMPARE(fileBytes(prefix + QStringLiteral("-000.jpg")), fileBytes(m_jpg1));
        QCOMPARE(
            fileBytes(prefix + QStringLiteral("-%1.jpg").arg(earlier, 3, 10, QLatin1Char('0'))),
            fileBytes(m_jpg2));
    }

    void passwordEncryptsWithAes256_data()
    {
        QTest::addColumn<bool>("append");
        QTest::newRow("new file") << false;
        QTest::newRow("append") << true;
    }

    void passwordEncryptsWithAes256()
    {
        QFETCH(bool, append);
        PdfWriter writer;
        const QString pdf = m_dir.filePath(QStringLiteral("secret.pdf"));
        PdfExportSettings s = newFile(QStringLiteral("secret"));
        if (append) {
            QCOMPARE(writer.write(s, {m_jpg1}, false, nullptr), PdfWriter::Result::Finished);
            s.appendFolder = pdf;
        }
        s.pdfPassword = QStringLiteral("s3cr\u00e9t");
        QCOMPARE(writer.write(s, {m_jpg2}, append, nullptr), PdfWriter::Result::Finished);
        const QString password = QStringLiteral("--password=") + s.pdfPassword;
        const Run check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), password, pdf});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        QVERIFY(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode != 0);
        const Run shown =
            run(QStringLiteral("qpdf"), {QStringLiteral("--show-encryption"), password, pdf});
        // Revision 6 (ISO 32000-2), not the deprecated revision 5.
        QVERIFY2(shown.output.contains(QStringLiteral("R = 6")), qPrintable(shown.output));
        QVERIFY(shown.output.contains(QStringLiteral("print high resolution: allowed")));
        QVERIFY(shown.output.contains(QStringLiteral("extract for any purpose: allowed")));
        QCOMPARE(pageCount(pdf, s.pdfPassword), append ? 2 : 1);
        QCOMPARE(pageCount(pdf), -1);
        QVERIFY(run(QStringLiteral("pdfinfo"), {QStringLiteral("-upw"), s.pdfPassword, pdf})
                    .output.contains(QStringLiteral("AES-256")));
    }

    // Existing files encrypted in the common ways take new pages with their password; the
    // result is AES-256 of revision 6, and a wrong password leaves the file as it was.
    void appendToEncryptedFileWithItsPassword_data()
    {
        QTest::addColumn<QStringList>("encryption"); // qpdf's options; empty: Vellumo's own
        QTest::newRow("AES-256 revision 6") << QStringList();
        QTest::newRow("RC4 128-bit")
            << QStringList{QStringLiteral("128"), QStringLiteral("--use-aes=n")};
        QTest::newRow("AES 128-bit")
            << QStringList{QStringLiteral("128"), QStringLiteral("--use-aes=y")};
    }

    void appendToEncryptedFileWithItsPassword()
    {
        QFETCH(QStringList, encryption);
        const QString password = QStringLiteral("pw");
        const QString pdf = m_dir.filePath(QStringLiteral("locked.pdf"));
        PdfExportSettings s = newFile(QStringLiteral("locked"));
        PdfWriter writer;
        if (encryption.isEmpty()) {
            s.pdfPassword = password;
            QCOMPARE(writer.write(s, {m_jpg1}, false, nullptr), PdfWriter::Result::Finished);
        } else {
            const QString plain = m_dir.filePath(QStringLiteral("plain.pdf"));
            QCOMPARE(writer.write(newFile(QStringLiteral("plain")), {m_jpg1}, false, nullptr),
                     PdfWriter::Result::Finished);
            QFile::remove(pdf);
            QCOMPARE(run(QStringLiteral("qpdf"),
                         QStringList{QStringLiteral("--allow-weak-crypto"),
                                     QStringLiteral("--encrypt"), password, password} +
                             encryption + QStringList{QStringLiteral("--"), plain, pdf})
                         .exitCode,
                     0);
        }
        s.appendFolder = pdf;
        s.pdfPassword = QStringLiteral("wrong");
        const QByteArray before = fileBytes(pdf);
        QCOMPARE(writer.write(s, {m_tiff}, true, nullptr), PdfWriter::Result::Failed);
        QCOMPARE(fileBytes(pdf), before);

        s.pdfPassword = password;
        QCOMPARE(writer.write(s, {m_tiff}, true, nullptr), PdfWriter::Result::Finished);
        QCOMPARE(pageCount(pdf, password), 2);
        const QString given = QStringLiteral("--password=") + password;
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), given, pdf}).exitCode, 0);
        QVERIFY(run(QStringLiteral("qpdf"), {QStringLiteral("--show-encryption"), given, pdf})
                    .output.contains(QStringLiteral("R = 6")));
        QCOMPARE(leftovers(), QStringList());
    }

    // Black-and-white pages, as the page store keeps them (Group 4) and as older folders hold
    // them (uncompressed), go in as Group 4 and come out pixel for pixel.
    void blackAndWhitePagesAreGroup4AndExact()
    {
        QImage page(1240, 1754, QImage::Format_Mono);
        page.fill(1);
        QRandomGenerator random(4);
        for (int line = 0; line < 40; ++line) {
            const int width = 300 + int(random.bounded(700));
            for (int y = 100 + line * 40; y < 112 + line * 40; ++y) {
                for (int x = 120; x < 120 + width; ++x)
                    page.setPixel(x, y, random.bounded(9) == 0 ? 1 : 0);
            }
        }
        page.setDotsPerMeterX(dotsPerMeterAt300 / 2);
        page.setDotsPerMeterY(dotsPerMeterAt300 / 2);
        const QString stored = m_dir.filePath(QStringLiteral("bw-stored.tiff"));
        const QString older = m_dir.filePath(QStringLiteral("bw-older.tiff"));
        QVERIFY(PageImages::writeWorkingImage(page, stored, true, 85, nullptr));
        QVERIFY(saveWithDpi(page, older, "tiff", 150));
        PdfWriter writer;
        QCOMPARE(writer.write(newFile(QStringLiteral("bw")), {stored, older}, false, nullptr),
                 PdfWriter::Result::Finished);
        const QString pdf = m_dir.filePath(QStringLiteral("bw.pdf"));
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
        const QString listed =
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).output;
        QCOMPARE(listed.count(QStringLiteral(" ccitt ")), 2);
        // Far below the 272 KB that each page takes uncompressed (this one is noisy on purpose).
        QVERIFY2(QFileInfo(pdf).size() < 150 * 1024, qPrintable(listed));

        const QString prefix = m_dir.filePath(QStringLiteral("bw-out"));
        QCOMPARE(run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix}).exitCode,
                 0);
        const QImage expected = page.convertToFormat(QImage::Format_Grayscale8);
        for (const char *name : {"-000.png", "-001.png"}) {
            const QImage out =
                QImage(prefix + QLatin1StringView(name)).convertToFormat(QImage::Format_Grayscale8);
            QCOMPARE(out.size(), expected.size());
            QVERIFY2(out == expected, name);
        }
    }

    void unusablePageFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("garbage jpg") << QStringLiteral("broken.jpg") << QByteArray("not an image");
        QTest::newRow("garbage tiff")
            << QStringLiteral("broken.tiff") << QByteArray("II*\0junk", 8);
        QTest::newRow("x.jpeg") << QStringLiteral("x.jpeg") << QByteArray();
        QTest::newRow("x.JPG") << QStringLiteral("x.JPG") << QByteArray();
        QTest::newRow("missing") << QStringLiteral("nowhere.jpg") << QByteArray();
    }

    void unusablePageFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString page = m_dir.filePath(name);
        if (!bytes.isEmpty())
            QVERIFY(TestPaths::writeFile(page, bytes));
        else if (name.startsWith(QLatin1Char('x')))
            QVERIFY(QFile::copy(m_jpg1, page) || QFile::exists(page));
        PdfWriter writer;
        QSignalSpy failed(&writer, &PdfWriter::failed);
        QSignalSpy applied(&writer, &PdfWriter::applied);
        QCOMPARE(writer.write(newFile(QStringLiteral("bad")), {m_jpg1, page}, false, nullptr),
                 PdfWriter::Result::Failed);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), page);
        QCOMPARE(applied.size(), 0);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("bad.pdf"))));
        QCOMPARE(leftovers(), QStringList());
    }

    void malformedAppendTargetFailsAndStaysAsItWas()
    {
        const QString target = m_dir.filePath(QStringLiteral("notpdf.pdf"));
        QVERIFY(TestPaths::writeFile(target, QByteArray("%PDF-1.4 but nothing more")));
        PdfExportSettings s;
        s.appendFolder = target;
        PdfWriter writer;
        QSignalSpy failed(&writer, &PdfWriter::failed);
        QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Failed);
        QCOMPARE(failed.first().first().toString(), target);
        QCOMPARE(fileBytes(target), QByteArray("%PDF-1.4 but nothing more"));
        s.appendFolder = m_dir.filePath(QStringLiteral("absent.pdf"));
        QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Failed);
    }

    // Files that crash PoDoFo when it reads them. The existing file is read by qpdf, in this
    // process: it refuses them, or drops what no page uses; the test process surviving them is
    // part of the test.
    void appendToFileThatCrashesPoDoFoIsRefused_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<bool>("appended");
        QTest::newRow("dictionary nested 100000 deep in the catalog")
            << handMadePdf("/Deep " + nested(100000, true)) << false;
        // Never read: appending reads the page tree only, and the file stays as it is.
        QTest::newRow("dictionary nested 100000 deep in an unused object")
            << handMadePdf({}, {nested(100000, true)}) << true;
        QTest::newRow("negative key length in the encryption dictionary")
            << handMadePdf({},
                           {"<< /Filter /Standard /V 2 /R 3 /Length -40 /P -4 /O <" +
                            QByteArray(64, '1') + "> /U <" + QByteArray(64, '2') + "> >>"},
                           "/Encrypt 4 0 R /ID [<00112233445566778899aabbccddeeff> "
                           "<00112233445566778899aabbccddeeff>]")
            << false;
        QTest::newRow("array nested 100000 deep")
            << handMadePdf("/Deep " + nested(100000, false)) << false;
    }

    void appendToFileThatCrashesPoDoFoIsRefused()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(bool, appended);
        const QString target = m_dir.filePath(QStringLiteral("malformed.pdf"));
        QVERIFY(TestPaths::writeFile(target, pdf));
        PdfWriter writer;
        if (!appended) {
            verifyAppendRefused(writer, target);
            return;
        }
        PdfExportSettings s;
        s.appendFolder = target;
        // The file keeps its fault, and appending adds none of its own.
        const int checked =
            run(QStringLiteral("qpdf"), {QStringLiteral("--check"), target}).exitCode;
        QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Finished);
        QCOMPARE(pageCount(target), 2);
        QCOMPARE(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), target}).exitCode,
                 checked);
    }

    void handMadePdfIsAcceptedAndAppendedTo()
    {
        // The malformed files above differ from this one only by their fault.
        const QString target = m_dir.filePath(QStringLiteral("handmade.pdf"));
        QVERIFY(TestPaths::writeFile(target, handMadePdf()));
        PdfExportSettings s;
        s.appendFolder = target;
        PdfWriter writer;
        QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Finished);
        QCOMPARE(pageCount(target), 2);
    }

    void checkEndsAChildThatTakesTooLong()
    {
        // Nested dictionaries take PoDoFo time that grows with about the cube of the depth:
        // 3000 levels keep it busy for minutes.
        PdfLoadCheck check;
        check.setToolPath(checkTool());
        check.setTimeout(2000);
        QVERIFY(!check.check(handMadePdf("/Deep " + nested(3000, true))));
        QVERIFY2(check.errorString().contains(QStringLiteral("ended")),
                 qPrintable(check.errorString()));
        // The same object stays usable for the next file.
        check.setTimeout(PdfLoadCheck::defaultTimeoutMs());
        QVERIFY2(check.check(handMadePdf()), qPrintable(check.errorString()));
    }

    void appendNeedsNoCheckingProgram()
    {
        // An existing file of some size, appended to without any other program at hand.
        const QString target = m_dir.filePath(QStringLiteral("unchecked.pdf"));
        const QString big = m_dir.filePath(QStringLiteral("big.jpg"));
        QImage noise(1200, 1200, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x) {
                state = state * 1664525u + 1013904223u;
                noise.setPixel(x, y, state >> 8);
            }
        }
        QVERIFY(saveWithDpi(noise, big, "jpeg", 300));
        PdfWriter first;
        QCOMPARE(first.write(newFile(QStringLiteral("unchecked")), {big}, false, nullptr),
                 PdfWriter::Result::Finished);
        QVERIFY(QFileInfo(target).size() > 256 * 1024);
        PdfExportSettings s;
        s.appendFolder = target;
        PdfWriter writer;
        {
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", "/nonexistent");
            const auto restore = qScopeGuard([&path] { qputenv("PATH", path); });
            QCOMPARE(writer.write(s, {m_jpg1}, true, nullptr), PdfWriter::Result::Finished);
        }
        QCOMPARE(pageCount(target), 2);
    }

    void unwritableFolderFailsWithTarget()
    {
        PdfExportSettings s;
        s.docFolder = m_dir.filePath(QStringLiteral("no/such/folder"));
        s.docName = QStringLiteral("x");
        PdfWriter writer;
        QSignalSpy failed(&writer, &PdfWriter::failed);
        QCOMPARE(writer.write(s, {m_jpg1}, false, nullptr), PdfWriter::Result::TargetUnwritable);
        QCOMPARE(failed.first().first().toString(), PdfWriter::targetPath(s));
        // A folder where the file should go cannot be replaced either.
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("taken.pdf"))));
        QCOMPARE(writer.write(newFile(QStringLiteral("taken")), {m_jpg1}, false, nullptr),
                 PdfWriter::Result::TargetUnwritable);
    }

    void nothingToDoWithoutPagesOrTarget()
    {
        PdfWriter writer;
        QSignalSpy failed(&writer, &PdfWriter::failed);
        QCOMPARE(writer.write(newFile(QStringLiteral("none")), {}, false, nullptr),
                 PdfWriter::Result::NoPages);
        QCOMPARE(writer.write(newFile(QString()), {m_jpg1}, false, nullptr),
                 PdfWriter::Result::NoTarget);
        QCOMPARE(writer.write(newFile(QStringLiteral("n")), {m_jpg1}, true, nullptr),
                 PdfWriter::Result::NoTarget);
        QCOMPARE(failed.size(), 0);
    }

    void settingsRoundTripAndDefaults()
    {
        const PdfExportSettings defaults = PdfExportSettings::read();
        QCOMPARE(defaults, PdfExportSettings());
        PdfExportSettings s;
        s.docFolder = QStringLiteral("/d");
        s.docName = QStringLiteral("n");
        s.appendFolder = QStringLiteral("/d/a.pdf");
        s.needOpen = false;
        s.byCenter = false;
        s.paperSize = 29;
        s.orientation = 1;
        s.scale = 2;
        s.left = 1.5;
        s.right = 0.25;
        s.top = 2;
        s.bottom = 3;
        s.pdfPassword = QStringLiteral("pw");
        s.keepPassword = true;
        s.write();
        // The password never reaches the settings file.
        QVERIFY(!Settings::contains(SettingsKeys::PdfPassword));
        s.pdfPassword.clear();
        QCOMPARE(PdfExportSettings::read(), s);
    }
};

QTEST_GUILESS_MAIN(TestPdfWriter)
#include "tst_PdfWriter.moc"
