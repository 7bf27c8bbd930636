// Figures for the page store: what adding a scanned page costs and where the time goes, the
// thumbnail route against Qt's own smooth scale, Qt's JPEG encoder against libjpeg-turbo's
// cjpeg, renumbering a long document, and the memory a long page list holds. The pages are drawn
// here with a fixed seed, so every run measures the same pixels.
//
// Everything happens in a private temporary home folder; the user's settings and pages are never
// read or written. Every page file is flushed to the disk when it is complete (QSaveFile), so the
// write figures depend on the disk under that folder (TMPDIR). Progress goes to stderr, the
// figures to stdout.

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <numeric>
#include <utility>
#include <vector>

#include "core/AppPaths.h"
#include "core/PageImages.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "pages/PageListWidget.h"
#include "pages/PageStore.h"

namespace {

// A4 at 300 dpi.
constexpr int PageWidth = 2480;
constexpr int PageHeight = 3508;
constexpr int DotsPerMetre = 11811;
constexpr int Quality = ProgramInfo::JpegQuality;
constexpr QSize ThumbBox{220, 220};
// Small pages for the renumbering and memory runs: only the number of files matters there.
constexpr QSize SmallPage{200, 280};
constexpr int LongDocument = 1000;
// Memory a listed page may take: two 32-bit copies of the largest thumbnail (an image and what is
// drawn from it). Anything near a page image (33 MB for A4 colour) would show at once.
constexpr double MemoryGoalKb = 2.0 * ThumbBox.width() * ThumbBox.height() * 4 / 1024;

// xorshift64*: the same numbers on every platform, which the standard distributions do not
// promise.
class Rng
{
public:
    explicit Rng(quint64 seed)
        : m_state(seed ? seed : 1)
    {
    }
    quint32 next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return static_cast<quint32>((m_state * 2685821657736338717ULL) >> 32);
    }
    int between(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<quint32>(high - low + 1));
    }
    bool chance(int percent) { return between(0, 99) < percent; }

private:
    quint64 m_state;
};

// Milliseconds of each run.
struct Timing
{
    std::vector<double> ms;
    // Processor time of the whole process over all runs, every thread counted.
    double cpuMs = 0;

    double cpuMean() const { return ms.empty() ? 0 : cpuMs / static_cast<double>(ms.size()); }

    double mean() const
    {
        return ms.empty()
                   ? 0
                   : std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    }
    double median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n == 0 ? 0 : (sorted[(n - 1) / 2] + sorted[n / 2]) / 2;
    }
    double min() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
};

double elapsedMs(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Work> Timing timeRuns(int runs, Work &&work)
{
    Timing timing;
    const double cpuStart = processCpuMs();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        timing.ms.push_back(elapsedMs(timer));
    }
    timing.cpuMs = processCpuMs() - cpuStart;
    return timing;
}

// The private home folder, removed by fail() as well.
QTemporaryDir *privateHome = nullptr;

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench_pagestore: %s\n", qPrintable(what));
    if (privateHome)
        privateHome->remove();
    std::exit(1);
}

void check(bool ok, const QString &error)
{
    if (!ok)
        fail(error);
}

void progress(const char *text)
{
    std::fprintf(stderr, "... %s\n", text);
}

double ratio(double a, double b)
{
    return b > 0 ? a / b : 0;
}

// One labelled figure of a section, aligned with the others.
void figure(const QString &label, double value, const char *unit, const QString &note = {},
            int decimals = 1)
{
    QString line = QStringLiteral("   %1 %2 %3  %4")
                       .arg(label, -34)
                       .arg(value, 9, 'f', decimals)
                       .arg(QLatin1StringView(unit), -2)
                       .arg(note);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    std::printf("%s\n", qPrintable(line));
}

qint64 fileKb(const QString &path)
{
    return QFileInfo(path).size() / 1024;
}

// ---- synthetic pages ----------------------------------------------------------------------

// Draws a page in 32-bit colour; grey pages are converted when the drawing is done.
class Canvas
{
public:
    Canvas()
        : m_image(PageWidth, PageHeight, QImage::Format_RGB32)
    {
    }

    QImage &image() { return m_image; }

    void fill(const QRect &rect, QRgb colour)
    {
        const QRect area = rect & m_image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            std::fill(line + area.left(), line + area.right() + 1, colour);
        }
    }

    // One letter-like shape of strokes standing on baseline; returns its width in pixels.
    int glyph(Rng &rng, int x, int baseline, int xHeight, QRgb ink)
    {
        const int stroke = std::max(3, xHeight / 6);
        const int width = xHeight * rng.between(60, 110) / 100;
        const int top = baseline - xHeight;
        int parts = 0;
        if (rng.chance(80)) {
            const int rise = rng.chance(30) ? xHeight / 2 : 0;
            const int fall = rng.chance(10) ? xHeight / 2 : 0;
            fill(QRect(x, top - rise, stroke, xHeight + rise + fall), ink);
            ++parts;
        }
        if (rng.chance(50)) {
            fill(QRect(x + width - stroke, top, stroke, xHeight), ink);
            ++parts;
        }
        if (rng.chance(55) || parts == 0)
            fill(QRect(x, top, width, stroke), ink);
        if (rng.chance(45))
            fill(QRect(x, baseline - stroke, width, stroke), ink);
        if (rng.chance(25))
            fill(QRect(x, top + (xHeight - stroke) / 2, width, stroke), ink);
        return width;
    }

    // A line of words from left to right (or shorter, ending a paragraph).
    void textLine(Rng &rng, int left, int right, int baseline, int xHeight, QRgb ink,
                  bool colourWords)
    {
        int x = left;
        while (true) {
            const int letters = rng.between(2, 10);
            if (x + letters * xHeight > right)
                break;
            QRgb wordInk = ink;
            if (colourWords && rng.chance(6))
                wordInk = rng.chance(60) ? qRgb(20, 60, 190) : qRgb(190, 30, 30);
            for (int i = 0; i < letters; ++i)
                x += glyph(rng, x, baseline, xHeight, wordInk) + xHeight / 6;
            x += xHeight * 2 / 3;
        }
    }

    // A photograph-like block: sky and hills with a fine texture, smooth gradients throughout.
    void photo(const QRect &rect)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const double v = static_cast<double>(y - rect.top()) / rect.height();
            auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const double u = static_cast<double>(x - rect.left()) / rect.width();
                const double hills = 0.5 + 0.5 * std::sin(u * 9.0 + std::sin(v * 5.0) * 2.0);
                const double texture = 0.5 + 0.5 * std::sin(u * 140.0) * std::sin(v * 95.0);
                const bool ground = v > 0.45 + 0.1 * std::sin(u * 6.0);
                const double sky = 1.0 - v;
                const int r =
                    static_cast<int>(ground ? 70 + 80 * hills + 30 * texture : 120 + 110 * sky);
                const int g =
                    static_cast<int>(ground ? 100 + 90 * hills + 30 * texture : 150 + 90 * sky);
                const int b =
                    static_cast<int>(ground ? 40 + 40 * hills + 20 * texture : 200 + 50 * sky);
                line[x] = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            }
        }
    }

private:
    QImage m_image;
};

// Sensor noise on an 8-bit grey or a 32-bit colour page: each sample moves by -4 to +5 levels,
// mostly by little.
void addNoise(QImage &image, Rng &rng)
{
    const auto jitter = [](int value, quint32 bits) {
        const int step = static_cast<int>((bits & 3) + ((bits >> 2) & 3) + ((bits >> 4) & 3)) - 4;
        return std::clamp(value + step, 0, 255);
    };
    const bool grey = image.format() == QImage::Format_Grayscale8;
    for (int y = 0; y < image.height(); ++y) {
        uchar *greyLine = image.scanLine(y);
        auto *colourLine = reinterpret_cast<QRgb *>(greyLine);
        for (int x = 0; x < image.width(); ++x) {
            const quint32 bits = rng.next();
            if (grey) {
                greyLine[x] = static_cast<uchar>(jitter(greyLine[x], bits));
            } else {
                const QRgb p = colourLine[x];
                colourLine[x] = qRgb(jitter(qRed(p), bits), jitter(qGreen(p), bits >> 6),
                                     jitter(qBlue(p), bits >> 12));
            }
        }
    }
}

// A printed page as a scanner delivers it: off-white paper, a heading, paragraphs of text, a
// photograph across the text column, and noise. The colour page adds a tinted box, coloured
// words and a coloured heading.
QImage drawPage(bool colour, quint64 seed)
{
    Rng rng(seed);
    Canvas canvas;
    const QRgb paper = colour ? qRgb(246, 244, 236) : qRgb(242, 242, 242);
    const QRgb ink = qRgb(28, 28, 32);
    canvas.fill(canvas.image().rect(), paper);

    const int left = 300;
    const int right = PageWidth - 300;
    const QRect photo(left, 1350, right - left, 1000);
    const QRect box(left - 30, 2500, right - left + 60, 420);
    if (colour)
        canvas.fill(box, qRgb(250, 238, 196));
    canvas.textLine(rng, left, right - 500, 330, 56, colour ? qRgb(30, 60, 140) : ink, false);

    int lineInParagraph = 0;
    int paragraphLength = rng.between(5, 11);
    for (int baseline = 480; baseline < PageHeight - 260; baseline += 54) {
        if (baseline + 20 > photo.top() - 40 && baseline - 40 < photo.bottom() + 60)
            continue;
        const bool last = ++lineInParagraph == paragraphLength;
        const int end = last ? left + (right - left) * rng.between(30, 90) / 100 : right;
        canvas.textLine(rng, left, end, baseline, 22, ink, colour);
        if (last) {
            lineInParagraph = 0;
            paragraphLength = rng.between(5, 11);
            baseline += 27;
        }
    }
    canvas.photo(photo);

    QImage page =
        colour ? canvas.image() : canvas.image().convertToFormat(QImage::Format_Grayscale8);
    addNoise(page, rng);
    page.setDotsPerMeterX(DotsPerMetre);
    page.setDotsPerMeterY(DotsPerMetre);
    return page;
}

// ---- measurements -------------------------------------------------------------------------

struct Pages
{
    QImage grey;
    QImage colour;
    QImage mono;
    // The grey and the colour page reduced to SmallPage.
    QImage small[2];
};

// Appends LongDocument small pages, grey and colour alternating; returns the bytes of their
// thumbnails.
qint64 fillLongDocument(PageStore &store, const Pages &pages)
{
    qint64 thumbBytes = 0;
    for (int i = 0; i < LongDocument; ++i) {
        QImage thumb;
        check(store.addImage(pages.small[i % 2], false, &thumb), store.errorString());
        thumbBytes += thumb.sizeInBytes();
    }
    return thumbBytes;
}

Timing encodeTiming(const QImage &image, const QString &path, int runs, bool blackAndWhite = false)
{
    return timeRuns(runs, [&] {
        QString error;
        const bool ok = PageImages::writeWorkingImage(image, path, blackAndWhite, Quality, &error);
        check(ok, error);
    });
}

// Mean absolute difference of two thumbnails in grey levels (colour: per channel), or -1 when
// their sizes differ.
double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

struct Results
{
    double addPerPage = 0;
    double thumbOverJpeg[3] = {};
    double monoThumbOverTiff = 0;
    double qtOverCjpeg[2] = {-1, -1};
    double moveMs = 0;
    double removeMs = 0;
    double kbPerPage = 0;
};

void addPages(const Pages &pages, int count, int runs, const QString &folder, Results &results)
{
    progress("adding pages");
    QDir().mkpath(folder);
    PageStore store(folder);
    Timing grey;
    Timing colour;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < count; ++i) {
        const bool isGrey = i % 2 == 0;
        QElapsedTimer timer;
        timer.start();
        const bool ok = store.addImage(isGrey ? pages.grey : pages.colour, false, nullptr);
        check(ok, store.errorString());
        (isGrey ? grey : colour).ms.push_back(elapsedMs(timer));
    }
    const double totalMs = elapsedMs(total);
    const qint64 greyKb = fileKb(store.workingPath(0));
    const qint64 colourKb = count > 1 ? fileKb(store.workingPath(1)) : 0;
    results.addPerPage = totalMs / count;

    std::printf(
        "\n1. Adding A4 pages with PageStore::addImage (JPEG quality %d from the settings)\n",
        Settings::readInt(SettingsKeys::JpegQuality, 75));
    figure(QStringLiteral("pages added"), count, "",
           QStringLiteral("%1 grey, %2 colour").arg(grey.ms.size()).arg(colour.ms.size()), 0);
    figure(QStringLiteral("total"), totalMs / 1000, "s", {}, 2);
    figure(QStringLiteral("per page, all"), results.addPerPage, "ms");
    figure(QStringLiteral("per grey page"), grey.mean(), "ms",
           QStringLiteral("working JPEG %1 KB").arg(greyKb));
    if (!colour.ms.empty())
        figure(QStringLiteral("per colour page"), colour.mean(), "ms",
               QStringLiteral("working JPEG %1 KB").arg(colourKb));
    QDir(folder).removeRecursively();

    // The three parts of addImage, each on its own, on the same two images.
    progress("timing the parts of adding a page");
    const QString partFolder = folder + QStringLiteral("-parts");
    QDir().mkpath(partFolder);
    const QString working = partFolder + QStringLiteral("/00000001_o.jpg");
    const QString thumbPath = partFolder + QStringLiteral("/00000001_s.jpg");
    const QString source = partFolder + QStringLiteral("/00000001_w.jpg");
    struct Parts
    {
        Timing encode, thumb, copy;
    } parts[2];
    const QImage *images[2] = {&pages.grey, &pages.colour};
    for (int k = 0; k < 2; ++k) {
        const QImage &image = *images[k];
        parts[k].encode = encodeTiming(image, working, runs);
        parts[k].thumb = timeRuns(runs, [&] {
            QString error;
            const QImage thumb = PageImages::makeThumbnail(image, ThumbBox);
            const bool ok = PageImages::writeThumbnail(thumb, thumbPath, &error);
            check(ok, error);
        });
        parts[k].copy = timeRuns(runs, [&] {
            QString error;
            const bool ok = PageImages::copyFile(working, source, &error);
            check(ok, error);
        });
    }
    QDir(partFolder).removeRecursively();

    const auto part = [&](const char *name, Timing Parts::*member, double sum) {
        const double g = (parts[0].*member).mean();
        const double c = (parts[1].*member).mean();
        const double mean = (g + c) / 2;
        std::printf("   %-40s %8.1f %9.1f %9.1f %6.0f %%\n", name, g, c, mean, 100 * mean / sum);
    };
    const auto sumOf = [&](int k) {
        return parts[k].encode.mean() + parts[k].thumb.mean() + parts[k].copy.mean();
    };
    const double sum = (sumOf(0) + sumOf(1)) / 2;
    std::printf(
        "\n   Parts of one page, mean of %d runs          grey ms  colour ms   mean ms  share\n",
        runs);
    part("JPEG encode (writeWorkingImage, q85)", &Parts::encode, sum);
    part("thumbnail (makeThumbnail+writeThumbnail)", &Parts::thumb, sum);
    part("source copy (copyFile)", &Parts::copy, sum);
    std::printf("   %-40s %8.1f %9.1f %9.1f\n", "sum of the parts", sumOf(0), sumOf(1), sum);
    std::printf("   %-40s %8.1f %9.1f %9.1f\n", "addImage as measured above", grey.mean(),
                colour.mean(),
                (grey.mean() + (colour.ms.empty() ? grey.mean() : colour.mean())) / 2);
}

void compareThumbnails(const Pages &pages, int runs, const QString &folder, Results &results)
{
    progress("comparing thumbnail routes");
    QDir().mkpath(folder);
    std::printf("\n2. Thumbnail of an A4 page into %d x %d, mean of %d runs\n", ThumbBox.width(),
                ThumbBox.height(), runs);
    std::printf("   page     thumb     makeThumbnail ms     Qt scaled ms   Qt/ours   JPEG q85 ms  "
                "thumb/JPEG  mean|diff|\n");
    std::printf("                        wall      cpu      wall      cpu\n");
    const QImage *images[3] = {&pages.grey, &pages.colour, &pages.mono};
    const char *names[3] = {"grey", "colour", "1-bit"};
    const QString jpeg = folder + QStringLiteral("/page.jpg");
    for (int k = 0; k < 3; ++k) {
        const QImage &image = *images[k];
        QImage ours;
        QImage plain;
        const Timing make =
            timeRuns(runs, [&] { ours = PageImages::makeThumbnail(image, ThumbBox); });
        const Timing scaled = timeRuns(runs, [&] {
            plain = image.scaled(ThumbBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        });
        const Timing encode = encodeTiming(image, jpeg, runs);
        results.thumbOverJpeg[k] = ratio(make.mean(), encode.mean());
        const QString size = QStringLiteral("%1x%2").arg(ours.width()).arg(ours.height());
        std::printf("   %-7s  %-7s %8.1f %8.1f %9.1f %8.1f %8.2f %11.1f %11.2f %11.2f\n", names[k],
                    qPrintable(size), make.mean(), make.cpuMean(), scaled.mean(), scaled.cpuMean(),
                    ratio(scaled.mean(), make.mean()), encode.mean(), results.thumbOverJpeg[k],
                    meanDifference(ours, plain));
        if (image.depth() == 1) {
            if (plain.depth() == 1)
                std::printf("   For a 1-bit page the Qt route gives a 1-bit (dithered) thumbnail, "
                            "makeThumbnail a grey one.\n");
            const QString tiff = folder + QStringLiteral("/page.tiff");
            const Timing write = encodeTiming(image, tiff, runs, true);
            results.monoThumbOverTiff = ratio(make.mean(), write.mean());
            std::printf("   A 1-bit page's working image is a TIFF: writing it takes %.1f ms "
                        "(%lld KB), thumb/TIFF %.2f\n",
                        write.mean(), fileKb(tiff), results.monoThumbOverTiff);
        }
    }
    std::printf("   Qt/ours: wall time of the Qt route over that of makeThumbnail (above 1: "
                "makeThumbnail is faster)\n   cpu: processor time of all threads; above the wall "
                "time, the work ran on several threads\n   mean|diff|: mean absolute difference "
                "between the two thumbnails, in levels of 255\n");
    QDir(folder).removeRecursively();
}

Timing runTool(const QString &program, const QStringList &arguments, int runs)
{
    return timeRuns(runs, [&] {
        QProcess process;
        process.start(program, arguments);
        const bool ok = process.waitForFinished(-1) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        check(ok, QStringLiteral("%1 failed: %2")
                      .arg(program, QString::fromLocal8Bit(process.readAllStandardError())));
    });
}

void compareEncoders(const Pages &pages, int runs, const QString &folder, Results &results)
{
    progress("comparing JPEG encoders");
    std::printf("\n3. JPEG encode at quality %d: Qt (writeWorkingImage to a file) against cjpeg, "
                "median of %d runs\n",
                Quality, runs);
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    if (cjpeg.isEmpty()) {
        std::printf("   cjpeg was not found (package libjpeg-turbo-progs); comparison skipped\n");
        return;
    }
    QDir().mkpath(folder);
    std::printf("   page       Qt ms   cjpeg ms   Qt/cjpeg   Qt KB  cjpeg KB   Qt to memory ms\n");
    const QImage *images[2] = {&pages.grey, &pages.colour};
    const char *names[2] = {"grey", "colour"};
    for (int k = 0; k < 2; ++k) {
        const QString input =
            folder + (k == 0 ? QStringLiteral("/in.pgm") : QStringLiteral("/in.ppm"));
        const QString reference = folder + QStringLiteral("/out.jpg");
        const QString ours = folder + QStringLiteral("/qt.jpg");
        // Binary PGM (P5) or PPM (P6), the input cjpeg reads fastest.
        check(images[k]->save(input, k == 0 ? "PGM" : "PPM"),
              QStringLiteral("cannot write ") + input);
        const Timing tool = runTool(cjpeg,
                                    {QStringLiteral("-quality"), QString::number(Quality),
                                     QStringLiteral("-outfile"), reference, input},
                                    runs);
        const Timing qt = encodeTiming(*images[k], ours, runs);
        const Timing memory = timeRuns(runs, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "JPG");
            writer.setQuality(Quality);
            check(writer.write(*images[k]), writer.errorString());
        });
        results.qtOverCjpeg[k] = ratio(qt.median(), tool.median());
        std::printf("   %-7s %8.1f %10.1f %10.2f %7lld %9lld %17.1f\n", names[k], qt.median(),
                    tool.median(), results.qtOverCjpeg[k], fileKb(ours), fileKb(reference),
                    memory.median());
    }
    const Timing start = runTool(cjpeg, {QStringLiteral("-version")}, runs);
    std::printf("   cjpeg's time is its whole process: start, reading the PGM/PPM file, encoding, "
                "writing;\n   nothing is subtracted. Starting cjpeg alone (cjpeg -version) takes "
                "%.1f ms.\n   Qt's time includes flushing the file to the disk, which cjpeg does "
                "not do; Qt to\n   memory is the encoder alone (QImageWriter into a QBuffer).\n",
                start.median());
    QDir(folder).removeRecursively();
}

void renumber(const Pages &pages, int runs, const QString &folder, Results &results)
{
    progress("filling a long document");
    QDir().mkpath(folder);
    PageStore store(folder);
    QElapsedTimer fill;
    fill.start();
    fillLongDocument(store, pages);
    const double fillMs = elapsedMs(fill);

    progress("moving and removing pages");
    const Timing move = timeRuns(runs, [&] {
        check(store.move(store.count() - 1, 0) == PageStore::MoveResult::Moved,
              store.errorString());
    });
    const int before = store.count();
    const Timing remove = timeRuns(runs, [&] { check(store.removeAt(0), store.errorString()); });
    results.moveMs = move.mean();
    results.removeMs = remove.mean();

    std::printf("\n4. Renumbering a document of %d pages (%dx%d page images, 3 files a page), "
                "mean of %d runs\n",
                LongDocument, SmallPage.width(), SmallPage.height(), runs);
    figure(QStringLiteral("adding the %1 pages").arg(LongDocument), fillMs, "ms",
           QStringLiteral("%1 ms a page").arg(fillMs / LongDocument, 0, 'f', 2));
    const auto perPage = [](const Timing &timing, int count) {
        return QStringLiteral("min %1; %2 us a page")
            .arg(timing.min(), 0, 'f', 1)
            .arg(1000 * timing.mean() / count, 0, 'f', 1);
    };
    figure(QStringLiteral("move(%1, 0), last page to the top").arg(LongDocument - 1), move.mean(),
           "ms", perPage(move, LongDocument));
    figure(QStringLiteral("removeAt(0) from %1 pages").arg(before), remove.mean(), "ms",
           perPage(remove, before));
    QDir(folder).removeRecursively();
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void listMemory(const Pages &pages, Results &results)
{
    progress("listing a long document");
    AppPaths::createDataFolders();
    const QString folder = AppPaths::workingFolder();
    QStringList names;
    PageStore writer(folder);
    const qint64 thumbBytes = fillLongDocument(writer, pages);
    for (const QString &path : writer.workingPaths())
        names << QFileInfo(path).fileName();

    // Growth of the resident memory while 1,000 pages are listed, in KB.
    const auto listingGrowth = [&names](double *listMs) {
        PageListWidget list;
        list.resize(900, 700);
        list.show();
        QCoreApplication::processEvents();
        malloc_trim(0);
        const qint64 before = residentKb();
        QElapsedTimer timer;
        timer.start();
        for (const QString &name : names)
            list.loadPage(name);
        QCoreApplication::processEvents();
        if (listMs)
            *listMs = elapsedMs(timer);
        const qint64 after = residentKb();
        list.clearPages();
        return std::pair(before, after);
    };
    double listMs = 0;
    const auto [before, after] = listingGrowth(&listMs);
    // The same slabs without thumbnails: what the widgets themselves hold.
    QDir(folder).removeRecursively();
    AppPaths::createDataFolders();
    const auto [emptyBefore, emptyAfter] = listingGrowth(nullptr);
    QDir(folder).removeRecursively();

    const double perPage = static_cast<double>(after - before) / LongDocument;
    const double emptyPerPage = static_cast<double>(emptyAfter - emptyBefore) / LongDocument;
    const double thumbKb = static_cast<double>(thumbBytes) / 1024 / LongDocument;
    results.kbPerPage = perPage;
    std::printf("\n5. Memory of a page list with %d pages (PageListWidget::loadPage, half grey, "
                "half colour)\n",
                LongDocument);
    figure(QStringLiteral("resident before"), before / 1024.0, "MB");
    figure(QStringLiteral("resident after"), after / 1024.0, "MB");
    figure(QStringLiteral("growth"), (after - before) / 1024.0, "MB",
           QStringLiteral("%1 KB a page").arg(perPage, 0, 'f', 1));
    figure(QStringLiteral("thumbnail bitmaps alone"), thumbKb, "KB", QStringLiteral("a page"));
    figure(QStringLiteral("slabs without thumbnails"), emptyPerPage, "KB",
           QStringLiteral("a page (the widgets alone)"));
    figure(QStringLiteral("goal: two 32-bit 220x220 bitmaps"), MemoryGoalKb, "KB",
           QStringLiteral("a page at most"));
    figure(QStringLiteral("one full A4 colour page"), pages.colour.sizeInBytes() / 1048576.0, "MB",
           QStringLiteral("for comparison"));
    figure(QStringLiteral("listing took"), listMs, "ms",
           QStringLiteral("%1 ms a page").arg(listMs / LongDocument, 0, 'f', 2));
}

// One line of the summary: label, figure, unit and, for a goal, the goal and whether it is met.
void summaryLine(const QString &label, double value, const char *unit, const QString &goal = {},
                 bool met = true)
{
    std::printf("   %-50s %8.2f", qPrintable(label), value);
    if (!goal.isEmpty())
        std::printf(" %-3s  goal %-10s %s", unit, qPrintable(goal), met ? "met" : "NOT MET");
    else if (*unit)
        std::printf(" %s", unit);
    std::printf("\n");
}

void summary(const Results &results)
{
    std::printf("\nSummary\n");
    summaryLine(QStringLiteral("adding an A4 page (grey and colour alternating)"),
                results.addPerPage, "ms");
    const char *names[3] = {"grey", "colour", "1-bit"};
    for (int k = 0; k < 3; ++k) {
        summaryLine(
            QStringLiteral("makeThumbnail / JPEG encode, %1").arg(QLatin1StringView(names[k])),
            results.thumbOverJpeg[k], "", QStringLiteral("< 1"), results.thumbOverJpeg[k] < 1);
    }
    summaryLine(QStringLiteral("makeThumbnail / TIFF write, 1-bit working image"),
                results.monoThumbOverTiff, "");
    const char *encoded[2] = {"grey", "colour"};
    for (int k = 0; k < 2; ++k) {
        const QString label =
            QStringLiteral("Qt / cjpeg JPEG encode, %1").arg(QLatin1StringView(encoded[k]));
        if (results.qtOverCjpeg[k] < 0)
            std::printf("   %-50s skipped: no cjpeg\n", qPrintable(label));
        else
            summaryLine(label, results.qtOverCjpeg[k], "", QStringLiteral("<= 1.2"),
                        results.qtOverCjpeg[k] <= 1.2);
    }
    summaryLine(QStringLiteral("move the last of %1 pages to the top").arg(LongDocument),
                results.moveMs, "ms");
    summaryLine(QStringLiteral("remove the first of %1 pages").arg(LongDocument), results.removeMs,
                "ms");
    summaryLine(QStringLiteral("memory of a listed page"), results.kbPerPage, "KB",
                QStringLiteral("<= %1 KB").arg(qRound(MemoryGoalKb)),
                results.kbPerPage <= MemoryGoalKb);
}

} // namespace

int main(int argc, char *argv[])
{
    // A private home before Qt computes any path, so nothing reaches the user's own settings
    // or pages.
    QTemporaryDir home;
    if (!home.isValid())
        fail(QStringLiteral("cannot make a temporary folder: %1").arg(home.errorString()));
    privateHome = &home;
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::OrganizationName);
    QCoreApplication::setApplicationName(ProgramInfo::ApplicationName);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the page store on synthetic A4 pages."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    parser.addOption(helpOption);
    const QCommandLineOption pagesOption(QStringLiteral("pages"),
                                         QStringLiteral("A4 pages to add (default 300)."),
                                         QStringLiteral("N"), QStringLiteral("300"));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Repetitions of each timing (default 5)."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    parser.addOption(pagesOption);
    parser.addOption(runsOption);
    // Not process(): it would end the program without removing the private home folder.
    if (!parser.parse(QCoreApplication::arguments()))
        fail(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    const int pageCount = parser.value(pagesOption).toInt();
    const int runs = parser.value(runsOption).toInt();
    if (pageCount < 1 || runs < 1)
        fail(QStringLiteral("--pages and --runs take a number of at least 1"));

    // The program writes its JPEG quality at every start; so does its benchmark.
    Settings::write(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality);

    progress("drawing the pages");
    Pages pages;
    pages.grey = drawPage(false, 20240601);
    pages.colour = drawPage(true, 20240602);
    pages.mono = pages.grey.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    pages.small[0] = pages.grey.scaled(SmallPage, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pages.small[1] =
        pages.colour.scaled(SmallPage, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    std::printf("Vellumo page store benchmark\n");
    std::printf("   Qt %s, build %s, %d threads, pages %dx%d at 300 dpi\n", qVersion(),
                VELLUMO_BENCH_BUILD_TYPE, QThread::idealThreadCount(), PageWidth, PageHeight);
    const QStorageInfo storage(home.path());
    std::printf("   files in %s (%s)\n", qPrintable(home.path()),
                storage.fileSystemType().constData());

    Results results;
    const QString work = home.path() + QStringLiteral("/bench");
    addPages(pages, pageCount, runs, work + QStringLiteral("/add"), results);
    compareThumbnails(pages, runs, work + QStringLiteral("/thumb"), results);
    compareEncoders(pages, runs, work + QStringLiteral("/jpeg"), results);
    renumber(pages, std::min(runs, 3), work + QStringLiteral("/renumber"), results);
    listMemory(pages, results);
    summary(results);
    return 0;
}
