// What undo costs a page turn: 20 colour A4 pages at 300 dpi turned right 200 times in page order
// as the window turns them, with no history, then with the history keeping each page first (at
// the window's limits, and with room for all 200 steps); then every step is undone and the pages
// are compared byte for byte with what they were. Each way runs twice, alternating, the faster
// run shown. All in a private temporary home; progress to stderr, figures to stdout.

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "core/AppPaths.h"
#include "core/PageImages.h"
#include "core/ProgramInfo.h"
#include "imaging/PageOperations.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

namespace {

constexpr int Pages = 20;
constexpr int Turns = 200;
constexpr int Quality = 85;
constexpr int RunsEach = 2;

struct Result
{
    double turnMs = 1e300, undoMs = 1e300, historyMs = 0;
    qint64 rssBefore = 0, rssAfter = 0, peak = 0, areaBytes = 0, areaBlocks = 0, ownBlocks = 0;
    int steps = 0, undos = 0, asOldestStep = 0, asAtStart = 0;
};

// A line of /proc/self/status in KB. VmRSS is read after freed blocks went back to the system,
// so it counts what is still held.
qint64 statusKb(const QByteArray &field)
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(field + ':'))
                return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

QByteArray md5(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5)
               : QByteArray();
}

// A colour page of print: lines of words drawn as letter-like strokes and rings, a photo block,
// and a faint grain on every pixel as a scanner leaves it.
QImage colourPage(quint32 seed)
{
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.fill(QColor(246, 243, 234));
    quint32 state = seed * 2654435761u + 1;
    const auto next = [&state](int below) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % quint32(below));
    };
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 1400, 900);
    gradient.setColorAt(0, QColor(50 + next(80), 90, 150));
    gradient.setColorAt(1, QColor(210, 150 + next(60), 70));
    painter.fillRect(1680 - next(200), 260, 560, 700, gradient);
    for (int y = 300; y < 3300; y += 56) {
        const int right = y < 1000 ? 1400 : 2180;
        for (int x = 280; x < right - 160; x += 22) {
            for (int letters = 2 + next(8); letters > 0; --letters, x += 24) {
                painter.setPen(QPen(QColor(30, 30, 40 + next(40)), 3 + next(2)));
                const int tall = next(4) == 0 ? 38 : 26;
                if (next(3) == 0)
                    painter.drawEllipse(QRectF(x, y + 14, 18, 24));
                else
                    painter.drawLine(x + 4, y + 38 - tall, x + 4, y + 38);
                if (next(2) == 0)
                    painter.drawLine(x + 4, y + 14 + next(20), x + 18, y + 38 - next(24));
            }
        }
    }
    painter.end();
    // Every channel drawn above lies between 1 and 254: a step of one carries into no other.
    for (int y = 0; y < page.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x)
            line[x] += quint32(next(3) - 1) * 0x010101u;
    }
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    return page;
}

// The undo area on disk: its files' sizes, the blocks of its distinct inodes (kept copies are
// hard links), and of those the blocks no file of the working folder shares.
void measureArea(const QString &area, const QString &working, Result &result)
{
    QSet<QPair<quint64, quint64>> pageInodes, seen;
    struct stat info;
    for (const QString &name : QDir(working).entryList(QDir::Files)) {
        if (::lstat(QFile::encodeName(working + QLatin1Char('/') + name).constData(), &info) == 0)
            pageInodes.insert({info.st_dev, info.st_ino});
    }
    QDirIterator files(area, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        if (::lstat(QFile::encodeName(files.next()).constData(), &info) != 0)
            continue;
        result.areaBytes += info.st_size;
        const QPair<quint64, quint64> inode{info.st_dev, info.st_ino};
        if (seen.contains(inode))
            continue;
        seen.insert(inode);
        result.areaBlocks += qint64(info.st_blocks) * 512;
        if (!pageInodes.contains(inode))
            result.ownBlocks += qint64(info.st_blocks) * 512;
    }
}

// maxSteps 0: no history. The run starts from copies of the page files kept in stash.
Result runOnce(int maxSteps, const QString &stash)
{
    const QString working = AppPaths::workingFolder();
    QDir(working).removeRecursively();
    QDir().mkpath(working);
    const QStringList names = QDir(stash).entryList(QDir::Files);
    for (const QString &name : names)
        QFile::copy(stash + QLatin1Char('/') + name, working + QLatin1Char('/') + name);
    Result result;
    PageListWidget list;
    list.setJpegQuality(Quality);
    for (const QString &name : names.filter(QStringLiteral("_o.")))
        list.loadPage(name);
    std::unique_ptr<PageHistory> history;
    // Declared after the history so that they go first, as the window's do: a history destroyed
    // with steps on its stack would update them from a stack that is being deleted.
    QAction undo, redo;
    if (maxSteps > 0) {
        history = std::make_unique<PageHistory>(&list, &undo, &redo);
        history->setLimits(maxSteps, PageHistory::DefaultMaxBytes);
    }
    // before[t]: the file of the page turn t turns, just before it (taken outside the timing).
    std::vector<QByteArray> before(Turns);
    result.rssBefore = statusKb("VmRSS");
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5"); // the peak starts again from here
    QElapsedTimer timer;
    qint64 turning = 0;
    for (int t = 0; t < Turns; ++t) {
        const int position = t % Pages;
        const QString path = list.workingPath(position);
        before[t] = md5(path);
        timer.start();
        QList<PageCommand::Step> kept;
        QElapsedTimer part;
        part.start();
        if (history)
            kept = history->keep({position});
        const qint64 historyNs = part.nsecsElapsed();
        const QImage image = PageOperations::turned(QImage(path), 90);
        QString error;
        if (!PageImages::writeWorkingImage(image, path, false, Quality, &error))
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
        list.updateThumb(image, position);
        part.start();
        if (history)
            history->recordChange(QStringLiteral("Turn Right"), kept);
        result.historyMs += (historyNs + part.nsecsElapsed()) / 1e6;
        turning += timer.nsecsElapsed();
    }
    result.turnMs = turning / 1e6;
    result.rssAfter = statusKb("VmRSS");
    result.peak = statusKb("VmHWM");
    if (!history)
        return result;

    measureArea(history->area(), working, result);
    result.steps = history->stack()->count();
    // Undoing every step leads back to the pages as they were before the oldest step's turn
    // (a page that no step turned stays as it is).
    std::vector<QByteArray> expected(Pages);
    for (int p = 0, oldest = Turns - result.steps; p < Pages; ++p) {
        const int t = oldest + ((p - oldest) % Pages + Pages) % Pages;
        expected[p] = t < Turns ? before[t] : md5(list.workingPath(p));
    }
    timer.start();
    for (; undo.isEnabled(); ++result.undos)
        undo.trigger();
    result.undoMs = timer.nsecsElapsed() / 1e6;
    for (int p = 0; p < Pages; ++p) {
        const QByteArray now = md5(list.workingPath(p));
        result.asOldestStep += now == expected[p];
        result.asAtStart += now == before[p];
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    // A private home before Qt works out any path: the working folder is this run's own.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *name : {"CONFIG_HOME", "DATA_HOME", "CACHE_HOME", "RUNTIME_DIR"}) {
        const QString folder = home.filePath(QString::fromLatin1(name).toLower());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(QByteArray("XDG_").append(name).constData(), QFile::encodeName(folder));
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::OrganizationName);
    QCoreApplication::setApplicationName(ProgramInfo::ApplicationName);

    // The pages are made once and their files kept aside; every run starts from copies.
    const QString stash = home.filePath(QStringLiteral("stash"));
    qint64 pageBytes = 0;
    {
        std::fprintf(stderr, "... drawing %d pages\n", Pages);
        PageListWidget list;
        list.setJpegQuality(Quality);
        for (int p = 0; p < Pages; ++p) {
            if (!list.addImage(colourPage(quint32(p + 1)), false))
                return 1;
            pageBytes += QFileInfo(list.workingPath(p)).size();
        }
        QDir().mkpath(stash);
        for (const QFileInfo &file : QDir(list.workingFolder()).entryInfoList(QDir::Files))
            QFile::copy(file.filePath(), stash + QLatin1Char('/') + file.fileName());
    }

    const std::pair<const char *, int> modes[] = {
        {"undo off", 0},
        {"undo on, window's limits", PageHistory::DefaultMaxSteps},
        {"undo on, room for 200 steps", Turns}};
    constexpr int ModeCount = int(std::size(modes));
    std::vector<Result> best(ModeCount);
    for (int run = 0; run < RunsEach; ++run) {
        for (int m = 0; m < ModeCount; ++m) {
            std::fprintf(stderr, "... %s, run %d\n", modes[m].first, run + 1);
            const Result result = runOnce(modes[m].second, stash);
            const double undoMs = std::min(best[m].undoMs, result.undoMs);
            if (result.turnMs < best[m].turnMs)
                best[m] = result;
            best[m].undoMs = undoMs;
        }
    }

    std::printf("Vellumo undo benchmark (%s build)\n", VELLUMO_BENCH_BUILD_TYPE);
    std::printf("   %d colour A4 pages 2480 x 3508 at 300 dpi, JPEG quality %d, %.0f KB a page\n",
                Pages, Quality, pageBytes / 1024.0 / Pages);
    std::printf("   %d turns right in page order (read, turn, write, thumbnail); faster of %d runs"
                "\n\n   %-28s %8s %8s %8s %9s %11s %11s %9s %9s\n",
                Turns, RunsEach, "run", "total s", "ms/turn", "extra %", "hist ms", "RSS bef KB",
                "RSS aft KB", "grow KB", "peak KB");
    for (int m = 0; m < ModeCount; ++m) {
        const Result &r = best[m];
        std::printf("   %-28s %8.2f %8.1f %8.1f %9.2f %11lld %11lld %9lld %9lld\n", modes[m].first,
                    r.turnMs / 1000, r.turnMs / Turns, (r.turnMs / best[0].turnMs - 1) * 100,
                    r.historyMs / Turns, r.rssBefore, r.rssAfter, r.rssAfter - r.rssBefore, r.peak);
    }
    std::printf("\n   %-28s %5s %8s %8s %8s %6s %8s %8s %9s %8s\n", "history", "steps", "files MB",
                "disk MB", "own MB", "undos", "undo s", "ms/undo", "as oldest", "as start");
    for (int m = 1; m < ModeCount; ++m) {
        const Result &r = best[m];
        std::printf("   %-28s %5d %8.1f %8.1f %8.1f %6d %8.2f %8.1f %6d/%d %5d/%d\n",
                    modes[m].first, r.steps, r.areaBytes / 1048576.0, r.areaBlocks / 1048576.0,
                    r.ownBlocks / 1048576.0, r.undos, r.undoMs / 1000,
                    r.undos ? r.undoMs / r.undos : 0.0, r.asOldestStep, Pages, r.asAtStart, Pages);
    }
    std::printf(
        "\n   hist ms: of a turn, the time in keep() and recordChange(). files: the undo area"
        "\n   after the turns; disk: its distinct inodes' blocks; own: those no page file "
        "shares.\n   Then every step undone (the window also shows the page after each): "
        "pages byte for byte\n   as before the oldest kept step's turn, and as before "
        "any turn.\n");
    return 0;
}
