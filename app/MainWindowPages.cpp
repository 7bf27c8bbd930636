// The main window's commands on the page list: keyboard selection, check marks, moves,
// removals and the thumbnail size.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

#include "app/MainWindow.h"
#include "app/WindowStatusBar.h"
#include "core/ProgramInfo.h"
#include "pages/KSlabWidget.h"
#include "pages/MoveToDlg.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::askThen(const QString &question, const std::function<void()> &yes)
{
    auto *box = new QMessageBox(QMessageBox::Question, QString(ProgramInfo::ApplicationName),
                                question, QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::NoButton);
    connect(box, &QMessageBox::finished, this, [this, yes](int answer) {
        // Whatever started meanwhile (a scan from the scanner's button) comes first.
        if (answer == QMessageBox::Yes && !isBusy())
            yes();
    });
    box->open();
}

void MainWindow::showCount(int count)
{
    m_status->showCounts(count, m_pageList->checkedCount());
}

void MainWindow::keyPressedUp()
{
    const QSignalBlocker up(m_upShortcut);
    const QSignalBlocker down(m_downShortcut);
    const QSignalBlocker insert(m_insertShortcut);
    const int position = m_pageList->currentPosition();
    if (position > 0)
        m_pageList->selectPosition(position - 1, 0);
}

void MainWindow::keyPressedDown()
{
    const QSignalBlocker up(m_upShortcut);
    const QSignalBlocker down(m_downShortcut);
    const QSignalBlocker insert(m_insertShortcut);
    const int position = m_pageList->currentPosition();
    if (position >= 0 && position < m_pageList->count() - 1)
        m_pageList->selectPosition(position + 1, 1);
}

void MainWindow::keyPressedIns()
{
    const QSignalBlocker up(m_upShortcut);
    const QSignalBlocker down(m_downShortcut);
    const QSignalBlocker insert(m_insertShortcut);
    const int position = m_pageList->currentPosition();
    if (KSlabWidget *slab = m_pageList->slabAt(position))
        slab->setChecked(!slab->isChecked());
}

void MainWindow::moveUp()
{
    const int from = m_pageList->currentPosition();
    m_pageList->movePageUp();
    recordMove(m_commands.moveUp->iconText(), from);
}

void MainWindow::moveDown()
{
    const int from = m_pageList->currentPosition();
    m_pageList->movePageDown();
    recordMove(m_commands.moveDown->iconText(), from);
}

void MainWindow::moveTop()
{
    const int from = m_pageList->currentPosition();
    m_pageList->movePageToTop();
    recordMove(m_commands.moveTop->iconText(), from);
}

void MainWindow::moveBottom()
{
    const int from = m_pageList->currentPosition();
    m_pageList->movePageToBottom();
    recordMove(m_commands.moveBottom->iconText(), from);
}

void MainWindow::movePosition()
{
    auto *dialog = new MoveToDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setMaximum(m_pageList->count());
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (isBusy() || m_pageList->count() == 0)
            return;
        const int from = m_pageList->currentPosition();
        m_pageList->movePageTo(std::min(dialog->value(), m_pageList->count()) - 1);
        recordMove(m_commands.movePosition->iconText(), from);
    });
    dialog->open();
}

void MainWindow::recordMove(const QString &name, int from)
{
    m_history->recordMove(name, from, m_pageList->currentPosition());
    setModified(true);
}

void MainWindow::checkAll()
{
    m_pageList->checkAll();
}

void MainWindow::uncheckAll()
{
    m_pageList->uncheckAll();
}

QList<int> MainWindow::positionsChecked(bool checked) const
{
    QList<int> positions;
    for (int position = 0; position < m_pageList->count(); ++position) {
        if (m_pageList->isChecked(position) == checked)
            positions << position;
    }
    return positions;
}

void MainWindow::removePositions(const QList<int> &positions)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    // The pages' files go to the undo area rather than being deleted.
    m_history->removePages(m_commands.removePage->iconText(), positions);
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    afterRemoval();
}

void MainWindow::afterRemoval()
{
    m_pageList->uncheckAll();
    setModified(true);
    if (m_pageList->count() == 0)
        showEmptyDocument();
    m_pageList->repaint();
    QWidget::update();
}

void MainWindow::removePage()
{
    const int checked = m_pageList->checkedCount();
    if (checked > 1) {
        askThen(tr("Do you want to remove %1 checked pages from the document?").arg(checked),
                [this] { removePositions(positionsChecked(true)); });
        return;
    }
    if (m_pageList->count() == 0)
        return;
    askThen(tr("Do you want to remove the page?"),
            [this] { removePositions({m_pageList->currentPosition()}); });
}

void MainWindow::removeAllChecked()
{
    askThen(tr("Do you want to remove all checked pages from the document?"),
            [this] { removePositions(positionsChecked(true)); });
}

void MainWindow::removeAllUnchecked()
{
    askThen(tr("Do you want to remove all unchecked pages from the document?"),
            [this] { removePositions(positionsChecked(false)); });
}

void MainWindow::removeAllButThis()
{
    askThen(tr("Do you want to remove all pages but current from the document?"), [this] {
        const int current = m_pageList->currentPosition();
        if (current < 0)
            return;
        QList<int> positions;
        for (int position = 0; position < m_pageList->count(); ++position) {
            if (position != current)
                positions << position;
        }
        removePositions(positions);
    });
}

void MainWindow::removeAll()
{
    askThen(tr("Do you want to remove all pages from the document?"), [this] {
        QList<int> positions;
        for (int position = 0; position < m_pageList->count(); ++position)
            positions << position;
        removePositions(positions);
    });
}

void MainWindow::resizeThumbs(int size)
{
    m_pageList->setThumbSize(QSize(size, size));
    for (int position = 0; position < m_pageList->count(); ++position) {
        if (KSlabWidget *slab = m_pageList->slabAt(position))
            slab->resizeSlab(size, size);
    }
}
