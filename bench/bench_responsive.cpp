// How responsive the window stays while long work runs: a 10 ms timer on the window's thread,
// and the longest gap between two of its ticks during each of four jobs run one after another
// on the real window: importing a 100-page PDF, automatic cropping of 20 checked pages, writing
// 50 pages into a searchable PDF, and a 20-page feeder scan from SANE's test device. The goal is
// a longest gap of at most 50 ms in each. Prints one line per job.
//
// Run through scripts/bench.sh responsive (a private home, offscreen); "--only crop" (or pdf,
// scan) runs that job alone after the import.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/MainWindow.h"
#include "app/RibbonCommands.h"
#include "core/Settings.h"
#include "export/ExportDlg.h"
#include "pages/PageListWidget.h"
#include "scan/SaneScannerLibrary.h"

namespace {

// Gaps between the ticks of a 10 ms timer on this thread.
class Ticker
{
public:
    Ticker()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last >= 0)
                m_gaps.push_back((now - m_last) / 1000000.0);
            m_last = now;
        });
        m_clock.start();
        m_timer.start(10);
    }
    void reset()
    {
        m_gaps.clear();
        m_last = -1;
    }
    double longest() const
    {
        return m_gaps.empty() ? 0.0 : *std::max_element(m_gaps.begin(), m_gaps.end());
    }
    double median() const
    {
        if (m_gaps.empty())
            return 0.0;
        std::vector<double> sorted = m_gaps;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    size_t count() const { return m_gaps.size(); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    std::vector<double> m_gaps;
};

// Runs the event loop until done() holds (looked at every 5 ms) or limitMs passes.
bool waitUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > limitMs)
            loop.quit();
    });
    look.start(5);
    loop.exec();
    return done();
}

// The one job to run after the import ("--only"), or all.
QString onlyJob;

// Whether the window still works on a job. Built against a program whose commands block until
// their work is done (VELLUMO_BENCH_SYNCHRONOUS, for figures from before the jobs), it never is
// once the command has returned.
bool busy(const MainWindow &window)
{
#ifdef VELLUMO_BENCH_SYNCHRONOUS
    Q_UNUSED(window);
    return false;
#else
    return window.isBusy();
#endif
}

// One job: started by start, over when done holds; its duration and the timer's gaps.
void measure(Ticker &ticker, const char *name, const std::function<void()> &start,
             const std::function<bool()> &done, int limitMs)
{
    // The import always runs: the other jobs work on its pages.
    const QString job = QString::fromLatin1(name);
    if (!onlyJob.isEmpty() && !job.startsWith(onlyJob) && !job.startsWith(QLatin1String("import")))
        return;
    QElapsedTimer clock;
    clock.start();
    ticker.reset();
    start();
    const bool finished = waitUntil(done, limitMs);
    std::printf("%-28s %8.1f s %10.1f ms %8.1f ms %7zu %s\n", name, clock.elapsed() / 1000.0,
                ticker.longest(), ticker.median(), ticker.count(),
                !finished                ? "(did not finish)"
                : ticker.longest() <= 50 ? "goal met"
                                         : "goal missed");
    std::fflush(stdout);
}

// A PDF of grey A4 pages at 150 dpi with lines of text, made with img2pdf.
QString makePdf(const QString &folder, int pages)
{
    QStringList files;
    for (int n = 0; n < pages; ++n) {
        QImage page(1240, 1754, QImage::Format_Grayscale8);
        page.fill(255);
        QPainter painter(&page);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(24);
        painter.setFont(font);
        for (int line = 0; line < 36; ++line)
            painter.drawText(150 + (n * 7) % 40, 160 + line * 40,
                             QStringLiteral("Page %1, line %2: the quick brown fox jumps over "
                                            "the lazy dog")
                                 .arg(n + 1)
                                 .arg(line + 1));
        painter.end();
        page.setDotsPerMeterX(5906);
        page.setDotsPerMeterY(5906);
        files << folder + QStringLiteral("/page%1.jpg").arg(n, 3, 10, QLatin1Char('0'));
        page.save(files.last(), "JPG", 85);
    }
    const QString pdf = folder + QStringLiteral("/book.pdf");
    QProcess::execute(QStringLiteral("img2pdf"), files << QStringLiteral("-o") << pdf);
    return pdf;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("SANE_CONFIG_DIR", VELLUMO_SOURCE_DIR "/tests/scan/sane");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype only = arguments.indexOf(QStringLiteral("--only"));
    if (only >= 0)
        onlyJob = arguments.value(only + 1);
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QTemporaryDir work;
    const QString pdf = makePdf(work.path(), 100);

    Settings::write(SettingsKeys::AutoUpdate, false);
    Settings::write(SettingsKeys::QualityIndex, 0);
    MainWindow window(false);
    window.show();
    if (!waitUntil([&] { return window.isStartUpFinished() && window.isScannerListReady(); },
                   30000)) {
        std::fprintf(stderr, "the window did not start\n");
        return 1;
    }
    Ticker ticker;
    std::printf("%-28s %10s %13s %11s %7s\n", "job", "duration", "longest gap", "median", "ticks");
    PageListWidget *list = window.pageList();

    measure(
        ticker, "import: PDF, 100 pages", [&] { window.processDroppedFiles({pdf}); },
        [&] { return !busy(window) && list->count() == 100; }, 300000);

    measure(
        ticker, "crop: 20 checked pages",
        [&] {
            for (int i = 0; i < 20; ++i)
                list->setCheckedAt(i, true);
            window.autoCrop();
        },
        [&] { return !busy(window); }, 600000);

    measure(
        ticker, "pdf: searchable, 50 pages",
        [&] {
            for (int i = 20; i < 50; ++i)
                list->setCheckedAt(i, true);
            Settings::write(SettingsKeys::DocFolder, work.path());
            Settings::write(SettingsKeys::DocName, QStringLiteral("searchable.pdf"));
            Settings::write(SettingsKeys::NeedOpen, false);
            Settings::write(SettingsKeys::PdfOcr, true);
            Settings::write(SettingsKeys::OcrLanguage, QStringLiteral("eng"));
            // The dialog's Save, then the file picker's name, as a new user gives them; set up
            // first, since the dialog may be run rather than opened.
            auto *answer = new QTimer(&window);
            bool saved = false;
            QObject::connect(
                answer, &QTimer::timeout, answer, [answer, &work, &window, saved]() mutable {
                    auto *dialog = window.findChild<ExportDlg *>();
                    if (dialog && dialog->isVisible() && !saved) {
                        saved = true;
                        // Queued: the dialog may run the picker, which this timer must answer.
                        QMetaObject::invokeMethod(dialog, &ExportDlg::apply, Qt::QueuedConnection);
                        return;
                    }
                    for (QWidget *widget : QApplication::topLevelWidgets()) {
                        auto *picker = qobject_cast<QFileDialog *>(widget);
                        if (picker && picker->isVisible()) {
                            const QString target = work.filePath(QStringLiteral("searchable.pdf"));
                            picker->selectFile(target);
                            // The name field, which has the focus, is what the dialog takes.
                            if (auto *name =
                                    picker->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                                name->setText(target);
                            static_cast<QDialog *>(picker)->accept();
                            answer->deleteLater();
                        }
                    }
                });
            answer->start(50);
            window.buildPdf();
        },
        [&] { return !busy(window) && !window.findChild<ExportDlg *>(); }, 1800000);
    const QString searchable = work.filePath(QStringLiteral("searchable.pdf"));
    if (QFile::exists(searchable)) {
        // What the export wrote: its pages and the words of its text layer.
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {searchable, QStringLiteral("-")});
        text.waitForFinished(60000);
        std::printf("    %s: %lld bytes, %lld words of text\n", qPrintable(searchable),
                    QFileInfo(searchable).size(),
                    (long long)QString::fromUtf8(text.readAllStandardOutput())
                        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)
                        .size());
    }

    auto *scanner = qobject_cast<SaneScannerLibrary *>(window.scannerLibrary());
    if (!scanner || !scanner->chooseSourceNamed(QStringLiteral("test:0")) ||
        !scanner->openSource()) {
        std::fprintf(stderr, "SANE's test device is missing\n");
        return 1;
    }
    Settings::write(SettingsKeys::PaperSource, 1);
    Settings::write(SettingsKeys::AcquireImage, 1);
    const int before = list->count();
    int runs = 0;
    // The test device's feeder holds ten sheets: two runs of ten.
    measure(
        ticker, "scan: feeder, 20 pages",
        [&] {
            window.scanPage();
            runs = 1;
        },
        [&] {
            if (busy(window))
                return false;
            if (runs == 1) {
                runs = 2;
                (void)scanner->openSource();
                window.scanPage();
                return false;
            }
            return list->count() >= before + 20;
        },
        600000);
    window.setModified(false);
    return 0;
}
