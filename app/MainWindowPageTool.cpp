// The main window's commands that hand pages to a tool: automatic cropping and spread splitting
// (the page tool) and turning pages upright (the recognition tool), each on the current page or
// on every checked page when two or more are checked.

#include <QImage>

#include "app/MainWindow.h"
#include "app/RibbonCommands.h"
#include "app/WaitingDlg.h"
#include "core/Settings.h"
#include "core/ToolLocator.h"
#include "imaging/ImageEditor.h"
#include "imaging/PageProcessor.h"
#include "imaging/PageToolBatch.h"
#include "ocr/PageOrientation.h"
#include "pages/PageBatch.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

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
    // The checked pages, or the current one when fewer than two are checked; the hand-drawn
    // box of crop mode gives way to the tool's.
    const QList<int> positions = checkedPageCount() >= 2
                                     ? positionsChecked(true)
                                     : QList<int>{m_pageList->currentPosition()};
    switchOff(m_commands.crop);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_editor->cropping(false);
    // Copies of every checked page first; a page the tool leaves alone is unchanged by undo.
    m_batchKept = m_history->keep(positions);
    auto batch =
        std::make_unique<PageBatch>(PageBatch::Operation::AutoCrop, m_pageList->store(), positions);
    batch->setToolPath(PageProcessor::defaultToolPath());
    batch->setLanes(PageToolBatch::defaultLanes());
    startPageBatch(std::move(batch), autoCropName(), tr("Auto cropping..."));
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
    // The checked pages, or the current one when fewer than two are checked.
    const QList<int> positions = checkedPageCount() >= 2
                                     ? positionsChecked(true)
                                     : QList<int>{m_pageList->currentPosition()};
    // The resolution of the page on screen, for every page of the run.
    const int dpi = int(m_editor->image().dotsPerMeterX() * 2.54 / 100 + 0.5);
    auto batch =
        std::make_unique<PageBatch>(PageBatch::Operation::Split, m_pageList->store(), positions);
    batch->setToolPath(PageProcessor::defaultToolPath());
    batch->setSplitDpi(dpi);
    startPageBatch(std::move(batch), splitName(), tr("Splitting..."));
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
    // Copies first: undo brings back every page this run turns.
    m_batchKept = m_history->keep(positions);
    auto batch = std::make_unique<PageBatch>(PageBatch::Operation::TurnUpright, m_pageList->store(),
                                             positions);
    batch->setToolPath(OcrRunner::toolPath());
    batch->setLanes(PageToolBatch::defaultLanes());
    startPageBatch(std::move(batch), m_commands.turnUpright->iconText(),
                   tr("Turning pages upright..."));
}
