#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/ToolLocator.h"
#include "support/TestPaths.h"

class tst_ToolLocator : public QObject
{
    Q_OBJECT

private slots:
    void searchOrderIsProgramDjvuLibexec();
    void programFolderComesBeforePath();
    void fallsBackToPath();
    void refusesPathsAndMissingTools();
};

void tst_ToolLocator::searchOrderIsProgramDjvuLibexec()
{
    const QStringList folders = ToolLocator::searchFolders(QStringLiteral("/opt/v/bin"));
    QCOMPARE(folders, QStringList({QStringLiteral("/opt/v/bin"), QStringLiteral("/opt/v/bin/djvu"),
                                   QStringLiteral("/opt/v/libexec/vellumo")}));
}

void tst_ToolLocator::programFolderComesBeforePath()
{
    // A tool of the same name as one on PATH, placed beside the test program, wins.
    const QString local = QCoreApplication::applicationDirPath() + QStringLiteral("/djvu/c44");
    QVERIFY(TestPaths::writeFile(local, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(local, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(ToolLocator::find(QStringLiteral("c44")), local);
    QVERIFY(QFile::remove(local));
}

void tst_ToolLocator::fallsBackToPath()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("sh"));
    QVERIFY(!onPath.isEmpty());
    QCOMPARE(ToolLocator::find(QStringLiteral("sh")), onPath);
}

void tst_ToolLocator::refusesPathsAndMissingTools()
{
    QVERIFY(ToolLocator::find(QStringLiteral("no-such-tool-vellumo")).isEmpty());
    QVERIFY(ToolLocator::find(QStringLiteral("../bin/sh")).isEmpty());
    QVERIFY(ToolLocator::find(QString()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_ToolLocator)
#include "tst_ToolLocator.moc"
