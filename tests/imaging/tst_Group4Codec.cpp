#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <tiffio.h>

#include "imaging/Group4Codec.h"

namespace {

// A black-and-white page of blots and rules of many run lengths, index 0 black as the codec
// gives it.
QImage page()
{
    QImage image(700, 420, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    QRandomGenerator random(11);
    for (int blot = 0; blot < 300; ++blot) {
        const int left = random.bounded(image.width() - 40);
        const int top = random.bounded(image.height() - 20);
        const int width = 1 + random.bounded(40);
        const int height = 1 + random.bounded(20);
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                image.setPixel(x, y, (x * y + blot) % 5 == 0 ? 1 : 0);
    }
    return image;
}

// The picture encoded by libtiff's own Group 4 encoder: the strip's raw bytes.
QByteArray encode(const QImage &image, const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/encoded.tiff"));
    TIFF *tiff = TIFFOpen(path.constData(), "w");
    if (!tiff)
        return {};
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, quint32(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, quint32(image.height()));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, quint32(image.height()));
    // White is 0 in the file, so every line is the picture's line flipped.
    for (int y = 0; y < image.height(); ++y) {
        QByteArray line(reinterpret_cast<const char *>(image.constScanLine(y)),
                        (image.width() + 7) / 8);
        for (char &byte : line)
            byte = char(~byte);
        TIFFWriteScanline(tiff, line.data(), quint32(y), 0);
    }
    TIFFClose(tiff);
    tiff = TIFFOpen(path.constData(), "r");
    QByteArray raw(qsizetype(TIFFRawStripSize(tiff, 0)), Qt::Uninitialized);
    TIFFReadRawStrip(tiff, 0, raw.data(), raw.size());
    TIFFClose(tiff);
    return raw;
}

QImage readTiff(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    QImageReader reader(&buffer, "tiff");
    return reader.read();
}

bool sameBlack(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qGray(a.pixel(x, y)) != qGray(b.pixel(x, y)))
                return false;
    return true;
}

} // namespace

class tst_Group4Codec : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodesExactlyOrNotAtAll_data();
    void decodesExactlyOrNotAtAll();
    void wrappedFileReadsAsThePicture();

private:
    QTemporaryDir m_folder;
    QImage m_page;
    QByteArray m_data;
};

void tst_Group4Codec::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_page = page();
    m_data = encode(m_page, m_folder.path());
    QVERIFY(m_data.size() > 100);
}

void tst_Group4Codec::decodesExactlyOrNotAtAll_data()
{
    QTest::addColumn<int>("keep");
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<bool>("decodes");
    QTest::newRow("whole") << -1 << false << true;
    QTest::newRow("cut in the middle") << 0 << false << false;
    QTest::newRow("random bytes") << -1 << true << false;
}

void tst_Group4Codec::decodesExactlyOrNotAtAll()
{
    QFETCH(int, keep);
    QFETCH(bool, garbage);
    QFETCH(bool, decodes);
    QByteArray data = m_data;
    if (keep == 0)
        data.truncate(data.size() / 2);
    if (garbage) {
        QRandomGenerator random(7);
        for (char &byte : data)
            byte = char(random.bounded(256));
    }
    QString error;
    const QImage decoded = Group4Codec::decode(data, m_page.width(), m_page.height(), &error);
    QCOMPARE(!decoded.isNull(), decodes);
    if (decodes) {
        QCOMPARE(decoded.format(), QImage::Format_Mono);
        QCOMPARE(decoded.color(0), qRgb(0, 0, 0));
        QVERIFY(sameBlack(decoded, m_page));
    } else {
        QVERIFY(!error.isEmpty());
    }
}

void tst_Group4Codec::wrappedFileReadsAsThePicture()
{
    const QByteArray file =
        Group4Codec::tiffFile(m_data, m_page.width(), m_page.height(), false, 300, 150);
    QVERIFY(file.endsWith(m_data));
    const QImage read = readTiff(file);
    QVERIFY(sameBlack(read, m_page));
    QCOMPARE(read.dotsPerMeterX(), 11811);
    QCOMPARE(read.dotsPerMeterY(), 5906);

    // Swapped colours show the coded runs white.
    QImage inverted = m_page;
    inverted.invertPixels();
    QVERIFY(sameBlack(
        readTiff(Group4Codec::tiffFile(m_data, m_page.width(), m_page.height(), true, 0, 0)),
        inverted));
}

QTEST_GUILESS_MAIN(tst_Group4Codec)
#include "tst_Group4Codec.moc"
