#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class BrightnessDlg;
class CropBoxItem;
class PhotoGraphicsScene;
class PhotoGraphicsView;
class PhotoPixmapItem;
class QFrame;
class QMenu;
class QToolButton;

// The large view of the current page: a column of page command buttons beside a view of the
// page's working image. It owns the full-resolution working image and the path of the file it
// came from; the turn and crop commands change that image here and save it back to the path.
//
// Coordinates: the picture's origin is the image centre, one unit per image pixel (the crop box
// lives there). The picture item carries the scale as its item scale and the view's transform
// stays the identity, so scene units are screen pixels.
class ImageEditor : public QWidget
{
    Q_OBJECT

public:
    // The panel buttons from top to bottom.
    enum PanelButton {
        RestoreButton,
        SmartCropButton,
        BookSplitButton,
        CropButton,
        ContrastButton,
        RescanButton,
        SaveButton,
        LeftButton,
        RightButton,
        FlipButton,
        RemoveButton,
        PanelButtonCount
    };

    explicit ImageEditor(QWidget *parent = nullptr);

    // Reads the file, remembers its path and shows it; true when it was read. A file that cannot
    // be read leaves the editor as it was.
    bool loadImage(const QString &path);
    // The page at path, whose picture the caller already holds (as just written): shown without
    // reading the file again.
    void loadImage(const QString &path, const QImage &image);
    // Reads the remembered path again and shows it; unreadable leaves the editor as it was.
    void reloadImage();
    // Shows a copy of the image as the working image: a new hidden crop box, the crop button
    // off, the last crop rectangle null, and the scale chosen by KeepScale.
    void showImage(const QImage &image);
    // Back to empty: no working image, no picture, no crop box. The path is kept.
    void clearImage();

    // Sets the scale (screen pixels per image pixel) and shows the picture at it; no zoomed().
    void applyScale(qreal scale);
    // Changes the scale by step x 0.05, kept within 0.05 to 2.0, and announces it.
    void zoomBy(int step);

    // The menu shown on a right click (not owned; may be null).
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    // Writes the working image to the remembered path (1-bit as TIFF, else JPEG at JpegQuality)
    // and puts it on screen. Returns the write result; false when no image is shown.
    bool saveImage();
    // Turns the working image by whole degrees (positive is clockwise on screen) and saves it.
    // False when nothing is shown or the file could not be written: then the picture on screen
    // stays the one in the file.
    bool rotateImage(int degrees);
    // Cuts the working image to the crop box and saves it, and remembers the box in the
    // settings (CropLeft... in picture coordinates). Only while the crop box is shown (true
    // without doing anything otherwise). False when the file could not be written: then
    // nothing changes.
    bool applyCrop();

    // The brightness dialog, once it has been opened (for tests).
    BrightnessDlg *brightnessDialog() const { return m_brightnessDialog; }

    // The working image; null when none.
    const QImage &image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    // The file the working image was loaded from and is saved to.
    QString path() const { return m_path; }
    // The pixel rectangle of the last crop; null after each newly shown image.
    QRect lastCropRect() const { return m_lastCropRect; }
    // Screen pixels per image pixel.
    qreal scale() const { return m_scale; }

    CropBoxItem *cropBox() const { return m_cropBox; }
    PhotoGraphicsView *view() const { return m_view; }
    PhotoGraphicsScene *scene() const { return m_scene; }
    QToolButton *panelButton(int index) const;

    // Former names, kept only until the main window calls clearImage(), applyScale() and
    // zoomFit().

signals:
    // Declared for the brightness commands; not emitted yet.
    void applied();
    // The brightness dialog's values reached the working image and its file.
    void contrastChanged(int brightness, int contrast);
    // The adjusted working image could not be written: the page is as it was.
    void contrastNotSaved();
    // The brightness dialog closed, applied or not (after contrastChanged when it was applied).
    void contrastClosed();
    void panelContrast();
    void panelCrop(bool on);
    void panelBookCrop();
    void panelSmartCrop();
    void panelRescan();
    void panelSave();
    void panelUndo();
    void panelFlip();
    void panelLeft();
    void panelRight();
    void panelRemove();
    void zoomed(qreal scale);
    void droppedFiles(const QStringList &files);

public slots:
    // Quarter and half turns; false as for rotateImage().
    bool rotateLeft();
    bool rotateRight();
    bool rotateFlip();
    void zoomFit();
    // 25% larger or smaller (the wheel steps by 5%).
    void zoomIn();
    void zoomOut();
    // Shows or hides the crop box and sets the crop button to match, without its toggled().
    void cropping(bool on);
    // Fits the whole picture into the view less a 10-pixel border and announces the scale.
    void fitInView();
    // One image pixel per screen pixel, centred; announces the scale.
    void zoom1to1();
    // Opens the brightness dialog window-modally on the working image.
    void contrast();
    // Applies the dialog's values to the full-size working image and saves it.
    void brightnessApplied();

protected:
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QToolButton *addPanelButton(const QString &icon);
    void retranslateUi();
    // Scene rectangle and item scale for the current scale and image size.
    void showAtScale();
    // Puts the working image on screen, centred on the scene origin.
    void showWorkingImage();
    void setCropButtonChecked(bool on);
    // Removes the picture and its crop box from the scene, forgetting both.
    void removePicture();

    QFrame *m_panel = nullptr;
    QRect m_lastCropRect;
    QMenu *m_contextMenu = nullptr;
    QString m_path;
    qreal m_scale = 1.0;
    QImage m_image;
    PhotoGraphicsView *m_view = nullptr;
    PhotoGraphicsScene *m_scene = nullptr;
    PhotoPixmapItem *m_pixmapItem = nullptr;
    CropBoxItem *m_cropBox = nullptr;
    std::array<QToolButton *, PanelButtonCount> m_buttons{};
    BrightnessDlg *m_brightnessDialog = nullptr;
};
