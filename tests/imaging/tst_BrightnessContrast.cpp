#include <QTest>

#include "imaging/BrightnessContrast.h"

using BrightnessContrast::makeTable;

class tst_BrightnessContrast : public QObject
{
    Q_OBJECT

private slots:
    void tableEntries_data();
    void tableEntries();
    void alphaAndOneBitImagesAreKept();
    void eightBitValuesChangeNotTheColourTable();
};

void tst_BrightnessContrast::tableEntries_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("expected");
    for (int i : {0, 1, 127, 128, 200, 255})
        QTest::addRow("identity %d", i) << 0 << 0 << i << i;
    QTest::newRow("brightest") << 100 << 0 << 0 << 255;
    QTest::newRow("flat") << 0 << -100 << 17 << 128;
    QTest::newRow("flat and lighter") << 20 << -100 << 250 << 179; // 128 + 51 = 179
    QTest::newRow("steep 0") << 0 << 100 << 0 << 0;
    QTest::newRow("steep 64") << 0 << 100 << 64 << 0;
    QTest::newRow("steep 128") << 0 << 100 << 128 << 128;
    QTest::newRow("steep 192") << 0 << 100 << 192 << 255;
    QTest::newRow("darker 200") << -50 << 0 << 200 << 73;
    QTest::newRow("darker 128") << -50 << 0 << 128 << 1; // 0.5 rounds up
    QTest::newRow("darker 127") << -50 << 0 << 127 << 0;
}

void tst_BrightnessContrast::tableEntries()
{
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(int, input);
    QFETCH(int, expected);
    QCOMPARE(int(makeTable(brightness, contrast)[static_cast<size_t>(input)]), expected);
}

void tst_BrightnessContrast::alphaAndOneBitImagesAreKept()
{
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 100, 200, 77));
    QVERIFY(BrightnessContrast::applyBrightnessContrast(argb, 100, 0));
    QCOMPARE(argb.pixel(2, 1), qRgba(255, 255, 255, 77));

    QImage mono(8, 8, QImage::Format_Mono);
    mono.fill(1);
    const QImage before = mono;
    QVERIFY(!BrightnessContrast::applyBrightnessContrast(mono, 100, 0));
    QCOMPARE(mono, before);
}

void tst_BrightnessContrast::eightBitValuesChangeNotTheColourTable()
{
    QImage indexed(4, 1, QImage::Format_Indexed8);
    indexed.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        indexed.setColor(i, qRgb(255 - i, 0, 0));
    indexed.fill(200);
    const QList<QRgb> table = indexed.colorTable();
    QVERIFY(BrightnessContrast::applyBrightnessContrast(indexed, -50, 0));
    QCOMPARE(indexed.pixelIndex(3, 0), 73);
    QCOMPARE(indexed.colorTable(), table);
}

QTEST_GUILESS_MAIN(tst_BrightnessContrast)
#include "tst_BrightnessContrast.moc"
