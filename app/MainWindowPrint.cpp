// Printing: every page on its own sheet, through the print preview. The pages are read for the
// preview as a job before it opens, and printing itself runs as a job once the preview's Print
// is pressed.

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/MainWindow.h"
#include "app/PagePrinter.h"
#include "app/PrintJob.h"
#include "export/SmoothPreview.h"
#include "pages/PageListWidget.h"

void MainWindow::print()
{
    if (isBusy() || m_pageList->count() == 0)
        return;
    startWithProgress(std::make_unique<PrintJob>(m_pageList->workingPaths()),
                      tr("Preparing to print..."));
}

void MainWindow::printJobEnded(const PrintJob &job, Job::Outcome outcome)
{
    if (!job.isPreview() || outcome != Job::Outcome::Finished)
        return;
    m_printSheets = job.sheets();
    auto *preview =
        new QPrintPreviewDialog(m_printer.get(), this,
                                Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(tr("Print Preview"));
    preview->setMinimumSize(800, 600);
    connect(preview, &QPrintPreviewDialog::paintRequested, this, &MainWindow::printPreview);
    connect(preview, &QDialog::finished, this, [this] { m_printSheets.clear(); });
    SmoothPreview::apply(preview);
    preview->open();
}

void MainWindow::printPreview(QPrinter *printer)
{
    PagePrinter pages(printer);
    if (pages.isPreview()) {
        // Drawn from the pages read beforehand (print()); a preview that comes without them
        // reads them here.
        if (m_printSheets.size() != m_pageList->count())
            m_printSheets = PagePrinter::readSheets(m_pageList->workingPaths());
        pages.print(m_printSheets);
        return;
    }
    // Printing for real: a job on the printer, with its own progress and Cancel.
    startWithProgress(std::make_unique<PrintJob>(m_pageList->workingPaths(), printer),
                      tr("Preparing to print..."));
}
