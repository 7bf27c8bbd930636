#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/InstanceLock.h"

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyIsRefusedWhileFirstHoldsTheLock();
    void lockLeftByCrashedCopyIsTakenOver();
};

void tst_InstanceLock::secondCopyIsRefusedWhileFirstHoldsTheLock()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + QStringLiteral("/data");
    {
        InstanceLock first(folder);
        QVERIFY(first.tryLock());
        QVERIFY(first.tryLock()); // asking again keeps it

        InstanceLock second(folder);
        QVERIFY(!second.tryLock());
        QVERIFY(!second.isLocked());
        QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
    }
    // Released with the first copy.
    InstanceLock third(folder);
    QVERIFY(third.tryLock());
    QVERIFY(QFile::exists(third.path()));
}

void tst_InstanceLock::lockLeftByCrashedCopyIsTakenOver()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path();
    // A lock file as a copy writes it (process id, program name, host) whose process is gone.
    QFile stale(folder + QStringLiteral("/vellumo.lock"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("2147480000\n");
    stale.write(QCoreApplication::applicationName().toUtf8() + '\n');
    stale.write(QSysInfo::machineHostName().toUtf8() + '\n');
    stale.close();

    InstanceLock lock(folder);
    QVERIFY(lock.tryLock());
    QCOMPARE(lock.ownerPid(), QCoreApplication::applicationPid());
}

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_InstanceLock.moc"
