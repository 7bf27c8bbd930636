#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTest>

#include "core/ImageHeaders.h"

namespace {

QByteArray encoded(const QImage &image, const QByteArray &format, int dotsPerMeter = 11811)
{
    QImage copy = image;
    copy.setDotsPerMeterX(dotsPerMeter);
    copy.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(copy);
    return bytes;
}

// The offset of the first frame header (SOF0) marker.
qsizetype frameOffset(const QByteArray &jpeg)
{
    return jpeg.indexOf(QByteArrayView("\xFF\xC0", 2));
}

} // namespace

class tst_ImageHeaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameHeaderGivesSizeAndComponents()
    {
        QImage grey(37, 23, QImage::Format_Grayscale8);
        grey.fill(128);
        ImageHeaders::JpegFrame frame = ImageHeaders::jpegFrame(encoded(grey, "jpeg"));
        QCOMPARE(frame.pixels, QSize(37, 23));
        QCOMPARE(frame.components, 1);

        QImage colour(5, 400, QImage::Format_RGB32);
        colour.fill(Qt::red);
        frame = ImageHeaders::jpegFrame(encoded(colour, "jpeg"));
        QCOMPARE(frame.pixels, QSize(5, 400));
        QCOMPARE(frame.components, 3);
    }

    void brokenFrameHeadersGiveNothing()
    {
        QImage grey(8, 8, QImage::Format_Grayscale8);
        grey.fill(0);
        const QByteArray jpeg = encoded(grey, "jpeg");
        const qsizetype sof = frameOffset(jpeg);
        QVERIFY(sof > 0);

        QCOMPARE(ImageHeaders::jpegFrame(jpeg.first(sof + 6)).components, 0);
        QByteArray noComponents = jpeg;
        noComponents[sof + 9] = 0;
        QCOMPARE(ImageHeaders::jpegFrame(noComponents).pixels, QSize());
        QByteArray noHeight = jpeg;
        noHeight[sof + 5] = 0;
        noHeight[sof + 6] = 0;
        QCOMPARE(ImageHeaders::jpegFrame(noHeight).components, 0);
        QCOMPARE(ImageHeaders::jpegFrame(QByteArray("\xFF\xD8\xFF\xDA", 4)).components, 0);
        QCOMPARE(ImageHeaders::jpegFrame(QByteArray("not a jpeg")).components, 0);
    }

    void resolutionFromJfifAndTiffTags()
    {
        QImage grey(8, 8, QImage::Format_Grayscale8);
        grey.fill(0);
        // 11811 dots per metre is 300 dots per inch.
        const QSizeF jpegDpi = ImageHeaders::jpegResolution(encoded(grey, "jpeg"));
        QVERIFY(qAbs(jpegDpi.width() - 300) < 0.5 && qAbs(jpegDpi.height() - 300) < 0.5);

        QByteArray tiff = encoded(grey, "tiff", 7874); // 200 dpi
        QBuffer device(&tiff);
        device.open(QIODevice::ReadOnly);
        const QSizeF tiffDpi = ImageHeaders::tiffResolution(device);
        QVERIFY(qAbs(tiffDpi.width() - 200) < 0.5 && qAbs(tiffDpi.height() - 200) < 0.5);

        // A directory offset past the end reads nothing.
        QByteArray farOff = tiff;
        farOff.replace(4, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
        QBuffer broken(&farOff);
        broken.open(QIODevice::ReadOnly);
        QCOMPARE(ImageHeaders::tiffResolution(broken), QSizeF());
    }
};

QTEST_GUILESS_MAIN(tst_ImageHeaders)
#include "tst_ImageHeaders.moc"
