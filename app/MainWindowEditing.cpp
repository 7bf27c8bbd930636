// The main window's commands that change the current page's picture: quarter turns, the Rotate
// and Crop modes with their side panels, restoring the source image, and zoom.

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>

#include <utility>

#include "app/MainWindow.h"
#include "app/ModePanels.h"
#include "imaging/ImageEditor.h"
#include "imaging/RotatePreview.h"
#include "pages/PageBatch.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::afterPictureChange(bool saved)
{
    if (!saved) {
        // The editor put the page back as its file still has it; thumbnail and flag stay.
        errorMessage(tr("Can't save the page %1.").arg(m_pageList->currentPosition() + 1));
        return;
    }
    m_pageList->updateThumb(m_editor->image());
    showImageInfo(&m_editor->image());
    setModified(true);
}

void MainWindow::switchOff(QAction *action)
{
    // Normally first, so an action that was on reports toggled(false) and its mode ends now;
    // then with signals blocked.
    action->setChecked(false);
    const QSignalBlocker blocker(action);
    action->setChecked(false);
}

void MainWindow::rotateLeft()
{
    if (!m_editor->hasImage())
        return;
    afterPictureChange(changeCurrentPage(m_commands.rotateLeft->iconText(),
                                         [this] { return m_editor->rotateLeft(); }));
}

void MainWindow::rotateRight()
{
    if (!m_editor->hasImage())
        return;
    afterPictureChange(changeCurrentPage(m_commands.rotateRight->iconText(),
                                         [this] { return m_editor->rotateRight(); }));
}

void MainWindow::rotateFlip()
{
    if (!m_editor->hasImage())
        return;
    afterPictureChange(changeCurrentPage(m_commands.rotateFlip->iconText(),
                                         [this] { return m_editor->rotateFlip(); }));
}

void MainWindow::rotateAngle(bool on)
{
    {
        const QSignalBlocker blocker(m_commands.rotateAngle);
        m_commands.rotateAngle->setChecked(on);
    }
    if (!on) {
        m_sidePanel->setCurrentIndex(PageListPanel);
        m_workArea->setCurrentIndex(EditorPage);
        return;
    }
    // Leaving Crop Mode marks the project changed; entering Rotate Mode from the normal mode
    // changes nothing, so it must not.
    if (m_commands.crop->isChecked())
        crop(false);
    m_modePanels->setAngle(0);
    m_sidePanel->setCurrentIndex(RotatePanel);
    m_rotatePreview->setPreviewImage(m_editor->image(), m_editor->rect());
    m_rotatePreview->setPreviewAngle(0);
    m_workArea->setCurrentIndex(RotatePage);
}

void MainWindow::rotateAccepted()
{
    switchOff(m_commands.rotateAngle);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_workArea->setCurrentIndex(EditorPage);
    const int angle = m_modePanels->angle();
    if (angle == 0)
        return;
    // Turned and written off the window's thread; undo brings the page back.
    const QList<int> positions{m_pageList->currentPosition()};
    m_batchKept = m_history->keep(positions);
    auto batch =
        std::make_unique<PageBatch>(PageBatch::Operation::Rotate, m_pageList->store(), positions);
    batch->setAngle(angle);
    startPageBatch(std::move(batch), m_commands.rotateAngle->iconText(), tr("Rotating..."));
}

void MainWindow::rotateCancelled()
{
    switchOff(m_commands.rotateAngle);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_workArea->setCurrentIndex(EditorPage);
}

void MainWindow::crop(bool on)
{
    {
        const QSignalBlocker blocker(m_commands.crop);
        m_commands.crop->setChecked(on);
    }
    if (on) {
        const QSignalBlocker blocker(m_commands.rotateAngle);
        m_commands.rotateAngle->setChecked(false);
        m_sidePanel->setCurrentIndex(PageListPanel);
        m_workArea->setCurrentIndex(EditorPage);
        m_sidePanel->setCurrentIndex(CropPanel);
    } else {
        m_sidePanel->setCurrentIndex(PageListPanel);
    }
    m_editor->cropping(on);
    setModified(true);
}

void MainWindow::cropAccepted()
{
    const bool saved =
        changeCurrentPage(m_commands.crop->iconText(), [this] { return m_editor->applyCrop(); });
    switchOff(m_commands.crop);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_editor->cropping(false);
    afterPictureChange(saved);
}

void MainWindow::cropCancelled()
{
    switchOff(m_commands.crop);
    m_sidePanel->setCurrentIndex(PageListPanel);
    m_editor->cropping(false);
    setModified(true);
}

void MainWindow::brightness()
{
    if (!m_editor->hasImage() || !m_brightnessKept.isEmpty())
        return;
    // The dialog answers later (it is opened, not run): the copy for undo is kept now and
    // recorded or dropped when the dialog has said whether the picture changed.
    m_brightnessKept = m_history->keep({m_pageList->currentPosition()});
    m_editor->contrast();
}

void MainWindow::brightnessApplied()
{
    if (m_brightnessKept.isEmpty())
        return;
    m_history->recordChange(m_commands.brightness->iconText(), std::exchange(m_brightnessKept, {}));
    setModified(true);
}

void MainWindow::brightnessClosed()
{
    // Closed without a change (Cancel, or a picture that could not be saved).
    m_history->discard(std::exchange(m_brightnessKept, {}));
}

void MainWindow::undoPage()
{
    if (!changeCurrentPage(tr("Restore Source Image"),
                           [this] { return m_pageList->restoreSource(); }))
        return;
    m_editor->loadImage(m_pageList->currentWorkingPath());
    showImageInfo(&m_editor->image());
}

void MainWindow::zoomIn()
{
    m_editor->zoomIn();
}

void MainWindow::zoomOut()
{
    m_editor->zoomOut();
}

void MainWindow::zoomFit()
{
    m_editor->zoomFit();
}

void MainWindow::zoomActual()
{
    m_editor->zoom1to1();
}
