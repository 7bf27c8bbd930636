#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <memory>

#include "core/LaneQueue.h"
#include "ocr/OcrRunner.h"

// Recognises the text of page files in order, a page per core ahead of the caller, who takes
// the results one by one (the PDF writer, as it writes each page).
class PageRecognizer
{
public:
    // cancelled is asked about ten times a second while the caller waits; once it says yes, the
    // runs end as with cancel().
    PageRecognizer(const QString &tool, const QString &languages, const QStringList &files,
                   int lanes, std::function<bool()> cancelled = {});
    ~PageRecognizer();

    // The next page's result (the first call gives the first file's); the caller blocks until
    // it is there.
    OcrRunner::Result takeNext();
    // Ends the runs in progress (their results come back Cancelled) and starts no more.
    void cancel() { m_stop = true; }

private:
    std::atomic_bool m_stop{false};
    QTemporaryDir m_scratch;
    std::unique_ptr<LaneQueue<OcrRunner::Result>> m_queue;
};
