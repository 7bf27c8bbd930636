#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "PageTool.h"
#include "SyntheticPages.h"

using namespace SyntheticPages;

namespace {

constexpr int pageWidth = 874;
constexpr int pageHeight = 1240;
const PixelRect textBlock{150, 170, 574, 880};

QString toolPath()
{
    return qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-pagetool");
}

struct ToolResult
{
    int exitCode = -1;
    QString standardError;
};

ToolResult runTool(const QStringList &args)
{
    QProcess process;
    process.start(toolPath(), args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// A skewed text page at 150 dpi with a dark scanner border on the left, written as a TIFF.
PixelRect writeTextPage(const QString &path, double skew)
{
    InkLayer ink(pageWidth, pageHeight);
    const PixelRect truth = drawText(ink, textBlock, 21);
    PixPtr page = render(ink, skew);
    paint(page.get(), {0, 0, 12, pageHeight}, 25);
    pixWrite(path.toLocal8Bit().constData(), page.get(), IFF_TIFF_LZW);
    return truth;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

int marginPixels(int steps, int dpi)
{
    return int(std::lround(steps * 2.0 * dpi / 25.4));
}

} // namespace

class tst_PageTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void onePageGreyIsCutWithMargins();
    void blackAndWhiteIsGroupFourAndResampled();
    void spreadIsSplitAtItsGutter();
    void scanOnBedIsCutToItsContent_data();
    void scanOnBedIsCutToItsContent();
    void orientationLeftTurnsAnticlockwise();
    void pageWithoutContentStaysWhole();
    void badInputFailsWithoutOutput_data();
    void badInputFailsWithoutOutput();
    void commandLineMistakesExitTwo();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_out;
};

void tst_PageTool::initTestCase()
{
    QVERIFY2(QFile::exists(toolPath()), qPrintable(toolPath()));
    setMsgSeverity(L_SEVERITY_NONE);
}

void tst_PageTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_out = m_dir->filePath(QStringLiteral("output"));
    QVERIFY(QDir().mkpath(m_out));
}

void tst_PageTool::onePageGreyIsCutWithMargins()
{
    const QString input = m_dir->filePath(QStringLiteral("proc.tif"));
    const PixelRect truth = writeTextPage(input, 2.0);
    const ToolResult result =
        runTool({QStringLiteral("-l=1"), QStringLiteral("--color-mode=color_grayscale"),
                 QStringLiteral("--white-margins"), QStringLiteral("--margins-left=2"),
                 QStringLiteral("--margins-right=1"), QStringLiteral("--margins-top=3"),
                 QStringLiteral("--margins-bottom=0"), QStringLiteral("--normalize-illumination"),
                 QStringLiteral("--dpi=150"), QStringLiteral("--output-dpi=150"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(filesIn(m_out), QStringList{QStringLiteral("proc.tif")});

    PixPtr out(pixRead(QDir(m_out).filePath(QStringLiteral("proc.tif")).toLocal8Bit()));
    QVERIFY(out);
    QCOMPARE(pixGetDepth(out.get()), 8);
    QCOMPARE(pixGetXRes(out.get()), 150);
    // The straightened content sits at the margins, at its upright size, to within 2 pixels.
    const PixelRect content = darkBox(out.get());
    const int left = marginPixels(2, 150), right = marginPixels(1, 150);
    const int top = marginPixels(3, 150), bottom = 0;
    QVERIFY2(std::abs(content.x - left) <= 2 && std::abs(content.y - top) <= 2,
             qPrintable(QStringLiteral("content at %1,%2").arg(content.x).arg(content.y)));
    QVERIFY(std::abs(content.w - truth.w) <= 3 && std::abs(content.h - truth.h) <= 3);
    QVERIFY(std::abs(int(pixGetWidth(out.get())) - (truth.w + left + right)) <= 3);
    QVERIFY(std::abs(int(pixGetHeight(out.get())) - (truth.h + top + bottom)) <= 3);
}

void tst_PageTool::blackAndWhiteIsGroupFourAndResampled()
{
    const QString input = m_dir->filePath(QStringLiteral("page.tif"));
    writeTextPage(input, -1.0);
    const ToolResult result =
        runTool({QStringLiteral("-l=1"), QStringLiteral("--color-mode=black_and_white"),
                 QStringLiteral("--dpi=150"), QStringLiteral("--output-dpi=300"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    const QByteArray path = QDir(m_out).filePath(QStringLiteral("page.tif")).toLocal8Bit();
    l_int32 format = 0, w = 0, h = 0, bps = 0, spp = 0, cmap = 0;
    QCOMPARE(pixReadHeader(path.constData(), &format, &w, &h, &bps, &spp, &cmap), 0);
    QCOMPARE(format, int(IFF_TIFF_G4));
    QCOMPARE(bps, 1);
    // Without --white-margins the page keeps its size, here doubled with the resolution.
    QVERIFY(std::abs(w - 2 * pageWidth) <= 2 && std::abs(h - 2 * pageHeight) <= 2);
    PixPtr out(pixRead(path.constData()));
    QCOMPARE(pixGetXRes(out.get()), 300);
    QCOMPARE(pixGetYRes(out.get()), 300);
}

void tst_PageTool::spreadIsSplitAtItsGutter()
{
    // Gutter shadow at 54 % of the width; the whole spread skewed by 1 degree.
    const int w = 2 * pageWidth;
    const int gutter = int(0.54 * w);
    InkLayer ink(w, pageHeight);
    drawText(ink, {120, 170, gutter - 220, 880}, 5);
    drawText(ink, {gutter + 100, 170, w - gutter - 220, 880}, 6);
    PixPtr upright(pixCreate(w, pageHeight, 8));
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < w; ++x) {
            const double paper = 232.0 * (1.0 - 0.45 * std::exp(-std::pow((x - gutter) / 30.0, 2)));
            pixSetPixel(upright.get(), x, y,
                        l_uint32(std::lround(paper - ink.at(x, y) * (paper - 30.0))));
        }
    PixPtr spread(pixRotate(upright.get(), float(1.0 * 3.14159265358979 / 180.0), L_ROTATE_AREA_MAP,
                            L_BRING_IN_WHITE, 0, 0));
    const QString input = m_dir->filePath(QStringLiteral("book.spread.png"));
    pixWrite(input.toLocal8Bit().constData(), spread.get(), IFF_PNG);

    const ToolResult result =
        runTool({QStringLiteral("-l=2"), QStringLiteral("--color-mode=color_grayscale"),
                 QStringLiteral("--dpi=150"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(filesIn(m_out),
             (QStringList{QStringLiteral("book_1L.tif"), QStringLiteral("book_2R.tif")}));
    PixPtr left(pixRead(QDir(m_out).filePath(QStringLiteral("book_1L.tif")).toLocal8Bit()));
    PixPtr right(pixRead(QDir(m_out).filePath(QStringLiteral("book_2R.tif")).toLocal8Bit()));
    QVERIFY(left && right);
    QVERIFY2(std::abs(int(pixGetWidth(left.get())) - gutter) <= 0.005 * w,
             qPrintable(QStringLiteral("left page %1 wide, gutter at %2")
                            .arg(pixGetWidth(left.get()))
                            .arg(gutter)));
    QCOMPARE(int(pixGetWidth(left.get()) + pixGetWidth(right.get())), w);
}

void tst_PageTool::scanOnBedIsCutToItsContent_data()
{
    QTest::addColumn<int>("kind");
    for (ScanKind kind : {ScanKind::DarkBedTilted, ScanKind::TitleOnly, ScanKind::Spread})
        QTest::newRow(scanKindName(kind)) << int(kind);
}

void tst_PageTool::scanOnBedIsCutToItsContent()
{
    // The bed is left dark (no levelling), so any of it kept in a page shows in its dark box.
    QFETCH(int, kind);
    const Scan scan = drawScan(ScanKind(kind), 150);
    const bool spread = isSpread(ScanKind(kind));
    const QString input = m_dir->filePath(QStringLiteral("bed.png"));
    QVERIFY(pixWrite(input.toLocal8Bit().constData(), scan.pix.get(), IFF_PNG) == 0);
    const ToolResult result =
        runTool({spread ? QStringLiteral("-l=2") : QStringLiteral("-l=1"),
                 QStringLiteral("--color-mode=color_grayscale"), QStringLiteral("--white-margins"),
                 QStringLiteral("--margins=1"), QStringLiteral("--dpi=150"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    const QStringList names =
        spread ? QStringList{QStringLiteral("bed_1L.tif"), QStringLiteral("bed_2R.tif")}
               : QStringList{QStringLiteral("bed.tif")};
    QCOMPARE(filesIn(m_out), names);
    const int margin = marginPixels(1, 150);
    for (int i = 0; i < names.size(); ++i) {
        PixPtr out(pixRead(QDir(m_out).filePath(names[i]).toLocal8Bit()));
        QVERIFY(out);
        const PixelRect &truth = scan.content.at(i);
        const PixelRect content = darkBox(out.get());
        const QString message = QStringLiteral("%1: content %2,%3 %4x%5 in %6x%7, truth %8x%9")
                                    .arg(names[i])
                                    .arg(content.x)
                                    .arg(content.y)
                                    .arg(content.w)
                                    .arg(content.h)
                                    .arg(pixGetWidth(out.get()))
                                    .arg(pixGetHeight(out.get()))
                                    .arg(truth.w)
                                    .arg(truth.h);
        QVERIFY2(std::abs(content.x - margin) <= 3 && std::abs(content.y - margin) <= 3,
                 qPrintable(message));
        QVERIFY2(std::abs(content.w - truth.w) <= 4 && std::abs(content.h - truth.h) <= 4,
                 qPrintable(message));
        QVERIFY2(std::abs(int(pixGetWidth(out.get())) - (truth.w + 2 * margin)) <= 4 &&
                     std::abs(int(pixGetHeight(out.get())) - (truth.h + 2 * margin)) <= 4,
                 qPrintable(message));
    }
}

void tst_PageTool::orientationLeftTurnsAnticlockwise()
{
    // A mark in the top-right corner of a landscape image lands top-left after a quarter turn
    // anticlockwise.
    PixPtr page(pixCreate(300, 200, 8));
    pixSetAllGray(page.get(), 240);
    paint(page.get(), {260, 10, 30, 30}, 0);
    const QString input = m_dir->filePath(QStringLiteral("turn.png"));
    pixWrite(input.toLocal8Bit().constData(), page.get(), IFF_PNG);
    const ToolResult result =
        runTool({QStringLiteral("--orientation=left"), QStringLiteral("--deskew=manual"),
                 QStringLiteral("--dpi=150"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    PixPtr out(pixRead(QDir(m_out).filePath(QStringLiteral("turn.tif")).toLocal8Bit()));
    QVERIFY(out);
    QCOMPARE(pixGetWidth(out.get()), 200);
    QCOMPARE(pixGetHeight(out.get()), 300);
    QCOMPARE(darkBox(out.get()), (PixelRect{10, 10, 30, 30}));
}

void tst_PageTool::pageWithoutContentStaysWhole()
{
    PixPtr page(pixCreate(400, 500, 8));
    pixSetAllGray(page.get(), 235);
    const QString input = m_dir->filePath(QStringLiteral("empty.png"));
    pixWrite(input.toLocal8Bit().constData(), page.get(), IFF_PNG);
    const ToolResult result =
        runTool({QStringLiteral("--white-margins"), QStringLiteral("--margins=5"), input, m_out});
    QCOMPARE(result.exitCode, 0);
    PixPtr out(pixRead(QDir(m_out).filePath(QStringLiteral("empty.tif")).toLocal8Bit()));
    QVERIFY(out);
    QCOMPARE(pixGetWidth(out.get()), 400);
    QCOMPARE(pixGetHeight(out.get()), 500);
}

void tst_PageTool::badInputFailsWithoutOutput_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("text") << QByteArray("not an image at all\n") << true;
    QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << true;
    QTest::newRow("absurd size") << QByteArray("P5\n40000 40000\n255\n") + QByteArray(64, 'x')
                                 << true;
    QTest::newRow("zero size") << QByteArray("P5\n0 0\n255\n") << true;
    QTest::newRow("short pixel data")
        << QByteArray("P5\n2000 2000\n255\n") + QByteArray(10, 'x') << true;
}

void tst_PageTool::badInputFailsWithoutOutput()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString input = m_dir->filePath(QStringLiteral("bad.pnm"));
    if (exists) {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const ToolResult result =
        runTool({QStringLiteral("-l=2"), QStringLiteral("--white-margins"), input, m_out});
    QVERIFY2(result.exitCode > 0, qPrintable(QString::number(result.exitCode)));
    QCOMPARE(result.standardError.count(QLatin1Char('\n')), 1);
    QVERIFY(filesIn(m_out).isEmpty());
}

void tst_PageTool::commandLineMistakesExitTwo()
{
    const QString input = m_dir->filePath(QStringLiteral("page.tif"));
    writeTextPage(input, 0.0);
    for (const QStringList &args :
         {QStringList{QStringLiteral("--margins=x"), input, m_out},
          QStringList{QStringLiteral("--speed=fast"), input, m_out}, QStringList{input}}) {
        const ToolResult result = runTool(args);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.standardError.count(QLatin1Char('\n')), 1);
    }
    QVERIFY(filesIn(m_out).isEmpty());
}

QTEST_GUILESS_MAIN(tst_PageTool)
#include "tst_PageTool.moc"
