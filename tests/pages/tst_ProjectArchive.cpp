#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "core/PageImages.h"
#include "pages/PageFiles.h"
#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"
#include "support/TestPages.h"
#include "support/TestPaths.h"

namespace {

// name -> bytes of every entry, in archive order.
QList<QPair<QString, QByteArray>> entries(const QString &archive)
{
    QList<QPair<QString, QByteArray>> result;
    QuaZip zip(archive);
    if (!zip.open(QuaZip::mdUnzip))
        return result;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile entry(&zip);
        if (entry.open(QIODevice::ReadOnly))
            result.append({zip.getCurrentFileName(), entry.readAll()});
    }
    return result;
}

} // namespace

// Saving a project: what a page that lost a derived file still gives, what a full disk says,
// and what an interrupted save leaves for the next one.
class tst_ProjectArchive : public QObject
{
    Q_OBJECT

private slots:
    void missingThumbnailAndSourceDoNotFailTheSave();
    void unfinishedCopyOfAnEarlierSaveIsRemoved();
    void fullDiskIsReportedWithTheSystemsReason();
    void damagedEntriesAreSkippedAndNamed_data();
    void damagedEntriesAreSkippedAndNamed();
    void overlappingEntriesAreRefused();

private:
    // A page store in a folder of its own: a colour page of the given id, then a 1-bit page
    // when monoId is not 0. Null when a page could not be written.
    std::unique_ptr<PageStore> storeOf(const QString &name, int colourId, int monoId = 0);

    QTemporaryDir m_dir;
};

std::unique_ptr<PageStore> tst_ProjectArchive::storeOf(const QString &name, int colourId,
                                                       int monoId)
{
    const QString folder = m_dir.filePath(name);
    QDir().mkpath(folder);
    auto store = std::make_unique<PageStore>(folder);
    QImage thumbnail;
    if (!store->addImage(TestPages::pageImage(colourId), false, &thumbnail))
        return nullptr;
    if (monoId != 0 &&
        !store->addImage(TestPages::pageImage(monoId, QImage::Format_Mono), true, &thumbnail))
        return nullptr;
    return store;
}

void tst_ProjectArchive::missingThumbnailAndSourceDoNotFailTheSave()
{
    const auto stored = storeOf(QStringLiteral("pages"), 1, 2);
    QVERIFY(stored);
    const PageStore &store = *stored;
    QVERIFY(QFile::remove(store.thumbPath(0)));
    QVERIFY(QFile::remove(store.sourcePath(1)));

    ProjectArchive archive;
    const QString target = m_dir.filePath(QStringLiteral("lost.vlmpj"));
    QVERIFY2(archive.writeProject(target, store.workingPaths()), qPrintable(archive.errorString()));
    const auto written = entries(target);
    QStringList names;
    for (const auto &[name, bytes] : written)
        names << name;
    QCOMPARE(names,
             QStringList({QStringLiteral("00000001_o.jpg"), QStringLiteral("00000002_o.tiff"),
                          QStringLiteral("00000001_s.jpg"), QStringLiteral("00000002_s.jpg"),
                          QStringLiteral("00000001_w.jpg"), QStringLiteral("00000002_w.tiff")}));
    // The thumbnail was made again from the page; the source is the working image itself.
    QImage remade;
    QVERIFY(remade.loadFromData(written.at(2).second, "JPG"));
    QVERIFY(remade.width() <= 220 && remade.height() <= 220 && remade.width() > 100);
    QCOMPARE(written.at(5).second, TestPaths::readFile(store.workingPath(1)));
    // Stored JPEG and deflated TIFF entries alike pass another tool's checks.
    QCOMPARE(written.at(1).second, TestPaths::readFile(store.workingPath(1)));
    QCOMPARE(QProcess::execute(QStringLiteral("unzip"), {QStringLiteral("-tq"), target}), 0);
}

void tst_ProjectArchive::unfinishedCopyOfAnEarlierSaveIsRemoved()
{
    const auto store = storeOf(QStringLiteral("one"), 3);
    QVERIFY(store);
    const QString target = m_dir.filePath(QStringLiteral("book.vlmpj"));
    const QString stale =
        m_dir.filePath(ProjectArchive::unfinishedPrefix(target) + QStringLiteral("Ab12Cd"));
    const QString otherTarget = m_dir.filePath(
        ProjectArchive::unfinishedPrefix(m_dir.filePath(QStringLiteral("other.vlmpj"))) +
        QStringLiteral("Ab12Cd"));
    for (const QString &path : {stale, otherTarget}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ProjectArchive archive;
    QVERIFY(archive.writeProject(target, store->workingPaths()));
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(otherTarget)); // another project's leftover is not this save's
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("book.vlmpj*")}, QDir::Files),
             QStringList{QStringLiteral("book.vlmpj")});
}

void tst_ProjectArchive::fullDiskIsReportedWithTheSystemsReason()
{
    // A disk of 256 KiB that a colour A4 page cannot fit on (needs root, as in CI).
    const QString disk = m_dir.filePath(QStringLiteral("disk"));
    if (!TestPaths::mountSmallDisk(disk, 256))
        QSKIP("cannot mount a small tmpfs here (not root)");
    const auto unmount = qScopeGuard([&disk] { TestPaths::unmountDisk(disk); });

    QImage page(2480, 3508, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x)
            line[x] = qRgb((x * 7) ^ (y * 13), y * 3, x * y);
    }
    const QString noSpace = QString::fromLocal8Bit(strerror(ENOSPC));

    // A working image: refused with the reason, and nothing under the page's name.
    QString error;
    const QString working = disk + QStringLiteral("/00000001_o.jpg");
    QVERIFY(!PageImages::writeWorkingImage(page, working, false, 85, &error));
    QVERIFY2(error.contains(noSpace), qPrintable(error));
    QVERIFY(!QFile::exists(working));

    // A project: refused with the reason; an earlier file at the target stays as it was.
    const QString big = m_dir.filePath(QStringLiteral("big.jpg"));
    QVERIFY(page.save(big, "JPG", 95));
    const QString target = disk + QStringLiteral("/project.vlmpj");
    {
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    ProjectArchive archive;
    QVERIFY(!archive.write(target, {big}));
    QVERIFY2(archive.errorString().contains(noSpace), qPrintable(archive.errorString()));
    QCOMPARE(TestPaths::readFile(target), QByteArray("earlier"));
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("project.vlmpj")});

    // Opening a project onto the full disk: stopped before the first entry, nothing written.
    const QString small = m_dir.filePath(QStringLiteral("small.vlmpj"));
    const QString named = m_dir.filePath(QStringLiteral("00000001_o.jpg"));
    QVERIFY(QFile::copy(big, named));
    QVERIFY(archive.write(small, {named}));
    const QString into = disk + QStringLiteral("/opening");
    QVERIFY(QDir().mkpath(into));
    QVERIFY(archive.extract(small, into).isEmpty());
    QVERIFY2(archive.errorString().contains(QStringLiteral("not enough free disk space")),
             qPrintable(archive.errorString()));
    QVERIFY(QDir(into).isEmpty());
}

void tst_ProjectArchive::damagedEntriesAreSkippedAndNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    // Bytes of zeros written after bytes, a mebibyte at a time.
    QTest::addColumn<qint64>("zeros");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<bool>("corrupt");
    QTest::addColumn<QString>("reason");
    const QString first = QStringLiteral("00000001_o.jpg");
    QByteArray page;
    {
        QBuffer buffer(&page);
        buffer.open(QIODevice::WriteOnly);
        TestPages::pageImage(5).save(&buffer, "JPG");
    }
    QTest::newRow("encrypted") << first << page << 0LL << QByteArray("secret") << false
                               << "encrypted";
    QTest::newRow("empty") << first << QByteArray() << 0LL << QByteArray() << false << "damaged";
    QTest::newRow("checksum wrong") << first << page << 0LL << QByteArray() << true << "damaged";
    QTest::newRow("text under a page name")
        << first << QByteArray("not a picture") << 0LL << QByteArray() << false << "not an image";
    QTest::newRow("1 GB of zeros")
        << first << page << (1LL << 30) << QByteArray() << false << "larger than any page";
    // The first entry of a name is the page; the second one is skipped.
    QTest::newRow("same name twice") << QStringLiteral("00000002_o.jpg") << page << 0LL
                                     << QByteArray() << false << "a second entry of that name";
}

void tst_ProjectArchive::damagedEntriesAreSkippedAndNamed()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, zeros);
    QFETCH(QByteArray, password);
    QFETCH(bool, corrupt);
    QFETCH(QString, reason);
    QByteArray good;
    {
        QBuffer buffer(&good);
        buffer.open(QIODevice::WriteOnly);
        TestPages::pageImage(6).save(&buffer, "JPG");
    }
    // The bad page first, stored, so that its data can be spoilt in place; a good page after.
    const QString path = m_dir.filePath(QStringLiteral("damaged.vlmpj"));
    {
        QuaZip zip(path);
        QVERIFY(zip.open(QuaZip::mdCreate));
        QuaZipFile bad(&zip);
        QVERIFY(bad.open(QIODevice::WriteOnly, QuaZipNewInfo(name),
                         password.isEmpty() ? nullptr : password.constData(), 0,
                         zeros > 0 ? Z_DEFLATED : 0, zeros > 0 ? 1 : 0));
        bad.write(bytes);
        const QByteArray mebibyte(1 << 20, '\0');
        for (qint64 written = 0; written < zeros; written += mebibyte.size())
            QVERIFY(bad.write(mebibyte) == mebibyte.size());
        bad.close();
        QuaZipFile fine(&zip);
        QVERIFY(fine.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("00000002_o.jpg"))));
        fine.write(good);
        fine.close();
        zip.close();
    }
    if (corrupt) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(30 + 14 + 200)); // past the local header, inside the data
        file.write("!!!!");
    }
    const QString folder =
        m_dir.filePath(QStringLiteral("opened-") + QString::fromLatin1(QTest::currentDataTag()));
    QDir().mkpath(folder);
    ProjectArchive archive;
    QCOMPARE(archive.extract(path, folder), QStringList{QStringLiteral("00000002_o.jpg")});
    QCOMPARE(archive.skipReasons(), QStringList{QStringLiteral("%1 (%2)").arg(name, reason)});
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("00000002_o.jpg")});
}

void tst_ProjectArchive::overlappingEntriesAreRefused()
{
    // A real project of two pages: nothing overlaps.
    const auto store = storeOf(QStringLiteral("two"), 7, 8);
    QVERIFY(store);
    const QString path = m_dir.filePath(QStringLiteral("two.vlmpj"));
    ProjectArchive archive;
    QVERIFY(archive.writeProject(path, store->workingPaths()));
    QVERIFY(!ProjectArchive::hasOverlappingEntries(path));

    // The second directory record made to point at the first entry's data.
    QByteArray bytes = TestPaths::readFile(path);
    const QByteArray record("PK\x01\x02", 4);
    const qsizetype second = bytes.indexOf(record, bytes.indexOf(record) + 4);
    QVERIFY(second > 0);
    for (int i = 0; i < 4; ++i)
        bytes[second + 42 + i] = 0;
    const QString forged = m_dir.filePath(QStringLiteral("forged.vlmpj"));
    QVERIFY(TestPaths::writeFile(forged, bytes));
    QVERIFY(ProjectArchive::hasOverlappingEntries(forged));
    const QString into = m_dir.filePath(QStringLiteral("forged-pages"));
    QDir().mkpath(into);
    QVERIFY(archive.extract(forged, into).isEmpty());
    QVERIFY(archive.errorString().contains(QStringLiteral("overlap")));
    QVERIFY(QDir(into).entryList(QDir::Files).isEmpty());

    // A directory claiming 4 GB in a small file is refused without reading that much.
    bytes = TestPaths::readFile(path);
    const qsizetype end = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    QVERIFY(end > 0);
    for (int i = 0; i < 4; ++i)
        bytes[end + 12 + i] = char(0xF0);
    QVERIFY(TestPaths::writeFile(forged, bytes));
    QVERIFY(ProjectArchive::hasOverlappingEntries(forged));
}

QTEST_GUILESS_MAIN(tst_ProjectArchive)
#include "tst_ProjectArchive.moc"
