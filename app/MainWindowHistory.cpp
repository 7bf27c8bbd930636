// The main window's undo and redo, pages dragged in the page list, and the window title.

#include <QAction>
#include <QFileInfo>
#include <QStackedWidget>

#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "imaging/ImageEditor.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::undo()
{
    m_history->undoAction()->trigger();
}

void MainWindow::redo()
{
    m_history->redoAction()->trigger();
}

bool MainWindow::changeCurrentPage(const QString &name, const std::function<bool()> &change)
{
    const QList<PageCommand::Step> kept = m_history->keep({m_pageList->currentPosition()});
    const bool changed = change();
    if (changed && !kept.isEmpty())
        m_history->recordChange(name, kept);
    else
        m_history->discard(kept);
    return changed;
}

void MainWindow::afterHistoryStep()
{
    setModified(true);
    showCount(m_pageList->count());
    if (m_pageList->count() == 0) {
        showEmptyDocument();
        return;
    }
    showPages();
    selectPage(m_pageList->currentWorkingPath());
}

void MainWindow::pageDropped(int from, int to)
{
    if (m_pageList->movePage(from, to)) {
        m_history->recordMove(m_commands.movePosition->iconText(), from, to);
        setModified(true);
    }
}

void MainWindow::setModified(bool modified)
{
    m_modified = modified;
    updateTitle();
}

void MainWindow::setProjectPath(const QString &path)
{
    m_projectPath = path;
    updateTitle();
}

void MainWindow::updateTitle()
{
    const QString name =
        m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).fileName();
    setWindowTitle(name + (m_modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") +
                   tr("Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, BMP, PNG"));
}

void MainWindow::fitToScreen()
{
    WindowPlacement::fitToScreen(this, QSize(MinimumWidth, MinimumHeight), TitleBarAllowance);
}
