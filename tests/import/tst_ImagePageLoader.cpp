#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "import/ImagePageLoader.h"

// Picture files made ready for the page store: which keep their bytes, which are written again,
// which are left to the store, and what is left behind of a file handed over.
class tst_ImagePageLoader : public QObject
{
    Q_OBJECT

private slots:
    void filesBecomePreparedPages_data();
    void filesBecomePreparedPages();
};

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage picture(QImage::Format format = QImage::Format_RGB32)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 40; y < 160; ++y) {
        for (int x = 30; x < 270; x += 3)
            image.setPixel(x, y, qRgb(20, 40, 90));
    }
    return image.convertToFormat(format);
}

// Writes the kind of file the row names; empty on failure.
QString makeFile(const QString &folder, const QString &kind)
{
    const QString base = folder + QStringLiteral("/in-") + kind;
    if (kind == QStringLiteral("jpeg") || kind == QStringLiteral("truncated jpeg")) {
        const QString path = base + QStringLiteral(".jpg");
        if (!picture().save(path, "JPG", 90))
            return {};
        if (kind == QStringLiteral("truncated jpeg")) {
            // Without its end marker: still a picture, but the file ends early.
            QByteArray bytes = bytesOf(path);
            bytes.chop(2);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return {};
        }
        return path;
    }
    if (kind == QStringLiteral("png")) {
        const QString path = base + QStringLiteral(".png");
        return picture().save(path) ? path : QString();
    }
    if (kind == QStringLiteral("1-bit tiff")) {
        const QString path = base + QStringLiteral(".tif");
        return picture(QImage::Format_Mono).save(path, "TIFF") ? path : QString();
    }
    const QString path = base + QStringLiteral(".png");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("not a picture at all") > 0 ? path
                                                                                     : QString();
}

} // namespace

void tst_ImagePageLoader::filesBecomePreparedPages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("owned");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("bytesKept");
    QTest::addColumn<bool>("leftToStore"); // a 1-bit picture, written by the store
    QTest::addColumn<int>("problem");
    using P = ImagePageLoader::Problem;
    QTest::newRow("jpeg, the user's") << "jpeg" << false << 1 << true << false << int(P::None);
    QTest::newRow("jpeg, handed over") << "jpeg" << true << 1 << true << false << int(P::None);
    QTest::newRow("png") << "png" << false << 1 << false << false << int(P::None);
    QTest::newRow("png, handed over") << "png" << true << 1 << false << false << int(P::None);
    QTest::newRow("1-bit tiff") << "1-bit tiff" << false << 1 << false << true << int(P::None);
    QTest::newRow("truncated jpeg")
        << "truncated jpeg" << false << 1 << false << false << int(P::Damaged);
    QTest::newRow("no picture") << "garbage" << false << 0 << false << false << int(P::Unreadable);
}

void tst_ImagePageLoader::filesBecomePreparedPages()
{
    QFETCH(QString, kind);
    QFETCH(bool, owned);
    QFETCH(int, pages);
    QFETCH(bool, bytesKept);
    QFETCH(bool, leftToStore);
    QFETCH(int, problem);
    QTemporaryDir in;
    QTemporaryDir out;
    const QString file = makeFile(in.path(), kind);
    QVERIFY(!file.isEmpty());
    const QByteArray original = bytesOf(file);

    ImagePageLoader::Options options;
    options.folder = out.path();
    options.thumbSize = QSize(100, 100);
    const ImagePageLoader::Result result = ImagePageLoader(options).load(file, {}, owned);

    QCOMPARE(int(result.problem), problem);
    QCOMPARE(result.pages.size(), pages);
    // A file handed over is gone (moved into its page or no longer needed); the user's stays.
    QCOMPARE(QFile::exists(file), !owned);
    for (const ImagePageLoader::Page &page : result.pages) {
        QCOMPARE(page.blackAndWhite, leftToStore);
        if (leftToStore) {
            QVERIFY(page.jpeg.isEmpty());
            QCOMPARE(page.image.size(), QSize(300, 200));
            continue;
        }
        QVERIFY(page.jpeg.startsWith(out.path()));
        QCOMPARE(QImageReader(page.jpeg).format(), QByteArray("jpeg"));
        QCOMPARE(QImageReader(page.jpeg).size(), QSize(300, 200));
        QCOMPARE(bytesOf(page.jpeg) == original, bytesKept);
        QCOMPARE(QImageReader(page.thumbnail).size(),
                 QSize(300, 200).scaled(options.thumbSize, Qt::KeepAspectRatio));
    }
}

QTEST_GUILESS_MAIN(tst_ImagePageLoader)
#include "tst_ImagePageLoader.moc"
