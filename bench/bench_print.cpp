// Prints page image files to a PDF printer as the window's print command does (high
// resolution, A4, no margins, one page per sheet) and reports the time, the peak memory of the
// process and the size of the PDF. With --preview, the pages go into a print preview instead
// (which keeps every sheet), as the window shows them before printing.
//   bench_print [--preview] OUT.pdf PAGE...

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <cstdio>
#include <sys/resource.h>

#include "app/PagePrinter.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList pages = QCoreApplication::arguments().mid(1);
    const bool preview = !pages.isEmpty() && pages.first() == QStringLiteral("--preview");
    if (preview)
        pages.removeFirst();
    if (pages.size() < 2) {
        std::fprintf(stderr, "usage: bench_print [--preview] OUT.pdf PAGE...\n");
        return 2;
    }
    const QString pdf = pages.takeFirst();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    QElapsedTimer clock;
    clock.start();
    bool printed = false;
    if (preview) {
        QPrintPreviewWidget view(&printer);
        QObject::connect(&view, &QPrintPreviewWidget::paintRequested,
                         [&](QPrinter *target) { printed = PagePrinter(target).print(pages); });
        view.updatePreview();
        printed = printed && view.pageCount() == pages.size();
    } else {
        printed = PagePrinter(&printer).print(pages);
    }
    const double seconds = clock.elapsed() / 1000.0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%d pages%s  %.1f s  peak %.0f MB", int(pages.size()),
                preview ? " into the preview" : "", seconds, usage.ru_maxrss / 1024.0);
    if (!preview)
        std::printf("  PDF %.0f MB", QFileInfo(pdf).size() / 1048576.0);
    std::printf("%s\n", printed ? "" : "  (failed)");
    return printed ? 0 : 1;
}
