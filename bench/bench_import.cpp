// Importing a PDF into the page list as the window does it (child extraction, page files,
// thumbnails), with the window's peak memory before and after:  bench_import FILE.pdf
// Prints "import SECONDS PAGES PEAK_BEFORE_MB PEAK_AFTER_MB" on one line.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "app/MainWindow.h"
#include "pages/PageListWidget.h"

namespace {

// The process's peak resident memory so far (VmHWM), in MB.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The window opens the files named on its command line by itself: it is given none, so
    // that the PDF is imported once, by the drop below.
    int windowArgc = 1;
    QApplication app(windowArgc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_import FILE.pdf\n");
        return 2;
    }
    // The window works in its own folder.
    const QString pdf = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    MainWindow window(false);
    window.show();
    QApplication::processEvents();
    const double before = peakMb();
    QElapsedTimer clock;
    clock.start();
    window.processDroppedFiles({pdf});
    // The import runs as a job: the clock stops once its last page is in.
    while (window.isBusy())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("import %.3f %d %.1f %.1f\n", seconds, window.pageList()->count(), before,
                peakMb());
    window.setModified(false);
    return window.pageList()->count() > 0 ? 0 : 1;
}
