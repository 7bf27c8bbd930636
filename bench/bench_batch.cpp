// Automatic cropping of many checked pages: the page tool run one page at a time against two
// runs at once (PageToolBatch's lanes), on colour A4 pages at 300 dpi with a tilted text block.
//   bench_batch [--pages N]   (default 50)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include "imaging/PageProcessor.h"
#include "imaging/PageToolBatch.h"

namespace {

QImage scannedPage(int n)
{
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.fill(QColor(246, 244, 236));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(1240, 1754);
    painter.rotate(-1.5 + (n % 7) * 0.5);
    QRandomGenerator random{quint32(n)};
    for (int line = 0; line < 60; ++line) {
        const int width = 1200 + int(random.bounded(500));
        painter.fillRect(QRect(-900, -1300 + line * 44, width, 18), QColor(30, 30, 40));
    }
    painter.end();
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    return page;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    int pages = 50;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--pages"));
    if (at >= 0 && at + 1 < args.size())
        pages = std::max(2, args.at(at + 1).toInt());

    const QString tool = PageProcessor::defaultToolPath();
    if (tool.isEmpty()) {
        std::fprintf(stderr, "bench_batch: the page tool was not found\n");
        return 1;
    }
    QTemporaryDir folder;
    QStringList paths;
    std::fprintf(stderr, "... drawing %d pages\n", pages);
    for (int n = 0; n < pages; ++n) {
        const QString path =
            folder.filePath(QStringLiteral("%1_o.jpg").arg(n + 1, 8, 10, QLatin1Char('0')));
        if (!scannedPage(n).save(path, "JPG", 85))
            return 1;
        paths << path;
    }

    std::printf("Vellumo batch cropping benchmark\n");
    std::printf("   %d colour A4 pages at 300 dpi, %d cores\n\n", pages,
                QThread::idealThreadCount());
    std::printf("   lanes     seconds   pages/s   cropped\n");
    double oneLane = 0;
    for (int lanes : {1, 2}) {
        PageToolBatch batch(tool, lanes);
        int cropped = 0;
        QElapsedTimer clock;
        clock.start();
        batch.autoCrop(
            paths, [](int) { return true; },
            [&cropped](int, const PageToolBatch::Result &result) { cropped += result.cropped; });
        const double seconds = clock.elapsed() / 1000.0;
        if (lanes == 1)
            oneLane = seconds;
        std::printf("   %5d %11.2f %9.2f %9d\n", lanes, seconds, pages / seconds, cropped);
        if (lanes == 2)
            std::printf("\n   throughput of two lanes against one: %.2fx\n", oneLane / seconds);
    }
    return 0;
}
