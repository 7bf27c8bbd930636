#include <QTest>

#include <functional>
#include <limits>

#include "scan/HImage.h"

using Failure = HImage::Failure;

namespace {

// A packed bitmap written field by field, little-endian, the way a scanner layer writes one.
struct Dib
{
    quint32 headerSize = 40;
    qint32 width = 1;
    qint32 height = 1;
    quint16 planes = 1;
    quint16 bitCount = 8;
    quint32 compression = 0;
    quint32 imageSize = 0;
    qint32 ppmX = 3780;
    qint32 ppmY = 3780;
    quint32 coloursUsed = 0;
    QList<quint32> masks;
    QList<QRgb> table; // each entry written as blue, green, red and a reserved byte of 0x7F
    QByteArray rows;

    QByteArray block() const
    {
        QByteArray b;
        auto put = [&b](quint32 value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                b.append(char((value >> (8 * i)) & 0xFF));
        };
        for (quint32 field : {headerSize, quint32(width), quint32(height)})
            put(field, 4);
        put(planes, 2);
        put(bitCount, 2);
        for (quint32 field :
             {compression, imageSize, quint32(ppmX), quint32(ppmY), coloursUsed, 0u})
            put(field, 4);
        for (quint32 mask : masks)
            put(mask, 4);
        for (QRgb c : table)
            put(quint32(qBlue(c)) | qGreen(c) << 8 | qRed(c) << 16 | 0x7Fu << 24, 4);
        return b + rows;
    }
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QByteArray words(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v & 0xFF)).append(char(v >> 8));
    return b;
}

QList<QRgb> sixteenColours()
{
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table.append(qRgb(16 * i, 255 - 16 * i, i));
    return table;
}

// Every pixel index of an indexed image, one string per row, top row first.
QList<QByteArray> indexRows(const QImage &image)
{
    QList<QByteArray> rows;
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x)
            row.append(char(image.pixelIndex(x, y)));
        rows.append(row);
    }
    return rows;
}

} // namespace

class tst_HImage : public QObject
{
    Q_OBJECT

private slots:
    void oneBitIsBlackAndWhiteTopRowFirst_data();
    void oneBitIsBlackAndWhiteTopRowFirst();
    void fourBitIsLookedUpInTheTable();
    void fourBitRunLength_data();
    void fourBitRunLength();
    void eightBitTableIsOpaque();
    void sixteenBitFormatFollowsTheMasks_data();
    void sixteenBitFormatFollowsTheMasks();
    void twentyFourBitSwapsRedAndBlue_data();
    void twentyFourBitSwapsRedAndBlue();
    void thirtyTwoBitIgnoresTheFourthByte();
    void fortyEightBitIsStretchedOverTheUsedRange_data();
    void fortyEightBitIsStretchedOverTheUsedRange();
    void resolutionIsKept_data();
    void resolutionIsKept();
    void imageOutlivesTheBuffer();
    void malformedBlockGivesNullImage_data();
    void malformedBlockGivesNullImage();
};

void tst_HImage::oneBitIsBlackAndWhiteTopRowFirst_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("topRowFirstPixel");
    // 10 pixels: bits past the width and the padding bytes are set, and must not matter.
    QTest::newRow("bottom row stored first") << 2 << 0;
    QTest::newRow("top row stored first") << -2 << 255;
}

void tst_HImage::oneBitIsBlackAndWhiteTopRowFirst()
{
    QFETCH(int, height);
    QFETCH(int, topRowFirstPixel);
    Dib dib;
    dib.width = 10;
    dib.height = height;
    dib.bitCount = 1;
    dib.table = {qRgb(255, 0, 0), qRgb(0, 0, 255)}; // ignored: a set bit is white
    // First stored row 1000000001, second 0111111110.
    dib.rows = bytes({0x80, 0x7F, 0xFF, 0xFF, 0x7F, 0xBF, 0xFF, 0xFF});
    const HImage image(dib.block());
    QCOMPARE(image.failure(), Failure::None);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.size(), QSize(10, 2));
    QCOMPARE(image.colorCount(), 256);
    QCOMPARE(image.color(0), qRgb(0, 0, 0));
    QCOMPARE(image.color(77), qRgb(77, 77, 77));
    QCOMPARE(image.color(255), qRgb(255, 255, 255));
    const QByteArray first = bytes({255, 0, 0, 0, 0, 0, 0, 0, 0, 255});
    const QByteArray second = bytes({0, 255, 255, 255, 255, 255, 255, 255, 255, 0});
    const QList<QByteArray> expected =
        topRowFirstPixel == 255 ? QList{first, second} : QList{second, first};
    QCOMPARE(indexRows(image), expected);
}

void tst_HImage::fourBitIsLookedUpInTheTable()
{
    Dib dib;
    dib.width = 3;
    dib.bitCount = 4;
    dib.coloursUsed = 5;
    dib.table = sixteenColours().first(5);
    dib.rows = bytes({0x14, 0x5F, 0xFF, 0xFF}); // 1, 4, then 5: past the five entries
    const HImage image(dib.block());
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.pixel(0, 0), qRgb(16, 239, 1));
    QCOMPARE(image.pixel(1, 0), qRgb(64, 191, 4));
    QCOMPARE(image.pixel(2, 0), qRgb(0, 0, 0));
}

void tst_HImage::fourBitRunLength_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("expected"); // pixel indices, top row first

    QTest::newRow("runs, absolute with padding, end of line, delta")
        << 8 << 3
        << bytes({0x05, 0x12, 0,    0,                         // 1 2 1 2 1, end of line
                  0,    5,    0x9A, 0xBC, 0xD0, 0, 0x03, 0xEF, // absolute 9..D, a run E F E
                  0,    0,    0,    2,    3,    0, 0x02, 0x77,
                  0,    1}) // end of line, 3 right, 7 7, end
        << QList{bytes({0, 0, 0, 7, 7, 0, 0, 0}), bytes({9, 10, 11, 12, 13, 14, 15, 14}),
                 bytes({1, 2, 1, 2, 1, 0, 0, 0})};
    QTest::newRow("absolute run of three takes one word")
        << 4 << 1 << bytes({0, 3, 0x12, 0x30, 0x01, 0xF0, 0, 1}) << QList{bytes({1, 2, 3, 15})};
    QTest::newRow("delta moves up a line") << 4 << 2 << bytes({0, 2, 2, 1, 0x01, 0x50, 0, 1})
                                           << QList{bytes({0, 0, 5, 0}), bytes({0, 0, 0, 0})};
    QTest::newRow("run past the right edge is dropped")
        << 2 << 2 << bytes({0x06, 0x12, 0, 0, 0x01, 0x30, 0, 1})
        << QList{bytes({3, 0}), bytes({1, 2})};
    QTest::newRow("every line ended, no end of bitmap")
        << 2 << 1 << bytes({0x02, 0x45, 0, 0}) << QList{bytes({4, 5})};
    QTest::newRow("top row stored first") << 2 << -2 << bytes({0x02, 0x12, 0, 0, 0x02, 0x34, 0, 1})
                                          << QList{bytes({1, 2}), bytes({3, 4})};
}

void tst_HImage::fourBitRunLength()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, expected);
    Dib dib;
    dib.width = width;
    dib.height = height;
    dib.bitCount = 4;
    dib.compression = 2;
    dib.imageSize = quint32(stream.size());
    dib.table = sixteenColours();
    dib.rows = stream;
    const HImage image(dib.block());
    QCOMPARE(image.failure(), Failure::None);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorTable(), sixteenColours());
    QCOMPARE(indexRows(image), expected);
}

void tst_HImage::eightBitTableIsOpaque()
{
    Dib dib;
    dib.width = 3;
    dib.coloursUsed = 3;
    dib.table = {qRgb(1, 2, 3), qRgb(40, 50, 60), qRgb(200, 100, 0)};
    dib.rows = bytes({2, 0, 1, 0xFF});
    const HImage image(dib.block());
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorTable(), dib.table); // qRgb is opaque; the stored reserved byte was 0x7F
    QCOMPARE(indexRows(image), QList{bytes({2, 0, 1})});
    QCOMPARE(image.pixel(0, 0), qRgb(200, 100, 0));
}

void tst_HImage::sixteenBitFormatFollowsTheMasks_data()
{
    QTest::addColumn<quint32>("compression");
    QTest::addColumn<QList<quint32>>("masks");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("kept"); // the 16-bit value in the image
    QTest::addColumn<QRgb>("colour");

    const QList<quint32> none;
    const QList<quint32> m565{0xF800, 0x07E0, 0x001F};
    const QList<quint32> m444{0x0F00, 0x00F0, 0x000F};
    QTest::newRow("plain is 5-5-5")
        << 0u << none << 0x7C00 << QImage::Format_RGB555 << 0x7C00 << qRgb(255, 0, 0);
    QTest::newRow("plain, top bit cleared")
        << 0u << none << 0x83E0 << QImage::Format_RGB555 << 0x03E0 << qRgb(0, 255, 0);
    QTest::newRow("5-6-5 green") << 3u << m565 << 0x07E0 << QImage::Format_RGB16 << 0x07E0
                                 << qRgb(0, 255, 0);
    QTest::newRow("5-6-5 red") << 3u << m565 << 0xF800 << QImage::Format_RGB16 << 0xF800
                               << qRgb(255, 0, 0);
    QTest::newRow("4-4-4, top bits cleared")
        << 3u << m444 << 0xF0F0 << QImage::Format_RGB444 << 0x00F0 << qRgb(0, 255, 0);
    QTest::newRow("other masks are 5-5-5") << 3u << QList<quint32>{0x7C00, 0x03E0, 0x001F} << 0x001F
                                           << QImage::Format_RGB555 << 0x001F << qRgb(0, 0, 255);
}

void tst_HImage::sixteenBitFormatFollowsTheMasks()
{
    QFETCH(quint32, compression);
    QFETCH(QList<quint32>, masks);
    QFETCH(int, stored);
    QFETCH(QImage::Format, format);
    QFETCH(int, kept);
    QFETCH(QRgb, colour);
    Dib dib;
    dib.width = 2;
    dib.bitCount = 16;
    dib.compression = compression;
    dib.masks = masks;
    dib.rows = words({0, stored});
    const HImage image(dib.block());
    QCOMPARE(image.format(), format);
    QCOMPARE(int(reinterpret_cast<const quint16 *>(image.constScanLine(0))[1]), kept);
    QCOMPARE(image.pixel(1, 0), colour);
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
}

void tst_HImage::twentyFourBitSwapsRedAndBlue_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<QRgb>>("expected"); // the four pixels, top row first
    const QRgb a = qRgb(3, 2, 1), b = qRgb(6, 5, 4), c = qRgb(9, 8, 7), d = qRgb(12, 11, 10);
    QTest::newRow("bottom row stored first") << 2 << QList{c, d, a, b};
    QTest::newRow("top row stored first") << -2 << QList{a, b, c, d};
}

void tst_HImage::twentyFourBitSwapsRedAndBlue()
{
    QFETCH(int, height);
    QFETCH(QList<QRgb>, expected);
    Dib dib;
    dib.width = 2;
    dib.height = height;
    dib.bitCount = 24;
    dib.rows = bytes({1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE});
    const HImage image(dib.block());
    QCOMPARE(image.format(), QImage::Format_RGB888);
    const QList<QRgb> pixels{image.pixel(0, 0), image.pixel(1, 0), image.pixel(0, 1),
                             image.pixel(1, 1)};
    QCOMPARE(pixels, expected);
}

void tst_HImage::thirtyTwoBitIgnoresTheFourthByte()
{
    Dib dib;
    dib.width = 2;
    dib.bitCount = 32;
    dib.rows = bytes({1, 2, 3, 0x00, 4, 5, 6, 0x80});
    for (bool bitFields : {false, true}) {
        dib.compression = bitFields ? 3 : 0;
        dib.masks = bitFields ? QList<quint32>{0xFF0000, 0xFF00, 0xFF} : QList<quint32>{};
        const HImage image(dib.block());
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.pixel(0, 0), qRgb(3, 2, 1));
        QCOMPARE(image.pixel(1, 0), qRgb(6, 5, 4));
    }
}

void tst_HImage::fortyEightBitIsStretchedOverTheUsedRange_data()
{
    // One pixel a row, two rows stored bottom first; each row is padded with 0xFFFF, which must
    // not count as a sample.
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QRgb>("top");
    QTest::addColumn<QRgb>("bottom");
    auto rows = [](std::initializer_list<int> bottom, std::initializer_list<int> top) {
        return words(bottom) + words({0xFFFF}) + words(top) + words({0xFFFF});
    };
    // Stored blue, green, red.
    QTest::newRow("201 levels: less the smallest")
        << rows({1000, 1100, 1200}, {1050, 1000, 1150}) << qRgb(150, 0, 50) << qRgb(200, 100, 0);
    QTest::newRow("256 levels: less the smallest")
        << rows({10, 265, 100}, {11, 12, 13}) << qRgb(3, 2, 1) << qRgb(90, 255, 0);
    QTest::newRow("257 levels: scaled and rounded")
        << rows({0, 256, 128}, {1, 1, 1}) << qRgb(1, 1, 1) << qRgb(128, 255, 0);
    QTest::newRow("full range: scaled, rounded, capped")
        << rows({0, 65535, 32768}, {32896, 384, 383}) << qRgb(1, 2, 129) << qRgb(128, 255, 0);
    QTest::newRow("flat 4096") << rows({4096, 4096, 4096}, {4096, 4096, 4096})
                               << qRgb(255, 255, 255) << qRgb(255, 255, 255);
    QTest::newRow("flat 65535 keeps the low byte")
        << rows({65535, 65535, 65535}, {65535, 65535, 65535}) << qRgb(239, 239, 239)
        << qRgb(239, 239, 239);
    QTest::newRow("flat 100") << rows({100, 100, 100}, {100, 100, 100}) << qRgb(6, 6, 6)
                              << qRgb(6, 6, 6);
}

void tst_HImage::fortyEightBitIsStretchedOverTheUsedRange()
{
    QFETCH(QByteArray, rows);
    QFETCH(QRgb, top);
    QFETCH(QRgb, bottom);
    Dib dib;
    dib.height = 2;
    dib.bitCount = 48;
    dib.rows = rows;
    const HImage image(dib.block());
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.pixel(0, 0), top);
    QCOMPARE(image.pixel(0, 1), bottom);
}

void tst_HImage::resolutionIsKept_data()
{
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<quint32>("compression");
    QTest::addColumn<QByteArray>("rows");
    QTest::newRow("1-bit") << 1 << 0u << bytes({0, 0, 0, 0});
    QTest::newRow("4-bit run-length") << 4 << 2u << bytes({1, 0x10, 0, 1});
    QTest::newRow("8-bit") << 8 << 0u << bytes({0, 0, 0, 0});
    QTest::newRow("24-bit") << 24 << 0u << bytes({0, 0, 0, 0});
    QTest::newRow("48-bit") << 48 << 0u << bytes({0, 0, 0, 0, 0, 0, 0, 0});
}

void tst_HImage::resolutionIsKept()
{
    QFETCH(int, bitCount);
    QFETCH(quint32, compression);
    QFETCH(QByteArray, rows);
    Dib dib;
    dib.bitCount = quint16(bitCount);
    dib.compression = compression;
    dib.coloursUsed = bitCount <= 8 ? 1 : 0;
    dib.table = bitCount <= 8 ? QList<QRgb>{qRgb(0, 0, 0)} : QList<QRgb>{};
    dib.ppmX = 11811; // 300 dpi
    dib.ppmY = 23622; // 600 dpi
    dib.rows = rows;
    const HImage image(dib.block());
    QVERIFY(image.isValid());
    QCOMPARE(image.dotsPerMeterX(), 11811);
    QCOMPARE(image.dotsPerMeterY(), 23622);
}

void tst_HImage::imageOutlivesTheBuffer()
{
    Dib dib;
    dib.coloursUsed = 1;
    dib.table = {qRgb(9, 9, 9)};
    dib.rows = bytes({0, 0, 0, 0});
    QByteArray block = dib.block();
    const HImage image(block);
    block.fill(char(0x55));
    block.clear();
    QCOMPARE(image.pixel(0, 0), qRgb(9, 9, 9));
}

void tst_HImage::malformedBlockGivesNullImage_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<Failure>("failure");

    // A valid 8-bit bitmap of 2 x 2 pixels with two colours; each row changes one thing.
    auto with = [](const std::function<void(Dib &)> &change) {
        Dib dib;
        dib.width = 2;
        dib.height = 2;
        dib.coloursUsed = 2;
        dib.table = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        dib.rows = bytes({0, 1, 0, 0, 1, 0, 0, 0});
        change(dib);
        return dib.block();
    };
    auto runLength = [&with](const QByteArray &stream, quint32 imageSize) {
        return with([&](Dib &d) {
            d.bitCount = 4;
            d.compression = 2;
            d.imageSize = imageSize;
            d.rows = stream;
        });
    };
    const QByteArray valid = with([](Dib &) {});
    QVERIFY(HImage(valid).isValid());

    QTest::newRow("empty") << QByteArray() << Failure::Truncated;
    QTest::newRow("shorter than the header") << valid.left(39) << Failure::Truncated;
    QTest::newRow("header size 12")
        << with([](Dib &d) { d.headerSize = 12; }) << Failure::BadHeader;
    QTest::newRow("header size past the block")
        << with([](Dib &d) { d.headerSize = 124; }) << Failure::BadHeader;
    QTest::newRow("planes 0") << with([](Dib &d) { d.planes = 0; }) << Failure::BadHeader;
    QTest::newRow("planes 2") << with([](Dib &d) { d.planes = 2; }) << Failure::BadHeader;
    QTest::newRow("width 0") << with([](Dib &d) { d.width = 0; }) << Failure::BadSize;
    QTest::newRow("width -2") << with([](Dib &d) { d.width = -2; }) << Failure::BadSize;
    QTest::newRow("height 0") << with([](Dib &d) { d.height = 0; }) << Failure::BadSize;
    QTest::newRow("width 65536") << with([](Dib &d) { d.width = 65536; }) << Failure::BadSize;
    QTest::newRow("height -65536") << with([](Dib &d) { d.height = -65536; }) << Failure::BadSize;
    QTest::newRow("smallest height")
        << with([](Dib &d) { d.height = std::numeric_limits<qint32>::min(); }) << Failure::BadSize;
    QTest::newRow("over the pixel limit")
        << with([](Dib &d) { d.width = d.height = 20000; }) << Failure::BadSize;
    QTest::newRow("largest page, two rows") << with([](Dib &d) {
        d.width = 4096;
        d.height = -65535;
        d.bitCount = 48;
    }) << Failure::ShortRows;
    for (int bits : {0, 2, 3, 7, 33, 64})
        QTest::addRow("%d bits", bits)
            << with([bits](Dib &d) { d.bitCount = quint16(bits); }) << Failure::Unsupported;
    const struct
    {
        const char *name;
        int bits;
        quint32 compression;
    } unsupported[] = {{"8-bit run-length", 8, 1},   {"4-bit with 8-bit run-length", 4, 1},
                       {"16-bit run-length", 16, 2}, {"16-bit JPEG", 16, 4},
                       {"24-bit bit fields", 24, 3}, {"1-bit bit fields", 1, 3},
                       {"48-bit run-length", 48, 2}};
    for (const auto &u : unsupported)
        QTest::newRow(u.name) << with([&u](Dib &d) {
            d.bitCount = quint16(u.bits);
            d.compression = u.compression;
            d.masks = {0, 0, 0};
            d.rows.append(QByteArray(64, 0));
        }) << Failure::Unsupported;
    QTest::newRow("32-bit with other masks") << with([](Dib &d) {
        d.bitCount = 32;
        d.compression = 3;
        d.masks = {0xFF, 0xFF00, 0xFF0000};
    }) << Failure::Unsupported;
    QTest::newRow("257 colours, all present") << with([](Dib &d) {
        d.coloursUsed = 257;
        d.table = QList<QRgb>(257, qRgb(1, 2, 3));
    }) << Failure::BadColourTable;
    QTest::newRow("most colours") << with([](Dib &d) { d.coloursUsed = 0xFFFFFFFF; })
                                  << Failure::BadColourTable;
    QTest::newRow("table past the block") // 256 entries by default
        << with([](Dib &d) { d.coloursUsed = 0; }) << Failure::BadColourTable;
    QTest::newRow("masks past the block") << with([](Dib &d) {
                                                 d.bitCount = 16;
                                                 d.compression = 3;
                                                 d.masks = {0xF800, 0x07E0, 0x001F};
                                             }).left(48)
                                          << Failure::BadColourTable;
    QTest::newRow("one byte of rows missing") << valid.chopped(1) << Failure::ShortRows;
    QTest::newRow("run-length code cut in half")
        << runLength(bytes({0x02, 0x11, 0}), 0) << Failure::BadRunLength;
    QTest::newRow("absolute run cut short")
        << runLength(bytes({0, 5, 0x12, 0x34}), 0) << Failure::BadRunLength;
    QTest::newRow("delta cut short") << runLength(bytes({0, 2, 1}), 0) << Failure::BadRunLength;
    QTest::newRow("ends before the last line")
        << runLength(bytes({0x02, 0x11, 0, 0}), 0) << Failure::BadRunLength;
    QTest::newRow("image size past the block")
        << runLength(bytes({0x02, 0x11, 0, 1}), 5) << Failure::BadRunLength;
}

void tst_HImage::malformedBlockGivesNullImage()
{
    QFETCH(QByteArray, block);
    QFETCH(Failure, failure);
    const HImage image(block);
    QCOMPARE(image.failure(), failure);
    QVERIFY(image.isNull());
    QVERIFY(!image.isValid());
}

QTEST_GUILESS_MAIN(tst_HImage)
#include "tst_HImage.moc"
