#include <QTest>

#include <cmath>

#include "ContentBox.h"
#include "GutterFinder.h"
#include "PageBinarization.h"
#include "PageTool.h"
#include "SkewDetection.h"
#include "SyntheticPages.h"

using namespace SyntheticPages;

namespace {

// A5-sized page at 150 dpi: large enough for real line lengths, small enough to draw quickly.
constexpr int pageWidth = 874;
constexpr int pageHeight = 1240;
constexpr int dpi = 150;

struct TextPage
{
    PixPtr pix;
    PixelRect truth;
};

TextPage textPage(double skew, unsigned seed, PaperFunction paper = evenPaper)
{
    InkLayer ink(pageWidth, pageHeight);
    const PixelRect truth = drawText(ink, {150, 170, 574, 880}, seed);
    return {render(ink, skew, paper), truth};
}

// Mean grey value inside a rectangle of an 8 bpp image.
double mean(PIX *pix, const PixelRect &r)
{
    double sum = 0.0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            l_uint32 v = 0;
            pixGetPixel(pix, x, y, &v);
            sum += v;
        }
    return sum / (double(r.w) * r.h);
}

// Fraction of black pixels inside a rectangle of a 1-bit image.
double blackFraction(PIX *binary, const PixelRect &r)
{
    BoxPtr box(boxCreate(r.x, r.y, r.w, r.h));
    PixPtr clip(pixClipRectangle(binary, box.get(), nullptr));
    l_int32 black = 0;
    pixCountPixels(clip.get(), &black, nullptr);
    return double(black) / (double(r.w) * r.h);
}

int mmToPixels(double mm)
{
    return int(std::lround(mm * dpi / 25.4));
}

QString describe(const PixelRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h);
}

// Empty when each side of `found` lies within 1.5 mm of the sheet's edge where that edge shows
// at least 3 mm inside a `width` x `height` image, and on the image's edge where it does not;
// otherwise what is wrong.
QString sheetMismatch(const PixelRect &found, const PixelRect &sheet, int width, int height)
{
    const int margin = mmToPixels(3.0);
    const int tolerance = mmToPixels(1.5);
    const auto side = [&](const char *name, int got, int edge, int imageEdge, bool shows) {
        const int expected = shows ? edge : imageEdge;
        const int allowed = shows ? tolerance : 0;
        return std::abs(got - expected) <= allowed ? QString()
                                                   : QStringLiteral("%1 side at %2, expected %3; ")
                                                         .arg(QLatin1String(name))
                                                         .arg(got)
                                                         .arg(expected);
    };
    return side("left", found.x, sheet.x, 0, sheet.x >= margin) +
           side("top", found.y, sheet.y, 0, sheet.y >= margin) +
           side("right", found.x + found.w, sheet.x + sheet.w, width,
                sheet.x + sheet.w <= width - margin) +
           side("bottom", found.y + found.h, sheet.y + sheet.h, height,
                sheet.y + sheet.h <= height - margin);
}

} // namespace

class tst_PageAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setMsgSeverity(L_SEVERITY_NONE); }
    void skewIsFound_data();
    void skewIsFound();
    void straightenedPageCoversTheUprightBox();
    void rotationIsClockwiseAlsoForTinyAngles();
    void broughtInCoversWhatTheTurnBringsIn_data();
    void broughtInCoversWhatTheTurnBringsIn();
    void contentBoxIgnoresBordersSpecksAndHoles();
    void blankPageHasNoContent();
    void fullStopNearTextBelongsToTheContent();
    void faintTextSurvivesUnevenLight();
    void levelledPaperIsEvenAndWhite();
    void gutterShadowOffCentreIsFound();
    void blankGapSplitsOneBitSpread();
    void uprightTestChartIsNotTurned();
    void scanKindsAreAnalysed_data();
    void scanKindsAreAnalysed();
    void pageWithoutBedIsOneSheet_data();
    void pageWithoutBedIsOneSheet();
};

void tst_PageAnalysis::skewIsFound_data()
{
    QTest::addColumn<double>("skew");
    for (double skew : {-13.0, -6.4, -1.1, 0.0, 0.35, 2.5, 8.75, 14.0})
        QTest::addRow("%+.2f", skew) << skew;
}

void tst_PageAnalysis::skewIsFound()
{
    QFETCH(double, skew);
    const TextPage page = textPage(skew, 7);
    const double found = SkewDetection::findSkew(page.pix.get(), dpi);
    QVERIFY2(std::fabs(found - skew) < 0.05,
             qPrintable(QStringLiteral("found %1 for %2").arg(found).arg(skew)));
}

void tst_PageAnalysis::straightenedPageCoversTheUprightBox()
{
    // The oracle is the drawing itself: turned back by the found angle, the ink lies where it
    // was drawn upright, which fails for a wrong sign or a wrong amount.
    for (double skew : {-4.0, 3.0}) {
        const TextPage page = textPage(skew, 11);
        PixPtr straight =
            SkewDetection::rotate(page.pix.get(), -SkewDetection::findSkew(page.pix.get(), dpi));
        QVERIFY(straight);
        QCOMPARE(pixGetWidth(straight.get()), pageWidth);
        const double overlap = iou(darkBox(straight.get()), page.truth);
        QVERIFY2(overlap > 0.99, qPrintable(QString::number(overlap)));
    }
}

void tst_PageAnalysis::rotationIsClockwiseAlsoForTinyAngles()
{
    // A horizontal bar across the page; turned clockwise its right end goes down. 0.03 degrees
    // is below the smallest angle Leptonica's rotations act on.
    for (double degrees : {3.0, 0.03}) {
        PixPtr page(pixCreate(1600, 200, 8));
        pixSetAllGray(page.get(), 255);
        paint(page.get(), {0, 90, 1600, 20}, 0);
        PixPtr turned = SkewDetection::rotate(page.get(), degrees);
        QVERIFY(turned);
        const auto centreRow = [&](int x) {
            double weight = 0.0, sum = 0.0;
            for (int y = 0; y < 200; ++y) {
                l_uint32 v = 0;
                pixGetPixel(turned.get(), x, y, &v);
                weight += 255.0 - v;
                sum += (255.0 - v) * y;
            }
            return sum / weight;
        };
        const double drop = centreRow(1500) - centreRow(100);
        const double expected = 1400 * std::tan(degrees * 3.14159265358979 / 180.0);
        QVERIFY2(std::fabs(drop - expected) < 0.1 * expected + 0.1,
                 qPrintable(QStringLiteral("drop %1, expected %2").arg(drop).arg(expected)));
    }
}

void tst_PageAnalysis::broughtInCoversWhatTheTurnBringsIn_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("width");
    // Tiny angles take the shearing path of rotate(), the others Leptonica's rotation.
    QTest::newRow("-9.8, even width") << -9.8 << 600;
    QTest::newRow("-0.05, shear") << -0.05 << 600;
    QTest::newRow("0.03, shear, odd width") << 0.03 << 601;
    QTest::newRow("2.0, odd width") << 2.0 << 601;
    QTest::newRow("7.0") << 7.0 << 600;
}

void tst_PageAnalysis::broughtInCoversWhatTheTurnBringsIn()
{
    // The oracle is the turn itself: a black page turned shows white, or a blend of white,
    // exactly where something was brought in. The mask must cover all of it and little more.
    QFETCH(double, degrees);
    QFETCH(int, width);
    constexpr int height = 800;
    PixPtr black(pixCreate(width, height, 8));
    PixPtr turned = SkewDetection::rotate(black.get(), degrees);
    PixPtr mask = SkewDetection::broughtIn(width, height, degrees);
    QVERIFY(turned && mask);
    int uncovered = 0, needless = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            l_uint32 value = 0, masked = 0;
            pixGetPixel(turned.get(), x, y, &value);
            pixGetPixel(mask.get(), x, y, &masked);
            uncovered += value > 0 && !masked;
            needless += value == 0 && masked;
        }
    QCOMPARE(uncovered, 0);
    // About one pixel along the edges of what came in.
    QVERIFY2(needless <= 2 * (width + height), qPrintable(QString::number(needless)));
}

void tst_PageAnalysis::contentBoxIgnoresBordersSpecksAndHoles()
{
    TextPage page = textPage(0.0, 3);
    PIX *pix = page.pix.get();
    paint(pix, {0, 0, 14, pageHeight}, 25);              // scanner border, left
    paint(pix, {0, pageHeight - 30, pageWidth, 30}, 90); // lid shadow, bottom
    paint(pix, {pageWidth - 40, 60, 2, 2}, 30);          // specks in the margins
    paint(pix, {60, pageHeight - 100, 2, 2}, 30);
    paint(pix, {pageWidth / 2, 40, 2, 2}, 30);
    paintDisc(pix, 55, pageHeight / 2, 26, 20); // punched hole, 9 mm
    const PixelRect found = ContentBox::find(pix, dpi);
    QVERIFY2(iou(found, page.truth) >= 0.99,
             qPrintable(QStringLiteral("found %1,%2 %3x%4, truth %5,%6 %7x%8")
                            .arg(found.x)
                            .arg(found.y)
                            .arg(found.w)
                            .arg(found.h)
                            .arg(page.truth.x)
                            .arg(page.truth.y)
                            .arg(page.truth.w)
                            .arg(page.truth.h)));
}

void tst_PageAnalysis::blankPageHasNoContent()
{
    PixPtr blank(pixCreate(pageWidth, pageHeight, 8));
    pixSetAllGray(blank.get(), 235);
    paint(blank.get(), {pageWidth - 12, 0, 12, pageHeight}, 30);
    paint(blank.get(), {300, 500, 2, 2}, 30);
    QVERIFY(ContentBox::find(blank.get(), dpi).isEmpty());
}

void tst_PageAnalysis::fullStopNearTextBelongsToTheContent()
{
    // A lone dot 1 mm below the last line is part of the page; the same dot 2 cm away is dust.
    TextPage page = textPage(0.0, 5);
    const PixelRect &t = page.truth;
    paint(page.pix.get(), {t.x + 40, t.y + t.h + 6, 3, 3}, 30);
    QCOMPARE(ContentBox::find(page.pix.get(), dpi).h, t.h + 9);
    paint(page.pix.get(), {t.x + 40, t.y + t.h + 120, 3, 3}, 30);
    QCOMPARE(ContentBox::find(page.pix.get(), dpi).h, t.h + 9);
}

void tst_PageAnalysis::faintTextSurvivesUnevenLight()
{
    // Ink at 70 % of the paper: invisible to a global threshold under light that falls from
    // 235 to 120 across the page.
    InkLayer ink(pageWidth, pageHeight);
    ink.fill({100, 200, 600, 12});
    ink.fill({100, 1100, 600, 12});
    PixPtr page(pixCreate(pageWidth, pageHeight, 8));
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < pageWidth; ++x) {
            const double paper = unevenPaper(x, y, pageWidth, pageHeight);
            const double a = ink.at(x, y);
            pixSetPixel(page.get(), x, y, l_uint32(std::lround(paper * (1.0 - 0.3 * a))));
        }
    PixPtr binary = PageBinarization::binarize(page.get(), dpi);
    QVERIFY(binary);
    QVERIFY(blackFraction(binary.get(), {100, 200, 600, 12}) > 0.95);
    QVERIFY(blackFraction(binary.get(), {100, 1100, 600, 12}) > 0.95);
    QVERIFY(blackFraction(binary.get(), {0, 400, pageWidth, 600}) < 0.002);
}

void tst_PageAnalysis::levelledPaperIsEvenAndWhite()
{
    const TextPage page = textPage(0.0, 9, unevenPaper);
    PixPtr level = PageBinarization::levelBackground(page.pix.get(), 255, dpi);
    QVERIFY(level);
    // Paper in the top-left and bottom-right margins, 115 levels apart before.
    const double topLeft = mean(level.get(), {20, 20, 80, 80});
    const double bottomRight = mean(level.get(), {pageWidth - 100, pageHeight - 100, 80, 80});
    QVERIFY2(topLeft > 245 && bottomRight > 245,
             qPrintable(QStringLiteral("%1 %2").arg(topLeft).arg(bottomRight)));
    // Text in the dark corner keeps its contrast: its darkest pixels stay dark.
    PixPtr binary = PageBinarization::binarize(level.get(), dpi);
    const PixelRect &t = page.truth;
    QVERIFY(blackFraction(binary.get(), {t.x + t.w - 200, t.y + t.h - 150, 200, 150}) > 0.15);
}

void tst_PageAnalysis::gutterShadowOffCentreIsFound()
{
    // Two pages meeting at 46 % of the width, with the binding's shadow there and text on both.
    const int w = 2 * pageWidth;
    const int gutter = int(0.46 * w);
    InkLayer ink(w, pageHeight);
    drawText(ink, {120, 170, gutter - 220, 880}, 1);
    drawText(ink, {gutter + 100, 170, w - gutter - 220, 880}, 2);
    PixPtr spread(pixCreate(w, pageHeight, 8));
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < w; ++x) {
            const double sigma = x < gutter ? 35.0 : 22.0;
            const double paper =
                232.0 * (1.0 - 0.45 * std::exp(-std::pow((x - gutter) / sigma, 2)));
            const double v = paper - ink.at(x, y) * (paper - 30.0);
            pixSetPixel(spread.get(), x, y, l_uint32(std::lround(v)));
        }
    const GutterFinder::Gutter found = GutterFinder::find(spread.get(), dpi);
    QCOMPARE(found.evidence, GutterFinder::Evidence::Shadow);
    QVERIFY2(std::abs(found.x - gutter) <= 0.005 * w,
             qPrintable(QStringLiteral("found %1, truth %2").arg(found.x).arg(gutter)));
}

void tst_PageAnalysis::blankGapSplitsOneBitSpread()
{
    // A 1-bit spread has no shadow: the split falls in the middle of the blank band between
    // the two text blocks, which here lies right of the centre.
    const int w = 2 * pageWidth;
    const int gapStart = int(0.50 * w);
    const int gapEnd = int(0.58 * w);
    InkLayer ink(w, pageHeight);
    drawText(ink, {120, 170, gapStart - 120, 880}, 3);
    drawText(ink, {gapEnd, 170, w - gapEnd - 120, 880}, 4);
    PixPtr grey = render(ink, 0.0);
    PixPtr binary(pixThresholdToBinary(grey.get(), 128));
    const GutterFinder::Gutter found = GutterFinder::find(binary.get(), dpi);
    QCOMPARE(found.evidence, GutterFinder::Evidence::WhiteGap);
    const int truth = (gapStart + gapEnd) / 2;
    QVERIFY2(std::abs(found.x - truth) <= 0.005 * w,
             qPrintable(QStringLiteral("found %1, truth %2").arg(found.x).arg(truth)));
}

void tst_PageAnalysis::uprightTestChartIsNotTurned()
{
    // Lines every 5 pixels alias on the coarse sweep's reduced copy, where this chart scored best
    // turned by almost 6 degrees; its true peak is upright and a tenth of a degree wide.
    PixPtr chart = drawTestChart(2362);
    const double found = SkewDetection::findSkew(chart.get(), 300);
    QVERIFY2(std::fabs(found) < 0.05, qPrintable(QString::number(found)));
}

void tst_PageAnalysis::scanKindsAreAnalysed_data()
{
    QTest::addColumn<int>("kind");
    for (ScanKind kind : allScanKinds())
        QTest::newRow(scanKindName(kind)) << int(kind);
}

void tst_PageAnalysis::scanKindsAreAnalysed()
{
    // A little looser than the benchmark's goals (IoU 0.98, 0.1 degrees, 1 % of the width), so
    // that only a real loss fails.
    constexpr double minIou = 0.97;
    constexpr double maxSkewError = 0.15;
    constexpr double maxGutterError = 0.015;
    QFETCH(int, kind);
    const Scan scan = drawScan(ScanKind(kind), dpi);
    const int width = pixGetWidth(scan.pix.get());
    const int height = pixGetHeight(scan.pix.get());

    if (!isSpread(ScanKind(kind))) {
        const PageLayout layout = PageTool::analysePage(scan.pix.get(), dpi, true);
        QVERIFY2(std::fabs(layout.skew - scan.skew) <= maxSkewError,
                 qPrintable(QStringLiteral("skew %1, truth %2").arg(layout.skew).arg(scan.skew)));
        const QString mismatch = sheetMismatch(layout.paper, scan.sheet, width, height);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch + describe(layout.paper)));
        const double overlap = iou(layout.content, scan.content.at(0));
        QVERIFY2(overlap >= minIou,
                 qPrintable(QStringLiteral("IoU %1: found %2, truth %3")
                                .arg(overlap)
                                .arg(describe(layout.content), describe(scan.content.at(0)))));
        return;
    }

    const SpreadSplit split = PageTool::splitSpread(scan.pix.get(), true, dpi);
    QCOMPARE(split.pages.size(), size_t(2));
    QCOMPARE(split.papers.size(), size_t(2));
    QVERIFY2(std::abs(split.gutter - scan.gutter) <= maxGutterError * width,
             qPrintable(QStringLiteral("gutter %1, truth %2").arg(split.gutter).arg(scan.gutter)));
    const PixelRect &book = scan.sheet;
    for (int i = 0; i < 2; ++i) {
        PIX *page = split.pages[i].get();
        const PageLayout layout = PageTool::analysePage(page, dpi, true, split.papers[i]);
        // Each page is turned by the spread's skew, then by its own.
        const double turned = split.skew + layout.skew;
        QVERIFY2(std::fabs(turned - scan.skew) <= maxSkewError,
                 qPrintable(QStringLiteral("page %1 turned by %2, truth %3")
                                .arg(i)
                                .arg(turned)
                                .arg(scan.skew)));
        // The page's part of the book: its outer edge, top and bottom show; it ends at the cut.
        const PixelRect sheet = i == 0
                                    ? PixelRect{book.x, book.y, split.gutter - book.x, book.h}
                                    : PixelRect{0, book.y, book.x + book.w - split.gutter, book.h};
        const QString mismatch =
            sheetMismatch(layout.paper, sheet, pixGetWidth(page), pixGetHeight(page));
        QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(i) + mismatch +
                                                describe(layout.paper)));
        PixelRect truth = scan.content.at(i);
        if (i == 1)
            truth.x -= split.gutter;
        const double overlap = iou(layout.content, truth);
        QVERIFY2(overlap >= minIou,
                 qPrintable(QStringLiteral("page %1 IoU %2: found %3, truth %4")
                                .arg(i)
                                .arg(overlap)
                                .arg(describe(layout.content), describe(truth))));
    }
}

void tst_PageAnalysis::pageWithoutBedIsOneSheet_data()
{
    QTest::addColumn<double>("skew");
    QTest::addColumn<bool>("unevenLight");
    QTest::addColumn<int>("lid");
    // Light falling from 235 to 120 is darker in a corner than a grey bed, but has no edge.
    QTest::newRow("even light") << 2.0 << false << -1;
    QTest::newRow("light falling off") << 0.0 << true << -1;
    QTest::newRow("light falling off, turned") << -3.0 << true << -1;
    // A white lid is brighter than the paper: nothing darker surrounds the sheet.
    QTest::newRow("white lid") << 1.0 << false << 252;
}

void tst_PageAnalysis::pageWithoutBedIsOneSheet()
{
    QFETCH(double, skew);
    QFETCH(bool, unevenLight);
    QFETCH(int, lid);
    TextPage page = textPage(skew, 13, unevenLight ? unevenPaper : evenPaper);
    if (lid >= 0) {
        PIX *pix = page.pix.get();
        paint(pix, {0, 0, pageWidth, 40}, lid);
        paint(pix, {0, pageHeight - 40, pageWidth, 40}, lid);
        paint(pix, {0, 0, 40, pageHeight}, lid);
        paint(pix, {pageWidth - 40, 0, 40, pageHeight}, lid);
    }
    const PageLayout layout = PageTool::analysePage(page.pix.get(), dpi, true);
    QCOMPARE(layout.paper, (PixelRect{0, 0, pageWidth, pageHeight}));
    const double overlap = iou(layout.content, page.truth);
    QVERIFY2(overlap >= 0.99, qPrintable(QString::number(overlap)));
}

QTEST_GUILESS_MAIN(tst_PageAnalysis)
#include "tst_PageAnalysis.moc"
