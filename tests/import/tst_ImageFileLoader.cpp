#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "import/ImageFileLoader.h"

// Image files as pages: a transparent picture lies on white paper, an image too large to hold
// is told apart from a file that is no image.
class tst_ImageFileLoader : public QObject
{
    Q_OBJECT

private slots:
    void transparentPictureLiesOnWhite();
    void hugeImageIsTooLargeNotUnreadable();
    void truncatedFileIsReadAndMarkedDamaged_data();
    void truncatedFileIsReadAndMarkedDamaged();

private:
    QTemporaryDir m_dir;
};

void tst_ImageFileLoader::transparentPictureLiesOnWhite()
{
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int x = 0; x < 10; ++x)
        picture.setPixel(x, 5, qRgba(200, 0, 0, 255));
    const QString path = m_dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(picture.save(path));
    const ImageFileLoader::Page page = ImageFileLoader::read(path);
    QVERIFY(!page.image.hasAlphaChannel());
    QCOMPARE(page.image.pixel(20, 20), qRgb(255, 255, 255));
    QCOMPARE(page.image.pixel(3, 5), qRgb(200, 0, 0));
    QVERIFY(!page.blackAndWhite);
}

void tst_ImageFileLoader::hugeImageIsTooLargeNotUnreadable()
{
    // A grey map whose header claims 30000 x 30000 pixels (3.6 GB to decode).
    const QString huge = m_dir.filePath(QStringLiteral("huge.pgm"));
    QFile file(huge);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("P5\n30000 30000\n255\n");
    file.write(QByteArray(4096, '\x80'));
    file.close();
    ImageFileLoader::Page page = ImageFileLoader::read(huge);
    QVERIFY(page.image.isNull());
    QVERIFY(page.tooLarge);
    QCOMPARE(page.size, QSize(30000, 30000));

    const QString text = m_dir.filePath(QStringLiteral("notes.png"));
    QFile notes(text);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not an image");
    notes.close();
    page = ImageFileLoader::read(text);
    QVERIFY(page.image.isNull());
    QVERIFY(!page.tooLarge);
}

void tst_ImageFileLoader::truncatedFileIsReadAndMarkedDamaged_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("cut");
    QTest::newRow("whole JPEG") << QByteArray("JPG") << false;
    QTest::newRow("JPEG cut in half") << QByteArray("JPG") << true;
    QTest::newRow("whole PNG") << QByteArray("PNG") << false;
}

void tst_ImageFileLoader::truncatedFileIsReadAndMarkedDamaged()
{
    QFETCH(QByteArray, format);
    QFETCH(bool, cut);
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, format.constData()));
    if (cut)
        bytes.truncate(bytes.size() / 2);
    const QString path =
        m_dir.filePath(QStringLiteral("picture.") + QString::fromLatin1(format).toLower());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const ImageFileLoader::Page page = ImageFileLoader::read(path);
    QVERIFY(!page.image.isNull());
    QCOMPARE(page.damaged, cut);
}

QTEST_GUILESS_MAIN(tst_ImageFileLoader)
#include "tst_ImageFileLoader.moc"
