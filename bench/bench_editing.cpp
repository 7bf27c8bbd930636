// Times the page commands that change a page's picture on a colour A4 page at 300 dpi: quarter
// turn, turn by 10 degrees, crop and restore, each with its save and thumbnail as the program
// does them, compares the JPEG save with cjpeg on the same pixels, and times the brightness
// table on the page against copying it.
//   bench_editing [--runs N]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/PageImages.h"
#include "imaging/BrightnessContrast.h"
#include "imaging/PageOperations.h"

namespace {

constexpr int Quality = 85;

// A colour A4 page: a photo-like gradient block, lines of text and a little noise.
QImage colourPage()
{
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.fill(QColor(250, 248, 240));
    QPainter painter(&page);
    QLinearGradient gradient(0, 0, 1800, 1200);
    gradient.setColorAt(0, QColor(40, 90, 160));
    gradient.setColorAt(1, QColor(220, 160, 60));
    painter.fillRect(340, 300, 1800, 1200, gradient);
    QRandomGenerator random(7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    for (int line = 0; line < 45; ++line) {
        const int width = 1200 + int(random.bounded(600));
        painter.drawRect(300, 1650 + line * 40, width, 16);
    }
    painter.end();
    for (int i = 0; i < 200000; ++i) {
        const int x = int(random.bounded(page.width()));
        const int y = int(random.bounded(page.height()));
        page.setPixel(x, y, qRgb(int(random.bounded(256)), 128, 128));
    }
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    return page;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median wall time in milliseconds of `runs` calls.
double timeIt(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// What the program does after a picture changed: save the working image and remake the
// thumbnail from it.
void saveAndThumb(const QImage &image, const QString &working, const QString &thumb)
{
    if (!PageOperations::save(image, working, Quality))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(working));
    const QImage small = PageImages::makeThumbnail(image, QSize(220, 220));
    if (!PageImages::writeThumbnail(small, thumb, nullptr))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(thumb));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int runs = 5;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt >= 0 && runsAt + 1 < args.size())
        runs = std::max(1, args.at(runsAt + 1).toInt());

    const QString working = home.filePath(QStringLiteral("00000001_o.jpg"));
    const QString source = home.filePath(QStringLiteral("00000001_w.jpg"));
    const QString thumb = home.filePath(QStringLiteral("00000001_s.jpg"));
    const QImage page = colourPage();
    saveAndThumb(page, working, thumb);
    if (!PageImages::copyFile(working, source, nullptr))
        return 1;

    std::printf("Vellumo page editing benchmark\n");
    std::printf("   colour page 2480 x 3508 at 300 dpi, JPEG quality %d, median of %d runs\n\n",
                Quality, runs);
    std::printf("   operation                       turn/crop ms  save+thumb ms   total ms\n");

    const auto row = [runs, &working, &thumb](const char *name,
                                              const std::function<QImage()> &operation) {
        QImage result;
        const double change = timeIt(runs, [&] { result = operation(); });
        const double store = timeIt(runs, [&] { saveAndThumb(result, working, thumb); });
        std::printf("   %-30s %12.1f %14.1f %10.1f\n", name, change, store, change + store);
        return change + store;
    };
    const double left = row("turn left (-90)", [&] { return PageOperations::turned(page, -90); });
    const double flip = row("flip (180)", [&] { return PageOperations::turned(page, 180); });
    const double angle =
        row("turn by 10 degrees", [&] { return PageOperations::turned(page, 10); });
    const double crop = row("crop to 2000 x 3000", [&] {
        return page.copy(
            PageOperations::cropRect(QPointF(-1000, -1500), QPointF(1000, 1500), 1.0, page.size()));
    });
    // Restore: copy the source over the working image, read it, remake the thumbnail.
    const double restore = timeIt(runs, [&] {
        if (!PageImages::copyFile(source, working, nullptr))
            std::fprintf(stderr, "cannot restore\n");
        const QImage restored(working);
        const QImage small = PageImages::makeThumbnail(restored, QSize(220, 220));
        if (!PageImages::writeThumbnail(small, thumb, nullptr))
            std::fprintf(stderr, "cannot write the thumbnail\n");
    });
    std::printf("   %-30s %12s %14s %10.1f\n", "restore source (copy+read+thumb)", "", "", restore);

    // The JPEG save alone against cjpeg on the same pixels.
    const double qtSave = timeIt(runs, [&] {
        if (!PageOperations::save(page, working, Quality))
            std::fprintf(stderr, "cannot write\n");
    });
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    std::printf("\n   JPEG save of the page         Qt ms    cjpeg ms   Qt/cjpeg\n");
    if (cjpeg.isEmpty()) {
        std::printf("   cjpeg not found (package libjpeg-turbo-progs): no comparison\n");
    } else {
        const QString ppm = home.filePath(QStringLiteral("page.ppm"));
        const QString out = home.filePath(QStringLiteral("cjpeg.jpg"));
        page.convertToFormat(QImage::Format_RGB888).save(ppm, "PPM");
        const double reference = timeIt(runs, [&] {
            QProcess::execute(cjpeg, {QStringLiteral("-quality"), QString::number(Quality),
                                      QStringLiteral("-outfile"), out, ppm});
        });
        std::printf("   %-28s %8.1f %10.1f %10.2f\n", "colour A4, quality 85", qtSave, reference,
                    qtSave / reference);
        std::printf("   (cjpeg's time is its whole process, reading the PPM file included)\n");
    }

    // The brightness table on the whole page against copying it, and the dialog's preview step
    // (a page reduced to a preview's size, copied and adjusted) that follows each slider move.
    QImage copy;
    const double copyMs = timeIt(runs, [&] {
        copy = page.copy();
        copy.bits();
    });
    const double tableMs = timeIt(runs,
                                  [&] {
                                      copy = page.copy();
                                      BrightnessContrast::applyBrightnessContrast(copy, -20, 30);
                                  }) -
                           copyMs;
    const QImage small = page.scaled(QSize(400, 400), Qt::KeepAspectRatio, Qt::FastTransformation);
    const double previewMs = timeIt(runs * 10, [&] {
        QImage adjusted = small.copy();
        BrightnessContrast::applyBrightnessContrast(adjusted, -20, 30);
    });
    std::printf("\n   brightness/contrast            table ms    copy ms  table/copy\n");
    std::printf("   %-28s %10.1f %10.1f %10.2f\n", "colour A4 page", tableMs, copyMs,
                tableMs / copyMs);
    std::printf("   %-28s %10.2f   (one slider step of the preview, %d x %d)\n",
                "preview copy + table", previewMs, small.width(), small.height());

    std::printf("\nSummary (a command feels immediate below about 300 ms)\n");
    for (const auto &[name, ms] : {std::pair{"turn left", left}, std::pair{"flip", flip},
                                   std::pair{"turn by 10 degrees", angle}, std::pair{"crop", crop},
                                   std::pair{"restore", restore}})
        std::printf("   %-20s %8.1f ms  %s\n", name, ms, ms < 300 ? "interactive" : "slow");
    return 0;
}
