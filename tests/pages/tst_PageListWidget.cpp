#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSignalSpy>
#include <QTest>

#include "core/AppPaths.h"
#include "core/FileOperations.h"
#include "pages/KSlabWidget.h"
#include "pages/PageFiles.h"
#include "pages/PageListWidget.h"

namespace {

class RefusingRenames : public FileOperations
{
public:
    bool rename(const QString &from, const QString &to) override
    {
        return refuse ? false : FileOperations::rename(from, to);
    }
    bool refuse = false;
};

} // namespace

#include "support/TestPages.h"

class tst_PageListWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addedPageBecomesCurrentAndIsAnnounced();
    void removalRenumbersLabelsFilesAndSelection();
    void removingLastPageSelectsNewLast();
    void moveToTopKeepsSlabsAndFilesInStep();
    void failedMoveKeepsTheOldOrderAndReports();
    void splitOfLastPageAddsRightHalfAfterIt();
    void contrastPreviewChangesJpegThumbnailsOnly();
    void recoveredPageWithoutThumbnailHasEmptySlab();

private:
    QList<int> ids() const;
    QStringList labels() const;

    std::unique_ptr<RefusingRenames> m_operations;
    std::unique_ptr<PageListWidget> m_list;
};

void tst_PageListWidget::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_PageListWidget::init()
{
    QDir(AppPaths::workingFolder()).removeRecursively();
    m_operations = std::make_unique<RefusingRenames>();
    m_list = std::make_unique<PageListWidget>(nullptr, m_operations.get());
    m_list->resize(300, 700);
    m_list->show();
}

void tst_PageListWidget::cleanup()
{
    m_list.reset();
}

QList<int> tst_PageListWidget::ids() const
{
    QList<int> result;
    for (const QString &path : m_list->workingPaths())
        result << TestPages::idOf(path);
    return result;
}

QStringList tst_PageListWidget::labels() const
{
    QStringList result;
    for (int i = 0; i < m_list->count(); ++i)
        result << m_list->slabAt(i)->number();
    return result;
}

void tst_PageListWidget::addedPageBecomesCurrentAndIsAnnounced()
{
    QSignalSpy selected(m_list.get(), qOverload<const QString &>(&PageListWidget::pageSelected));
    QSignalSpy counts(m_list.get(), &ImageListWidget::countChanged);
    QVERIFY(m_list->addImage(TestPages::pageImage(1, QImage::Format_RGB32, 420), false));
    QVERIFY(m_list->addImage(TestPages::pageImage(2, QImage::Format_RGB32, 420), true));
    QCOMPARE(m_list->currentPosition(), 1);
    QCOMPARE(counts.last().at(0).toInt(), 2);
    QVERIFY(!selected.isEmpty());
    QCOMPARE(selected.last().at(0).toString(),
             AppPaths::workingFolder() + QStringLiteral("/00000002_o.tiff"));
    QCOMPARE(m_list->currentWorkingPath(), selected.last().at(0).toString());
    QCOMPARE(labels(), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
}

void tst_PageListWidget::removalRenumbersLabelsFilesAndSelection()
{
    for (int id = 1; id <= 4; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    m_list->removeAt(1);
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(ids(), QList<int>({1, 3, 4}));
    QCOMPARE(labels(),
             QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(m_list->currentPosition(), 1);
    QCOMPARE(QFileInfo(m_list->currentWorkingPath()).fileName(), QStringLiteral("00000002_o.jpg"));
    QCOMPARE(QDir(AppPaths::workingFolder()).entryList(QDir::Files).size(), 9);
    m_list->removeAt(7); // outside the list: nothing
    QCOMPARE(m_list->count(), 3);
}

void tst_PageListWidget::removingLastPageSelectsNewLast()
{
    for (int id = 1; id <= 3; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    m_list->removeAt(2);
    QCOMPARE(m_list->currentPosition(), 1);
    m_list->removeCurrent();
    m_list->removeCurrent();
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_list->currentPosition(), -1);
    QVERIFY(QDir(AppPaths::workingFolder()).entryList(QDir::Files).isEmpty());
}

void tst_PageListWidget::moveToTopKeepsSlabsAndFilesInStep()
{
    for (int id = 1; id <= 5; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    QCOMPARE(m_list->currentPosition(), 4);
    m_list->movePageToTop();
    QCOMPARE(ids(), QList<int>({5, 1, 2, 3, 4}));
    QCOMPARE(m_list->currentPosition(), 0);
    QCOMPARE(labels(), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), QStringLiteral("5")}));
    // The slab now first shows the thumbnail of the page that moved.
    QCOMPARE(m_list->slabAt(0)->image().width(), 350 * 220 / 420); // page 5 is 350 x 420
    QCOMPARE(TestPages::idOf(m_list->workingPath(0)), 5);

    m_list->movePageDown();
    QCOMPARE(ids(), QList<int>({1, 5, 2, 3, 4}));
    m_list->selectPosition(0, 0);
    m_list->movePageUp(); // already first
    QCOMPARE(ids(), QList<int>({1, 5, 2, 3, 4}));
    m_list->movePageTo(4);
    QCOMPARE(ids(), QList<int>({5, 2, 3, 4, 1}));
    QCOMPARE(m_list->currentPosition(), 4);
}

void tst_PageListWidget::failedMoveKeepsTheOldOrderAndReports()
{
    for (int id = 1; id <= 3; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    QSignalSpy failed(m_list.get(), &PageListWidget::failed);
    KSlabWidget *last = m_list->slabAt(2);
    m_operations->refuse = true;
    m_list->movePageToTop();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(ids(), QList<int>({1, 2, 3}));
    QCOMPARE(m_list->slabAt(2), last);
    m_operations->refuse = false;
}

void tst_PageListWidget::splitOfLastPageAddsRightHalfAfterIt()
{
    for (int id = 1; id <= 3; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    const QString left = AppPaths::dataFolder() + QStringLiteral("/left.png");
    const QString right = AppPaths::dataFolder() + QStringLiteral("/right.png");
    QVERIFY(TestPages::pageImage(11, QImage::Format_RGB32, 420).save(left));
    QVERIFY(TestPages::pageImage(12, QImage::Format_RGB32, 420).save(right));
    QVERIFY(m_list->splitPage(2, left, right, m_list->workingPath(2)));
    QCOMPARE(ids(), QList<int>({1, 2, 11, 12}));
    QCOMPARE(m_list->currentPosition(), 3);
    QCOMPARE(labels().last(), QStringLiteral("4"));
    // A stale working path (the page changed meanwhile) is refused.
    QVERIFY(!m_list->splitPage(0, left, right, m_list->workingPath(1)));
}

void tst_PageListWidget::contrastPreviewChangesJpegThumbnailsOnly()
{
    QVERIFY(m_list->addImage(TestPages::pageImage(1, QImage::Format_RGB32, 420), false));
    const QImage before(m_list->store().thumbPath(0));
    m_list->setContrast(100, 0);
    const QImage lighter(m_list->store().thumbPath(0));
    QCOMPARE(qGray(lighter.pixel(10, 10)), 255);
    QVERIFY(qGray(before.pixel(10, 10)) < 250);

    QImage mono(400, 400, QImage::Format_Mono);
    mono.fill(0);
    QVERIFY(m_list->addImage(mono, true));
    const QByteArray thumbBefore = [this] {
        QFile f(m_list->store().thumbPath(1));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    m_list->setContrast(100, 0);
    QFile after(m_list->store().thumbPath(1));
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), thumbBefore);
}

void tst_PageListWidget::recoveredPageWithoutThumbnailHasEmptySlab()
{
    for (int id = 1; id <= 2; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420), false));
    QVERIFY(QFile::remove(m_list->store().thumbPath(1)));
    m_list->clearPages();
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_list->loadPage(QStringLiteral("00000001_o.jpg")));
    QVERIFY(!m_list->loadPage(QStringLiteral("00000002_o.jpg")));
    QCOMPARE(m_list->count(), 2);
    QVERIFY(m_list->slabAt(0)->hasImage());
    QVERIFY(!m_list->slabAt(1)->hasImage());
}

QTEST_MAIN(tst_PageListWidget)
#include "tst_PageListWidget.moc"
