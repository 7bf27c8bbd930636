#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "core/FileOperations.h"
#include "core/StaleFileCleanup.h"
#include "support/TestPaths.h"

namespace {

// Real file operations, except that the files listed in stubborn refuse the given number of
// deletions (or every deletion, with -1) and the ones in immovable refuse to be renamed.
// Pauses are only counted.
class ScriptedOperations : public FileOperations
{
public:
    bool remove(const QString &path) override
    {
        removeCalls << path;
        int &left = failuresLeft[path];
        if (stubborn.contains(path) && left != 0) {
            if (left > 0)
                --left;
            return false;
        }
        return FileOperations::remove(path);
    }
    bool rename(const QString &from, const QString &to) override
    {
        renameCalls << from;
        if (immovable.contains(from))
            return false;
        return FileOperations::rename(from, to);
    }
    void pause(int milliseconds) override { pauses << milliseconds; }

    void refuseDeletes(const QString &path, int times)
    {
        stubborn.insert(path);
        failuresLeft[path] = times;
    }

    QSet<QString> stubborn;
    QSet<QString> immovable;
    QHash<QString, int> failuresLeft;
    QStringList removeCalls;
    QStringList renameCalls;
    QList<int> pauses;
};

// Touches nothing and records every call.
class RecordingOperations : public FileOperations
{
public:
    bool remove(const QString &path) override
    {
        calls << path;
        return false;
    }
    bool rename(const QString &from, const QString &) override
    {
        calls << from;
        return false;
    }
    bool exists(const QString &) override { return true; }
    void pause(int) override {}
    QStringList calls;
};

} // namespace

class tst_StaleFileCleanup : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void goesOnWhenNothingToClean();
    void deletesStaleFilesOnly();
    void deletionRetriedUntilFileIsReleased();
    void undeletableFileIsMovedAside();
    void fileThatCannotBeDeletedOrMovedStopsStartUp();
    void missingTemporaryFolderIsCreated();
    void rootParentIsNeverCleaned();
    void lenientPassDeletesOnlyLongNames();

private:
    QString cache() const { return m_dir->path() + QStringLiteral("/cache"); }
    QString temp() const { return cache() + QStringLiteral("/tmp"); }
    QString inCache(const QString &name) const { return cache() + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StaleFileCleanup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(temp()));
}

void tst_StaleFileCleanup::goesOnWhenNothingToClean()
{
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("notes.txt"))));
    ScriptedOperations ops;
    QVERIFY(StaleFileCleanup(temp(), ops).run());
    QVERIFY(ops.removeCalls.isEmpty());
    QVERIFY(QFile::exists(inCache(QStringLiteral("notes.txt"))));
}

void tst_StaleFileCleanup::deletesStaleFilesOnly()
{
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("Temp1"))));
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("TempScan.jpg"))));
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral(".TempHidden"))));
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("Other"))));
    QVERIFY(QDir().mkpath(inCache(QStringLiteral("TempFolder"))));
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("TempFolder/inside"))));

    ScriptedOperations ops;
    QVERIFY(StaleFileCleanup(temp(), ops).run());

    QVERIFY(!QFile::exists(inCache(QStringLiteral("Temp1"))));
    QVERIFY(!QFile::exists(inCache(QStringLiteral("TempScan.jpg"))));
    QVERIFY(QFile::exists(inCache(QStringLiteral(".TempHidden"))));
    QVERIFY(QFile::exists(inCache(QStringLiteral("Other"))));
    QVERIFY(QFile::exists(inCache(QStringLiteral("TempFolder/inside"))));
    QVERIFY(QDir(temp()).exists());
    QVERIFY(ops.pauses.isEmpty());
}

void tst_StaleFileCleanup::deletionRetriedUntilFileIsReleased()
{
    const QString held = inCache(QStringLiteral("TempHeld"));
    QVERIFY(TestPaths::writeFile(held));
    ScriptedOperations ops;
    ops.refuseDeletes(held, 2); // the holder lets go after about a second

    QVERIFY(StaleFileCleanup(temp(), ops).run());
    QVERIFY(!QFile::exists(held));
    QCOMPARE(ops.pauses, QList<int>({500, 500}));
    QVERIFY(ops.renameCalls.isEmpty());
}

void tst_StaleFileCleanup::undeletableFileIsMovedAside()
{
    const QString stuck = inCache(QStringLiteral("TempStuck"));
    const QString aside = stuck + QStringLiteral(".tmp");
    QVERIFY(TestPaths::writeFile(stuck, "new"));
    QVERIFY(TestPaths::writeFile(aside, "older copy"));
    ScriptedOperations ops;
    ops.refuseDeletes(stuck, -1);

    QVERIFY(StaleFileCleanup(temp(), ops).run());

    // One attempt and five retries, 500 ms apart; then the older ".tmp" goes first.
    QCOMPARE(ops.removeCalls.count(stuck), 6);
    QCOMPARE(ops.pauses.size(), 5);
    QVERIFY(!QFile::exists(stuck));
    QFile moved(aside);
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), QByteArray("new"));
}

void tst_StaleFileCleanup::fileThatCannotBeDeletedOrMovedStopsStartUp()
{
    const QString first = inCache(QStringLiteral("TempA"));
    const QString second = inCache(QStringLiteral("TempB"));
    QVERIFY(TestPaths::writeFile(first));
    QVERIFY(TestPaths::writeFile(second));
    ScriptedOperations ops;
    for (const QString &path : {first, second}) {
        ops.refuseDeletes(path, -1);
        ops.immovable.insert(path);
    }

    QVERIFY(!StaleFileCleanup(temp(), ops).run());

    // The listing is unsorted: whichever file came first stopped the clean-up, and the other
    // one was never touched.
    QVERIFY(!ops.removeCalls.isEmpty());
    const QString visited = ops.removeCalls.first();
    const QString other = visited == first ? second : first;
    QVERIFY(!ops.removeCalls.contains(other));
    QVERIFY(!ops.renameCalls.contains(other));
    QVERIFY(QFile::exists(first));
    QVERIFY(QFile::exists(second));
}

void tst_StaleFileCleanup::missingTemporaryFolderIsCreated()
{
    QVERIFY(QDir(temp()).removeRecursively());
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("Temp9"))));
    ScriptedOperations ops;
    QVERIFY(StaleFileCleanup(temp(), ops).run());
    QVERIFY(QDir(temp()).exists());
    QVERIFY(!QFile::exists(inCache(QStringLiteral("Temp9"))));
}

void tst_StaleFileCleanup::rootParentIsNeverCleaned()
{
    // /tmp's parent is the file-system root: the clean-up must not act there at all.
    RecordingOperations ops;
    StaleFileCleanup cleanup(QStringLiteral("/tmp"), ops);
    QVERIFY(cleanup.run());
    cleanup.runLenient();
    QVERIFY(ops.calls.isEmpty());
}

void tst_StaleFileCleanup::lenientPassDeletesOnlyLongNames()
{
    const QString name32 = QStringLiteral("Temp") + QString(28, QLatin1Char('x'));
    const QString name33 = name32 + QLatin1Char('y');
    QCOMPARE(name32.size(), 32);
    QVERIFY(TestPaths::writeFile(inCache(name32)));
    QVERIFY(TestPaths::writeFile(inCache(name33)));
    QVERIFY(TestPaths::writeFile(inCache(QStringLiteral("TempShort"))));
    const QString stubbornLong = inCache(name33 + QStringLiteral("zz"));
    QVERIFY(TestPaths::writeFile(stubbornLong));

    ScriptedOperations ops;
    ops.refuseDeletes(stubbornLong, -1);
    StaleFileCleanup(temp(), ops).runLenient();

    QVERIFY(QFile::exists(inCache(name32)));
    QVERIFY(!QFile::exists(inCache(name33)));
    QVERIFY(QFile::exists(inCache(QStringLiteral("TempShort"))));
    // Tried once, no retry, no move, and the failure is ignored.
    QCOMPARE(ops.removeCalls.count(stubbornLong), 1);
    QVERIFY(ops.pauses.isEmpty());
    QVERIFY(ops.renameCalls.isEmpty());
}

QTEST_GUILESS_MAIN(tst_StaleFileCleanup)
#include "tst_StaleFileCleanup.moc"
