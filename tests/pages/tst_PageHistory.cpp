#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>
#include <QUndoStack>

#include "core/AppPaths.h"
#include "core/PageImages.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"
#include "support/TestPages.h"

// Undo and redo over real page files: every step must give back the working folder exactly as
// it was, name for name and byte for byte.
class tst_PageHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stepUndoneAndRedoneRestoresEveryFile_data();
    void stepUndoneAndRedoneRestoresEveryFile();
    void removedPageComesBackAtItsPlaceWithItsSource();
    void limitsDropTheOldestStepWithItsFiles();
    void newStepForgetsUndoneStepsAndClearEmptiesTheArea();

private:
    // File name -> MD5 of every file of the working folder (not the undo area).
    QMap<QString, QByteArray> folderState() const;
    void addPages(int count);
    // The page's picture replaced, as the editor does: a new working image and thumbnail.
    void changePicture(int position, int id, bool blackAndWhite = false);

    std::unique_ptr<PageListWidget> m_list;
    std::unique_ptr<QAction> m_undo;
    std::unique_ptr<QAction> m_redo;
    std::unique_ptr<PageHistory> m_history;
};

void tst_PageHistory::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_PageHistory::init()
{
    QDir(AppPaths::workingFolder()).removeRecursively();
    m_list = std::make_unique<PageListWidget>();
    m_list->resize(300, 700);
    m_list->show();
    m_undo = std::make_unique<QAction>();
    m_redo = std::make_unique<QAction>();
    m_history = std::make_unique<PageHistory>(m_list.get(), m_undo.get(), m_redo.get());
}

void tst_PageHistory::cleanup()
{
    m_history.reset();
    m_list.reset();
}

QMap<QString, QByteArray> tst_PageHistory::folderState() const
{
    QMap<QString, QByteArray> state;
    const QDir folder(AppPaths::workingFolder());
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            state[name] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
    }
    return state;
}

void tst_PageHistory::addPages(int count)
{
    const int first = m_list->count() + 1;
    for (int id = first; id < first + count; ++id)
        QVERIFY(m_list->addImage(TestPages::pageImage(id), id % 3 == 0));
}

void tst_PageHistory::changePicture(int position, int id, bool blackAndWhite)
{
    const QImage image = TestPages::pageImage(id);
    QString error;
    const QString working = m_list->workingPath(position);
    QVERIFY(PageImages::writeWorkingImage(image, working, blackAndWhite, 80, &error));
    m_list->updateThumb(image, position);
}

void tst_PageHistory::stepUndoneAndRedoneRestoresEveryFile_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("pagesAfter");
    QTest::newRow("picture changed") << QStringLiteral("change") << 5;
    QTest::newRow("two pictures changed") << QStringLiteral("change two") << 5;
    QTest::newRow("source restored") << QStringLiteral("restore") << 5;
    QTest::newRow("pages removed") << QStringLiteral("remove") << 3;
    QTest::newRow("page moved") << QStringLiteral("move") << 5;
    QTest::newRow("pages added") << QStringLiteral("add") << 7;
    QTest::newRow("page split") << QStringLiteral("split") << 6;
}

void tst_PageHistory::stepUndoneAndRedoneRestoresEveryFile()
{
    QFETCH(QString, step);
    QFETCH(int, pagesAfter);
    addPages(5);
    // The second page's picture differs from its source, so restoring it changes something.
    changePicture(1, 20);
    const auto before = folderState();

    if (step == QLatin1String("change")) {
        const auto kept = m_history->keep({2});
        changePicture(2, 30);
        m_history->recordChange(QStringLiteral("Turn Right"), kept);
    } else if (step == QLatin1String("change two")) {
        const auto kept = m_history->keep({0, 2});
        changePicture(0, 31);
        changePicture(2, 32, true); // a colour page becomes black and white: a new extension
        m_history->recordChange(QStringLiteral("Auto Cropping"), kept);
    } else if (step == QLatin1String("restore")) {
        const auto kept = m_history->keep({1});
        m_list->selectPosition(1, 0);
        QVERIFY(m_list->restoreSource());
        m_history->recordChange(QStringLiteral("Restore"), kept);
    } else if (step == QLatin1String("remove")) {
        QCOMPARE(m_history->removePages(QStringLiteral("Remove"), {1, 3}), 2);
    } else if (step == QLatin1String("move")) {
        QVERIFY(m_list->movePage(4, 1));
        m_history->recordMove(QStringLiteral("Move"), 4, 1);
    } else if (step == QLatin1String("add")) {
        addPages(2);
        m_history->recordAdded(QStringLiteral("Scan"), 5, 2);
    } else if (step == QLatin1String("split")) {
        const QString left = QDir::temp().filePath(QStringLiteral("vellumo-left.png"));
        const QString right = QDir::temp().filePath(QStringLiteral("vellumo-right.png"));
        QVERIFY(TestPages::pageImage(40).save(left));
        QVERIFY(TestPages::pageImage(41).save(right));
        const auto kept = m_history->keep({2});
        QVERIFY(m_list->splitPage(2, left, right, m_list->workingPath(2)));
        m_history->recordSplit(QStringLiteral("Split"), kept, 2);
        QFile::remove(left);
        QFile::remove(right);
    }
    QCOMPARE(m_list->count(), pagesAfter);
    const auto after = folderState();
    QVERIFY(after != before);
    QCOMPARE(m_history->stack()->count(), 1);
    QVERIFY(m_undo->isEnabled());
    QVERIFY(m_undo->text().endsWith(m_history->stack()->undoText()));

    m_undo->trigger();
    QCOMPARE(m_list->count(), 5);
    QCOMPARE(folderState(), before);
    QVERIFY(!m_undo->isEnabled());
    QVERIFY(m_redo->isEnabled());

    m_redo->trigger();
    QCOMPARE(m_list->count(), pagesAfter);
    QCOMPARE(folderState(), after);

    // The slabs follow the files: numbers in order, one per page.
    for (int i = 0; i < m_list->count(); ++i)
        QVERIFY(m_list->slabAt(i));
}

void tst_PageHistory::removedPageComesBackAtItsPlaceWithItsSource()
{
    addPages(4);
    changePicture(2, 50);
    const QString source = m_list->store().sourcePath(2);
    const QByteArray sourceBytes = [&] {
        QFile file(source);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QCOMPARE(m_history->removePages(QStringLiteral("Remove"), {2}), 1);
    QCOMPARE(TestPages::idOf(m_list->workingPath(2)), 4);
    m_undo->trigger();
    QCOMPARE(TestPages::idOf(m_list->workingPath(2)), 50);
    QFile restored(m_list->store().sourcePath(2));
    QVERIFY(restored.open(QIODevice::ReadOnly));
    QCOMPARE(restored.readAll(), sourceBytes);
    QCOMPARE(m_list->currentPosition(), 2);
}

void tst_PageHistory::limitsDropTheOldestStepWithItsFiles()
{
    addPages(3);
    m_history->setLimits(2, PageHistory::DefaultMaxBytes);
    QStringList oldestFolders;
    for (int id = 60; id < 63; ++id) {
        const auto kept = m_history->keep({0});
        if (oldestFolders.isEmpty())
            oldestFolders << kept.first().folder;
        changePicture(0, id);
        m_history->recordChange(QStringLiteral("Turn %1").arg(id), kept);
    }
    QCOMPARE(m_history->stack()->count(), 2);
    QCOMPARE(m_history->stack()->undoText(), QStringLiteral("Turn 62"));
    QVERIFY(!QFileInfo::exists(oldestFolders.first()));
    m_undo->trigger();
    m_undo->trigger();
    QCOMPARE(TestPages::idOf(m_list->workingPath(0)), 60);
    QVERIFY(!m_undo->isEnabled());

    // Over the byte limit, only the newest step stays.
    m_history->setLimits(100, 1);
    QCOMPARE(m_history->stack()->count(), 1);
}

void tst_PageHistory::newStepForgetsUndoneStepsAndClearEmptiesTheArea()
{
    addPages(3);
    QCOMPARE(m_history->removePages(QStringLiteral("Remove"), {0}), 1);
    m_undo->trigger();
    QCOMPARE(m_list->count(), 3);
    // The removed page's files went back; moving now drops the redo of the removal.
    QVERIFY(m_list->movePage(0, 2));
    m_history->recordMove(QStringLiteral("Move"), 0, 2);
    QVERIFY(!m_redo->isEnabled());
    QCOMPARE(m_history->stack()->count(), 1);

    const auto kept = m_history->keep({1});
    changePicture(1, 70);
    m_history->recordChange(QStringLiteral("Crop"), kept);
    QVERIFY(!QDir(m_history->area()).isEmpty());
    m_history->clear();
    QCOMPARE(m_history->stack()->count(), 0);
    QVERIFY(!QFileInfo::exists(m_history->area()));
    QVERIFY(!m_undo->isEnabled());
    QCOMPARE(m_list->count(), 3);
}

QTEST_MAIN(tst_PageHistory)
#include "tst_PageHistory.moc"
