#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "pages/PageRecovery.h"
#include "support/TestPaths.h"

// What a renumbering or an addition killed half-way through one page leaves, and how recovery
// mends it.
class tst_PageRecovery : public QObject
{
    Q_OBJECT

private slots:
    void parkedThumbnailAndSourceFindTheirPage_data();
    void parkedThumbnailAndSourceFindTheirPage();
};

void tst_PageRecovery::parkedThumbnailAndSourceFindTheirPage_data()
{
    // The page "A" was moving from number 3 to number 1; which of its files had moved.
    QTest::addColumn<QStringList>("files");
    QTest::newRow("working image moved")
        << QStringList{QStringLiteral("00000001_o.jpg"), QStringLiteral("00000003_s.jpg.tmp"),
                       QStringLiteral("00000003_w.jpg.tmp")};
    QTest::newRow("working image and thumbnail moved")
        << QStringList{QStringLiteral("00000001_o.jpg"), QStringLiteral("00000001_s.jpg"),
                       QStringLiteral("00000003_w.jpg.tmp")};
    QTest::newRow("nothing moved yet")
        << QStringList{QStringLiteral("00000003_o.jpg.tmp"), QStringLiteral("00000003_s.jpg.tmp"),
                       QStringLiteral("00000003_w.jpg.tmp")};
    // Or "A" was being added at number 1, and its source (written last) was not there yet.
    QTest::newRow("added without its source")
        << QStringList{QStringLiteral("00000001_o.jpg"), QStringLiteral("00000001_s.jpg")};
}

void tst_PageRecovery::parkedThumbnailAndSourceFindTheirPage()
{
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    // A complete page "B" at number 2, whose files must stay its own.
    for (const char *name : {"00000002_o.jpg", "00000002_s.jpg", "00000002_w.jpg"})
        QVERIFY(TestPaths::writeFile(folder.filePath(QString::fromLatin1(name)), "B"));
    for (const QString &name : files)
        QVERIFY(TestPaths::writeFile(folder.filePath(name), "A"));

    const QStringList pages = PageRecovery::preparePages(dir.path());
    QCOMPARE(pages.size(), 2);
    QVERIFY(folder.entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());
    for (const QString &page : pages) {
        const QByteArray owner = TestPaths::readFile(folder.filePath(page));
        const QString base = page.left(8);
        QCOMPARE(TestPaths::readFile(folder.filePath(base + QStringLiteral("_s.jpg"))), owner);
        QCOMPARE(TestPaths::readFile(folder.filePath(base + QStringLiteral("_w.jpg"))), owner);
    }
}

QTEST_GUILESS_MAIN(tst_PageRecovery)
#include "tst_PageRecovery.moc"
