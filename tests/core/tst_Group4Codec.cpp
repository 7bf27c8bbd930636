#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <tiffio.h>

#include "core/Group4Codec.h"
#include "core/Group4Validator.h"
#include "core/PageImages.h"

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

// Upright black bars of text-line height on white, in Qt's own colour order (index 0 white).
QImage textLines(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    QRandomGenerator random(5);
    for (int top = 20; top + 30 < height; top += 40) {
        for (int left = 10 + random.bounded(10); left < width - 20;) {
            const int length = 2 + random.bounded(18);
            for (int y = top + random.bounded(8); y < top + 30; ++y)
                for (int x = left; x < std::min(left + length, width - 10); ++x)
                    image.setPixel(x, y, 1);
            left += length + 1 + random.bounded(12);
        }
    }
    return image;
}

// Every coded run length of both colours: line 2r holds a white run of r and a black run of
// r + 1 below an all-white line, which libtiff codes in horizontal mode; the last two lines end
// in a long black run and then turn all white, a white run of the whole width and a black run
// of none.
QImage everyRunLength()
{
    constexpr int longest = 2624;
    QImage image(2 * longest + 40, 2 * longest + 2, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    const auto black = [&image](int y, int from, int to) {
        for (int x = from; x < to; ++x)
            image.setPixel(x, y, 0);
    };
    for (int run = 0; run < longest; ++run)
        black(2 * run, run, 2 * run + 1);
    black(image.height() - 2, 100, image.width());
    return image;
}

bool sameBlack(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128))
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
    void validatorAgreesWithTheDecoder_data();
    void validatorAgreesWithTheDecoder();
    void wrappedFileReadsAsThePicture();
    void encodedPictureComesBackExactly_data();
    void encodedPictureComesBackExactly();
    void onlyGroup4FilesGiveAStrip();

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

void tst_Group4Codec::validatorAgreesWithTheDecoder_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSize>("claimed");
    QTest::addColumn<bool>("sound");

    const QImage runs = everyRunLength();
    QImage black(97, 13, QImage::Format_Mono);
    black.fill(0);
    const QImage text = textLines(1275, 300);
    QTest::newRow("blots") << page() << page().size() << true;
    QTest::newRow("every run length") << runs << runs.size() << true;
    QTest::newRow("all black, odd width") << black << black.size() << true;
    QTest::newRow("text, one line fewer") << text << QSize(1275, 299) << true;
    QTest::newRow("text, one line more") << text << QSize(1275, 301) << false;
    QTest::newRow("text, one pixel wider") << text << QSize(1276, 300) << false;
    QTest::newRow("text, one pixel narrower") << text << QSize(1274, 300) << false;
}

// The validator and the decoder agree on whole pictures and on the wrong size. On the data with
// bits flipped all over it, cut short or replaced by noise, the validator never passes what the
// decoder refuses, since the page is decoded by libtiff later; it may refuse a little more of
// such data (runs of no pixels, a pass past the line's end), and always says why.
void tst_Group4Codec::validatorAgreesWithTheDecoder()
{
    QFETCH(QImage, picture);
    QFETCH(QSize, claimed);
    QFETCH(bool, sound);
    const QByteArray data = encode(picture, m_folder.path());
    QVERIFY(!data.isEmpty());
    const auto check = [&claimed](const QByteArray &bytes, bool *decoded, QString *error) {
        QString ignored;
        *decoded =
            !Group4Codec::decode(bytes, claimed.width(), claimed.height(), &ignored).isNull();
        error->clear();
        return Group4Validator::validate(bytes, claimed.width(), claimed.height(), error);
    };
    bool decoded = false;
    QString error;
    QCOMPARE(check(data, &decoded, &error), sound);
    QCOMPARE(decoded, sound);
    QCOMPARE(error.isEmpty(), sound);

    QRandomGenerator random(3);
    for (int trial = 0; trial < 400; ++trial) {
        QByteArray broken = data;
        const qsizetype at = random.bounded(broken.size());
        if (trial % 10 == 0)
            broken.truncate(at);
        else if (trial % 10 == 1)
            for (qsizetype i = at; i < broken.size(); ++i)
                broken[i] = char(random.bounded(256));
        else
            broken[at] = char(broken.at(at) ^ (1 << random.bounded(8)));
        const bool valid = check(broken, &decoded, &error);
        QVERIFY2(decoded || !valid, qPrintable(QStringLiteral("trial %1 at byte %2 passes but does "
                                                              "not decode")
                                                   .arg(trial)
                                                   .arg(at)));
        QCOMPARE(error.isEmpty(), valid);
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

void tst_Group4Codec::encodedPictureComesBackExactly_data()
{
    QTest::addColumn<QImage>("picture");

    QImage white(620, 877, QImage::Format_Mono);
    white.fill(1);
    QImage text = textLines(1275, 600);
    text.setDotsPerMeterY(5906);
    QImage odd = page().copy(3, 5, 333, 71);
    QImage dot(1, 1, QImage::Format_Mono);
    dot.setColorTable({qRgb(255, 255, 255), qRgb(10, 10, 10)});
    dot.setPixel(0, 0, 1);
    QImage lsb = textLines(203, 97).convertToFormat(QImage::Format_MonoLSB);
    QImage grey(300, 200, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            grey.scanLine(y)[x] = uchar((x + (y / 10) * 37) % 256);

    QTest::newRow("all white") << white;
    QTest::newRow("text lines, unequal resolution") << text;
    QTest::newRow("odd width") << odd;
    QTest::newRow("one black pixel") << dot;
    QTest::newRow("first pixel in the low bit") << lsb;
    QTest::newRow("grey, converted") << grey;
}

// Each picture goes through the page store's black-and-white file and comes back as the same
// black and white pixels by three routes: the raw data through the decoder, the file through
// Qt's TIFF reader, and the file's strip against the raw data.
void tst_Group4Codec::encodedPictureComesBackExactly()
{
    QFETCH(QImage, picture);
    if (picture.dotsPerMeterX() == picture.dotsPerMeterY())
        picture.setDotsPerMeterX(11811);
    const QImage expected = picture.convertToFormat(QImage::Format_Mono);

    const QByteArray group4 = Group4Codec::encode(picture);
    QVERIFY(!group4.isEmpty());
    QString error;
    const QImage decoded = Group4Codec::decode(group4, picture.width(), picture.height(), &error);
    QVERIFY2(sameBlack(decoded, expected), qPrintable(error));

    const QString path = m_folder.filePath(QStringLiteral("page.tiff"));
    QVERIFY2(PageImages::writeWorkingImage(picture, path, true, 0, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray tiff = file.readAll();
    QCOMPARE(tiff, Group4Codec::encodeTiff(picture));
    QVERIFY(tiff.startsWith(QByteArrayLiteral("II*\0")));
    const QImage read = readTiff(tiff);
    QVERIFY(sameBlack(read, expected));
    QCOMPARE(read.dotsPerMeterX(), picture.dotsPerMeterX());
    QCOMPARE(read.dotsPerMeterY(), picture.dotsPerMeterY());

    const std::optional<Group4Codec::Strip> strip = Group4Codec::readStrip(path);
    QVERIFY(strip);
    QCOMPARE(strip->group4, group4);
    QCOMPARE(QSize(strip->width, strip->height), picture.size());
    QVERIFY(!strip->blackIs1);
    QVERIFY(qAbs(strip->dpi.width() - picture.dotsPerMeterX() * 0.0254) < 0.01);
    QVERIFY(qAbs(strip->dpi.height() - picture.dotsPerMeterY() * 0.0254) < 0.01);
}

void tst_Group4Codec::onlyGroup4FilesGiveAStrip()
{
    const auto write = [this](const QString &name, const QByteArray &format, int compression) {
        const QString path = m_folder.filePath(name);
        QImageWriter writer(path, format);
        writer.setCompression(compression);
        return writer.write(m_page) ? path : QString();
    };
    const QStringList files{write(QStringLiteral("plain.tiff"), "tiff", 0),
                            write(QStringLiteral("lzw.tiff"), "tiff", 1),
                            write(QStringLiteral("photo.jpg"), "jpeg", 0),
                            m_folder.filePath(QStringLiteral("missing.tiff"))};
    for (const QString &path : files) {
        QVERIFY(!path.isEmpty());
        QVERIFY2(!Group4Codec::readStrip(path), qPrintable(path));
    }

    // Swapped colours are a Group 4 file too; the strip says so.
    const QString swapped = m_folder.filePath(QStringLiteral("swapped.tiff"));
    QFile file(swapped);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Group4Codec::tiffFile(m_data, m_page.width(), m_page.height(), true, 300, 150));
    file.close();
    const std::optional<Group4Codec::Strip> strip = Group4Codec::readStrip(swapped);
    QVERIFY(strip && strip->blackIs1 && strip->group4 == m_data);
    QCOMPARE(strip->dpi, QSizeF(300, 150));
}

QTEST_GUILESS_MAIN(tst_Group4Codec)
#include "tst_Group4Codec.moc"
