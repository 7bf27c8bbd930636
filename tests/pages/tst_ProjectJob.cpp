#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "pages/PageStore.h"
#include "pages/ProjectJob.h"
#include "support/TestPages.h"

// Project files written and read as jobs: what a save writes an open brings back, and a file
// that is no project fails with the reason, leaving nothing to move in.
class tst_ProjectJob : public QObject
{
    Q_OBJECT

private slots:
    void savedPagesComeBackAndOtherFilesFail();
};

void tst_ProjectJob::savedPagesComeBackAndOtherFilesFail()
{
    QTemporaryDir dir;
    const QString working = dir.filePath(QStringLiteral("working"));
    QVERIFY(QDir().mkpath(working));
    PageStore store(working);
    QVERIFY(store.addImage(TestPages::pageImage(1), false, nullptr));
    QVERIFY(store.addImage(TestPages::pageImage(2), false, nullptr));

    const QString project = dir.filePath(QStringLiteral("book.vlmpj"));
    const std::unique_ptr<ProjectJob> save = ProjectJob::save(project, store.workingPaths());
    QCOMPARE(save->kind(), JobKind::ProjectSave);
    QCOMPARE(save->run(), Job::Outcome::Finished);

    const QString staging = dir.filePath(QStringLiteral("staging"));
    // Whatever an earlier open left there goes first.
    QVERIFY(QDir().mkpath(staging));
    QVERIFY(QFile(staging + QStringLiteral("/00000009_o.jpg")).open(QIODevice::WriteOnly));
    const std::unique_ptr<ProjectJob> open = ProjectJob::open(project, staging);
    QCOMPARE(open->kind(), JobKind::ProjectOpen);
    QCOMPARE(open->run(), Job::Outcome::Finished);
    QStringList names = QDir(staging).entryList(QDir::Files);
    names.sort();
    QStringList expected;
    for (const QString &path : store.workingPaths()) {
        const QString name = QFileInfo(path).fileName();
        expected << name << QString(name).replace(QStringLiteral("_o."), QStringLiteral("_s."))
                 << QString(name).replace(QStringLiteral("_o."), QStringLiteral("_w."));
    }
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(QFile(staging + QLatin1Char('/') + expected.first()).size(),
             QFile(store.workingPaths().first()).size());

    const QString notAProject = dir.filePath(QStringLiteral("letter.vlmpj"));
    QFile bad(notAProject);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("just some words");
    bad.close();
    const std::unique_ptr<ProjectJob> refused = ProjectJob::open(notAProject, staging);
    QCOMPARE(refused->run(), Job::Outcome::Failed);
    QVERIFY(!refused->errorString().isEmpty());
    QVERIFY(QDir(staging).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(tst_ProjectJob)
#include "tst_ProjectJob.moc"
