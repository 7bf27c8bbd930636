#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <istream>

#include "import/PdfFileBuffer.h"

// The parser's stream over a file must read exactly what a standard file stream reads, however
// it hops about: short and long reads across block edges, seeks from the start, the current
// place and the end, inside and outside the block in hand, and reads running off the end.
class tst_PdfFileBuffer : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeAFileStream();
    void missingFileIsRefused();
};

void tst_PdfFileBuffer::readsLikeAFileStream()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("data.bin"));
    QRandomGenerator random(17);
    // A little over three blocks of the buffer.
    QByteArray bytes(200'003, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    PdfFileBuffer buffer;
    QString error;
    QVERIFY2(buffer.open(path, &error), qPrintable(error));
    std::istream ours(&buffer);
    std::ifstream theirs(QFile::encodeName(path).constData(), std::ios::binary);
    QVERIFY(theirs.is_open());

    for (int step = 0; step < 3000; ++step) {
        const int what = random.bounded(6);
        if (what == 0) {
            const qint64 to = random.bounded(bytes.size() + 10);
            ours.seekg(to);
            theirs.seekg(to);
        } else if (what == 1) {
            const qint64 by = qint64(random.bounded(4000)) - 2000;
            ours.seekg(by, std::ios::cur);
            theirs.seekg(by, std::ios::cur);
        } else if (what == 2) {
            const qint64 back = -qint64(random.bounded(3000));
            ours.seekg(back, std::ios::end);
            theirs.seekg(back, std::ios::end);
        } else {
            // Mostly short reads, a token's worth; now and then a stream's data past a block.
            const int length = what == 5 ? random.bounded(150'000) : random.bounded(40);
            QByteArray mine(length, '\0');
            QByteArray wanted(length, '\0');
            ours.read(mine.data(), length);
            theirs.read(wanted.data(), length);
            QCOMPARE(ours.gcount(), theirs.gcount());
            QVERIFY2(mine.left(ours.gcount()) == wanted.left(theirs.gcount()),
                     qPrintable(QStringLiteral("step %1").arg(step)));
            QCOMPARE(ours.peek(), theirs.peek());
        }
        QCOMPARE(ours.fail(), theirs.fail());
        QCOMPARE(ours.eof(), theirs.eof());
        ours.clear();
        theirs.clear();
        QCOMPARE(qint64(ours.tellg()), qint64(theirs.tellg()));
    }
}

void tst_PdfFileBuffer::missingFileIsRefused()
{
    PdfFileBuffer buffer;
    QString error;
    QVERIFY(!buffer.open(QStringLiteral("/nonexistent/file.pdf"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!buffer.open(QDir::tempPath(), &error));
}

QTEST_GUILESS_MAIN(tst_PdfFileBuffer)
#include "tst_PdfFileBuffer.moc"
