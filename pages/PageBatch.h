#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "core/Job.h"

class PageStore;

// A tool run over several pages as one job: automatic cropping, turning upright and turning by an
// angle write each
// changed page back through the page store (its JPEG quality, the page's own format, the source
// kept for undo) and give back its new thumbnail; splitting leaves each page's two halves in a
// folder of the job's own, for the window to put into the list once the job has ended (the list
// changes only on the window's thread).
//
// The pages are read from the paths they had when the job was made: nothing may change the page
// list while it runs. Pages are numbered in the results by their position at that time.
class PageBatch : public Job
{
    Q_DECLARE_TR_FUNCTIONS(PageBatch)

public:
    enum class Operation { AutoCrop, Split, TurnUpright, Rotate };
    enum class PageOutcome {
        Unchanged, // the tool left the page as it was (or found it upright)
        Changed,   // cropped or turned, and written; or split into halves
        Failed     // the tool gave no answer, or the result could not be written
    };

    struct Page
    {
        int position = -1;
        PageOutcome outcome = PageOutcome::Unchanged;
        QImage thumbnail; // of a changed cropped or turned page
        QString leftHalf; // of a split page: its halves, in the job's folder
        QString rightHalf;
        QString reason;               // of a failed page, for the log
        bool toolUnavailable = false; // the recognition tool or its data is missing (reason
                                      // then holds the user's message)
    };

    // positions: the pages to work on, in the store's current order.
    PageBatch(Operation operation, const PageStore &store, const QList<int> &positions);
    ~PageBatch() override;

    // The tool (the page tool, or the recognition tool for TurnUpright); empty: it is missing.
    void setToolPath(const QString &path) { m_tool = path; }
    // Pages worked on at once (crop and upright).
    void setLanes(int lanes) { m_lanes = lanes; }
    // The resolution the split assumes for every page.
    void setSplitDpi(int dpi) { m_dpi = dpi; }
    // The angle Rotate turns each page by, in degrees clockwise.
    void setAngle(int degrees) { m_angle = degrees; }

    Outcome run() override;

    Operation operation() const { return m_operation; }
    // One entry for every page worked on before the end or a cancel, in the order given.
    const QList<Page> &pages() const { return m_pages; }
    int changedCount() const;
    // 1-based numbers of the pages that failed.
    QList<int> failedNumbers() const;
    // Set when turning upright cannot run at all (the recognition tool or its data missing):
    // the run stopped there, and this is what the user is told.
    QString unavailableMessage() const { return m_unavailable; }

private:
    // The tool's work on one page, in a lane's thread: a changed page's new picture goes to
    // result, to be written by run().
    Page cropPage(int index, int lane, QImage *result) const;
    Page turnPage(int index, QImage *result) const;
    Page rotatePage(int index, QImage *result) const;
    Page splitPage(int index);

    const Operation m_operation;
    QList<int> m_positions;
    QStringList m_paths;
    int m_jpegQuality;
    QSize m_thumbSize;
    QString m_tool;
    int m_lanes = 1;
    int m_dpi = 300;
    int m_angle = 0;
    QString m_language;
    QString m_unavailable;
    QList<Page> m_pages;
    std::unique_ptr<QTemporaryDir> m_halves;
};
