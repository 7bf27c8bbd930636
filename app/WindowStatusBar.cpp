#include "app/WindowStatusBar.h"

#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>

#include <cmath>

#include "app/StatusProgress.h"
#include "core/Settings.h"
#include "ribbon/FusionStyle.h"
#include "ribbon/RibbonSliderPane.h"

WindowStatusBar::WindowStatusBar(QStatusBar *bar, QWidget *window)
{
    const auto label = [window](int leftMargin) {
        auto *result = new QLabel(window);
        result->setContentsMargins(leftMargin, 0, 0, 0);
        return result;
    };
    const auto separator = [window] {
        auto *line = new QFrame(window);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    };
    m_sizeLabel = label(6);
    m_resolutionLabel = label(6);
    m_physicalLabel = label(6);
    m_pageCountCaption = label(6);
    m_pageCountValue = label(0);
    m_selectedCaption = label(6);
    m_selectedValue = label(0);
    m_scaleCaption = label(0);
    m_scaleCaption->setContentsMargins(3, 0, 0, 0);
    m_scaleBox = new QSpinBox(window);
    m_scaleBox->setRange(5, 200);
    m_scaleBox->setSuffix(QStringLiteral("%"));
    m_scaleBox->setValue(100);
    m_keepScale = new QCheckBox(window);
    m_keepScale->setStyle(FusionStyle::shared());
    m_thumbSlider = new RibbonSliderPane(window);
    m_thumbSlider->setScrollButtons(true);
    m_thumbSlider->setRange(100, 300);
    m_thumbSlider->setSingleStep(50);
    m_thumbSlider->setMinimumWidth(100);
    m_thumbSlider->setMaximumWidth(130);
    m_thumbSlider->setSliderPosition(200);

    for (QWidget *widget :
         {static_cast<QWidget *>(m_sizeLabel), static_cast<QWidget *>(m_resolutionLabel),
          static_cast<QWidget *>(m_physicalLabel)})
        bar->addPermanentWidget(widget);
    bar->addPermanentWidget(separator());
    bar->addPermanentWidget(m_pageCountCaption);
    bar->addPermanentWidget(m_pageCountValue);
    bar->addPermanentWidget(m_selectedCaption);
    bar->addPermanentWidget(m_selectedValue);
    bar->addPermanentWidget(separator());
    bar->addPermanentWidget(m_scaleCaption);
    bar->addPermanentWidget(m_scaleBox);
    bar->addPermanentWidget(m_keepScale);
    bar->addPermanentWidget(separator());
    bar->addPermanentWidget(m_thumbSlider);

    m_progress = std::make_unique<StatusProgress>(bar);
    showCounts(0, 0);
    showImageInfo(nullptr);
}

WindowStatusBar::~WindowStatusBar() = default;

void WindowStatusBar::showImageInfo(const QImage *image)
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

void WindowStatusBar::showCounts(int pages, int checked)
{
    m_pageCountValue->setText(QString::number(pages));
    showChecked(checked);
}

void WindowStatusBar::showChecked(int checked)
{
    m_selectedValue->setText(QString::number(checked));
}

void WindowStatusBar::showScale(qreal factor)
{
    const QSignalBlocker blocker(m_scaleBox);
    m_scaleBox->setValue(int(std::round(factor * 100)));
}

void WindowStatusBar::restore()
{
    m_keepScale->setChecked(Settings::readBool(SettingsKeys::KeepScale, false));
    m_scaleBox->setValue(Settings::readInt(SettingsKeys::ImageScale, 100));
}

void WindowStatusBar::save() const
{
    Settings::write(SettingsKeys::KeepScale, m_keepScale->isChecked());
    Settings::write(SettingsKeys::ImageScale, m_scaleBox->value());
}

void WindowStatusBar::retranslate()
{
    m_pageCountCaption->setText(tr("Page count:"));
    m_selectedCaption->setText(tr("Selected:"));
    m_scaleCaption->setText(tr("Scale: "));
    m_keepScale->setText(tr("Keep scale"));
}
