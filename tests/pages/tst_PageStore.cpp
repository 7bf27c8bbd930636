#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QScopeGuard>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/FileOperations.h"
#include "core/PageImages.h"
#include "pages/PageFiles.h"
#include "pages/PageStore.h"

namespace {

// Real files; renames into the listed targets fail (forever, or a given number of times).
class FailingRenames : public FileOperations
{
public:
    bool rename(const QString &from, const QString &to) override
    {
        for (const QString &pattern : failTargets) {
            if (to.endsWith(pattern) && budget != 0) {
                if (budget > 0)
                    --budget;
                return false;
            }
        }
        return FileOperations::rename(from, to);
    }
    QStringList failTargets;
    int budget = -1;
};

} // namespace

#include <cstring>

#include "support/TestPages.h"
#include "support/TestPaths.h"

class tst_PageStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstPageFileNames_data();
    void firstPageFileNames();
    void thumbnailFitsTheBox_data();
    void thumbnailFitsTheBox();
    void fastThumbnailMatchesSmoothScaling_data();
    void fastThumbnailMatchesSmoothScaling();
    void madeThumbnailIsTakenOnlyWhenItFits_data();
    void madeThumbnailIsTakenOnlyWhenItFits();
    void movedJpegKeepsItsSourceThroughChanges_data();
    void movedJpegKeepsItsSourceThroughChanges();
    void removalRenumbersInOnePass();
    void removingOnlyPageEmptiesTheFolder();
    void moveLastToTopKeepsTiffExtension();
    void restoreSource();
    void replaceChangesExtensionWithoutLosingFiles();
    void splitLastPage();
    void loadPageWithoutThumbnail();
    void failedSecondPassIsUndone();
    void failedUndoLeavesEveryPageRecoverable();
    void failedRemovalRenameNeverLetsANewPageOverwrite();
    void failedWriteAddsNothing();

private:
    void addPages(PageStore &store, int n);
    void verifyNaming(const PageStore &store);
    QList<int> workingOrderIds(const PageStore &store) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_PageStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_PageStore::addPages(PageStore &store, int n)
{
    for (int id = 1; id <= n; ++id)
        QVERIFY(store.addImage(TestPages::pageImage(id), false, nullptr));
}

void tst_PageStore::verifyNaming(const PageStore &store)
{
    // Page i has base name i+1 and its three files; nothing else lies in the folder.
    QSet<QString> expected;
    for (int i = 0; i < store.count(); ++i) {
        const QString working = store.workingPath(i);
        QCOMPARE(QFileInfo(working).fileName().left(8), PageFiles::baseName(i + 1));
        for (const QString &path :
             {working, PageFiles::sourcePath(working), PageFiles::thumbPath(working)}) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
            expected.insert(QFileInfo(path).fileName());
        }
    }
    const QStringList present = QDir(m_dir->path()).entryList(QDir::Files);
    QCOMPARE(QSet<QString>(present.begin(), present.end()), expected);
}

QList<int> tst_PageStore::workingOrderIds(const PageStore &store) const
{
    QList<int> ids;
    for (const QString &path : store.workingPaths())
        ids << TestPages::idOf(path);
    return ids;
}

void tst_PageStore::firstPageFileNames_data()
{
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("source");
    QTest::newRow("colour") << false << QStringLiteral("00000001_o.jpg")
                            << QStringLiteral("00000001_w.jpg");
    QTest::newRow("black-and-white")
        << true << QStringLiteral("00000001_o.tiff") << QStringLiteral("00000001_w.tiff");
}

void tst_PageStore::firstPageFileNames()
{
    QFETCH(bool, blackAndWhite);
    QFETCH(QString, working);
    QFETCH(QString, source);
    PageStore store(m_dir->path());
    QImage thumb;
    QVERIFY(store.addImage(TestPages::pageImage(1), blackAndWhite, &thumb));
    QCOMPARE(store.workingPath(0), m_dir->filePath(working));
    QVERIFY(QFile::exists(m_dir->filePath(source)));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("00000001_s.jpg"))));
    QCOMPARE(store.lastPageNumber(), 1);
    const QImage stored(m_dir->filePath(working));
    QCOMPARE(stored.depth() == 1, blackAndWhite);
    QCOMPARE(qRound(stored.dotsPerMeterX() * 0.0254), 300);
    // The source is a byte copy of the working image.
    QFile a(m_dir->filePath(working)), b(m_dir->filePath(source));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

void tst_PageStore::thumbnailFitsTheBox_data()
{
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("thumbSize");
    QTest::newRow("fits") << QSize(150, 100) << QSize(150, 100);
    QTest::newRow("landscape") << QSize(4000, 3000) << QSize(220, 165);
    QTest::newRow("A4 portrait") << QSize(2480, 3508) << QSize(155, 220);
}

void tst_PageStore::thumbnailFitsTheBox()
{
    QFETCH(QSize, imageSize);
    QFETCH(QSize, thumbSize);
    PageStore store(m_dir->path());
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QImage thumb;
    QVERIFY(store.addImage(image, false, &thumb));
    QCOMPARE(thumb.size(), thumbSize);
    QCOMPARE(QImageReader(store.thumbPath(0)).size(), thumbSize);
}

void tst_PageStore::fastThumbnailMatchesSmoothScaling_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("colour") << int(QImage::Format_RGB32);
    QTest::newRow("grey") << int(QImage::Format_Grayscale8);
    QTest::newRow("1-bit") << int(QImage::Format_Mono);
}

void tst_PageStore::fastThumbnailMatchesSmoothScaling()
{
    // A page of text-like stripes and a gradient: the block-averaged thumbnail must look like
    // the one a plain smooth scale gives.
    QFETCH(int, format);
    QImage page(2480, 3508, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const bool ink = (y / 40) % 3 == 0 && (x / 25) % 4 != 0 && x > 200 && x < 2200;
            const int level = ink ? 20 : 255 - x * 60 / page.width();
            line[x] = qRgb(level, (level + y) % 256 / 2 + 64, level);
        }
    }
    const QImage input = page.convertToFormat(static_cast<QImage::Format>(format));
    const QImage fast =
        PageImages::makeThumbnail(input, QSize(220, 220)).convertToFormat(QImage::Format_RGB32);
    const QImage oracle =
        input.convertToFormat(QImage::Format_RGB32)
            .scaled(QSize(220, 220), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(fast.size(), oracle.size());
    double difference = 0;
    for (int y = 0; y < fast.height(); ++y) {
        for (int x = 0; x < fast.width(); ++x)
            difference += qAbs(qGray(fast.pixel(x, y)) - qGray(oracle.pixel(x, y)));
    }
    difference /= fast.width() * fast.height();
    QVERIFY2(difference < 6.0, qPrintable(QString::number(difference)));
}

void tst_PageStore::madeThumbnailIsTakenOnlyWhenItFits_data()
{
    QTest::addColumn<int>("madeWidth"); // 0: no file
    QTest::addColumn<bool>("taken");
    // The page is 400 x 600; the box 100 x 100 gives a thumbnail of 66 x 100.
    QTest::newRow("fits") << 66 << true;
    QTest::newRow("another size") << 100 << false;
    QTest::newRow("missing") << 0 << false;
}

void tst_PageStore::madeThumbnailIsTakenOnlyWhenItFits()
{
    QFETCH(int, madeWidth);
    QFETCH(bool, taken);
    QImage picture(400, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString jpeg = m_dir->filePath(QStringLiteral("page.jpeg"));
    QVERIFY(picture.save(jpeg, "JPG"));
    // A made thumbnail that is plainly not the page's own: red.
    const QString made = m_dir->filePath(QStringLiteral("made.jpeg"));
    if (madeWidth > 0) {
        QImage red(madeWidth, 100, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(made, "JPG"));
    }
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("pages")));
    PageStore store(m_dir->filePath(QStringLiteral("pages")));
    store.setThumbSize(QSize(100, 100));
    QImage thumbnail;
    QVERIFY(store.addJpegFile(jpeg, &thumbnail, made));
    const QImage stored(PageFiles::thumbPath(store.workingPath(0)));
    QCOMPARE(stored.size(), QSize(66, 100));
    QCOMPARE(thumbnail.size(), QSize(66, 100));
    QCOMPARE(qRed(stored.pixel(30, 50)) > 200 && qGreen(stored.pixel(30, 50)) < 60, taken);
    QCOMPARE(qRed(thumbnail.pixel(30, 50)) > 200 && qGreen(thumbnail.pixel(30, 50)) < 60, taken);
}

void tst_PageStore::movedJpegKeepsItsSourceThroughChanges_data()
{
    QTest::addColumn<bool>("otherFileSystem");
    QTest::newRow("same file system") << false;
    // Where the files cannot be renamed into place, they are copied and then deleted.
    QTest::newRow("another file system") << true;
}

void tst_PageStore::movedJpegKeepsItsSourceThroughChanges()
{
    QFETCH(bool, otherFileSystem);
    QTemporaryDir memory(QStringLiteral("/dev/shm/vellumo-test-XXXXXX"));
    if (otherFileSystem && (!memory.isValid() || QStorageInfo(memory.path()).device() ==
                                                     QStorageInfo(m_dir->path()).device()))
        QSKIP("no file system other than the temporary folder's");
    const QDir from(otherFileSystem ? memory.path() : m_dir->path());
    const QString jpeg = from.filePath(QStringLiteral("extracted.jpg"));
    const QString made = from.filePath(QStringLiteral("extracted-thumb.jpg"));
    QVERIFY(TestPages::pageImage(1).save(jpeg, "JPG"));
    QVERIFY(TestPages::pageImage(1).scaled(QSize(100, 100), Qt::KeepAspectRatio).save(made, "JPG"));
    const auto bytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray original = bytes(jpeg);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("pages")));
    PageStore store(m_dir->filePath(QStringLiteral("pages")));
    store.setThumbSize(QSize(100, 100));
    QVERIFY(store.addJpegFile(jpeg, nullptr, made, PageStore::FileUse::Move));
    QVERIFY(!QFile::exists(jpeg));
    QVERIFY(!QFile::exists(made));
    QCOMPARE(bytes(store.workingPath(0)), original);
    QVERIFY(!QImage(store.thumbPath(0)).isNull());

    // The source must not follow the working image when the page is edited.
    QVERIFY(PageImages::writeWorkingImage(TestPages::pageImage(2), store.workingPath(0), false, 85,
                                          nullptr));
    QVERIFY(bytes(store.workingPath(0)) != original);
    QCOMPARE(bytes(store.sourcePath(0)), original);
    QVERIFY(store.restoreSource(0, nullptr));
    QCOMPARE(bytes(store.workingPath(0)), original);
}

void tst_PageStore::removalRenumbersInOnePass()
{
    PageStore store(m_dir->path());
    addPages(store, 4);
    QVERIFY(store.removeAt(1));
    QCOMPARE(store.count(), 3);
    verifyNaming(store);
    QCOMPARE(workingOrderIds(store), QList<int>({1, 3, 4}));
    QVERIFY(!store.removeAt(3)); // out of range
    QCOMPARE(store.count(), 3);
}

void tst_PageStore::removingOnlyPageEmptiesTheFolder()
{
    PageStore store(m_dir->path());
    addPages(store, 1);
    QVERIFY(store.removeAt(0));
    QCOMPARE(store.count(), 0);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void tst_PageStore::moveLastToTopKeepsTiffExtension()
{
    PageStore store(m_dir->path());
    addPages(store, 4);
    QVERIFY(store.addImage(TestPages::pageImage(5, QImage::Format_Mono), true, nullptr));
    QCOMPARE(store.move(4, 0), PageStore::MoveResult::Moved);
    verifyNaming(store);
    QCOMPARE(QFileInfo(store.workingPath(0)).fileName(), QStringLiteral("00000001_o.tiff"));
    QCOMPARE(workingOrderIds(store), QList<int>({5, 1, 2, 3, 4}));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("00000001_w.tiff"))));

    QCOMPARE(store.move(1, 3), PageStore::MoveResult::Moved);
    verifyNaming(store);
    QCOMPARE(workingOrderIds(store), QList<int>({5, 2, 3, 1, 4}));
    QCOMPARE(store.move(2, 2), PageStore::MoveResult::Unchanged);
    QCOMPARE(store.move(0, 9), PageStore::MoveResult::Unchanged);
}

void tst_PageStore::restoreSource()
{
    PageStore store(m_dir->path());
    addPages(store, 2);
    // An edit rewrote the working image.
    QVERIFY(PageImages::writeWorkingImage(TestPages::pageImage(9), store.workingPath(1), false, 85,
                                          nullptr));
    QImage thumb;
    QVERIFY(store.restoreSource(1, &thumb));
    QCOMPARE(TestPages::idOf(store.workingPath(1)), 2);
    QVERIFY(!thumb.isNull());

    QVERIFY(PageImages::writeWorkingImage(TestPages::pageImage(9), store.workingPath(1), false, 85,
                                          nullptr));
    QVERIFY(QFile::remove(store.sourcePath(1)));
    QVERIFY(!store.restoreSource(1, &thumb));
    QCOMPARE(TestPages::idOf(store.workingPath(1)), 9);
}

void tst_PageStore::replaceChangesExtensionWithoutLosingFiles()
{
    PageStore store(m_dir->path());
    addPages(store, 2);
    QVERIFY(store.replaceImage(0, TestPages::pageImage(7, QImage::Format_Mono), true, nullptr));
    QCOMPARE(QFileInfo(store.workingPath(0)).fileName(), QStringLiteral("00000001_o.tiff"));
    verifyNaming(store); // the old .jpg working and source files are gone
    QCOMPARE(TestPages::idOf(store.workingPath(0)), 7);
    QCOMPARE(TestPages::idOf(store.sourcePath(0)), 7);
}

void tst_PageStore::splitLastPage()
{
    PageStore store(m_dir->path());
    addPages(store, 3);
    const QString left = m_dir->filePath(QStringLiteral("halves/left.png"));
    const QString right = m_dir->filePath(QStringLiteral("halves/right.png"));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("halves"))));
    QVERIFY(TestPages::pageImage(11).save(left));
    QVERIFY(TestPages::pageImage(12).save(right));

    const PageStore::SplitResult result = store.splitPage(2, left, right);
    QVERIFY(result.leftReplaced);
    QVERIFY(result.rightAdded);
    QCOMPARE(result.rightMoved, PageStore::MoveResult::Moved);
    QCOMPARE(store.count(), 4);
    QCOMPARE(workingOrderIds(store), QList<int>({1, 2, 11, 12}));
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("halves"))).removeRecursively());
    verifyNaming(store);

    // Undoing the left page brings back the whole spread; the right page keeps its half.
    QVERIFY(store.restoreSource(2, nullptr));
    QCOMPARE(TestPages::idOf(store.workingPath(2)), 3);
    QVERIFY(store.restoreSource(3, nullptr));
    QCOMPARE(TestPages::idOf(store.workingPath(3)), 12);
}

void tst_PageStore::loadPageWithoutThumbnail()
{
    PageStore writer(m_dir->path());
    addPages(writer, 2);
    QVERIFY(QFile::remove(writer.thumbPath(1)));

    PageStore store(m_dir->path());
    QImage thumb;
    QVERIFY(store.loadPage(QStringLiteral("00000001_o.jpg"), &thumb));
    QVERIFY(!thumb.isNull());
    thumb = QImage();
    QVERIFY(!store.loadPage(QStringLiteral("00000002_o.jpg"), &thumb));
    QVERIFY(thumb.isNull());
    QCOMPARE(store.count(), 2);
    QCOMPARE(store.thumbPath(1), m_dir->filePath(QStringLiteral("00000002_s.jpg")));
}

void tst_PageStore::failedSecondPassIsUndone()
{
    FailingRenames operations;
    PageStore store(m_dir->path(), &operations);
    addPages(store, 5);
    // The third page's thumbnail cannot take its new name in the second pass.
    operations.failTargets = {QStringLiteral("00000003_s.jpg")};
    operations.budget = 1;
    QCOMPARE(store.move(4, 0), PageStore::MoveResult::Unchanged);
    QVERIFY(!store.errorString().isEmpty());
    QCOMPARE(workingOrderIds(store), QList<int>({1, 2, 3, 4, 5}));
    verifyNaming(store);
}

void tst_PageStore::failedUndoLeavesEveryPageRecoverable()
{
    FailingRenames operations;
    PageStore store(m_dir->path(), &operations);
    addPages(store, 5);
    // The second pass fails at the third page, and so does the undo, which needs that name
    // for the page that had it before.
    operations.failTargets = {QStringLiteral("00000003_s.jpg")};
    QCOMPARE(store.move(4, 0), PageStore::MoveResult::Inconsistent);

    // Every page still has its working image, source and thumbnail somewhere, under a page
    // name or its ".tmp" name, and the store knows where.
    QSet<int> ids;
    for (const QString &working : store.workingPaths()) {
        QVERIFY2(QFile::exists(working), qPrintable(working));
        QVERIFY(QFile::exists(PageFiles::sourcePath(working)));
        QVERIFY(QFile::exists(PageFiles::thumbPath(working)));
        ids.insert(TestPages::idOf(working));
    }
    QCOMPARE(ids, QSet<int>({1, 2, 3, 4, 5}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 15);

    // A later move with working renames puts every name right again.
    operations.failTargets.clear();
    QCOMPARE(store.move(0, 1), PageStore::MoveResult::Moved);
    verifyNaming(store);
}

void tst_PageStore::failedRemovalRenameNeverLetsANewPageOverwrite()
{
    FailingRenames operations;
    PageStore store(m_dir->path(), &operations);
    addPages(store, 4);
    operations.failTargets = {QStringLiteral("00000002_o.jpg")};
    QVERIFY(!store.removeAt(1)); // page 3 cannot move down into 2
    QCOMPARE(store.count(), 3);
    QCOMPARE(workingOrderIds(store), QList<int>({1, 3, 4}));
    for (const QString &working : store.workingPaths())
        QVERIFY(QFile::exists(working));

    QVERIFY(store.addImage(TestPages::pageImage(8), false, nullptr));
    QCOMPARE(workingOrderIds(store), QList<int>({1, 3, 4, 8}));
    QCOMPARE(QFileInfo(store.workingPath(3)).fileName(), QStringLiteral("00000005_o.jpg"));
}

void tst_PageStore::failedWriteAddsNothing()
{
    PageStore store(m_dir->filePath(QStringLiteral("missing-folder")));
    QVERIFY(!store.addImage(TestPages::pageImage(1), false, nullptr));
    QCOMPARE(store.count(), 0);
    QVERIFY(!store.errorString().isEmpty());
    QVERIFY(!store.addImage(QImage(), false, nullptr));

    // A working folder that fills up (a 256 KiB disk; needs root, as in CI): the page that did
    // not fit leaves no file behind, the earlier ones stay whole, and the reason is the system's.
    const QString disk = m_dir->filePath(QStringLiteral("disk"));
    if (!TestPaths::mountSmallDisk(disk, 256))
        QSKIP("cannot mount a small tmpfs here (not root)");
    const auto unmount = qScopeGuard([&disk] { TestPaths::unmountDisk(disk); });
    PageStore full(disk);
    const QImage noise = QImage::fromData(TestPaths::noiseJpeg(160));
    int added = 0;
    while (added < 50 && full.addImage(noise, false, nullptr))
        ++added;
    QVERIFY(added > 0 && added < 50);
    QCOMPARE(full.count(), added);
    QVERIFY2(full.errorString().contains(QString::fromLocal8Bit(strerror(ENOSPC))),
             qPrintable(full.errorString()));
    const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left.size(), 3 * added);
    for (const QString &name : left) {
        QVERIFY2(PageFiles::isPageFileName(name), qPrintable(name));
        QVERIFY2(!QImageReader(QDir(disk).filePath(name)).read().isNull(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(tst_PageStore)
#include "tst_PageStore.moc"
