#include "app/ScanChoosers.h"

#include <QComboBox>
#include <QInputDialog>
#include <QSignalBlocker>

#include "core/Settings.h"
#include "scan/ScanDefaults.h"

ScanChoosers::ScanChoosers(QComboBox *colour, QComboBox *quality)
    : m_colour(colour)
    , m_quality(quality)
{
    QObject::connect(colour, &QComboBox::currentIndexChanged, colour, [colour](int index) {
        Settings::write(SettingsKeys::Grayscale, colour->itemData(index));
    });
    QObject::connect(quality, &QComboBox::currentIndexChanged, quality, [quality](int index) {
        Settings::write(SettingsKeys::Resolution, quality->itemData(index));
        Settings::write(SettingsKeys::QualityIndex, index);
    });
}

void ScanChoosers::fill()
{
    {
        const QSignalBlocker blockColour(m_colour);
        const QSignalBlocker blockQuality(m_quality);
        m_colour->clear();
        m_quality->clear();
        m_colour->addItem(tr("Black-White"), 1);
        m_colour->addItem(tr("Grayscale"), 2);
        m_colour->addItem(tr("Photo Color"), 4);
        m_quality->addItem(tr("Middle"), ScanDefaults::dpi(ScanDefaults::Middle));
        m_quality->addItem(tr("Good"), ScanDefaults::dpi(ScanDefaults::Good));
        m_quality->addItem(tr("High"), ScanDefaults::dpi(ScanDefaults::High));
    }
    restore();
}

void ScanChoosers::refreshQualities()
{
    {
        const QSignalBlocker blocker(m_quality);
        for (int i = 0; i < int(ScanDefaults::Qualities.size()); ++i)
            m_quality->setItemData(i, ScanDefaults::dpi(ScanDefaults::Qualities[size_t(i)]));
    }
    restore();
}

void ScanChoosers::restore()
{
    const QSignalBlocker blockQuality(m_quality);
    const QSignalBlocker blockColour(m_colour);
    const int qualityIndex = Settings::readInt(SettingsKeys::QualityIndex, 1);
    if (qualityIndex >= 0 && qualityIndex < m_quality->count())
        m_quality->setCurrentIndex(qualityIndex);
    const int colourIndex = m_colour->findData(Settings::readInt(SettingsKeys::Grayscale, 2));
    if (colourIndex >= 0)
        m_colour->setCurrentIndex(colourIndex);
}

void ScanChoosers::askScanner(QWidget *parent, const QStringList &names, int current,
                              const std::function<void(int)> &chosen)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Select Scanner"));
    dialog->setLabelText(tr("Scanner:"));
    dialog->setComboBoxItems(names);
    dialog->setComboBoxEditable(false);
    dialog->setTextValue(names.value(qMax(0, current)));
    QObject::connect(dialog, &QInputDialog::textValueSelected, dialog,
                     [names, chosen](const QString &picked) {
                         const int index = int(names.indexOf(picked));
                         if (index >= 0)
                             chosen(index);
                     });
    dialog->open();
}
