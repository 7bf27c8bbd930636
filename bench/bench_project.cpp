// Figures for project files: saving a long document with ProjectArchive::write and opening it
// with ProjectArchive::extract, against Info-ZIP's zip and unzip doing the same work on the same
// files in the same run. The pages are real page files: A4 at 300 dpi, drawn here from fixed
// seeds and stored through PageStore::addImage at the program's JPEG quality, so the archive
// holds exactly what a user's project would (working images, thumbnails, sources).
//
// Everything happens in a private temporary home folder; the user's settings and pages are never
// touched. The figures depend on the disk under that folder (TMPDIR). Progress goes to stderr,
// the figures to stdout.

#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <utility>
#include <vector>

#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"

namespace {

constexpr int A4Width = 2480;
constexpr int A4Height = 3508;
constexpr int Dpm300 = 11811;
// Distinct drawings; the pages of the document repeat them, half grey, half colour.
constexpr int Drawings = 8;

// splitmix64: a fixed sequence on every platform.
class Sequence
{
public:
    explicit Sequence(quint64 seed)
        : m_state(seed)
    {
    }
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int upTo(int limit) { return static_cast<int>(next() % static_cast<quint64>(limit)); }

private:
    quint64 m_state;
};

// A scanned A4 page: paper lit a little unevenly, two columns of word-like strokes, a picture
// of smooth shapes across the page, and sensor grain on everything. Colour pages add a blue
// heading and a warm picture; grey pages are the same drawing in 8-bit grey.
QImage drawPage(int drawing, bool colour)
{
    Sequence sequence(0xb00c0000ULL + static_cast<quint64>(drawing) * 7919);
    QImage page(A4Width, A4Height, QImage::Format_RGB32);
    for (int y = 0; y < A4Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < A4Width; ++x) {
            const int shade = 240 - (x + y) / 400;
            line[x] = qRgb(shade + 4, shade + 2, shade - 3);
        }
    }
    {
        QPainter painter(&page);
        const QColor ink(25, 25, 30);
        painter.fillRect(QRect(250, 220, 1400 + sequence.upTo(500), 70),
                         colour ? QColor(25, 55, 150) : ink);
        const int pictureTop = 900 + sequence.upTo(900);
        const QRect picture(250, pictureTop, A4Width - 500, 900);
        const int columnWidth = (A4Width - 500 - 80) / 2;
        for (int column = 0; column < 2; ++column) {
            const int left = 250 + column * (columnWidth + 80);
            for (int baseline = 420; baseline < A4Height - 250; baseline += 50) {
                if (baseline > picture.top() - 40 && baseline - 24 < picture.bottom() + 40)
                    continue;
                int x = left;
                while (true) {
                    const int word = 40 + sequence.upTo(220);
                    if (x + word > left + columnWidth)
                        break;
                    painter.fillRect(QRect(x, baseline - 22, word, 22), ink);
                    x += word + 18;
                }
            }
        }
        painter.end();
        const double phase = drawing * 0.7;
        for (int y = picture.top(); y <= picture.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
            const double v = double(y - picture.top()) / picture.height();
            for (int x = picture.left(); x <= picture.right(); ++x) {
                const double u = double(x - picture.left()) / picture.width();
                const double wave = 0.5 + 0.5 * std::cos(u * 7.0 + phase + v * 3.0);
                const double ripple = 0.5 + 0.5 * std::sin(u * 90.0 + v * 60.0);
                const int r = int(60 + 150 * wave + 30 * ripple);
                const int g = int(80 + 110 * (1 - v) + 30 * ripple);
                const int b = int(50 + 120 * v * wave + 20 * ripple);
                line[x] = colour ? qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255))
                                 : qRgb(r * 2 / 3, g * 2 / 3, b * 2 / 3);
            }
        }
    }
    // Grain of -3 to +3 levels, the same for the three channels of a pixel.
    for (int y = 0; y < A4Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        quint64 bits = 0;
        for (int x = 0; x < A4Width; ++x) {
            if (x % 16 == 0)
                bits = sequence.next();
            const int step = int(bits & 7) - 3 - int((bits & 7) == 7);
            bits >>= 4;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + step, 0, 255), std::clamp(qGreen(p) + step, 0, 255),
                           std::clamp(qBlue(p) + step, 0, 255));
        }
    }
    if (!colour)
        page.convertTo(QImage::Format_Grayscale8);
    page.setDotsPerMeterX(Dpm300);
    page.setDotsPerMeterY(Dpm300);
    return page;
}

// ---- process and measurement helpers -------------------------------------------------------

QTemporaryDir *home = nullptr;

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "bench_project: %s\n", qPrintable(message));
    if (home)
        home->remove();
    std::exit(1);
}

void require(bool ok, const QString &message)
{
    if (!ok)
        fail(message);
}

void step(const QString &text)
{
    std::fprintf(stderr, "... %s\n", qPrintable(text));
}

// A line of /proc/self/status in KB ("VmRSS", "VmHWM"), or -1.
qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts a new peak of the resident memory (VmHWM) at today's VmRSS; false where the kernel
// does not allow it (then the peak is that of the whole process).
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// Resident memory of this process around one piece of work, in KB.
struct Memory
{
    qint64 before = 0;
    qint64 after = 0;
    qint64 peak = 0;
    qint64 growth() const { return after - before; }
    qint64 peakGrowth() const { return peak - before; }
};

// Wall-clock milliseconds of each run.
struct Runs
{
    std::vector<double> ms;
    double median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n ? (sorted[(n - 1) / 2] + sorted[n / 2]) / 2 : 0;
    }
    double fastest() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
};

template <typename Work> double timed(Work &&work, Memory *memory = nullptr)
{
    bool peakReset = false;
    if (memory) {
        malloc_trim(0);
        peakReset = resetPeak();
        memory->before = statusKb("VmRSS");
    }
    QElapsedTimer clock;
    clock.start();
    work();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (memory) {
        memory->after = statusKb("VmRSS");
        memory->peak = peakReset ? statusKb("VmHWM") : memory->after;
    }
    return ms;
}

void runTool(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    require(ok, QStringLiteral("%1 failed: %2")
                    .arg(QFileInfo(program).fileName(), QString::fromLocal8Bit(process.readAll())));
}

void freshFolder(const QString &path)
{
    QDir(path).removeRecursively();
    require(QDir().mkpath(path), QStringLiteral("cannot make %1").arg(path));
}

// Number and total bytes of the files in a folder.
std::pair<int, qint64> folderContents(const QString &path)
{
    int files = 0;
    qint64 bytes = 0;
    QDirIterator it(path, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        ++files;
        bytes += it.fileInfo().size();
    }
    return {files, bytes};
}

double mb(qint64 bytes)
{
    return double(bytes) / 1048576.0;
}

double ratio(double ours, double theirs)
{
    return theirs > 0 ? ours / theirs : 0;
}

// ---- the benchmark -------------------------------------------------------------------------

struct Document
{
    QString folder;
    QStringList files; // full paths, in the project's entry order
    QStringList names; // bare names, the same order
    qint64 bytes = 0;
    int grey = 0;
    int colour = 0;
    double addMs = 0; // adding the pages, drawing excluded
};

Document makeDocument(int pageCount, const QString &folder)
{
    step(QStringLiteral("drawing %1 distinct A4 pages").arg(Drawings));
    std::vector<QImage> drawings;
    for (int k = 0; k < Drawings; ++k)
        drawings.push_back(drawPage(k, k % 2 == 1));

    step(QStringLiteral("adding %1 pages through PageStore::addImage").arg(pageCount));
    Document document;
    document.folder = folder;
    freshFolder(folder);
    PageStore store(folder);
    QElapsedTimer adding;
    adding.start();
    for (int i = 0; i < pageCount; ++i) {
        const int k = i % Drawings;
        require(store.addImage(drawings[size_t(k)], false, nullptr), store.errorString());
        (k % 2 == 1 ? document.colour : document.grey) += 1;
    }
    document.addMs = double(adding.nsecsElapsed()) / 1e6;
    document.files = ProjectArchive::projectFileList(store.workingPaths(), store.thumbPaths());
    for (const QString &path : document.files) {
        const QFileInfo info(path);
        require(info.exists(), QStringLiteral("missing page file %1").arg(path));
        document.names << info.fileName();
        document.bytes += info.size();
    }
    return document;
}

struct Figures
{
    Runs oursSave, zipSave, cpSave, oursOpen, unzipOpen;
    Memory saveMemory, openMemory; // the largest growth over the runs
    qint64 oursSize = 0, zipSize = 0;
};

void keepLarger(Memory &kept, const Memory &latest)
{
    if (latest.peakGrowth() > kept.peakGrowth() || kept.before == 0)
        kept = latest;
}

Figures measure(const Document &document, int runs, const QString &work)
{
    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    require(!zip.isEmpty() && !unzip.isEmpty(),
            QStringLiteral("zip and unzip are needed (packages zip, unzip)"));
    const QString oursArchive = work + QStringLiteral("/ours.vlmpj");
    const QString zipArchive = work + QStringLiteral("/theirs.zip");
    const QString oursFolder = work + QStringLiteral("/opened-ours");
    const QString unzipFolder = work + QStringLiteral("/opened-unzip");
    // Bare names, as our entries are named; zip reads them relative to the page folder.
    QStringList zipArguments{QStringLiteral("-q"), zipArchive};
    zipArguments += document.names;
    // The floor of any save: the same files copied by one cp process.
    const QString cp = QStandardPaths::findExecutable(QStringLiteral("cp"));
    const QString cpFolder = work + QStringLiteral("/copied-cp");
    QStringList cpArguments{QStringLiteral("-t"), cpFolder};
    cpArguments += document.names;

    Figures figures;
    for (int run = 0; run < runs; ++run) {
        step(QStringLiteral("run %1 of %2").arg(run + 1).arg(runs));
        QFile::remove(oursArchive);
        QFile::remove(zipArchive);
        freshFolder(oursFolder);
        freshFolder(unzipFolder);

        const auto saveOurs = [&] {
            ProjectArchive archive;
            Memory memory;
            figures.oursSave.ms.push_back(timed(
                [&] { require(archive.write(oursArchive, document.files), archive.errorString()); },
                &memory));
            keepLarger(figures.saveMemory, memory);
        };
        const auto saveZip = [&] {
            figures.zipSave.ms.push_back(
                timed([&] { runTool(zip, zipArguments, document.folder); }));
        };
        const auto saveCp = [&] {
            freshFolder(cpFolder);
            figures.cpSave.ms.push_back(timed([&] { runTool(cp, cpArguments, document.folder); }));
        };
        const auto openOurs = [&] {
            ProjectArchive archive;
            Memory memory;
            QStringList names;
            figures.oursOpen.ms.push_back(
                timed([&] { names = archive.extract(oursArchive, oursFolder); }, &memory));
            keepLarger(figures.openMemory, memory);
            require(names == document.names, QStringLiteral("extract gave %1 of %2 files: %3")
                                                 .arg(names.size())
                                                 .arg(document.names.size())
                                                 .arg(archive.errorString()));
        };
        const auto openUnzip = [&] {
            figures.unzipOpen.ms.push_back(timed([&] {
                runTool(unzip,
                        {QStringLiteral("-q"), QStringLiteral("-o"), zipArchive,
                         QStringLiteral("-d"), unzipFolder},
                        work);
            }));
        };
        // Turns about, so that neither side always finds the other's data in the page cache.
        if (run % 2 == 0) {
            saveOurs();
            saveZip();
            saveCp();
            openOurs();
            openUnzip();
        } else {
            saveCp();
            saveZip();
            saveOurs();
            openUnzip();
            openOurs();
        }
        // Both sides did the whole work.
        for (const QString &folder : {oursFolder, unzipFolder}) {
            const auto [files, bytes] = folderContents(folder);
            require(files == document.files.size() && bytes == document.bytes,
                    QStringLiteral("%1 holds %2 files, %3 bytes; expected %4, %5")
                        .arg(folder)
                        .arg(files)
                        .arg(bytes)
                        .arg(document.files.size())
                        .arg(document.bytes));
        }
    }
    figures.oursSize = QFileInfo(oursArchive).size();
    figures.zipSize = QFileInfo(zipArchive).size();
    QDir(oursFolder).removeRecursively();
    QDir(unzipFolder).removeRecursively();
    return figures;
}

void printRow(const char *label, const Runs &ours, const Runs &theirs)
{
    std::printf("   %-22s %10.0f %10.0f %10.0f %10.0f %9.2f\n", label, ours.median(),
                theirs.median(), ours.fastest(), theirs.fastest(),
                ratio(ours.median(), theirs.median()));
}

void printMemory(const char *label, const Memory &memory)
{
    std::printf("   %-22s %10.1f %10.1f %10.1f %10.1f\n", label, memory.before / 1024.0,
                memory.after / 1024.0, memory.growth() / 1024.0, memory.peakGrowth() / 1024.0);
}

void report(const Document &document, const Figures &figures, int runs)
{
    const int pages = document.grey + document.colour;
    std::printf("\n1. The document: %d pages, %d files, %.1f MB of page files\n", pages,
                int(document.files.size()), mb(document.bytes));
    std::printf("   adding the pages took %.1f s, %.0f ms a page\n", document.addMs / 1000,
                document.addMs / pages);

    std::printf("\n2. Save and open, wall clock in ms (median and fastest of %d runs)\n", runs);
    std::printf("   %-22s %21s %21s\n", "", "median ms", "fastest ms");
    std::printf("   %-22s %10s %10s %10s %10s %9s\n", "", "ours", "Info-ZIP", "ours", "Info-ZIP",
                "ours/them");
    printRow("save (write / zip)", figures.oursSave, figures.zipSave);
    printRow("open (extract / unzip)", figures.oursOpen, figures.unzipOpen);
    std::printf("   save: ProjectArchive::write of the %d files (JPEG stored, the rest deflated, "
                "then renamed into place)\n         against zip -q with the same names, default "
                "level (-6)\n",
                int(document.files.size()));
    std::printf("   open: ProjectArchive::extract into an empty folder (every file flushed to the "
                "disk\n         before it gets its name) against unzip -q -o -d (no flush)\n");
    std::printf("   The Info-ZIP times are whole processes started from here. ours/them: of the "
                "medians;\n   below 1, ours is faster.\n");

    std::printf("\n3. Archive sizes\n");
    std::printf("   %-22s %10.2f MB\n", "ours", mb(figures.oursSize));
    std::printf("   %-22s %10.2f MB\n", "zip", mb(figures.zipSize));
    std::printf("   %-22s %10.2f MB\n", "page files", mb(document.bytes));
    std::printf("   %-22s %10.4f\n", "ours/zip", ratio(double(figures.oursSize), figures.zipSize));

    std::printf(
        "\n4. Resident memory of this process (VmRSS, MB; the run with the largest peak)\n");
    std::printf("   %-22s %10s %10s %10s %10s\n", "", "before", "after", "growth", "peak growth");
    printMemory("save", figures.saveMemory);
    printMemory("open", figures.openMemory);

    std::printf("\nSummary\n");
    std::printf("   %-46s %9.2f s\n", "save, ours (median)", figures.oursSave.median() / 1000);
    std::printf("   %-46s %9.2f\n", "save, ours/zip",
                ratio(figures.oursSave.median(), figures.zipSave.median()));
    std::printf("   %-46s %9.2f s\n", "save, cp of the same files (median)",
                figures.cpSave.median() / 1000);
    std::printf("   %-46s %9.2f\n", "save, ours/cp",
                ratio(figures.oursSave.median(), figures.cpSave.median()));
    std::printf("   %-46s %9.2f s\n", "open, ours (median)", figures.oursOpen.median() / 1000);
    std::printf("   %-46s %9.2f\n", "open, ours/unzip",
                ratio(figures.oursOpen.median(), figures.unzipOpen.median()));
    std::printf("   %-46s %9.4f\n", "archive size, ours/zip",
                ratio(double(figures.oursSize), figures.zipSize));
    std::printf("   %-46s %9.1f MB\n", "memory, peak growth while saving",
                figures.saveMemory.peakGrowth() / 1024.0);
    std::printf("   %-46s %9.1f MB\n", "memory, peak growth while opening",
                figures.openMemory.peakGrowth() / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    // The private home comes first: Qt must not see the user's folders at all.
    QTemporaryDir privateHome;
    if (!privateHome.isValid())
        fail(QStringLiteral("cannot make a temporary folder: %1").arg(privateHome.errorString()));
    home = &privateHome;
    const QByteArray root = QFile::encodeName(privateHome.path());
    qputenv("HOME", root);
    for (const char *name : {"config", "data", "cache", "runtime"})
        QDir().mkpath(QString::fromLocal8Bit(root + '/' + name));
    QFile::setPermissions(QString::fromLocal8Bit(root + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::OrganizationName);
    QCoreApplication::setApplicationName(ProgramInfo::ApplicationName);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times saving and opening a project file against zip and unzip."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption pagesOption(QStringLiteral("pages"),
                                         QStringLiteral("Pages of the document (default 200)."),
                                         QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Runs of each timing (default 3)."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    parser.addOptions({helpOption, pagesOption, runsOption});
    // Not process(): it would exit without removing the private home.
    if (!parser.parse(QCoreApplication::arguments()))
        fail(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    bool pagesOk = false;
    bool runsOk = false;
    const int pages = parser.value(pagesOption).toInt(&pagesOk);
    const int runs = parser.value(runsOption).toInt(&runsOk);
    if (!pagesOk || !runsOk || pages < 1 || runs < 1)
        fail(QStringLiteral("--pages and --runs take a whole number of at least 1"));

    // The JPEG quality every start of the program writes, so the pages are the program's own.
    Settings::write(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality);

    std::printf("Vellumo project file benchmark\n");
    std::printf("   Qt %s, build %s, %d threads, A4 pages %dx%d at 300 dpi, JPEG quality %d\n",
                qVersion(), VELLUMO_BENCH_BUILD_TYPE, QThread::idealThreadCount(), A4Width,
                A4Height, ProgramInfo::JpegQuality);
    std::printf("   files in %s (%s)\n", qPrintable(privateHome.path()),
                QStorageInfo(privateHome.path()).fileSystemType().constData());

    const QString work = privateHome.filePath(QStringLiteral("bench"));
    const Document document = makeDocument(pages, work + QStringLiteral("/pages"));
    const Figures figures = measure(document, runs, work);
    report(document, figures, runs);
    return 0;
}
