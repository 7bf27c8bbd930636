// The real program killed while it opens a project: the pages whose files reached the working
// folder come back at the next recovery, nothing half-written is taken for a page, and the lock
// the killed copy left behind does not refuse the next start.
//
// The program is started as a separate process (VELLUMO_BIN_DIR/vellumo) in this test's private
// home, so it works on the same working folder and settings as the window built here.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLockFile>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <signal.h>
#include <sys/types.h>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "pages/KSlabWidget.h"
#include "pages/PageFiles.h"
#include "pages/PageListWidget.h"
#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPaths.h"

namespace {

// Page images are A4-shaped (about 150 dpi); the width tells which page a file holds: page id
// is width - IdWidthBase, so reading the file's header is enough to follow a page.
constexpr int IdWidthBase = 1120;
constexpr int PageHeight = 1754;

// Time allowed for the program to start and reach the state a step waits for.
constexpr int StartTimeoutMs = 15000;

// One try at killing the program in the middle of opening: the project's size and the number
// of working images that must have appeared in the working folder before the kill. A later try
// is made only when the program got through all its files before the kill came.
struct Attempt
{
    int pages;
    int killAfterWorkingImages;
};
constexpr Attempt Attempts[] = {{60, 20}, {60, 1}, {120, 1}};

// A 32-bit xorshift: the same pages on every platform and every run.
class Grain
{
public:
    explicit Grain(quint32 seed)
        : m_state(seed ? seed : 1)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int limit) { return static_cast<int>(next() % static_cast<quint32>(limit)); }

private:
    quint32 m_state;
};

// A printed page as a scanner sees it: paper with a little grain, lines of word-like dark
// strokes and a band in a colour of the page's own. The grain gives working images of a few
// hundred KB, like a scanned page, rather than a few KB.
QImage drawPage(int id)
{
    QImage image(IdWidthBase + id, PageHeight, QImage::Format_RGB32);
    image.fill(qRgb(244, 242, 235));
    Grain grain(0x5eed0000u + static_cast<quint32>(id));
    {
        QPainter painter(&image);
        painter.fillRect(QRect(90, 120, image.width() - 180, 140),
                         QColor::fromHsv((id * 47) % 360, 170, 210));
        const QColor ink(30, 30, 36);
        for (int baseline = 340; baseline < PageHeight - 120; baseline += 34) {
            int x = 90;
            while (true) {
                const int word = 30 + grain.below(150);
                if (x + word > image.width() - 90)
                    break;
                painter.fillRect(QRect(x, baseline - 16, word, 16), ink);
                x += word + 14;
            }
        }
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int step = grain.below(13) - 6;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + step, 0, 255), std::clamp(qGreen(p) + step, 0, 255),
                           std::clamp(qBlue(p) + step, 0, 255));
        }
    }
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    return image;
}

int idOf(const QString &path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? size.width() - IdWidthBase : -1;
}

QStringList pageFiles(const QString &folder)
{
    QStringList result;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (PageFiles::isPageFileName(name))
            result << name;
    }
    return result;
}

int workingImageCount(const QString &folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*_o.*")}, QDir::Files);
    return int(std::count_if(names.begin(), names.end(), PageFiles::isWorkingFileName));
}

// Empties the working folder, as a user's first start would find it.
void emptyWorkingFolder()
{
    QDir(AppPaths::workingFolder()).removeRecursively();
    AppPaths::createDataFolders();
}

QString programPath()
{
    return TestPaths::binDir() + QStringLiteral("/vellumo");
}

QString lockPath()
{
    return AppPaths::dataFolder() + QStringLiteral("/vellumo.lock");
}

qint64 lockOwner()
{
    QLockFile lock(lockPath());
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

bool isAlive(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}

void startProgram(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(programPath(), arguments);
}

} // namespace

class tst_CrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void killedWhileOpeningKeepsEveryCompletePage();
    void lockOfKilledCopyDoesNotRefuseNextStart();
    void askedToEndWithTheSystemScannersItExitsCleanly();

private:
    // A project file of `pages` pages (made once for each size); its original page files stay
    // in projectFolder().
    QString project(int pages);
    QString projectFolder() const { return m_files.filePath(QStringLiteral("pages")); }
    enum class Kill { MidWay, TooLate, Failed };
    // Starts the program on the project and kills it once `killAfter` working images are in
    // the working folder. TooLate when it had already written every page file; Failed, with
    // why, when it did not start, wrote no page in time or ended by itself.
    Kill killWhileOpening(const QString &archive, int pages, int killAfter, QString *why);
    void leaveLockOfKilledCopy();

    QTemporaryDir m_files;
    std::unique_ptr<PageStore> m_store;
    qint64 m_killedPid = 0;
    MainWindowFixture m_window;
};

void tst_CrashRecovery::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_files.isValid());
    if (!QFileInfo(programPath()).isExecutable()) {
        QFAIL(qPrintable(QStringLiteral("no program at %1: build the `vellumo` target first "
                                        "(VELLUMO_BIN_DIR is \"%2\")")
                             .arg(programPath(), TestPaths::binDir())));
    }
    QVERIFY(AppPaths::dataFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    QVERIFY(QDir().mkpath(projectFolder()));
    m_store = std::make_unique<PageStore>(projectFolder());
}

void tst_CrashRecovery::cleanup()
{
    if (m_window) {
        m_window->setModified(false);
        m_window->pageList()->clearPages();
    }
    m_window.reset();
}

QString tst_CrashRecovery::project(int pages)
{
    const QString path = m_files.filePath(QStringLiteral("book-%1.vlmpj").arg(pages));
    if (QFile::exists(path))
        return path;
    while (m_store->count() < pages) {
        if (!m_store->addImage(drawPage(m_store->count() + 1), false, nullptr))
            return QString();
    }
    const QStringList working = m_store->workingPaths().mid(0, pages);
    const QStringList thumbs = m_store->thumbPaths().mid(0, pages);
    ProjectArchive archive;
    if (!archive.write(path, ProjectArchive::projectFileList(working, thumbs)))
        return QString();
    return path;
}

tst_CrashRecovery::Kill tst_CrashRecovery::killWhileOpening(const QString &archive, int pages,
                                                            int killAfter, QString *why)
{
    emptyWorkingFolder();
    const QString folder = AppPaths::workingFolder();
    QProcess process;
    startProgram(process, {archive});
    if (!process.waitForStarted(StartTimeoutMs)) {
        *why = QStringLiteral("cannot start %1: %2").arg(programPath(), process.errorString());
        return Kill::Failed;
    }
    // Known only while it runs.
    const qint64 pid = process.processId();
    QElapsedTimer clock;
    clock.start();
    // waitForFinished(1) is the poll's pause; it returns true only when the program ended.
    while (!process.waitForFinished(1)) {
        if (workingImageCount(folder) >= killAfter) {
            process.kill();
            break;
        }
        if (clock.elapsed() > StartTimeoutMs) {
            process.kill();
            process.waitForFinished(StartTimeoutMs);
            *why = QStringLiteral("no page reached the working folder within %1 ms: %2")
                       .arg(StartTimeoutMs)
                       .arg(QString::fromLocal8Bit(process.readAll()));
            return Kill::Failed;
        }
    }
    const qint64 killedAt = clock.elapsed();
    process.waitForFinished(StartTimeoutMs);
    if (process.exitStatus() != QProcess::CrashExit) {
        *why = QStringLiteral("the program ended by itself with code %1: %2")
                   .arg(process.exitCode())
                   .arg(QString::fromLocal8Bit(process.readAll()));
        return Kill::Failed;
    }
    m_killedPid = pid;
    const int found = static_cast<int>(pageFiles(folder).size());
    qInfo("%d pages (%lld KB), killed %lld ms after the start with %d of %d page files in place",
          pages, QFileInfo(archive).size() / 1024, killedAt, found, 3 * pages);
    return found < 3 * pages ? Kill::MidWay : Kill::TooLate;
}

void tst_CrashRecovery::killedWhileOpeningKeepsEveryCompletePage()
{
    const QString folder = AppPaths::workingFolder();
    int pages = 0;
    for (const Attempt &attempt : Attempts) {
        const QString archive = project(attempt.pages);
        QVERIFY2(!archive.isEmpty(), qPrintable(m_store->errorString()));
        QString why;
        const Kill kill =
            killWhileOpening(archive, attempt.pages, attempt.killAfterWorkingImages, &why);
        QVERIFY2(kill != Kill::Failed, qPrintable(why));
        if (kill == Kill::MidWay) {
            pages = attempt.pages;
            break;
        }
    }
    QVERIFY2(pages > 0, "every kill came after the program had written all the page files");

    // What the kill left: every file under a page name must be the original, byte for byte;
    // anything else (an interrupted write under a temporary name) is no page at all.
    QList<int> complete;
    for (const QString &name : pageFiles(folder)) {
        const QByteArray original = TestPaths::readFile(QDir(projectFolder()).filePath(name));
        QVERIFY2(!original.isEmpty(), qPrintable(name));
        QVERIFY2(TestPaths::readFile(QDir(folder).filePath(name)) == original,
                 qPrintable(QStringLiteral("%1 is under a page name but is not the page's "
                                           "complete file")
                                .arg(name)));
        if (PageFiles::isWorkingFileName(name))
            complete << PageFiles::pageNumber(name);
    }
    std::sort(complete.begin(), complete.end());
    QVERIFY(!complete.isEmpty());
    const QStringList others = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : others) {
        if (!PageFiles::isPageFileName(name))
            qInfo("left by the interrupted write: %s", qPrintable(name));
    }

    // The next start offers exactly the complete pages; the answer is No so that the recovery
    // below is the explicit command.
    DialogAnswerer no(QStringLiteral("No"));
    m_window.rebuild();
    m_window->show();
    QTRY_VERIFY_WITH_TIMEOUT(no.hasAnswered(), 5000);
    QVERIFY2(no.text().contains(QStringLiteral("found %1 pages").arg(complete.size())),
             qPrintable(no.text()));

    m_window->recoverProject();
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->count(), complete.size());
    QList<int> ids;
    for (int i = 0; i < list->count(); ++i) {
        const QString working = list->workingPath(i);
        ids << idOf(working);
        QVERIFY2(!QImage(working).isNull(), qPrintable(working));
        const QString thumb = list->store().thumbPath(i);
        QVERIFY2(!QImage(thumb).isNull(), qPrintable(thumb));
        QVERIFY2(list->slabAt(i)->hasImage(), qPrintable(working));
    }
    QCOMPARE(ids, complete);
}

void tst_CrashRecovery::leaveLockOfKilledCopy()
{
    emptyWorkingFolder();
    QProcess process;
    startProgram(process, {});
    QVERIFY(process.waitForStarted(StartTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(lockOwner() == process.processId(), StartTimeoutMs);
    m_killedPid = process.processId();
    process.kill();
    QVERIFY(process.waitForFinished(StartTimeoutMs));
}

void tst_CrashRecovery::lockOfKilledCopyDoesNotRefuseNextStart()
{
    // Run on its own, this test kills a copy itself; after the test above, its copy's lock is
    // still there.
    if (m_killedPid == 0 || lockOwner() != m_killedPid)
        leaveLockOfKilledCopy();
    else
        qInfo("the lock is the one left by the copy killed while opening (pid %lld)", m_killedPid);
    QVERIFY(QFile::exists(lockPath()));
    QCOMPARE(lockOwner(), m_killedPid);
    QVERIFY(!isAlive(m_killedPid));

    // With an empty working folder the start asks nothing. A refused start shows its message
    // box and waits, so only the settings the window writes when it is built prove it ran.
    emptyWorkingFolder();
    const QString settingsFile = QSettings().fileName();
    QFile::remove(settingsFile);
    QProcess process;
    startProgram(process, {});
    QVERIFY(process.waitForStarted(StartTimeoutMs));
    const auto stop = qScopeGuard([&process] {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    });
    QElapsedTimer clock;
    clock.start();
    while (!TestPaths::readFile(settingsFile).contains("JpegQuality")) {
        QVERIFY2(!process.waitForFinished(20),
                 qPrintable(QStringLiteral("the program ended at start-up with code %1: %2")
                                .arg(process.exitCode())
                                .arg(QString::fromLocal8Bit(process.readAll()))));
        QVERIFY2(clock.elapsed() < StartTimeoutMs,
                 "the second start never built its window (refused by the lock?)");
    }
    QCOMPARE(process.state(), QProcess::Running);
    QCOMPARE(lockOwner(), process.processId());
}

void tst_CrashRecovery::askedToEndWithTheSystemScannersItExitsCleanly()
{
    // Debian's own SANE configuration, every backend listed: some of them crash inside
    // sane_exit() when it runs after their statics are gone.
    emptyWorkingFolder();
    const QString settingsFile = QSettings().fileName();
    QFile::remove(settingsFile);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("SANE_CONFIG_DIR"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(programPath(), {});
    QVERIFY(process.waitForStarted(StartTimeoutMs));
    QElapsedTimer clock;
    clock.start();
    while (!TestPaths::readFile(settingsFile).contains("JpegQuality")) {
        QVERIFY2(!process.waitForFinished(20),
                 qPrintable(QString::fromLocal8Bit(process.readAll())));
        QVERIFY(clock.elapsed() < 60000);
    }
    // As at logout: the program is asked to end, and ends normally.
    process.terminate();
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit,
             qPrintable(QString::fromLocal8Bit(process.readAll())));
    QCOMPARE(process.exitCode(), 0);
}

QTEST_MAIN(tst_CrashRecovery)
#include "tst_CrashRecovery.moc"
