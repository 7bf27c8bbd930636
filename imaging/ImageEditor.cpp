#include "ImageEditor.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QMenu>
#include <QPixmap>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "imaging/BrightnessContrast.h"
#include "imaging/BrightnessDlg.h"
#include "imaging/CropBoxItem.h"
#include "imaging/PageOperations.h"
#include "imaging/PhotoGraphicsScene.h"
#include "imaging/PhotoGraphicsView.h"
#include "imaging/PhotoPixmapItem.h"

namespace {

constexpr qreal ZoomStep = 0.05;
// The zoom commands step by 25%, the wheel by 5%.
constexpr int CommandZoomSteps = 5;
constexpr qreal MinimumScale = 0.05;
constexpr qreal MaximumScale = 2.0;
// Room left free around a page fitted into the view, in screen pixels (per direction).
constexpr int FitBorder = 10;

QImage readImage(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

ImageEditor::ImageEditor(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(splitter);

    m_panel = new QFrame(splitter);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->setSpacing(0);
    static const char *const icons[PanelButtonCount] = {
        "Restore",     "SmartCrop",  "BookSplit",   "Crop",       "Brightness", "Rescan",
        "SaveAsImage", "RotateLeft", "RotateRight", "RotateFlip", "PageRemove"};
    for (int i = 0; i < PanelButtonCount; ++i) {
        auto *button = new QToolButton(m_panel);
        button->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(icons[i])));
        button->setIconSize(QSize(48, 48));
        button->setAutoRaise(true);
        panelLayout->addWidget(button);
        m_buttons[size_t(i)] = button;
    }
    panelLayout->addStretch();

    m_view = new PhotoGraphicsView(splitter);
    m_view->setDragMode(QGraphicsView::ScrollHandDrag);
    m_view->setRenderHint(QPainter::SmoothPixmapTransform);
    m_view->setMouseTracking(true);
    m_view->setAcceptDrops(true);
    m_view->setBackgroundBrush(QBrush(Qt::transparent));
    m_view->viewport()->setAutoFillBackground(false);
    m_view->setFrameShape(QFrame::NoFrame);
    connect(m_view, &PhotoGraphicsView::droppedFiles, this, &ImageEditor::droppedFiles);

    splitter->addWidget(m_panel);
    splitter->addWidget(m_view);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    m_scene = new PhotoGraphicsScene(this);
    m_scene->setBackgroundBrush(QBrush(Qt::transparent));
    m_view->setScene(m_scene);
    m_scene->setView(m_view);

    const auto button = [this](PanelButton index) {
        return m_buttons[size_t(index)];
    };
    connect(button(RestoreButton), &QToolButton::clicked, this, &ImageEditor::panelUndo);
    connect(button(SmartCropButton), &QToolButton::clicked, this, &ImageEditor::panelSmartCrop);
    connect(button(BookSplitButton), &QToolButton::clicked, this, &ImageEditor::panelBookCrop);
    button(CropButton)->setCheckable(true);
    connect(button(CropButton), &QToolButton::toggled, this, &ImageEditor::panelCrop);
    connect(button(ContrastButton), &QToolButton::clicked, this, &ImageEditor::panelContrast);
    connect(button(RescanButton), &QToolButton::clicked, this, &ImageEditor::panelRescan);
    connect(button(SaveButton), &QToolButton::clicked, this, &ImageEditor::panelSave);
    connect(button(LeftButton), &QToolButton::clicked, this, &ImageEditor::panelLeft);
    connect(button(RightButton), &QToolButton::clicked, this, &ImageEditor::panelRight);
    connect(button(FlipButton), &QToolButton::clicked, this, &ImageEditor::panelFlip);
    connect(button(RemoveButton), &QToolButton::clicked, this, &ImageEditor::panelRemove);

    retranslateUi();
}

void ImageEditor::retranslateUi()
{
    m_buttons[RestoreButton]->setToolTip(tr("Restore Source Image"));
    m_buttons[SmartCropButton]->setToolTip(tr("Auto Cropping"));
    m_buttons[BookSplitButton]->setToolTip(tr("Split the book spread"));
    m_buttons[CropButton]->setToolTip(tr("Crop this image"));
    m_buttons[ContrastButton]->setToolTip(tr("Adjust contrast"));
    m_buttons[RescanButton]->setToolTip(tr("Rescan this page"));
    m_buttons[SaveButton]->setToolTip(tr("Save this page as the image"));
    m_buttons[LeftButton]->setToolTip(tr("Turn Left"));
    m_buttons[RightButton]->setToolTip(tr("Turn Right"));
    m_buttons[FlipButton]->setToolTip(tr("Flip this page"));
    m_buttons[RemoveButton]->setToolTip(tr("Delete this page"));
}

QToolButton *ImageEditor::panelButton(int index) const
{
    return index >= 0 && index < PanelButtonCount ? m_buttons[size_t(index)] : nullptr;
}

bool ImageEditor::loadImage(const QString &path)
{
    const QImage image = readImage(path);
    if (image.isNull())
        return false;
    m_path = path;
    showImage(image);
    return true;
}

void ImageEditor::loadImage(const QString &path, const QImage &image)
{
    if (image.isNull() && loadImage(path))
        return;
    m_path = path;
    showImage(image);
}

void ImageEditor::reloadImage()
{
    const QImage image = readImage(m_path);
    if (!image.isNull())
        showImage(image);
}

void ImageEditor::showImage(const QImage &image)
{
    if (image.isNull())
        return;
    m_view->resetTransform();
    m_image = image;
    setCropButtonChecked(false);
    m_lastCropRect = QRect();
    removePicture();

    m_pixmapItem = new PhotoPixmapItem(QPixmap::fromImage(m_image));
    m_scene->addItem(m_pixmapItem);
    m_view->setPageItem(m_pixmapItem);
    // The box of the last accepted crop, in picture coordinates, is offered again.
    QRectF saved;
    if (Settings::contains(SettingsKeys::CropLeft))
        saved = QRectF(Settings::readDouble(SettingsKeys::CropLeft, 0.0),
                       Settings::readDouble(SettingsKeys::CropTop, 0.0),
                       Settings::readDouble(SettingsKeys::CropWidth, 0.0),
                       Settings::readDouble(SettingsKeys::CropHeight, 0.0));
    m_cropBox =
        new CropBoxItem(PageOperations::initialCropBox(saved, m_image.size()), m_pixmapItem);
    m_cropBox->setZValue(2);
    m_cropBox->setPixelsPerCm(m_image.dotsPerMeterX() / 100.0);
    m_cropBox->hide();
    m_scene->setCropBox(m_cropBox);
    m_pixmapItem->setZValue(1);
    m_pixmapItem->setOffset(-(m_image.width() / 2), -(m_image.height() / 2));
    m_pixmapItem->resetTransform();

    if (Settings::readBool(SettingsKeys::KeepScale, false))
        applyScale(m_scale);
    else if (m_image.width() > m_view->width() || m_image.height() > m_view->height())
        fitInView();
    else
        zoom1to1();
}

void ImageEditor::clearImage()
{
    m_view->resetTransform();
    m_image = QImage();
    setCropButtonChecked(false);
    removePicture();
    m_scene->clear();
    m_scene->setSceneRect(QRectF());
}

void ImageEditor::removePicture()
{
    m_scene->setCropBox(nullptr);
    m_view->setPageItem(nullptr);
    delete m_pixmapItem; // takes its child, the crop box, along
    m_pixmapItem = nullptr;
    m_cropBox = nullptr;
}

void ImageEditor::setCropButtonChecked(bool on)
{
    const QSignalBlocker blocker(m_buttons[CropButton]);
    m_buttons[CropButton]->setChecked(on);
}

void ImageEditor::showAtScale()
{
    if (!m_pixmapItem)
        return;
    const qreal width = m_image.width() * m_scale;
    const qreal height = m_image.height() * m_scale;
    m_scene->setSceneRect(-width / 2, -height / 2, width, height);
    m_pixmapItem->setScale(m_scale);
    m_scene->update();
}

void ImageEditor::applyScale(qreal scale)
{
    m_scale = scale;
    showAtScale();
}

void ImageEditor::zoomBy(int step)
{
    if (!m_pixmapItem)
        return;
    m_scale = qBound(MinimumScale, m_scale + step * ZoomStep, MaximumScale);
    showAtScale();
    emit zoomed(m_scale);
}

void ImageEditor::zoomIn()
{
    zoomBy(CommandZoomSteps);
}

void ImageEditor::zoomOut()
{
    zoomBy(-CommandZoomSteps);
}

void ImageEditor::zoomFit()
{
    if (m_pixmapItem)
        fitInView();
}

void ImageEditor::fitInView()
{
    if (!m_pixmapItem)
        return;
    const QSizeF room = QSizeF(m_view->size() - QSize(FitBorder, FitBorder)).expandedTo({1, 1});
    const QSizeF fitted = QSizeF(m_image.size()).scaled(room, Qt::KeepAspectRatio);
    m_scale = fitted.width() / m_image.width();
    showAtScale();
    emit zoomed(m_scale);
}

void ImageEditor::zoom1to1()
{
    if (!m_pixmapItem)
        return;
    m_view->resetTransform();
    m_pixmapItem->resetTransform();
    m_scale = 1.0;
    showAtScale();
    m_view->centerOn(0, 0);
    emit zoomed(m_scale);
}

void ImageEditor::wheelEvent(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    // A delta of 0 (some touch pads end a gesture with one) counts as a turn forwards.
    zoomBy(delta < 0 ? -1 : 1);
    event->accept();
}

void ImageEditor::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_contextMenu) {
        event->ignore();
        return;
    }
    m_contextMenu->popup(event->globalPos());
    event->accept();
}

void ImageEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ImageEditor::cropping(bool on)
{
    setCropButtonChecked(on);
    if (m_cropBox)
        m_cropBox->setVisible(on);
}

bool ImageEditor::saveImage()
{
    if (!m_pixmapItem)
        return false;
    const bool written = PageOperations::save(
        m_image, m_path, Settings::readInt(SettingsKeys::JpegQuality, ProgramInfo::JpegQuality));
    showWorkingImage();
    return written;
}

void ImageEditor::showWorkingImage()
{
    m_pixmapItem->setPixmap(QPixmap::fromImage(m_image));
    // Integer halves, truncated: an odd size leaves the extra pixel right of and below the origin.
    m_pixmapItem->setOffset(-(m_image.width() / 2), -(m_image.height() / 2));
    m_pixmapItem->resetTransform();
    // The size may have changed: the scene follows at once so the view scrolls the new picture.
    showAtScale();
}

bool ImageEditor::rotateImage(int degrees)
{
    if (!m_pixmapItem)
        return false;
    // turned() keeps a 1-bit page 1-bit, so the file type chosen by saveImage() is the one the
    // page had before the turn.
    const QImage before = m_image;
    m_image = PageOperations::turned(m_image, degrees);
    if (!saveImage()) {
        // The file still holds the old picture, and so does the screen.
        m_image = before;
        showWorkingImage();
        return false;
    }

    // The box is kept within the new picture; its outline counts, so a box touching the
    // picture's edge is clipped too.
    const QRectF picture = m_pixmapItem->boundingRect();
    const QRectF outline = m_cropBox->mapRectToParent(m_cropBox->outlineRect());
    if (!picture.contains(outline))
        m_cropBox->setRect(m_cropBox->mapRectFromParent(outline.intersected(picture)));
    return true;
}

void ImageEditor::contrast()
{
    if (!m_brightnessDialog) {
        m_brightnessDialog = new BrightnessDlg(this);
        connect(m_brightnessDialog, &BrightnessDlg::applied, this, &ImageEditor::brightnessApplied);
        connect(m_brightnessDialog, &QDialog::finished, this, &ImageEditor::contrastClosed);
    }
    m_brightnessDialog->setWindowModality(Qt::WindowModal);
    m_brightnessDialog->open();
    m_brightnessDialog->setImage(m_image);
}

void ImageEditor::brightnessApplied()
{
    if (!m_pixmapItem || !m_brightnessDialog)
        return;
    const int brightness = m_brightnessDialog->brightness();
    const int contrast = m_brightnessDialog->contrast();
    const QImage before = m_image;
    // A 1-bit page is left as it is by the table, but saved all the same.
    BrightnessContrast::applyBrightnessContrast(m_image, brightness, contrast);
    if (!saveImage()) {
        m_image = before;
        showWorkingImage();
        emit contrastNotSaved();
        return;
    }
    emit contrastChanged(brightness, contrast);
}

bool ImageEditor::rotateLeft()
{
    return rotateImage(-90);
}

bool ImageEditor::rotateRight()
{
    return rotateImage(90);
}

bool ImageEditor::rotateFlip()
{
    return rotateImage(180);
}

bool ImageEditor::applyCrop()
{
    if (!m_cropBox || !m_cropBox->isVisible())
        return true; // nothing to cut, nothing lost
    const QRectF box = m_cropBox->rect();
    const QRect cut =
        PageOperations::cropRect(m_cropBox->mapToScene(box.topLeft()),
                                 m_cropBox->mapToScene(box.bottomRight()), m_scale, m_image.size());
    const QImage before = m_image;
    // Parts of the rectangle outside the image come out as zero-valued pixels.
    m_image = m_image.copy(cut);
    if (!saveImage()) {
        m_image = before;
        showWorkingImage();
        return false;
    }
    m_lastCropRect = cut;

    Settings::write(SettingsKeys::CropLeft, box.left());
    Settings::write(SettingsKeys::CropTop, box.top());
    Settings::write(SettingsKeys::CropWidth, box.width());
    Settings::write(SettingsKeys::CropHeight, box.height());

    // The box placed on the cut picture as it would be on the next page shown.
    m_cropBox->setRect(PageOperations::initialCropBox(box, m_image.size()));
    return true;
}
