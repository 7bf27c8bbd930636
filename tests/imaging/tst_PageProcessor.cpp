#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/AppPaths.h"
#include "imaging/PageProcessor.h"
#include "support/TestPaths.h"

// The runner with small scripts standing in for the tool: they record their arguments, copy
// or draw results, stay silent or run too long.
class tst_PageProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void missingToolLeavesImageAndGivesCopies();
    void resultReplacesImage();
    void staleOutputIsNeverPickedUp();
    void twoPagesWithoutResultGiveEmptyList();
    void slowToolIsEndedAndPartialOutputUsed();
    void splitSpreadCollectsBothHalves();
    void realToolCutsAndSplits();

private:
    QString tool(const QString &name, const QByteArray &body);
    QImage page(QImage::Format format = QImage::Format_RGB32) const;

    QTemporaryDir m_dir;
};

void tst_PageProcessor::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QVERIFY(m_dir.isValid());
}

QString tst_PageProcessor::tool(const QString &name, const QByteArray &body)
{
    const QString path = m_dir.filePath(name);
    // "$out" is the output folder, "$in" the input; the arguments go to args.txt beside it.
    const QByteArray script = "#!/bin/bash\nin=\"${@: -2:1}\"\nout=\"${@: -1}\"\n"
                              "printf '%s\\n' \"$@\" > \"$out/../args.txt\"\n" +
                              body + "\n";
    if (!TestPaths::writeFile(path, script))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QImage tst_PageProcessor::page(QImage::Format format) const
{
    QImage image(60, 80, format);
    image.fill(format == QImage::Format_Mono ? 1u : 0xff336699u);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    return image;
}

void tst_PageProcessor::missingToolLeavesImageAndGivesCopies()
{
    PageProcessor processor(m_dir.filePath(QStringLiteral("no-such-tool")));
    QImage image = page();
    const QImage before = image;
    processor.autoCropImage(image);
    QCOMPARE(image, before);
    // The input was still written for the tool.
    QVERIFY(QFile::exists(PageProcessor::inputFile()));
    const QList<QImage> spread = processor.processScannedImage(before, true, false);
    QCOMPARE(spread.size(), 1);
    QCOMPARE(spread.first(), before);
    QVERIFY(processor.splitSpreadFile(m_dir.filePath(QStringLiteral("x.jpg")), 300).isEmpty());
}

void tst_PageProcessor::resultReplacesImage()
{
    // The stand-in writes a 30 x 40 page as its result.
    const QString fake =
        tool(QStringLiteral("crop.sh"), "convert -size 30x40 xc:white -depth 8 \"$out/proc.tif\"");
    PageProcessor processor(fake);
    QImage image = page(QImage::Format_Mono);
    processor.autoCropImage(image);
    QCOMPARE(image.size(), QSize(30, 40));
    QFile args(PageProcessor::processingFolder() + QStringLiteral("/args.txt"));
    QVERIFY(args.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(args.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("--color-mode=black_and_white")));
    QVERIFY(lines.contains(QStringLiteral("--dpi=300")));
    QCOMPARE(lines.at(lines.size() - 3), PageProcessor::inputFile());
}

void tst_PageProcessor::staleOutputIsNeverPickedUp()
{
    QDir().mkpath(PageProcessor::outputFolder());
    QVERIFY(QImage(10, 10, QImage::Format_RGB32)
                .save(PageProcessor::outputFolder() + QStringLiteral("/proc.tif")));
    PageProcessor processor(tool(QStringLiteral("silent.sh"), "exit 0"));
    QImage image = page();
    processor.autoCropImage(image);
    QCOMPARE(image.size(), QSize(60, 80));
    // One page, no result: a copy of the input.
    const QList<QImage> pages = processor.processScannedImage(page(), false, false);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().size(), QSize(60, 80));
}

void tst_PageProcessor::twoPagesWithoutResultGiveEmptyList()
{
    PageProcessor processor(
        tool(QStringLiteral("left-only.sh"),
             "[ \"$1\" = -l=2 ] && convert -size 20x20 xc:white \"$out/proc_1L.tif\""));
    QCOMPARE(processor.processScannedImage(page(), true, false).size(), 1);
    PageProcessor silent(tool(QStringLiteral("silent2.sh"), "exit 3"));
    QVERIFY(silent.processScannedImage(page(), true, false).isEmpty());
}

void tst_PageProcessor::slowToolIsEndedAndPartialOutputUsed()
{
    PageProcessor processor(tool(QStringLiteral("slow.sh"),
                                 "convert -size 25x25 xc:white \"$out/proc.tif\"\nsleep 30"));
    processor.setTimeouts(1500, 1500);
    QElapsedTimer timer;
    timer.start();
    QImage image = page();
    processor.autoCropImage(image);
    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(image.size(), QSize(25, 25));
}

void tst_PageProcessor::splitSpreadCollectsBothHalves()
{
    PageProcessor processor(tool(QStringLiteral("split.sh"),
                                 "b=$(basename \"$in\"); b=${b%%.*}\n"
                                 "convert -size 10x10 xc:white \"$out/${b}_1L.tif\"\n"
                                 "convert -size 10x10 xc:white \"$out/${b}_2R.tif\""));
    const QString pagePath = m_dir.filePath(QStringLiteral("00000002_o.jpg"));
    QVERIFY(page().save(pagePath));
    const QStringList halves = processor.splitSpreadFile(pagePath, 300);
    QCOMPARE(halves,
             QStringList({PageProcessor::outputFolder() + QStringLiteral("/00000002_o_1L.tif"),
                          PageProcessor::outputFolder() + QStringLiteral("/00000002_o_2R.tif")}));
}

void tst_PageProcessor::realToolCutsAndSplits()
{
    const QString realTool =
        qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/vellumo-pagetool");
    QVERIFY2(QFile::exists(realTool), qPrintable(realTool));
    // A page at 150 dpi with a block of text lines from (200, 300) to (1000, 1074).
    QImage page(1240, 1754, QImage::Format_Grayscale8);
    page.fill(250);
    for (int y = 300; y < 1100; y += 40) {
        for (int x = 200; x < 1000; ++x) {
            for (int dy = 0; dy < 14; ++dy)
                page.scanLine(y + dy)[x] = 20;
        }
    }
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);

    QSettings settings;
    settings.setValue(QStringLiteral("AutoDeskew"), false);
    PageProcessor processor(realTool);
    QImage image = page;
    processor.autoCropImage(image);
    // Cut to the text with 2 mm (about 12 pixels at 150 dpi) of white around it.
    QVERIFY2(qAbs(image.width() - (800 + 2 * 12)) <= 6, qPrintable(QString::number(image.width())));
    QVERIFY2(qAbs(image.height() - (774 + 2 * 12)) <= 6,
             qPrintable(QString::number(image.height())));

    // A spread of two such pages side by side splits into two files.
    QImage spread(2480, 1754, QImage::Format_Grayscale8);
    spread.fill(250);
    {
        QPainter painter(&spread);
        painter.drawImage(0, 0, page);
        painter.drawImage(1240, 0, page);
    }
    spread.setDotsPerMeterX(5906);
    spread.setDotsPerMeterY(5906);
    const QString pagePath = m_dir.filePath(QStringLiteral("00000001_o.jpg"));
    QVERIFY(spread.save(pagePath));
    const QStringList halves = processor.splitSpreadFile(pagePath, 150);
    QCOMPARE(halves.size(), 2);
    for (const QString &half : halves)
        QVERIFY(QImage(half).width() < 1500);
    settings.remove(QStringLiteral("AutoDeskew"));
}

QTEST_GUILESS_MAIN(tst_PageProcessor)
#include "tst_PageProcessor.moc"
