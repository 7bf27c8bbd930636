#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// Automatic cropping of many page files with the page tool, up to `lanes` pages at a time, each
// in a worker thread with exchange folders of its own. Results come back on the calling thread
// in page order; while it waits for one, the calling thread's events are processed, so the
// window stays responsive. The page files are only read here: what to do with a result is the
// caller's.
class PageToolBatch
{
public:
    PageToolBatch(const QString &toolPath, int lanes);

    // Two lanes on a machine of two or more cores, one otherwise.
    static int defaultLanes();

    struct Result
    {
        // The cropped page; null when the file could not be read.
        QImage image;
        // False when the tool gave no result: the page stays as it was.
        bool cropped = false;
    };

    // For each path in order: next(i) is called before page i's result is awaited (false stops
    // the run there; pages started ahead are awaited and dropped), then done(i, result).
    void autoCrop(const QStringList &paths, const std::function<bool(int)> &next,
                  const std::function<void(int, const Result &)> &done);

private:
    QString m_tool;
    int m_lanes;
};
