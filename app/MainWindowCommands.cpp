// The main window's commands that are not list commands: files, drops, pop-up messages, the
// status bar's image information and zoom, help and about. Commands whose work is not part of
// this build yet say so in a pop-up message.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

#include "app/LanguageLoader.h"
#include "app/MainWindow.h"
#include "app/PopupMessage.h"
#include "app/SplashScreen.h"
#include "app/StatusProgress.h"
#include "core/AppPaths.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "imaging/ImageEditor.h"
#include "import/ImageFileLoader.h"
#include "ocr/PageOrientation.h"
#include "options/OptionsDlg.h"
#include "pages/PageFiles.h"
#include "pages/PageHistory.h"
#include "pages/PageListWidget.h"

void MainWindow::errorMessage(const QString &message)
{
    PopupMessage::show(message, this);
}

void MainWindow::showImageInfo(const QImage *image)
{
    if (!image || image->isNull()) {
        m_sizeLabel->setText(QStringLiteral("0x0"));
        m_resolutionLabel->setText(tr("0 DPI"));
        m_physicalLabel->setText(tr("0x0 cm"));
        return;
    }
    const int dpm = image->dotsPerMeterX();
    const int dpi = int(dpm * 2.54 / 100 + 0.5);
    m_sizeLabel->setText(QStringLiteral("%1 x %2").arg(image->width()).arg(image->height()));
    m_resolutionLabel->setText(tr("%1 DPI").arg(dpi));
    if (dpi <= 0) {
        // Without a usable resolution there is no physical size (and no division by zero).
        m_physicalLabel->setText(tr("0x0 cm"));
        return;
    }
    const double pixelsPerCm = dpm / 100.0;
    m_physicalLabel->setText(tr("%1 x %2 cm")
                                 .arg(image->width() / pixelsPerCm, 3, 'f', 1, QLatin1Char('0'))
                                 .arg(image->height() / pixelsPerCm, 3, 'f', 1, QLatin1Char('0')));
}

void MainWindow::scaleUpdate(qreal factor)
{
    const QSignalBlocker blocker(m_scaleBox);
    m_scaleBox->setValue(int(std::round(factor * 100)));
}

void MainWindow::scaleChanged(int percent)
{
    m_editor->applyScale(percent / 100.0);
}

void MainWindow::setKeepScale(bool keep)
{
    Settings::write(SettingsKeys::KeepScale, keep);
}

void MainWindow::qualityChanged(int index)
{
    Settings::write(SettingsKeys::Resolution, m_commands.qualityChooser->itemData(index));
    Settings::write(SettingsKeys::QualityIndex, index);
}

void MainWindow::colorChanged(int index)
{
    Settings::write(SettingsKeys::Grayscale, m_commands.colorChooser->itemData(index));
}

void MainWindow::workAreaChanged(int index)
{
    if (index == DropZonePage) {
        m_splitter->setSizes({100, 0});
        return;
    }
    const int total = m_splitter->sizes().value(0) + m_splitter->sizes().value(1);
    const int side = m_pageList->thumbSize().width() + 30;
    m_splitter->setSizes({qMax(0, total - side), side});
}

void MainWindow::selectPage(const QString &path)
{
    if (path.isEmpty())
        return;
    m_workArea->setCurrentIndex(EditorPage);
    // The editor takes its size from the pending layout before it fits the page (posted layout
    // requests only: no input and no other event runs here).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (m_editor->loadImage(path))
        showImageInfo(&m_editor->image());
    else
        showImageInfo(nullptr);
}

void MainWindow::showPages()
{
    m_sidePanel->setCurrentIndex(PageListPanel);
    if (m_workArea->currentIndex() == DropZonePage)
        m_workArea->setCurrentIndex(EditorPage);
    updateCommands();
}

void MainWindow::showEmptyDocument()
{
    m_editor->clearImage();
    showImageInfo(nullptr);
    m_workArea->setCurrentIndex(DropZonePage);
    m_sidePanel->setCurrentIndex(TitlePanel);
    updateCommands();
}

void MainWindow::processDroppedFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QString suffix = QFileInfo(files.first()).suffix().toUpper();
    if (suffix == QLatin1String("PDF"))
        extractPdf(files.first());
    else if (suffix == QLatin1String("VLMPJ"))
        openProjectFile(files.first(), true);
    else
        loadImageFiles(files);
}

void MainWindow::loadFile()
{
    const QString start = AppPaths::dialogStart(
        Settings::readString(SettingsKeys::LastPath, QString()), AppPaths::StartKind::Pictures);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Image"), start,
        tr("All Image Files (*.png *.jpeg *.jpg *.bmp *.tiff *.tif);;Bitmaps (*.bmp);;TIFF Image "
           "File (*.tiff *.tif);;JPEG Image File (*.jpeg *.jpg);;PNG Image File (*.png);;"));
    if (!files.isEmpty())
        loadImageFiles(files);
}

bool MainWindow::prepareEmptyWorkingFolder()
{
    if (m_pageList->count() > 0)
        return true;
    // Pages of an earlier run are never deleted without the user knowing: unless the offer to
    // recover them was declined, it is made now. Recovered pages stay; new ones follow them.
    if (!m_recoveryDeclined && offerRecovery())
        return true;
    clearWorkingFolder();
    return true;
}

int MainWindow::addPagesFromFile(const QString &file, const QString &madeThumbnail,
                                 PageStore::FileUse use)
{
    const QString name = QFileInfo(file).fileName();
    // A JPEG page keeps its bytes: no quality is lost and nothing is encoded again.
    if (ImageFileLoader::isStorableJpeg(file)) {
        m_workArea->setCurrentIndex(EditorPage);
        // Turned upright only when it has to be; otherwise its bytes are kept as they are.
        const std::optional<int> turns = Settings::readBool(SettingsKeys::AutoUpright, false)
                                             ? uprightTurns(PageOrientation::detect(file))
                                             : std::nullopt;
        if (turns) {
            const QImage turned = PageOrientation::turned(QImage(file), *turns);
            if (!turned.isNull())
                return m_pageList->addImage(turned, false) ? 1 : 0;
        }
        return m_pageList->addJpegFile(file, madeThumbnail, use) ? 1 : 0;
    }
    const QList<ImageFileLoader::Page> pages = ImageFileLoader::readAll(file);
    const ImageFileLoader::Page &first = pages.first();
    if (first.tooLarge) {
        errorMessage(tr("Sorry, can't load file %1.<br>The image is too large: %2 x %3 pixels.")
                         .arg(name.toHtmlEscaped())
                         .arg(first.size.width())
                         .arg(first.size.height()));
        return 0;
    }
    if (first.image.isNull()) {
        errorMessage(tr("Sorry, can't load file. Wrong file format.<br>%1").arg(name));
        return 0;
    }
    int added = 0;
    for (const ImageFileLoader::Page &page : pages) {
        m_workArea->setCurrentIndex(EditorPage);
        if (m_pageList->addImage(importedUpright(page.image), page.blackAndWhite))
            ++added;
    }
    if (first.damaged)
        errorMessage(tr("The file %1 is damaged: part of its picture may be missing.")
                         .arg(name.toHtmlEscaped()));
    return added;
}

void MainWindow::loadImageFiles(const QStringList &files)
{
    if (!prepareEmptyWorkingFolder())
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const int before = m_pageList->count();
    int added = 0;
    m_statusProgress->begin(tr("Opening..."), int(files.size()));
    const auto endProgress = qScopeGuard([this] { m_statusProgress->end(); });
    {
        const QSignalBlocker blocker(m_pageList);
        int opened = 0;
        for (const QString &file : files) {
            m_statusProgress->setValue(opened++);
            const int pages = addPagesFromFile(file);
            if (pages > 0)
                Settings::write(SettingsKeys::LastPath, QFileInfo(file).absoluteFilePath());
            added += pages;
        }
    }
    if (m_pageList->count() > before)
        m_history->recordAdded(m_commands.loadFile->iconText(), before,
                               m_pageList->count() - before);
    showCount(m_pageList->count());
    if (added > 0) {
        setModified(true);
        showPages();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_pageList->selectPosition(m_pageList->currentPosition(), 0);
    } else if (m_pageList->count() == 0) {
        showEmptyDocument();
    }
}

void MainWindow::help()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString host = Settings::readString(SettingsKeys::AppUrl, QString(ProgramInfo::WebHost));
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://%1").arg(host), QUrl::TolerantMode));
}

void MainWindow::about()
{
    auto *splash = new SplashScreen;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
}

void MainWindow::settings()
{
    OptionsDlg dialog(this);
    connect(&dialog, &OptionsDlg::languageChanged, this, [] { LanguageLoader::load(); });
    if (dialog.exec() == QDialog::Accepted)
        refreshQualities();
}

// Kept for the command set; no command of this build raises it.
void MainWindow::scanDoc() {}
