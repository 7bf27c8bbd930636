#include <QTemporaryDir>
#include <QTest>

#include "imaging/PageProcessor.h"
#include "scan/AfterScanPipeline.h"
#include "support/TestPages.h"
#include "support/TestPaths.h"

// What becomes of a scanned image: the wizard's turn rule, and that a spread is never lost when
// the page tool cannot split it or is not there at all.
class tst_AfterScanPipeline : public QObject
{
    Q_OBJECT

private slots:
    void turnRule_data();
    void turnRule();
    void wizardPageIsTurnedKeepingItsResolution();
    void failedSplitKeepsTheWholeSpread();
    void missingToolLeavesThePageAsScanned();
    void uprightWithoutItsToolKeepsThePageAndSaysWhy();
};

void tst_AfterScanPipeline::turnRule_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("pageNumber");
    QTest::addColumn<int>("degrees");
    QTest::newRow("never") << 0 << 0 << 0 << 0;
    QTest::newRow("every page, half turn") << 1 << 0 << 3 << 180;
    QTest::newRow("every page, quarter left") << 1 << 1 << 0 << -90;
    QTest::newRow("every page, quarter right") << 1 << 2 << 1 << 90;
    QTest::newRow("every page, unknown angle") << 1 << 3 << 0 << 0;
    QTest::newRow("even mode, first page") << 2 << 2 << 0 << 90;
    QTest::newRow("even mode, second page") << 2 << 2 << 1 << 0;
    QTest::newRow("even mode, third page") << 2 << 0 << 2 << 180;
    QTest::newRow("odd mode, first page") << 3 << 1 << 0 << 0;
    QTest::newRow("odd mode, second page") << 3 << 1 << 1 << -90;
    QTest::newRow("unknown mode") << 7 << 0 << 1 << 0;
}

void tst_AfterScanPipeline::turnRule()
{
    QFETCH(int, mode);
    QFETCH(int, angle);
    QFETCH(int, pageNumber);
    QFETCH(int, degrees);
    QCOMPARE(AfterScanPipeline::turnDegrees(mode, angle, pageNumber), degrees);
}

void tst_AfterScanPipeline::wizardPageIsTurnedKeepingItsResolution()
{
    PageProcessor noTool{QString()};
    ScanSettings settings;
    settings.autoCrop = false;
    settings.rotateMode = 1;
    settings.rotateAngle = 1;
    const QImage scanned = TestPages::pageImage(2, QImage::Format_RGB32, 200);
    QList<AfterScanPipeline::Step> steps;
    const auto result = AfterScanPipeline(noTool).process(
        scanned, settings, 0, true, [&steps](AfterScanPipeline::Step step) { steps << step; });
    QCOMPARE(steps, QList<AfterScanPipeline::Step>{AfterScanPipeline::Step::Rotating});
    QCOMPARE(result.pages.size(), 1);
    QCOMPARE(result.pages.first().size(), scanned.size().transposed());
    QCOMPARE(result.pages.first().dotsPerMeterX(), scanned.dotsPerMeterX());
    QVERIFY(!result.toolMissing);

    // A page of a plain scan is never turned by the wizard's rule.
    const auto plain = AfterScanPipeline(noTool).process(scanned, settings, 0, false);
    QCOMPARE(plain.pages.first().size(), scanned.size());
}

void tst_AfterScanPipeline::failedSplitKeepsTheWholeSpread()
{
    // A tool that runs and leaves no result, as the real one does on a page it cannot read.
    PageProcessor silent(QStringLiteral("/bin/true"));
    ScanSettings settings;
    settings.bookScan = true;
    settings.splitSpread = true;
    settings.colourMode = 4;
    const QImage spread = TestPages::pageImage(7, QImage::Format_RGB32, 300);
    const auto result = AfterScanPipeline(silent).process(spread, settings, 0, false);
    QVERIFY(result.splitFailed);
    QCOMPARE(result.pages.size(), 1);
    QCOMPARE(result.pages.first(), spread);
}

void tst_AfterScanPipeline::missingToolLeavesThePageAsScanned()
{
    PageProcessor missing{QString()};
    ScanSettings settings; // automatic cropping is on by default
    settings.colourMode = 1;
    const QImage scanned = TestPages::pageImage(3, QImage::Format_RGB32, 200);
    const auto result = AfterScanPipeline(missing).process(scanned, settings, 0, false);
    QVERIFY(result.toolMissing);
    QVERIFY(result.blackAndWhite);
    QCOMPARE(result.pages, QList<QImage>{scanned});
}

void tst_AfterScanPipeline::uprightWithoutItsToolKeepsThePageAndSaysWhy()
{
    // No recognition tool beside the test program or on this PATH.
    qputenv("PATH", "/nonexistent");
    PageProcessor noTool{QString()};
    ScanSettings settings;
    settings.autoCrop = false;
    settings.autoUpright = true;
    const QImage scanned = TestPages::pageImage(4, QImage::Format_RGB32, 200);
    QList<AfterScanPipeline::Step> steps;
    const auto result = AfterScanPipeline(noTool).process(
        scanned, settings, 0, false, [&steps](AfterScanPipeline::Step step) { steps << step; });
    QCOMPARE(steps, QList<AfterScanPipeline::Step>{AfterScanPipeline::Step::TurningUpright});
    QCOMPARE(result.upright.status, OcrRunner::Status::MissingTool);
    QCOMPARE(result.pages, QList<QImage>{scanned});
}

QTEST_GUILESS_MAIN(tst_AfterScanPipeline)
#include "tst_AfterScanPipeline.moc"
