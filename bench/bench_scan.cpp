// Times what happens to a scanned page after its last byte has arrived: the bitmap decoded into
// an image, the page processing tool's run, and storing it as a page shown in the list, with the
// SANE read of the frame beside it. Uses SANE's test device (a grey A4 page at 300 dpi).
//   bench_scan [--runs N]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "imaging/PageProcessor.h"
#include "pages/PageListWidget.h"
#include "scan/HImage.h"
#include "scan/SaneScannerLibrary.h"

namespace {
double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SANE_CONFIG_DIR", QByteArray(VELLUMO_SOURCE_DIR) + "/tests/scan/sane");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QSettings().setValue(QStringLiteral("JpegQuality"), 85);
    int runs = 5;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--runs"));
    if (at >= 0 && at + 1 < args.size())
        runs = std::max(1, args.at(at + 1).toInt());

    SaneScannerLibrary scanner;
    if (!scanner.chooseSourceNamed(QStringLiteral("test:0")) || !scanner.openSource()) {
        std::fprintf(stderr, "SANE's test device is not available\n");
        return 1;
    }
    scanner.selectFeeder(false);
    scanner.setTransferCount(1);
    scanner.setResolution(300);

    const QString tool =
        QCoreApplication::applicationDirPath() + QStringLiteral("/vellumo-pagetool");
    PageProcessor processor(tool);
    PageListWidget list;
    list.resize(300, 800);
    list.show();

    std::vector<double> reads, converts, processes, stores;
    QSize size;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray dib = scanner.acquireImage(nullptr, ScannerLibrary::Grayscale);
        reads.push_back(timer.nsecsElapsed() / 1e6);
        if (dib.isEmpty()) {
            std::fprintf(stderr, "the scan gave no image\n");
            return 1;
        }
        timer.restart();
        QImage image = HImage(dib);
        converts.push_back(timer.nsecsElapsed() / 1e6);
        size = image.size();
        timer.restart();
        processor.autoCropImage(image);
        processes.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        list.addImage(image, false);
        QCoreApplication::processEvents();
        stores.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::printf("Vellumo scan pipeline benchmark\n");
    std::printf("   SANE test device, grey A4 at 300 dpi (%d x %d), median of %d runs\n\n",
                size.width(), size.height(), runs);
    std::printf("   SANE read of the frame                 %8.1f ms\n", median(reads));
    std::printf("   after the last byte:\n");
    std::printf("     bitmap to image (HImage)             %8.1f ms\n", median(converts));
    std::printf("     page processing tool (auto crop)     %8.1f ms%s\n", median(processes),
                QFile::exists(tool) ? "" : "  (tool not found: not run)");
    std::printf("     stored and shown in the page list    %8.1f ms\n", median(stores));
    std::printf("     total                                %8.1f ms\n",
                median(converts) + median(processes) + median(stores));
    return 0;
}
