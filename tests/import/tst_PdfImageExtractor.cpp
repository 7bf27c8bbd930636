#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "PdfTestFiles.h"
#include "import/PdfImageExtractor.h"
#include "import/PdfImageFiles.h"

using PdfTestFiles::Builder;
using Kind = PdfDecodedImage::Kind;

// The images of PDF files made here, against the pictures they were made from: order, each
// kind of data, resolution, passwords and data that lies about itself.
class tst_PdfImageExtractor : public QObject
{
    Q_OBJECT

private slots:
    void imagesComeInPageOrderThenUnused();
    void masksAreNotPages();
    void decodedPixelsMatchTheOriginal_data();
    void decodedPixelsMatchTheOriginal();
    void jpegBytesPassUnchanged_data();
    void jpegBytesPassUnchanged();
    void cmykJpegBecomesRgb();
    void faxAndJbig2MatchTheOriginal_data();
    void faxAndJbig2MatchTheOriginal();
    void lyingDataIsRefusedOrMended_data();
    void lyingDataIsRefusedOrMended();
    void resolutionComesFromTheDrawing_data();
    void resolutionComesFromTheDrawing();
    void writtenFilesCarryTheResolution();
    void encryptedFilesNeedTheRightPassword_data();
    void encryptedFilesNeedTheRightPassword();

private:
    QTemporaryDir m_dir;
};

namespace {

using PdfTestFiles::jpegOf;

QImage asRgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray size(const QImage &image)
{
    return "/Width " + QByteArray::number(image.width()) + " /Height " +
           QByteArray::number(image.height()) + ' ';
}

// The only image of a one-page file, decoded.
PdfDecodedImage decodeSingle(const QByteArray &entries, const QByteArray &data)
{
    Builder pdf;
    const int image = pdf.addImage(entries, data);
    pdf.addPage(PdfTestFiles::drawing(image, 100, 100), {image});
    PdfImageExtractor extractor;
    if (extractor.openData(pdf.pdf()) != PdfImageExtractor::OpenResult::Opened ||
        extractor.images().size() != 1)
        return {};
    return extractor.decode(0);
}

// PNG predictor rows, the filter type going round 0..4 from row to row.
QByteArray pngPredicted(const QByteArray &rows, int rowBytes, int pixelBytes)
{
    QByteArray out;
    QByteArray above(rowBytes, '\0');
    for (int r = 0; r * rowBytes < rows.size(); ++r) {
        const QByteArray row = rows.mid(r * rowBytes, rowBytes);
        const int type = r % 5;
        out += char(type);
        for (int i = 0; i < rowBytes; ++i) {
            const int a = i >= pixelBytes ? uchar(row[i - pixelBytes]) : 0;
            const int b = uchar(above[i]);
            const int c = i >= pixelBytes ? uchar(above[i - pixelBytes]) : 0;
            const int p = a + b - c;
            const int paeth =
                (std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c))
                    ? a
                    : (std::abs(p - b) <= std::abs(p - c) ? b : c);
            const int predictions[5] = {0, a, b, (a + b) / 2, paeth};
            out += char(uchar(row[i]) - predictions[type]);
        }
        above = row;
    }
    return out;
}

QByteArray ascii85(const QByteArray &bytes)
{
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        const QByteArray group = bytes.mid(i, 4).leftJustified(4, '\0');
        quint32 value = quint32(uchar(group[0])) << 24 | quint32(uchar(group[1])) << 16 |
                        quint32(uchar(group[2])) << 8 | uchar(group[3]);
        char digits[5];
        for (int d = 4; d >= 0; --d) {
            digits[d] = char('!' + value % 85);
            value /= 85;
        }
        out.append(digits, int(std::min<qsizetype>(5, bytes.size() - i + 1)));
    }
    return out + "~>";
}

QByteArray runLength(const QByteArray &bytes)
{
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); i += 128) {
        const QByteArray run = bytes.mid(i, 128);
        out += char(run.size() - 1) + run;
    }
    return out + char(128);
}

QByteArray be32(quint32 value)
{
    return QByteArray(1, char(value >> 24)) + char(value >> 16) + char(value >> 8) + char(value);
}

// One JBIG2 segment of the embedded organisation, referring to no other segment.
QByteArray jbig2Segment(quint32 number, int type, int page, const QByteArray &data)
{
    return be32(number) + char(type) + char(0) + char(page) + be32(quint32(data.size())) + data;
}

// A JBIG2 page whose one region is the picture as MMR (Group 4) data.
QByteArray jbig2Page(const QImage &mono, const QByteArray &g4)
{
    const QByteArray w = be32(quint32(mono.width()));
    const QByteArray h = be32(quint32(mono.height()));
    const QByteArray pageInfo = w + h + be32(0) + be32(0) + char(0) + char(0) + char(0);
    const QByteArray region = w + h + be32(0) + be32(0) + char(0) + char(1) + g4;
    return jbig2Segment(0, 48, 1, pageInfo) + jbig2Segment(1, 39, 1, region);
}

} // namespace

void tst_PdfImageExtractor::imagesComeInPageOrderThenUnused()
{
    const QImage picture = PdfTestFiles::pattern(8, 8, QImage::Format_Grayscale8, 1);
    const QByteArray entries = size(picture) + "/ColorSpace /DeviceGray /BitsPerComponent 8";
    const QByteArray data = PdfTestFiles::samples(picture);
    Builder pdf;
    const int unused = pdf.addImage(entries, data);
    const int second = pdf.addImage(entries, data);
    const int shared = pdf.addImage(entries, data);
    const int listedOnly = pdf.addImage(entries, data);
    // Page 1 draws an image made last, then the shared one; page 2 the shared one again.
    const int first = pdf.addImage(entries, data);
    pdf.addPage(PdfTestFiles::drawing(first, 8, 8) + PdfTestFiles::drawing(shared, 8, 8),
                {shared, first});
    pdf.addPage(PdfTestFiles::drawing(shared, 8, 8) + PdfTestFiles::drawing(second, 8, 8),
                {second, shared, listedOnly});
    PdfImageExtractor extractor;
    QCOMPARE(extractor.openData(pdf.pdf()), PdfImageExtractor::OpenResult::Opened);
    QList<int> order;
    QList<int> pages;
    for (const PdfImageInfo &info : extractor.images()) {
        order << info.objectNumber;
        pages << info.page;
    }
    QCOMPARE(order, QList<int>({first, shared, second, listedOnly, unused}));
    QCOMPARE(pages, QList<int>({0, 0, 1, 1, -1}));
}

void tst_PdfImageExtractor::masksAreNotPages()
{
    const QImage picture = PdfTestFiles::pattern(8, 8, QImage::Format_Grayscale8, 2);
    const QByteArray grey = size(picture) + "/ColorSpace /DeviceGray /BitsPerComponent 8";
    const QByteArray data = PdfTestFiles::samples(picture);
    Builder pdf;
    const int softMask = pdf.addImage(grey, data);
    const int stencil = pdf.addImage(size(picture) + "/ImageMask true", QByteArray(8, '\0'));
    const int image = pdf.addImage(grey + " /SMask " + QByteArray::number(softMask) + " 0 R", data);
    const int masked = pdf.addImage(grey + " /Mask " + QByteArray::number(stencil) + " 0 R", data);
    pdf.addPage(PdfTestFiles::drawing(image, 8, 8) + PdfTestFiles::drawing(masked, 8, 8),
                {image, masked, softMask});
    PdfImageExtractor extractor;
    QCOMPARE(extractor.openData(pdf.pdf()), PdfImageExtractor::OpenResult::Opened);
    QCOMPARE(extractor.images().size(), 2);
    QCOMPARE(extractor.images().at(0).objectNumber, image);
    QCOMPARE(extractor.images().at(1).objectNumber, masked);
}

void tst_PdfImageExtractor::decodedPixelsMatchTheOriginal_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<int>("kind");

    const QImage mono = PdfTestFiles::pattern(37, 13, QImage::Format_Mono, 3);
    QImage negative = mono;
    negative.invertPixels();
    const QImage grey = PdfTestFiles::pattern(29, 11, QImage::Format_Grayscale8, 4);
    QImage greyNegative = grey;
    greyNegative.invertPixels();
    const QImage rgb = PdfTestFiles::pattern(23, 17, QImage::Format_RGB32, 5);
    const int bilevel = int(Kind::Bilevel);
    const int picture = int(Kind::Picture);
    const QByteArray oneBit = size(mono) + "/BitsPerComponent 1 ";
    const QByteArray eightBitGrey = size(grey) + "/ColorSpace /DeviceGray /BitsPerComponent 8 ";
    const QByteArray eightBitRgb = size(rgb) + "/ColorSpace /DeviceRGB /BitsPerComponent 8 ";
    const QByteArray rgbRows = PdfTestFiles::samples(rgb);

    QTest::newRow("1-bit grey, Flate")
        << oneBit + "/ColorSpace /DeviceGray /Filter /FlateDecode"
        << PdfTestFiles::flate(PdfTestFiles::samples(mono)) << mono << bilevel;
    QTest::newRow("1-bit grey, Decode [1 0]")
        << oneBit + "/ColorSpace /DeviceGray /Decode [1 0] /Filter /FlateDecode"
        << PdfTestFiles::flate(PdfTestFiles::samples(negative)) << mono << bilevel;
    QTest::newRow("stencil mask") << size(mono) + "/ImageMask true" << PdfTestFiles::samples(mono)
                                  << mono << bilevel;
    QTest::newRow("1-bit indexed, white first")
        << oneBit + "/ColorSpace [/Indexed /DeviceRGB 1 <FFFFFF000000>]"
        << PdfTestFiles::samples(negative) << mono << bilevel;
    QTest::newRow("8-bit grey, Flate")
        << eightBitGrey + "/Filter /FlateDecode" << PdfTestFiles::flate(PdfTestFiles::samples(grey))
        << grey << picture;
    QTest::newRow("8-bit grey, Decode [1 0], RunLength")
        << eightBitGrey + "/Decode [1 0] /Filter /RunLengthDecode"
        << runLength(PdfTestFiles::samples(greyNegative)) << grey << picture;
    QTest::newRow("8-bit RGB, PNG predictors")
        << eightBitRgb + "/Filter /FlateDecode /DecodeParms << /Predictor 15 /Colors 3 "
                         "/Columns 23 >>"
        << PdfTestFiles::flate(pngPredicted(rgbRows, 23 * 3, 3)) << rgb << picture;
    QByteArray tiffRows = PdfTestFiles::samples(grey);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = grey.width() - 1; x > 0; --x)
            tiffRows[y * grey.width() + x] =
                char(tiffRows[y * grey.width() + x] - tiffRows[y * grey.width() + x - 1]);
    }
    QTest::newRow("8-bit grey, TIFF predictor")
        << eightBitGrey + "/Filter /FlateDecode /DecodeParms << /Predictor 2 /Columns 29 >>"
        << PdfTestFiles::flate(tiffRows) << grey << picture;
    QTest::newRow("8-bit RGB, ASCIIHex then Flate")
        << eightBitRgb + "/Filter [/ASCIIHexDecode /FlateDecode]"
        << PdfTestFiles::flate(rgbRows).toHex() + ">" << rgb << picture;
    QTest::newRow("8-bit RGB, ASCII85")
        << eightBitRgb + "/Filter /ASCII85Decode" << ascii85(rgbRows) << rgb << picture;
    QByteArray sixteen;
    for (const char byte : rgbRows)
        sixteen += QByteArray(1, byte) + char(0x5a);
    QTest::newRow("16-bit RGB") << size(rgb) + "/ColorSpace /DeviceRGB /BitsPerComponent 16"
                                << sixteen << rgb << picture;
    // An indexed image of four colours at 2 bits a pixel.
    const QList<QRgb> colours{qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 200, 0),
                              qRgb(250, 250, 250)};
    QImage indexed(9, 4, QImage::Format_RGB32);
    QByteArray indices;
    for (int y = 0; y < 4; ++y) {
        QByteArray row(3, '\0');
        for (int x = 0; x < 9; ++x) {
            const int index = (x + y) % 4;
            indexed.setPixel(x, y, colours.at(index));
            row[x / 4] = char(row[x / 4] | index << (6 - 2 * (x % 4)));
        }
        indices += row;
    }
    QTest::newRow("2-bit indexed RGB")
        << size(indexed) + "/BitsPerComponent 2 /ColorSpace [/Indexed /DeviceRGB 3 <0A141EC80000"
                           "00C800FAFAFA>]"
        << indices << indexed << picture;
    QImage cmyk(2, 1, QImage::Format_RGB32);
    cmyk.setPixel(0, 0, qRgb(0, 255, 255));
    cmyk.setPixel(1, 0, qRgb(0, 0, 0));
    QTest::newRow("8-bit CMYK") << size(cmyk) + "/ColorSpace /DeviceCMYK /BitsPerComponent 8"
                                << QByteArray::fromHex("FF000000000000FF") << cmyk << picture;
}

void tst_PdfImageExtractor::decodedPixelsMatchTheOriginal()
{
    QFETCH(QByteArray, entries);
    QFETCH(QByteArray, data);
    QFETCH(QImage, expected);
    QFETCH(int, kind);
    const PdfDecodedImage image = decodeSingle(entries, data);
    QCOMPARE(image.reason, QString());
    QCOMPARE(int(image.kind), kind);
    if (image.kind == Kind::Bilevel)
        QCOMPARE(image.image.format(), QImage::Format_Mono);
    QCOMPARE(asRgb(image.image), asRgb(expected));
}

void tst_PdfImageExtractor::jpegBytesPassUnchanged_data()
{
    QTest::addColumn<QByteArray>("filters");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QByteArray>("size");

    const QByteArray jpeg = jpegOf(PdfTestFiles::pattern(40, 30, QImage::Format_RGB32, 6));
    const QByteArray own = "/Width 40 /Height 30";
    QTest::newRow("DCT") << QByteArray("/DCTDecode") << jpeg << jpeg << own;
    QTest::newRow("ASCIIHex, DCT")
        << QByteArray("[/ASCIIHexDecode /DCTDecode]") << jpeg.toHex() + '>' << jpeg << own;
    QTest::newRow("Flate, ASCII85, DCT") << QByteArray("[/ASCII85Decode /FlateDecode /DCTDecode]")
                                         << ascii85(PdfTestFiles::flate(jpeg)) << jpeg << own;
    QTest::newRow("bytes past the end marker")
        << QByteArray("/DCTDecode") << jpeg + "\r\n junk" << jpeg << own;
    // The JPEG's own frame decides its size, whatever the dictionary claims.
    QTest::newRow("dictionary claims a huge picture")
        << QByteArray("/DCTDecode") << jpeg << jpeg << QByteArray("/Width 100000 /Height 100000");
    QTest::newRow("dictionary claims a smaller one")
        << QByteArray("/DCTDecode") << jpeg << jpeg << QByteArray("/Width 4 /Height 3");
}

void tst_PdfImageExtractor::jpegBytesPassUnchanged()
{
    QFETCH(QByteArray, filters);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, jpeg);
    QFETCH(QByteArray, size);
    const PdfDecodedImage image =
        decodeSingle(size + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter " + filters, data);
    QCOMPARE(image.reason, QString());
    QCOMPARE(image.kind, Kind::Jpeg);
    QVERIFY(image.jpeg == jpeg);
}

void tst_PdfImageExtractor::cmykJpegBecomesRgb()
{
    // ImageMagick writes CMYK JPEG files as Adobe's programs do: inverted, with the Adobe
    // marker; PDF files carry them with an inverting /Decode array.
    const QString jpegPath = m_dir.filePath(QStringLiteral("cmyk.jpg"));
    QCOMPARE(PdfTestFiles::run(QStringLiteral("convert"),
                               {QStringLiteral("-size"), QStringLiteral("16x8"),
                                QStringLiteral("xc:#00c0ff"), QStringLiteral("-colorspace"),
                                QStringLiteral("CMYK"), QStringLiteral("-quality"),
                                QStringLiteral("100"), jpegPath}),
             0);
    QFile file(jpegPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const PdfDecodedImage image =
        decodeSingle("/Width 16 /Height 8 /ColorSpace /DeviceCMYK /BitsPerComponent 8 "
                     "/Decode [1 0 1 0 1 0 1 0] /Filter /DCTDecode",
                     file.readAll());
    QCOMPARE(image.reason, QString());
    QCOMPARE(image.kind, Kind::Picture);
    QCOMPARE(image.image.size(), QSize(16, 8));
    const QRgb pixel = image.image.pixel(8, 4);
    QVERIFY2(qRed(pixel) < 12 && std::abs(qGreen(pixel) - 0xc0) < 12 && qBlue(pixel) > 243,
             qPrintable(QColor(pixel).name()));
}

void tst_PdfImageExtractor::faxAndJbig2MatchTheOriginal_data()
{
    QTest::addColumn<QString>("compression");
    QTest::addColumn<QByteArray>("params");
    QTest::addColumn<bool>("jbig2");
    QTest::addColumn<bool>("withGlobals");
    QTest::addColumn<bool>("inverted");

    QTest::newRow("Group 4") << "g4" << QByteArray("/K -1") << false << false << false;
    QTest::newRow("Group 4, BlackIs1")
        << "g4" << QByteArray("/K -1 /BlackIs1 true") << false << false << true;
    QTest::newRow("Group 3, one-dimensional")
        << "g3:1d" << QByteArray("/K 0") << false << false << false;
    QTest::newRow("Group 3, no K is one-dimensional")
        << "g3:1d" << QByteArray() << false << false << false;
    QTest::newRow("Group 3, two-dimensional")
        << "g3:2d" << QByteArray("/K 4") << false << false << false;
    QTest::newRow("Group 3, byte-aligned lines")
        << "g3:1d:fill" << QByteArray("/K 0 /EncodedByteAlign true") << false << false << false;
    QTest::newRow("JBIG2") << "g4" << QByteArray() << true << false << false;
    QTest::newRow("JBIG2 with globals") << "g4" << QByteArray() << true << true << false;
}

void tst_PdfImageExtractor::faxAndJbig2MatchTheOriginal()
{
    QFETCH(QString, compression);
    QFETCH(QByteArray, params);
    QFETCH(bool, jbig2);
    QFETCH(bool, withGlobals);
    QFETCH(bool, inverted);
    const QImage mono = PdfTestFiles::pattern(203, 61, QImage::Format_Mono, 7);
    const QByteArray coded = PdfTestFiles::faxData(mono, compression, m_dir.path());
    QVERIFY(!coded.isEmpty());
    Builder pdf;
    QByteArray entries = size(mono) + "/ColorSpace /DeviceGray /BitsPerComponent 1 ";
    QByteArray data = coded;
    if (jbig2) {
        data = jbig2Page(mono, coded);
        entries += "/Filter /JBIG2Decode";
        if (withGlobals) {
            // A custom code table (a global segment any page may use): two one-bit lines.
            const QByteArray table = QByteArray(1, '\x02') + be32(0) + be32(2) + char(0x68);
            const int globals = pdf.addStream({}, jbig2Segment(0, 53, 0, table));
            entries += " /DecodeParms << /JBIG2Globals " + QByteArray::number(globals) + " 0 R >>";
        }
    } else {
        entries +=
            "/Filter /CCITTFaxDecode /DecodeParms << /Columns 203 /Rows 61 " + params + " >>";
    }
    const int image = pdf.addImage(entries, data);
    pdf.addPage(PdfTestFiles::drawing(image, 203, 61), {image});
    PdfImageExtractor extractor;
    QCOMPARE(extractor.openData(pdf.pdf()), PdfImageExtractor::OpenResult::Opened);
    const PdfDecodedImage decoded = extractor.decode(0);
    QCOMPARE(decoded.reason, QString());
    QCOMPARE(decoded.kind, Kind::Bilevel);
    QImage expected = mono;
    if (inverted)
        expected.invertPixels();
    QCOMPARE(asRgb(decoded.image), asRgb(expected));
}

void tst_PdfImageExtractor::lyingDataIsRefusedOrMended_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("length");
    QTest::addColumn<QString>("reason");

    const QImage grey = PdfTestFiles::pattern(64, 48, QImage::Format_Grayscale8, 8);
    const QByteArray rows = PdfTestFiles::samples(grey);
    const QByteArray greyEntries = size(grey) + "/ColorSpace /DeviceGray /BitsPerComponent 8 ";
    const QByteArray flate = PdfTestFiles::flate(rows);
    const QByteArray jpeg = jpegOf(grey);
    QTest::newRow("short stream") << greyEntries << rows.left(rows.size() / 2) << QByteArray()
                                  << "ends early";
    // A /Length short of the data: the reader finds the stream's real end (no reason: a page).
    QTest::newRow("Length short of the Flate data")
        << greyEntries + "/Filter /FlateDecode" << flate << QByteArray::number(flate.size() / 3)
        << QString();
    QTest::newRow("Length short of the JPEG data")
        << greyEntries + "/Filter /DCTDecode" << jpeg << QByteArray::number(jpeg.size() - 40)
        << QString();
    QTest::newRow("Length past the end of the file")
        << greyEntries << rows.left(100) << QByteArray("99999999") << "ends early";
    QTest::newRow("no JPEG at all")
        << greyEntries + "/Filter /DCTDecode" << rows.left(500) << QByteArray() << "JPEG";
    QTest::newRow("width 0") << QByteArray("/Width 0 /Height 48 /ColorSpace /DeviceGray "
                                           "/BitsPerComponent 8")
                             << rows << QByteArray() << "size";
    QTest::newRow("negative height") << QByteArray("/Width 64 /Height -48 /ColorSpace "
                                                   "/DeviceGray /BitsPerComponent 8")
                                     << rows << QByteArray() << "size";
    QTest::newRow("past the size limit")
        << QByteArray("/Width 90000 /Height 90000 /ColorSpace /DeviceRGB /BitsPerComponent 8 "
                      "/Filter /FlateDecode")
        << flate << QByteArray() << "limit";
    QTest::newRow("3 bits per component") << size(grey) + "/ColorSpace /DeviceGray "
                                                          "/BitsPerComponent 3"
                                          << rows << QByteArray() << "bits";
    QTest::newRow("JPEG 2000") << greyEntries + "/Filter /JPXDecode" << rows << QByteArray()
                               << "JPEG 2000";
    QTest::newRow("Lab colour") << size(grey) + "/ColorSpace [/Lab << /WhitePoint [1 1 1] >>] "
                                                "/BitsPerComponent 8"
                                << rows << QByteArray() << "colour space";
}

void tst_PdfImageExtractor::lyingDataIsRefusedOrMended()
{
    QFETCH(QByteArray, entries);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, length);
    QFETCH(QString, reason);
    Builder pdf;
    const int image = pdf.addStream("/Type /XObject /Subtype /Image " + entries, data, length);
    pdf.addPage(PdfTestFiles::drawing(image, 64, 48), {image});
    PdfImageExtractor extractor;
    QCOMPARE(extractor.openData(pdf.pdf()), PdfImageExtractor::OpenResult::Opened);
    QCOMPARE(extractor.images().size(), 1);
    const PdfDecodedImage decoded = extractor.decode(0);
    if (reason.isEmpty()) {
        QVERIFY2(decoded.kind != Kind::Skipped, qPrintable(decoded.reason));
        return;
    }
    QCOMPARE(decoded.kind, Kind::Skipped);
    QVERIFY2(decoded.reason.contains(reason), qPrintable(decoded.reason));
}

void tst_PdfImageExtractor::resolutionComesFromTheDrawing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("inForm");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<double>("dpiX");
    QTest::addColumn<double>("dpiY");

    // The image is 600 x 300 pixels, drawn as Im3 (or inside the form Fm).
    const QSizeF letter(612, 792);
    QTest::newRow("drawn at 300 dpi")
        << QByteArray("q 144 0 0 72 10 10 cm /Im3 Do Q") << false << letter << 300.0 << 300.0;
    QTest::newRow("turned a quarter")
        << QByteArray("q 0 144 -72 0 100 100 cm /Im3 Do Q") << false << letter << 300.0 << 300.0;
    QTest::newRow("nested scaling") << QByteArray("q 2 0 0 1 0 0 cm q 72 0 0 36 0 0 cm /Im3 Do "
                                                  "Q Q")
                                    << false << letter << 300.0 << 600.0;
    QTest::newRow("inside a form")
        << QByteArray("q 0.5 0 0 0.5 0 0 cm /Fm Do Q") << true << letter << 300.0 << 300.0;
    QTest::newRow("not drawn, page of its shape")
        << QByteArray() << false << QSizeF(288, 144) << 150.0 << 150.0;
    QTest::newRow("not drawn, other page") << QByteArray() << false << letter << 200.0 << 200.0;
}

void tst_PdfImageExtractor::resolutionComesFromTheDrawing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, inForm);
    QFETCH(QSizeF, page);
    QFETCH(double, dpiX);
    QFETCH(double, dpiY);
    Builder pdf;
    const int image = pdf.addImage("/Width 600 /Height 300 /ColorSpace /DeviceGray "
                                   "/BitsPerComponent 8",
                                   QByteArray(600 * 300, '\x80'));
    QCOMPARE(image, 3);
    QList<int> xobjects{image};
    if (inForm) {
        const int form = pdf.addStream("/Type /XObject /Subtype /Form /BBox [0 0 1 1] /Matrix "
                                       "[288 0 0 144 0 0] /Resources << /XObject << /Im3 3 0 R "
                                       ">> >>",
                                       "/Im3 Do");
        content.replace("/Fm", "/Im" + QByteArray::number(form));
        xobjects = {form};
    }
    pdf.addPage(content, xobjects, page.width(), page.height());
    PdfImageExtractor extractor;
    QCOMPARE(extractor.openData(pdf.pdf()), PdfImageExtractor::OpenResult::Opened);
    QCOMPARE(extractor.images().size(), 1);
    QCOMPARE(extractor.images().at(0).dpiX, dpiX);
    QCOMPARE(extractor.images().at(0).dpiY, dpiY);
}

void tst_PdfImageExtractor::writtenFilesCarryTheResolution()
{
    const QImage mono = PdfTestFiles::pattern(40, 20, QImage::Format_Mono, 9);
    for (const Kind kind : {Kind::Bilevel, Kind::Picture}) {
        PdfDecodedImage image;
        image.kind = kind;
        image.image = kind == Kind::Bilevel ? mono : mono.convertToFormat(QImage::Format_RGB888);
        QString name;
        QString error;
        QVERIFY2(PdfImageFiles::write(image, 300, 150, m_dir.path(), 12, &name, &error),
                 qPrintable(error));
        QCOMPARE(name,
                 kind == Kind::Bilevel ? QStringLiteral("0012.tiff") : QStringLiteral("0012.png"));
        QImageReader reader(m_dir.filePath(name));
        const QImage read = reader.read();
        QCOMPARE(asRgb(read), asRgb(mono));
        QCOMPARE(qRound(read.dotsPerMeterX() * 0.0254), 300);
        QCOMPARE(qRound(read.dotsPerMeterY() * 0.0254), 150);
        if (kind == Kind::Bilevel)
            QCOMPARE(read.depth(), 1);
    }
    // Nothing but the finished files: the temporary names are gone.
    QCOMPARE(
        QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".part")),
        QStringList());
}

void tst_PdfImageExtractor::encryptedFilesNeedTheRightPassword_data()
{
    QTest::addColumn<QStringList>("encryption");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("result");

    const int opened = int(PdfImageExtractor::OpenResult::Opened);
    const int needed = int(PdfImageExtractor::OpenResult::PasswordRequired);
    const QStringList rc4{QStringLiteral("128"), QStringLiteral("--use-aes=n")};
    const QStringList aes{QStringLiteral("128"), QStringLiteral("--use-aes=y")};
    const QStringList aes256{QStringLiteral("256")};
    QTest::newRow("RC4, right") << rc4 << "sesame" << opened;
    QTest::newRow("RC4, missing") << rc4 << QString() << needed;
    QTest::newRow("RC4, wrong") << rc4 << "barley" << needed;
    QTest::newRow("AES-128, right") << aes << "sesame" << opened;
    QTest::newRow("AES-128, missing") << aes << QString() << needed;
    QTest::newRow("AES-128, wrong") << aes << "barley" << needed;
    QTest::newRow("AES-256, right") << aes256 << "sesame" << opened;
    QTest::newRow("AES-256, wrong") << aes256 << "barley" << needed;
}

void tst_PdfImageExtractor::encryptedFilesNeedTheRightPassword()
{
    QFETCH(QStringList, encryption);
    QFETCH(QString, password);
    QFETCH(int, result);
    const QByteArray jpeg = jpegOf(PdfTestFiles::pattern(40, 30, QImage::Format_RGB32, 10));
    Builder pdf;
    const int image = pdf.addImage("/Width 40 /Height 30 /ColorSpace /DeviceRGB "
                                   "/BitsPerComponent 8 /Filter /DCTDecode",
                                   jpeg);
    pdf.addPage(PdfTestFiles::drawing(image, 40, 30), {image});
    const QString plain = m_dir.filePath(QStringLiteral("plain.pdf"));
    const QString locked = m_dir.filePath(QStringLiteral("locked.pdf"));
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pdf.pdf());
    file.close();
    QByteArray said;
    const int exit = PdfTestFiles::run(
        QStringLiteral("qpdf"),
        QStringList{QStringLiteral("--allow-weak-crypto"), QStringLiteral("--encrypt"),
                    QStringLiteral("sesame"), QStringLiteral("owner")} +
            encryption + QStringList{QStringLiteral("--"), plain, locked},
        &said);
    QVERIFY2(exit == 0, said.constData());
    PdfImageExtractor extractor;
    QCOMPARE(int(extractor.open(locked, password)), result);
    if (result != int(PdfImageExtractor::OpenResult::Opened))
        return;
    QCOMPARE(extractor.images().size(), 1);
    const PdfDecodedImage decoded = extractor.decode(0);
    QCOMPARE(decoded.reason, QString());
    QVERIFY(decoded.jpeg == jpeg);
}

QTEST_GUILESS_MAIN(tst_PdfImageExtractor)
#include "tst_PdfImageExtractor.moc"
