#pragma once

#include <QList>
#include <QStringList>

#include "app/PagePrinter.h"
#include "core/Job.h"

class QPrinter;

// Printing as a job: either reading the pages for the print preview (PagePrinter::readSheets),
// which then only draws them, or printing them on a printer, one page at a time. The printer is
// not the job's: it must stay, untouched, until the job has ended.
class PrintJob : public Job
{
public:
    // Reads the files for the preview.
    explicit PrintJob(const QStringList &files);
    // Prints the files on printer.
    PrintJob(const QStringList &files, QPrinter *printer);

    Outcome run() override;

    bool isPreview() const { return m_printer == nullptr; }
    // After reading for the preview.
    const QList<PagePrinter::Sheet> &sheets() const { return m_sheets; }

private:
    const QStringList m_files;
    QPrinter *const m_printer;
    QList<PagePrinter::Sheet> m_sheets;
};
