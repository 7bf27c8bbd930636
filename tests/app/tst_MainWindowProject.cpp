#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "imaging/ImageEditor.h"
#include "pages/KSlabWidget.h"
#include "pages/PageListWidget.h"
#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"
#include "pages/WorkingFolder.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"
#include "support/TestPaths.h"

namespace {

// Writes an archive whose entries carry the given names and bytes.
bool writeArchive(const QString &path, const QList<QPair<QString, QByteArray>> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto &[name, bytes] : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
            return false;
        file.write(bytes);
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

} // namespace

class tst_MainWindowProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void savedProjectHoldsNineEntriesInOrder();
    void openedProjectRebuildsPagesNotModified();
    void failedSaveKeepsEarlierProjectFile();
    void saveQuestionOnClose_data();
    void saveQuestionOnClose();
    void droppedProjectIsOpened();
    void fileThatIsNoProjectKeepsTheWork_data();
    void fileThatIsNoProjectKeepsTheWork();
    void hostileArchiveWritesNothingOutside();
    void openCutShortLeavesNothingAfterRestart();
    void foreignNumberingIsRenumbered();
    void recoveryBringsBackPagesLeftAside();
    void earlierPagesAreOfferedNotDeleted();
    void newProjectEmptiesEverything();

private:
    void addPages(int n);
    QList<int> ids() const;
    QString saveAs(const QString &name);
    // Waits until the questions are answered and the job they led to is over.
    void settle();

    QTemporaryDir m_files;
    MainWindowFixture m_window;
};

void tst_MainWindowProject::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_files.isValid());
}

void tst_MainWindowProject::init()
{
    QVERIFY(m_window.open());
}

void tst_MainWindowProject::cleanup()
{
    m_window.close();
}

void tst_MainWindowProject::addPages(int n)
{
    for (int id = 1; id <= n; ++id)
        QVERIFY(m_window->pageList()->addImage(TestPages::pageImage(id), false));
}

QList<int> tst_MainWindowProject::ids() const
{
    QList<int> result;
    for (const QString &path : m_window->pageList()->workingPaths())
        result << TestPages::idOf(path);
    return result;
}

void tst_MainWindowProject::settle()
{
    QTRY_VERIFY(!QApplication::activeModalWidget() && !m_window->isBusy());
}

QString tst_MainWindowProject::saveAs(const QString &name)
{
    const QString path = m_files.filePath(name);
    m_window->setProjectPath(path);
    m_window->saveProject();
    settle();
    return path;
}

void tst_MainWindowProject::savedProjectHoldsNineEntriesInOrder()
{
    addPages(3);
    QVERIFY(QFile::remove(m_files.filePath(QStringLiteral("three.vlmpj"))) || true);
    const QString path = saveAs(QStringLiteral("three.vlmpj"));
    QStringList expected;
    for (const char *kind : {"o", "s", "w"}) {
        for (int page = 1; page <= 3; ++page)
            expected << QStringLiteral("0000000%1_%2.jpg").arg(page).arg(QLatin1String(kind));
    }
    QCOMPARE(ProjectArchive::entryNames(path), expected);
    QVERIFY(!m_window->isModified());
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_files.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("three.vlmpj")}));
}

void tst_MainWindowProject::openedProjectRebuildsPagesNotModified()
{
    addPages(3);
    const QString path = saveAs(QStringLiteral("reopen.vlmpj"));
    m_window->setModified(false);
    m_window.reset();

    // A fresh installation: nothing in the working folder or the settings.
    QDir(AppPaths::dataFolder()).removeRecursively();
    QSettings().clear();
    m_window.rebuild();
    m_window->show();
    m_window->processDroppedFiles({path});
    settle();
    QCOMPARE(ids(), QList<int>({1, 2, 3}));
    QVERIFY(!m_window->isModified());
    QCOMPARE(m_window->projectPath(), path);
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_window->pageList()->slabAt(i)->hasImage());
    QCOMPARE(m_window->pageList()->currentPosition(), 0);
    QCOMPARE(m_window->editor()->path(), m_window->pageList()->workingPath(0));
}

void tst_MainWindowProject::failedSaveKeepsEarlierProjectFile()
{
    const QString path = m_files.filePath(QStringLiteral("keep.vlmpj"));
    QVERIFY(TestPaths::writeFile(path, "earlier project"));
    addPages(2);
    // A derived file can be made again; a lost working image cannot.
    QVERIFY(QFile::remove(m_window->pageList()->store().workingPath(1)));
    m_window->setProjectPath(path);
    m_window->setModified(true);
    m_window->saveProject();
    settle();
    QCOMPARE(TestPaths::readFile(path), QByteArray("earlier project"));
    QVERIFY(m_window->isModified());
    const auto popups = m_window->findChildren<QLabel *>(QStringLiteral("PopupLabel"));
    QVERIFY(!popups.isEmpty());
    for (QLabel *popup : popups)
        QVERIFY(popup->property("Message").toString() != QStringLiteral("Project has been saved."));
    QVERIFY(popups.last()->property("Message").toString().contains(path));
}

void tst_MainWindowProject::saveQuestionOnClose_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("cancel keeps the window") << QStringLiteral("Cancel") << false << false;
    QTest::newRow("no closes without saving") << QStringLiteral("No") << true << false;
    QTest::newRow("yes saves and closes") << QStringLiteral("Yes") << true << true;
}

void tst_MainWindowProject::saveQuestionOnClose()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    addPages(1);
    const QString path = m_files.filePath(QStringLiteral("close-%1.vlmpj").arg(answer));
    QFile::remove(path);
    m_window->setProjectPath(path);
    m_window->setModified(true);
    DialogAnswerer answerer(answer);
    m_window->close();
    settle();
    QCOMPARE(answerer.text(),
             QStringLiteral("The current project has been changed. Do you want to save it?"));
    QCOMPARE(!m_window->isVisible(), closed);
    QCOMPARE(QFile::exists(path), saved);
}

void tst_MainWindowProject::droppedProjectIsOpened()
{
    addPages(2);
    const QString path = saveAs(QStringLiteral("book.VLMPJ"));
    m_window->pageList()->clearPages();
    m_window->setProjectPath(QString());
    m_window->processDroppedFiles({path});
    settle();
    QCOMPARE(ids(), QList<int>({1, 2}));
}

void tst_MainWindowProject::fileThatIsNoProjectKeepsTheWork_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    TestPages::pageImage(1).save(&buffer, "PNG");
    QTest::newRow("an image") << image;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated archive") << QByteArray("PK\x03\x04\x14\x00\x08\x00", 8);
}

void tst_MainWindowProject::fileThatIsNoProjectKeepsTheWork()
{
    QFETCH(QByteArray, content);
    addPages(2);
    const QString earlier = m_files.filePath(QStringLiteral("earlier.vlmpj"));
    m_window->setProjectPath(earlier);
    m_window->setModified(true);
    const QString bad = m_files.filePath(QStringLiteral("bad.vlmpj"));
    QVERIFY(TestPaths::writeFile(bad, content));
    m_window->openProjectFile(bad, false);
    settle();
    // The document, its project and its changed flag are as they were; the user is told why.
    QCOMPARE(ids(), QList<int>({1, 2}));
    QCOMPARE(m_window->projectPath(), earlier);
    QVERIFY(m_window->isModified());
    const QStringList said = m_window.popupMessages();
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(QStringLiteral("Can't open the project bad.vlmpj.")),
             qPrintable(said.first()));
    QVERIFY(!QFileInfo::exists(AppPaths::dataFolder() + QStringLiteral("/Opening")));
}

void tst_MainWindowProject::openCutShortLeavesNothingAfterRestart()
{
    // What an Open killed half-way had unpacked.
    const QString staging = WorkingFolder::stagingFolder(AppPaths::workingFolder());
    QVERIFY(QDir().mkpath(staging));
    QVERIFY(TestPaths::writeFile(staging + QStringLiteral("/00000001_w.jpg"), "half a page"));
    m_window.rebuild();
    QVERIFY(!QFileInfo::exists(staging));
    QCOMPARE(m_window->pageList()->count(), 0);
}

void tst_MainWindowProject::hostileArchiveWritesNothingOutside()
{
    QTemporaryDir outside;
    const QString victim = outside.filePath(QStringLiteral("x"));
    QByteArray page;
    {
        QBuffer buffer(&page);
        buffer.open(QIODevice::WriteOnly);
        TestPages::pageImage(4).save(&buffer, "JPG");
    }
    const QString archive = m_files.filePath(QStringLiteral("hostile.vlmpj"));
    QVERIFY(writeArchive(archive, {{QStringLiteral("../x"), "up"},
                                   {victim, "absolute"},
                                   {QStringLiteral("sub/00000001_o.jpg"), page},
                                   {QStringLiteral("../../00000002_o.jpg"), page},
                                   {QStringLiteral("notes.txt"), "text"},
                                   {QStringLiteral("00000001_o.jpg"), page}}));
    m_window->processDroppedFiles({archive});
    settle();
    QVERIFY(!QFile::exists(victim));
    QVERIFY(!QFile::exists(AppPaths::dataFolder() + QStringLiteral("/x")));
    QVERIFY(!QFile::exists(AppPaths::dataFolder() + QStringLiteral("/00000002_o.jpg")));
    // The one page, with the thumbnail made for it and its working image as its source.
    QCOMPARE(QDir(AppPaths::workingFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("00000001_o.jpg"), QStringLiteral("00000001_s.jpg"),
                          QStringLiteral("00000001_w.jpg")}));
    QCOMPARE(ids(), QList<int>({4}));
}

void tst_MainWindowProject::foreignNumberingIsRenumbered()
{
    QByteArray a, b;
    {
        QBuffer buffer(&a);
        buffer.open(QIODevice::WriteOnly);
        TestPages::pageImage(5).save(&buffer, "JPG");
        QBuffer second(&b);
        second.open(QIODevice::WriteOnly);
        TestPages::pageImage(6).save(&second, "JPG");
    }
    const QString archive = m_files.filePath(QStringLiteral("gaps.vlmpj"));
    QVERIFY(writeArchive(
        archive, {{QStringLiteral("00000003_o.jpg"), a}, {QStringLiteral("00000007_o.jpg"), b}}));
    m_window->processDroppedFiles({archive});
    settle();
    QCOMPARE(ids(), QList<int>({5, 6}));
    QCOMPARE(QFileInfo(m_window->pageList()->workingPath(1)).fileName(),
             QStringLiteral("00000002_o.jpg"));
    // A page added now takes the next name without touching the others.
    QVERIFY(m_window->pageList()->addImage(TestPages::pageImage(7), false));
    QCOMPARE(ids(), QList<int>({5, 6, 7}));
}

void tst_MainWindowProject::recoveryBringsBackPagesLeftAside()
{
    {
        PageStore store(AppPaths::workingFolder());
        for (int id = 1; id <= 3; ++id)
            QVERIFY(store.addImage(TestPages::pageImage(id), false, nullptr));
        // An interrupted move left the second page under its first-pass names.
        for (const QString &path : {store.workingPath(1), store.thumbPath(1), store.sourcePath(1)})
            QVERIFY(QFile::rename(path, path + QStringLiteral(".tmp")));
    }
    m_window->recoverProject();
    QCOMPARE(ids(), QList<int>({1, 2, 3}));
    const QStringList files = QDir(AppPaths::workingFolder()).entryList(QDir::Files);
    QCOMPARE(files.size(), 9);
    for (const QString &name : files)
        QVERIFY2(!name.endsWith(QLatin1String(".tmp")), qPrintable(name));
    QVERIFY(!m_window->isModified());
}

void tst_MainWindowProject::earlierPagesAreOfferedNotDeleted()
{
    {
        PageStore store(AppPaths::workingFolder());
        QVERIFY(store.addImage(TestPages::pageImage(1), false, nullptr));
    }
    const QString image = m_files.filePath(QStringLiteral("new.png"));
    QVERIFY(TestPages::pageImage(2).save(image));
    {
        DialogAnswerer yes(QStringLiteral("Yes"));
        m_window->processDroppedFiles({image});
        QTRY_VERIFY(yes.hasAnswered());
        QTRY_VERIFY(!m_window->isBusy());
        QVERIFY(yes.text().contains(QStringLiteral("1 pages of an earlier session")));
    }
    // Recovered first, the new page after it.
    QCOMPARE(ids(), QList<int>({1, 2}));

    // Declined: then the folder is cleaned for the new document, and nobody asks again.
    m_window.rebuild();
    {
        DialogAnswerer no(QStringLiteral("No"));
        m_window->loadProjectFromArgs();
        QTRY_VERIFY(no.hasAnswered());
    }
    m_window->processDroppedFiles({image});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(ids(), QList<int>({2}));
}

void tst_MainWindowProject::newProjectEmptiesEverything()
{
    addPages(2);
    DialogAnswerer no(QStringLiteral("No"));
    m_window->newProject();
    settle();
    QCOMPARE(no.text(),
             QStringLiteral("The current project is not saved yet. Do you want to save it?"));
    QCOMPARE(m_window->pageList()->count(), 0);
    QVERIFY(QDir(AppPaths::workingFolder()).entryList(QDir::Files).isEmpty());
    QVERIFY(!m_window->isModified());
    QVERIFY(m_window->projectPath().isEmpty());
}

QTEST_MAIN(tst_MainWindowProject)
#include "tst_MainWindowProject.moc"
