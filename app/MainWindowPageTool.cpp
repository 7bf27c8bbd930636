// The main window's commands that hand pages to a tool: automatic cropping and spread splitting
// (the page tool) and turning pages upright (the recognition tool), each on the current page or
// on every checked page when two or more are checked.

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QStatusBar>

#include <atomic>

#include "app/MainWindow.h"
#include "app/RibbonCommands.h"
#include "app/WaitingDlg.h"
#include "core/LaneQueue.h"
#include "core/LogCategories.h"
#include "core/PageImages.h"
#include "core/Settings.h"
#include "core/ToolLocator.h"
#include "export/PdfProgress.h"
#include "imaging/ImageEditor.h"
#include "imaging/PageProcessor.h"
#include "imaging/PageToolBatch.h"
#include "ocr/PageOrientation.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

namespace {

// The quality the JPEG writer uses when asked for none; pages cropped in a batch are written
// back at it, as the page list has always done for them.
constexpr int BatchJpegQuality = 75;

// "3, 5 and 9" style lists of 1-based page numbers.
QString pageNumbers(const QList<int> &pages)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QString MainWindow::autoCropName() const
{
    return tr("Auto Cropping");
}

QString MainWindow::splitName() const
{
    return tr("Split the book spread");
}

int MainWindow::checkedPageCount() const
{
    int checked = 0;
    for (int i = 0; i < m_pageList->count(); ++i) {
        if (m_pageList->isChecked(i))
            ++checked;
    }
    return checked;
}

bool MainWindow::pageToolFound()
{
    if (PageProcessor().hasTool())
        return true;
    errorMessage(ToolLocator::notFoundMessage(QString(PageProcessor::ToolName)));
    return false;
}

void MainWindow::autoCrop()
{
    if (!m_editor->hasImage() || !pageToolFound())
        return;
    const int checked = checkedPageCount();
    if (checked >= 2)
        autoCropChecked(checked);
    else
        autoCropCurrent();
}

void MainWindow::autoCropCurrent()
{
    ImageEditor::SmartCrop result = ImageEditor::SmartCrop::NoResult;
    changeCurrentPage(autoCropName(), [&] {
        const auto wait = showWaiting(this, tr("Auto cropping..."));
        result = m_editor->smartCrop();
        return result == ImageEditor::SmartCrop::Cropped;
    });
    switchOff(m_commands.crop);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_editor->cropping(false);
    setModified(true);
    if (result == ImageEditor::SmartCrop::NoResult)
        errorMessage(tr("Can't crop the page."));
    else
        afterPictureChange(result == ImageEditor::SmartCrop::Cropped);
}

void MainWindow::autoCropChecked(int checked)
{
    PdfProgress progress(checked, this);
    progress.begin();
    progress.setText(tr("Auto cropping..."));

    // The checked pages in list order; the tool runs ahead on the next one while this one's
    // result is written.
    const QStringList working = m_pageList->workingPaths();
    QList<int> positions;
    QStringList paths;
    for (int k = 0; k < working.size(); ++k) {
        if (m_pageList->isChecked(k)) {
            positions << k;
            paths << working.at(k);
        }
    }
    QList<int> notCropped;
    // Copies of every checked page first; a page the tool leaves alone is unchanged by undo.
    const QList<PageCommand::Step> kept = m_history->keep(positions);
    PageToolBatch batch(PageProcessor::defaultToolPath(), PageToolBatch::defaultLanes());
    const auto next = [&](int i) {
        if (progress.wasCanceled())
            return false;
        progress.setValue(i + 1);
        progress.setText(tr("Cropping %1 of %2...").arg(i + 1).arg(checked));
        return true;
    };
    const auto done = [&](int i, const PageToolBatch::Result &result) {
        const int k = positions.at(i);
        // A page the tool could not crop keeps its files as they are: writing an unchanged
        // JPEG again would only lose quality.
        if (!result.cropped) {
            notCropped << k + 1;
            return;
        }
        const bool mono = QFileInfo(paths.at(i)).suffix() == QLatin1String("tiff");
        QString error;
        if (!PageImages::writeWorkingImage(result.image, paths.at(i), mono, BatchJpegQuality,
                                           &error)) {
            qCWarning(lcPages) << error;
            notCropped << k + 1;
            return;
        }
        m_pageList->updateThumb(result.image, k);
    };
    batch.autoCrop(paths, next, done);
    endPageBatch(progress, autoCropName(), kept, notCropped.size() < positions.size());
    setModified(true);
    if (!notCropped.isEmpty())
        errorMessage(tr("Can't crop the pages %1.").arg(pageNumbers(notCropped)));
}

void MainWindow::endPageBatch(PdfProgress &progress, const QString &name,
                              const QList<PageCommand::Step> &kept, bool changed)
{
    if (changed)
        m_history->recordChange(name, kept);
    else
        m_history->discard(kept);
    m_editor->reloadImage();
    m_pageList->update();
    progress.finish();
    progress.close();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    showImageInfo(&m_editor->image());
}

void MainWindow::showPageAt(int position)
{
    m_pageList->selectPosition(position, -2);
    selectPage(m_pageList->workingPath(position));
}

void MainWindow::splitSpread()
{
    if (!m_editor->hasImage() || !pageToolFound())
        return;
    const int checked = checkedPageCount();
    const int start = m_pageList->currentPosition();
    // The resolution of the page on screen, for every page of the run.
    const int dpi = int(m_editor->image().dotsPerMeterX() * 2.54 / 100 + 0.5);
    PageProcessor processor;
    if (checked < 2) {
        const auto wait = showWaiting(this, tr("Splitting..."));
        const QString page = m_pageList->currentWorkingPath();
        const QStringList halves = processor.splitSpreadFile(page, dpi);
        if (halves.size() == 2) {
            const QList<PageCommand::Step> kept = m_history->keep({start});
            if (m_pageList->splitPage(start, halves.at(0), halves.at(1), page)) {
                m_history->recordSplit(splitName(), kept, start);
                setModified(true);
            } else {
                m_history->discard(kept);
                errorMessage(tr("Can't split the page."));
            }
            showPageAt(start);
        } else {
            errorMessage(tr("Can't split the page."));
        }
        m_pageList->update();
        return;
    }

    PdfProgress progress(checked, this);
    progress.begin();
    progress.setText(tr("Splitting..."));
    QStringList working = m_pageList->workingPaths();
    QList<int> notSplit;
    // Every split of the run is one step for undo.
    m_history->beginGroup();
    bool changed = false;
    int done = 1;
    for (int i = 0; i < m_pageList->count(); ++i) {
        if (!m_pageList->isChecked(i))
            continue;
        if (progress.wasCanceled())
            break;
        progress.setValue(done);
        progress.setText(tr("Splitting %1 of %2...").arg(done).arg(checked));
        ++done;
        const QStringList halves = processor.splitSpreadFile(working.at(i), dpi);
        if (halves.size() != 2) {
            notSplit << i + 1;
            continue;
        }
        const QList<PageCommand::Step> kept = m_history->keep({i});
        if (!m_pageList->splitPage(i, halves.at(0), halves.at(1), working.at(i))) {
            m_history->discard(kept);
            errorMessage(tr("Can't split the page %1.").arg(i + 1));
            continue;
        }
        m_history->recordSplit(splitName(), kept, i);
        changed = true;
        m_pageList->selectPosition(i, 1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        working = m_pageList->workingPaths();
        // The walk goes on after the right half.
        ++i;
    }
    m_history->endGroup(splitName());
    showPageAt(start);
    progress.finish();
    progress.close();
    m_pageList->update();
    if (changed)
        setModified(true);
    if (!notSplit.isEmpty())
        errorMessage(tr("Can't split the pages %1.").arg(pageNumbers(notSplit)));
}

void MainWindow::reportUprightUnavailable(const OcrRunner::Orientation &orientation)
{
    const QString message = PageOrientation::unavailableMessage(
        orientation, Settings::readString(SettingsKeys::Language, QStringLiteral("en")));
    if (message.isEmpty() || m_uprightMissingSaid)
        return;
    m_uprightMissingSaid = true;
    errorMessage(message);
}

std::optional<int> MainWindow::uprightTurns(const OcrRunner::Orientation &orientation)
{
    reportUprightUnavailable(orientation);
    if (orientation.status != OcrRunner::Status::Done || !orientation.quarterTurns ||
        *orientation.quarterTurns == 0)
        return std::nullopt;
    return orientation.quarterTurns;
}

QImage MainWindow::importedUpright(const QImage &image)
{
    if (!Settings::readBool(SettingsKeys::AutoUpright, false))
        return image;
    const std::optional<int> turns = uprightTurns(PageOrientation::detect(image));
    return turns ? PageOrientation::turned(image, *turns) : image;
}

void MainWindow::turnUpright()
{
    if (!m_editor->hasImage())
        return;
    const QStringList working = m_pageList->workingPaths();
    QList<int> positions;
    if (checkedPageCount() >= 2) {
        for (int k = 0; k < working.size(); ++k) {
            if (m_pageList->isChecked(k))
                positions << k;
        }
    } else {
        positions << m_pageList->currentPosition();
    }
    QStringList paths;
    for (int k : positions)
        paths << working.value(k);
    const int count = int(positions.size());
    const QString name = m_commands.turnUpright->iconText();

    PdfProgress progress(count, this);
    progress.begin();
    progress.setText(tr("Turning pages upright..."));
    // Copies first: undo brings back every page this run turns.
    const QList<PageCommand::Step> kept = m_history->keep(positions);
    const QString tool = OcrRunner::toolPath();
    std::atomic_bool stop{false};
    LaneQueue<OcrRunner::Orientation> queue(
        count, PageToolBatch::defaultLanes(),
        [&paths, &stop, tool](int i) { return OcrRunner::orientation(tool, paths.at(i), &stop); });
    queue.setUserInputWhileWaiting(true, [&progress, &stop] {
        if (progress.wasCanceled())
            stop = true;
    });
    int turned = 0;
    QList<int> failed;
    QString unavailable;
    for (int i = 0; i < count; ++i) {
        if (progress.wasCanceled())
            break;
        progress.setValue(i + 1);
        progress.setText(tr("Turning %1 of %2 upright...").arg(i + 1).arg(count));
        const OcrRunner::Orientation orientation = queue.takeNext();
        if (orientation.status == OcrRunner::Status::Cancelled)
            break;
        unavailable = PageOrientation::unavailableMessage(
            orientation, Settings::readString(SettingsKeys::Language, QStringLiteral("en")));
        if (!unavailable.isEmpty()) {
            stop = true;
            break;
        }
        const int k = positions.at(i);
        if (orientation.status != OcrRunner::Status::Done) {
            failed << k + 1;
            continue;
        }
        if (!orientation.quarterTurns || *orientation.quarterTurns == 0)
            continue;
        const QImage image =
            PageOrientation::turned(QImage(paths.at(i)), *orientation.quarterTurns);
        const bool mono = QFileInfo(paths.at(i)).suffix() == QLatin1String("tiff");
        QString error;
        if (image.isNull() ||
            !PageImages::writeWorkingImage(image, paths.at(i), mono, BatchJpegQuality, &error)) {
            qCWarning(lcPages) << "Cannot turn" << paths.at(i) << error;
            failed << k + 1;
            continue;
        }
        m_pageList->updateThumb(image, k);
        ++turned;
    }
    endPageBatch(progress, name, kept, turned > 0);
    if (turned > 0)
        setModified(true);
    if (!unavailable.isEmpty())
        errorMessage(unavailable);
    else if (!failed.isEmpty())
        errorMessage(tr("Can't tell which way up the pages %1 are.").arg(pageNumbers(failed)));
    else
        statusBar()->showMessage(tr("Pages turned upright: %1 of %2.").arg(turned).arg(count),
                                 5000);
}
