#include "pages/PageBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/AppPaths.h"
#include "core/LaneQueue.h"
#include "core/LogCategories.h"
#include "core/Settings.h"
#include "imaging/PageOperations.h"
#include "imaging/PageProcessor.h"
#include "ocr/PageOrientation.h"
#include "pages/PageStore.h"

PageBatch::PageBatch(Operation operation, const PageStore &store, const QList<int> &positions)
    : Job(JobKind::PageBatch)
    , m_operation(operation)
    , m_positions(positions)
    , m_jpegQuality(store.jpegQuality())
    , m_thumbSize(store.thumbSize())
{
    for (int position : positions)
        m_paths << store.workingPath(position);
    // The language of the messages, read here: settings belong to the window's thread.
    m_language = Settings::readString(SettingsKeys::Language, QStringLiteral("en"));
}

PageBatch::~PageBatch() = default;

int PageBatch::changedCount() const
{
    int changed = 0;
    for (const Page &page : m_pages)
        changed += page.outcome == PageOutcome::Changed;
    return changed;
}

QList<int> PageBatch::failedNumbers() const
{
    QList<int> numbers;
    for (const Page &page : m_pages) {
        if (page.outcome == PageOutcome::Failed)
            numbers << page.position + 1;
    }
    return numbers;
}

PageBatch::Page PageBatch::cropPage(int index, int lane, QImage *result) const
{
    Page page;
    page.position = m_positions.at(index);
    QImage image(m_paths.at(index));
    PageProcessor processor(m_tool, lane);
    processor.setStopFlag(&cancelFlag());
    if (image.isNull() || !processor.autoCropImage(image)) {
        // A page the tool could not crop keeps its files: writing an unchanged JPEG again
        // would only lose quality.
        page.outcome = isCancelled() ? PageOutcome::Unchanged : PageOutcome::Failed;
        page.reason = QStringLiteral("no result from the page tool");
        return page;
    }
    *result = image;
    page.outcome = PageOutcome::Changed;
    return page;
}

PageBatch::Page PageBatch::turnPage(int index, QImage *result) const
{
    Page page;
    page.position = m_positions.at(index);
    const OcrRunner::Orientation found =
        OcrRunner::orientation(m_tool, m_paths.at(index), &cancelFlag());
    if (found.status == OcrRunner::Status::Cancelled)
        return page;
    if (found.status != OcrRunner::Status::Done) {
        page.outcome = PageOutcome::Failed;
        page.reason = PageOrientation::unavailableMessage(found, m_language);
        page.toolUnavailable = !page.reason.isEmpty();
        if (!page.toolUnavailable)
            page.reason = found.detail;
        return page;
    }
    if (!found.quarterTurns || *found.quarterTurns == 0)
        return page;
    *result = PageOrientation::turned(QImage(m_paths.at(index)), *found.quarterTurns);
    page.outcome = PageOutcome::Changed;
    return page;
}

PageBatch::Page PageBatch::rotatePage(int index, QImage *result) const
{
    Page page;
    page.position = m_positions.at(index);
    const QImage image(m_paths.at(index));
    if (image.isNull()) {
        page.outcome = PageOutcome::Failed;
        page.reason = QStringLiteral("cannot read %1").arg(m_paths.at(index));
        return page;
    }
    *result = PageOperations::turned(image, m_angle);
    page.outcome = PageOutcome::Changed;
    return page;
}

PageBatch::Page PageBatch::splitPage(int index)
{
    Page page;
    page.position = m_positions.at(index);
    PageProcessor processor(m_tool);
    processor.setStopFlag(&cancelFlag());
    const QStringList halves = processor.splitSpreadFile(m_paths.at(index), m_dpi);
    if (halves.size() != 2) {
        page.outcome = isCancelled() ? PageOutcome::Unchanged : PageOutcome::Failed;
        page.reason = QStringLiteral("no halves from the page tool");
        return page;
    }
    // The tool's output folder is emptied before its next run: the halves move to the job's
    // own folder, where they wait for the window.
    const QString folder = m_halves->path() + QLatin1Char('/');
    page.leftHalf = folder + QStringLiteral("%1-left.tif").arg(index);
    page.rightHalf = folder + QStringLiteral("%1-right.tif").arg(index);
    if (!QFile::rename(halves.at(0), page.leftHalf) ||
        !QFile::rename(halves.at(1), page.rightHalf)) {
        page.outcome = PageOutcome::Failed;
        page.reason = QStringLiteral("cannot move the halves to %1").arg(folder);
        page.leftHalf.clear();
        page.rightHalf.clear();
        return page;
    }
    page.outcome = PageOutcome::Changed;
    return page;
}

Job::Outcome PageBatch::run()
{
    const int count = int(m_positions.size());
    if (m_operation == Operation::Split) {
        if (!AppPaths::ensureTempFolder()) {
            setErrorString(tr("Can't create the folder %1.").arg(AppPaths::tempFolder()));
            return Outcome::Failed;
        }
        m_halves = std::make_unique<QTemporaryDir>(AppPaths::tempFolder() +
                                                   QStringLiteral("/split-XXXXXX"));
        if (!m_halves->isValid()) {
            setErrorString(tr("Can't create the folder %1.").arg(AppPaths::tempFolder()));
            return Outcome::Failed;
        }
        for (int i = 0; i < count; ++i) {
            if (isCancelled())
                return Outcome::Cancelled;
            reportProgress(i + 1, count, tr("Splitting %1 of %2...").arg(i + 1).arg(count));
            m_pages << splitPage(i);
        }
        return isCancelled() ? Outcome::Cancelled : Outcome::Finished;
    }

    // Crop and upright take the pages a few at a time, each lane in a thread of its own with
    // its own exchange folders (numbered from 1: lane 0's folders belong to single runs).
    const int lanes = std::max(1, m_lanes);
    struct Worked
    {
        Page page;
        QImage image; // the new picture of a changed page, not yet written
    };
    LaneQueue<Worked> queue(count, lanes, [this, lanes](int index) {
        Worked worked;
        worked.page.position = m_positions.at(index);
        if (isCancelled())
            return worked;
        switch (m_operation) {
        case Operation::AutoCrop:
            worked.page = cropPage(index, 1 + index % lanes, &worked.image);
            break;
        case Operation::Rotate:
            worked.page = rotatePage(index, &worked.image);
            break;
        case Operation::TurnUpright:
        case Operation::Split:
            worked.page = turnPage(index, &worked.image);
            break;
        }
        return worked;
    });
    for (int i = 0; i < count; ++i) {
        if (isCancelled())
            break;
        // Turning by an angle keeps the text its starter gave.
        reportProgress(i + 1, count,
                       m_operation == Operation::AutoCrop
                           ? tr("Cropping %1 of %2...").arg(i + 1).arg(count)
                       : m_operation == Operation::TurnUpright
                           ? tr("Turning %1 of %2 upright...").arg(i + 1).arg(count)
                           : QString());
        Worked worked = queue.takeNext();
        // Written here, in page order, and only while the run goes on: a page worked on ahead
        // when Cancel came stays as it was.
        if (isCancelled())
            break;
        Page &page = worked.page;
        if (page.toolUnavailable) {
            // Nothing else can be turned either: the pages started ahead are dropped.
            m_unavailable = page.reason;
            setErrorString(page.reason);
            cancel();
            return Outcome::Failed;
        }
        if (page.outcome == PageOutcome::Changed &&
            !PageStore::writeChangedImage(m_paths.at(i), worked.image, m_jpegQuality, m_thumbSize,
                                          &page.thumbnail, &page.reason))
            page.outcome = PageOutcome::Failed;
        if (page.outcome == PageOutcome::Failed)
            qCWarning(lcPages) << "page" << page.position + 1 << page.reason;
        m_pages << page;
    }
    return isCancelled() ? Outcome::Cancelled : Outcome::Finished;
}
