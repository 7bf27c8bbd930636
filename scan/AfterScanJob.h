#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include "core/Job.h"
#include "scan/AfterScanPipeline.h"
#include "scan/ScanSettings.h"

// One delivered scan through the after-scan steps (AfterScanPipeline: turns, book processing or
// automatic crop through the page tool) as a job, and each resulting page written, ready to be
// moved into the page store: a JPEG at the store's quality with its thumbnail beside it. The
// window only moves the files in, so neither the tool nor the encoding runs on its thread.
class AfterScanJob : public Job
{
public:
    struct Page
    {
        QImage image;      // the page as it came out of the steps
        QString jpeg;      // its JPEG working image in the job's folder; empty for a 1-bit page
        QString thumbnail; // the thumbnail beside it
    };

    // folder: where the files go (the window's folder for the run's pages); serial keeps the
    // names of this job's files apart from the others'.
    AfterScanJob(const QImage &scanned, const ScanSettings &settings, int pageNumber,
                 bool wizardPage, const QString &folder, int serial, int jpegQuality,
                 const QSize &thumbSize);

    Outcome run() override;

    const AfterScanPipeline::Result &result() const { return m_result; }
    const QList<Page> &pages() const { return m_pages; }

private:
    const QImage m_scanned;
    const ScanSettings m_settings;
    const int m_pageNumber;
    const bool m_wizardPage;
    const QString m_folder;
    const int m_serial;
    const int m_jpegQuality;
    const QSize m_thumbSize;

    AfterScanPipeline::Result m_result;
    QList<Page> m_pages;
};
