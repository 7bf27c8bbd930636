#include "imaging/PageToolBatch.h"

#include <QThread>

#include <algorithm>

#include "core/LaneQueue.h"
#include "imaging/PageProcessor.h"

PageToolBatch::PageToolBatch(const QString &toolPath, int lanes)
    : m_tool(toolPath)
    , m_lanes(std::max(1, lanes))
{
}

int PageToolBatch::defaultLanes()
{
    return QThread::idealThreadCount() >= 2 ? 2 : 1;
}

void PageToolBatch::autoCrop(const QStringList &paths, const std::function<bool(int)> &next,
                             const std::function<void(int, const Result &)> &done)
{
    const QString tool = m_tool;
    const int lanes = m_lanes;
    // Lanes are numbered from 1, so no run shares the folders of a single run (lane 0).
    LaneQueue<Result> queue(int(paths.size()), m_lanes, [paths, tool, lanes](int index) {
        Result result;
        QImage image(paths.at(index));
        PageProcessor processor(tool, 1 + index % lanes);
        result.cropped = !image.isNull() && processor.autoCropImage(image);
        result.image = image;
        return result;
    });
    for (int i = 0; i < paths.size(); ++i) {
        if (!next(i))
            break;
        done(i, queue.takeNext());
    }
}
