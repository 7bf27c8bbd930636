#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include "imaging/PageOperations.h"

namespace {

// Every pixel a colour of its own, so a moved pixel can be traced.
QImage numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x + y) % 256));
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(7874);
    return image;
}

QByteArray head(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

} // namespace

class tst_PageOperations : public QObject
{
    Q_OBJECT

private slots:
    void quarterTurnsMovePixelsExactly();
    void angleTurnGivesBoundingBoxWithWhiteCorners_data();
    void angleTurnGivesBoundingBoxWithWhiteCorners();
    void cropRectMapsSceneCornersToPixels_data();
    void cropRectMapsSceneCornersToPixels();
    void initialCropBoxFitsTheImage_data();
    void initialCropBoxFitsTheImage();
    void saveChoosesTheFileTypeByPixelFormat();
};

void tst_PageOperations::quarterTurnsMovePixelsExactly()
{
    const QImage page = numbered(5, 3);
    // Clockwise on screen: the pixel at (x, y) goes to (height - 1 - y, x).
    const QImage right = PageOperations::turned(page, 90);
    QCOMPARE(right.size(), QSize(3, 5));
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            QCOMPARE(right.pixel(page.height() - 1 - y, x), page.pixel(x, y));
    QCOMPARE(PageOperations::turned(right, -90), page);
    QCOMPARE(PageOperations::turned(PageOperations::turned(page, 180), 180), page);
    QCOMPARE(right.dotsPerMeterX(), 11811);
    QCOMPARE(right.dotsPerMeterY(), 7874);

    for (QImage::Format format : {QImage::Format_Mono, QImage::Format_Grayscale8})
        QCOMPARE(PageOperations::turned(page.convertToFormat(format), -90).format(), format);
}

void tst_PageOperations::angleTurnGivesBoundingBoxWithWhiteCorners_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("degrees");
    QTest::newRow("colour, 10") << QImage::Format_RGB32 << 10;
    QTest::newRow("colour, -33") << QImage::Format_RGB32 << -33;
    QTest::newRow("1-bit, 10") << QImage::Format_Mono << 10;
    QTest::newRow("grey, 89") << QImage::Format_Grayscale8 << 89;
}

void tst_PageOperations::angleTurnGivesBoundingBoxWithWhiteCorners()
{
    QFETCH(QImage::Format, format);
    QFETCH(int, degrees);
    QImage page(200, 100, QImage::Format_RGB32);
    page.fill(Qt::black);
    page = page.convertToFormat(format);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(5905);

    const QImage result = PageOperations::turned(page, degrees);
    const QSizeF box = QTransform().rotate(degrees).mapRect(QRectF(0, 0, 200, 100)).size();
    QVERIFY2(qAbs(result.width() - box.width()) <= 1 && qAbs(result.height() - box.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(result.width()).arg(result.height())));
    QCOMPARE(result.format() == QImage::Format_Mono, format == QImage::Format_Mono);
    for (const QPoint corner : {QPoint(0, 0), QPoint(result.width() - 1, result.height() - 1)})
        QCOMPARE(QColor(result.pixel(corner)), QColor(Qt::white));
    QCOMPARE(QColor(result.pixel(result.width() / 2, result.height() / 2)), QColor(Qt::black));
    QCOMPARE(result.dotsPerMeterX(), 3937);
    QCOMPARE(result.dotsPerMeterY(), 5905);
}

void tst_PageOperations::cropRectMapsSceneCornersToPixels_data()
{
    QTest::addColumn<QPointF>("topLeft");
    QTest::addColumn<QPointF>("bottomRight");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1:1") << QPointF(-100, -50) << QPointF(20, 30) << 1.0 << QSize(400, 300)
                         << QRect(100, 100, 120, 80);
    QTest::newRow("half") << QPointF(-50, -25) << QPointF(10, 15) << 0.5 << QSize(400, 300)
                          << QRect(100, 100, 120, 80);
    // 101 / 2 = 50.5: left 0.5 and width 10.6 are rounded on their own, not the right edge.
    QTest::newRow("odd width") << QPointF(-50, 0) << QPointF(-39.4, 10) << 1.0 << QSize(101, 20)
                               << QRect(1, 10, 11, 10);
    QTest::newRow("beyond the image")
        << QPointF(150, 0) << QPointF(300, 40) << 2.0 << QSize(100, 100) << QRect(125, 50, 75, 20);
}

void tst_PageOperations::cropRectMapsSceneCornersToPixels()
{
    QFETCH(QPointF, topLeft);
    QFETCH(QPointF, bottomRight);
    QFETCH(qreal, scale);
    QFETCH(QSize, imageSize);
    QFETCH(QRect, expected);
    QCOMPARE(PageOperations::cropRect(topLeft, bottomRight, scale, imageSize), expected);
}

void tst_PageOperations::initialCropBoxFitsTheImage_data()
{
    QTest::addColumn<QRectF>("saved");
    QTest::addColumn<QRectF>("expected");
    // The image is 400 x 300: x from -200 to 200, y from -150 to 150. The editor's tests
    // cover the cases a shown page meets (centred half, wider, out right, out left, taller).
    QTest::newRow("inside: kept") << QRectF(-190, 100, 60, 40) << QRectF(-190, 100, 60, 40);
    // Only a box taller than the image is moved vertically.
    QTest::newRow("low, kept") << QRectF(0, 120, 100, 100) << QRectF(0, 120, 100, 100);
    QTest::newRow("wider and taller") << QRectF(90, 90, 900, 900) << QRectF(-200, -150, 400, 300);
    QTest::newRow("exactly as wide") << QRectF(-150, 0, 400, 50) << QRectF(-200, 0, 400, 50);
}

void tst_PageOperations::initialCropBoxFitsTheImage()
{
    QFETCH(QRectF, saved);
    QFETCH(QRectF, expected);
    QCOMPARE(PageOperations::initialCropBox(saved, QSize(400, 300)), expected);
}

void tst_PageOperations::saveChoosesTheFileTypeByPixelFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page_o.jpg"));
    const QImage page = numbered(40, 30);
    QVERIFY(PageOperations::save(page, path, 75));
    QCOMPARE(head(path).left(2), QByteArray("\xff\xd8"));
    QVERIFY(PageOperations::save(page.convertToFormat(QImage::Format_Mono), path, 75));
    QVERIFY(head(path) == QByteArray("II*\0", 4) || head(path) == QByteArray("MM\0*", 4));
    QVERIFY(!PageOperations::save(page, dir.filePath(QStringLiteral("missing/page.jpg")), 75));
}

QTEST_GUILESS_MAIN(tst_PageOperations)
#include "tst_PageOperations.moc"
