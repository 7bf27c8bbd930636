#pragma once

#include <QCoreApplication>

#include <memory>

class QCheckBox;
class QImage;
class QLabel;
class QSpinBox;
class QStatusBar;
class QWidget;
class RibbonSliderPane;
class StatusProgress;

// The main window's status bar: the current page's size, resolution and physical size, the page
// and checked counts, the editor's scale with "Keep scale", the thumbnail size slider, and the
// progress of a long page operation. The widgets are the window's children, placed in its bar;
// the window wires the controls to its slots.
class WindowStatusBar
{
    // The texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    WindowStatusBar(QStatusBar *bar, QWidget *window);
    ~WindowStatusBar();

    // Null or an empty image: zeros.
    void showImageInfo(const QImage *image);
    void showCounts(int pages, int checked);
    void showChecked(int checked);
    // The editor's scale, without a signal from the box.
    void showScale(qreal factor);
    // "Keep scale" and the scale from the settings, and back.
    void restore();
    void save() const;
    void retranslate();

    QSpinBox *scaleBox() const { return m_scaleBox; }
    QCheckBox *keepScale() const { return m_keepScale; }
    RibbonSliderPane *thumbSlider() const { return m_thumbSlider; }
    StatusProgress &progress() const { return *m_progress; }

private:
    QLabel *m_sizeLabel;
    QLabel *m_resolutionLabel;
    QLabel *m_physicalLabel;
    QLabel *m_pageCountCaption;
    QLabel *m_pageCountValue;
    QLabel *m_selectedCaption;
    QLabel *m_selectedValue;
    QLabel *m_scaleCaption;
    QSpinBox *m_scaleBox;
    QCheckBox *m_keepScale;
    RibbonSliderPane *m_thumbSlider;
    std::unique_ptr<StatusProgress> m_progress;
};
