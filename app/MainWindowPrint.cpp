// Printing: every page on its own sheet, through the print preview.

#include <QCoreApplication>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopeGuard>

#include "app/MainWindow.h"
#include "app/PagePrinter.h"
#include "app/WaitingDlg.h"
#include "export/SmoothPreview.h"
#include "pages/PageListWidget.h"

void MainWindow::print()
{
    QPrintPreviewDialog preview(m_printer.get(), this,
                                Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    preview.setWindowTitle(tr("Print Preview"));
    preview.setMinimumSize(800, 600);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MainWindow::printPreview);
    SmoothPreview::apply(&preview);
    preview.exec();
}

void MainWindow::printPreview(QPrinter *printer)
{
    QPointer<WaitingDlg> wait = new WaitingDlg(this);
    wait->setCancellable(true);
    wait->setText(tr("Preparing to print..."));
    const auto closeWait = qScopeGuard([wait] {
        if (wait)
            wait->finish();
    });

    QStringList files;
    for (int position = 0; position < m_pageList->count(); ++position)
        files << m_pageList->workingPath(position);
    // Between pages the window answers, and Cancel in the wait window stops the printing.
    PagePrinter(printer).print(files, [wait](int, int) {
        QCoreApplication::processEvents();
        return wait && !wait->wasCancelled();
    });
}
