#pragma once

#include <QDialog>
#include <QImage>

class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QSlider;
class QVBoxLayout;
class QDialogButtonBox;

// "Brightness / Contrast": the page before and after, side by side, while two vertical sliders
// (-100 to 100) move; OK hands the values on through applied(). The preview works on a copy of
// the page reduced to the view's size, so a slider is followed at once even on a large page.
// Each opening starts at 0 and 0; nothing is remembered between openings.
class BrightnessDlg : public QDialog
{
    Q_OBJECT

public:
    explicit BrightnessDlg(QWidget *parent = nullptr);
    ~BrightnessDlg() override;

    // The image to adjust: both sliders back to 0 and a fresh preview of it.
    void setImage(const QImage &image);
    int brightness() const;
    int contrast() const;

    // The adjusted preview (null while no image is set).
    const QImage &preview() const { return m_destination; }
    // A slider value as its label shows it: three digits, "-05" for -5, "042" for 42.
    static QString valueText(int value);

Q_SIGNALS:
    void applied();

public Q_SLOTS:
    void brightnessChanged(int value);
    void contrastChanged(int value);
    void apply();

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // An icon over a slider over its value label.
    QVBoxLayout *sliderColumn(const QString &icon, QSlider **slider, QLabel **value);
    void updatePreview();
    void retranslateUi();

    QImage m_source;
    QImage m_destination;
    QGraphicsView *m_sourceView = nullptr;
    QGraphicsView *m_destinationView = nullptr;
    QGraphicsScene *m_sourceScene;
    QGraphicsScene *m_destinationScene;
    QGraphicsPixmapItem *m_sourceItem = nullptr;
    QGraphicsPixmapItem *m_destinationItem = nullptr;
    QSlider *m_brightness = nullptr;
    QSlider *m_contrast = nullptr;
    QLabel *m_brightnessValue = nullptr;
    QLabel *m_contrastValue = nullptr;
    QLabel *m_sourceTitle = nullptr;
    QLabel *m_destinationTitle = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
