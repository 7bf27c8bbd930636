#include "ScannerPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Settings.h"

ScannerPage::ScannerPage(QWidget *parent)
    : PropertyPage(QStringLiteral("ScannerPage"), parent)
    , m_sourceLabel(new QLabel(this))
    , m_source(new QComboBox(this))
    , m_acquireLabel(new QLabel(this))
    , m_acquire(new QComboBox(this))
    , m_deskew(new QCheckBox(this))
    , m_crop(new QCheckBox(this))
    , m_contrast(new QCheckBox(this))
    , m_preview(new QCheckBox(this))
    , m_upright(new QCheckBox(this))
{
    m_source->addItem(QString(), 0);
    m_source->addItem(QString(), 1);
    m_acquire->addItem(QString(), 0);
    m_acquire->addItem(QString(), 1);
    m_sourceLabel->setBuddy(m_source);
    m_acquireLabel->setBuddy(m_acquire);

    auto *lists = new QGridLayout;
    lists->addWidget(m_sourceLabel, 0, 0);
    lists->addWidget(m_source, 0, 1);
    lists->addWidget(m_acquireLabel, 1, 0);
    lists->addWidget(m_acquire, 1, 1);
    lists->setColumnStretch(1, 1);
    controls()->addLayout(lists);
    for (QCheckBox *box : {m_deskew, m_crop, m_contrast, m_preview, m_upright})
        controls()->addWidget(box);
    retranslateUi();
}

void ScannerPage::load()
{
    // Positions equal the stored values; an out-of-range value shows no entry.
    m_source->setCurrentIndex(Settings::readInt(SettingsKeys::PaperSource, 0));
    m_acquire->setCurrentIndex(Settings::readInt(SettingsKeys::AcquireImage, 0));
    m_deskew->setChecked(Settings::readBool(SettingsKeys::AutoDeskew, true));
    m_crop->setChecked(Settings::readBool(SettingsKeys::AutoCrop, true));
    m_contrast->setChecked(Settings::readBool(SettingsKeys::AutoContrast, true));
    m_preview->setChecked(Settings::readBool(SettingsKeys::Preview, false));
    m_upright->setChecked(Settings::readBool(SettingsKeys::AutoUpright, false));
}

void ScannerPage::save()
{
    Settings::write(SettingsKeys::PaperSource, m_source->currentData().toInt());
    Settings::write(SettingsKeys::AcquireImage, m_acquire->currentData().toInt());
    Settings::write(SettingsKeys::AutoDeskew, m_deskew->isChecked());
    Settings::write(SettingsKeys::AutoCrop, m_crop->isChecked());
    Settings::write(SettingsKeys::AutoContrast, m_contrast->isChecked());
    Settings::write(SettingsKeys::Preview, m_preview->isChecked());
    Settings::write(SettingsKeys::AutoUpright, m_upright->isChecked());
}

void ScannerPage::byDefault()
{
    m_source->setCurrentIndex(0);
    m_acquire->setCurrentIndex(0);
    m_deskew->setChecked(true);
    m_crop->setChecked(true);
    m_contrast->setChecked(true);
    m_preview->setChecked(false);
    m_upright->setChecked(false);
}

void ScannerPage::retranslateUi()
{
    setTitle(tr("Scanner"));
    setDescription(
        tr("You can change the scan options and select or deselect the document feeder."));
    m_sourceLabel->setText(tr("Paper Source:"));
    m_source->setItemText(0, tr("Flatbed (platen)"));
    m_source->setItemText(1, tr("Automatic Feeder (ADF)"));
    m_acquireLabel->setText(tr("Acquire:"));
    m_acquire->setItemText(0, tr("One image"));
    m_acquire->setItemText(1, tr("All available images"));
    m_deskew->setText(tr("Automatic &deskewing of scanned pages"));
    m_crop->setText(tr("Automatic &cropping of scanned pages"));
    m_contrast->setText(tr("Automatic c&ontrast adjustment of scanned pages"));
    m_preview->setText(tr("Scan with &preview"));
    m_upright->setText(tr("Turn pages upright automatically"));
}
