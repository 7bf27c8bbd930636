#include "ScanResPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Settings.h"
#include "scan/ScanDefaults.h"

namespace {

constexpr int Resolutions[] = {75, 100, 150, 200, 300, 400, 600, 1200};

} // namespace

ScanResPage::ScanResPage(QWidget *parent)
    : PropertyPage(QStringLiteral("ScanResPage"), parent)
{
    auto *grid = new QGridLayout;
    for (size_t row = 0; row < m_lists.size(); ++row) {
        m_labels[row] = new QLabel(this);
        m_lists[row] = new QComboBox(this);
        m_units[row] = new QLabel(this);
        m_lists[row]->setMinimumWidth(100);
        for (int dpi : Resolutions)
            m_lists[row]->addItem(QString::number(dpi), dpi);
        m_labels[row]->setBuddy(m_lists[row]);
        grid->addWidget(m_labels[row], int(row), 0);
        grid->addWidget(m_lists[row], int(row), 1);
        grid->addWidget(m_units[row], int(row), 2);
    }
    grid->setColumnStretch(3, 1);
    controls()->addLayout(grid);
    retranslateUi();
}

void ScanResPage::select(QComboBox *list, int dpi)
{
    const int index = list->findData(dpi);
    if (index >= 0)
        list->setCurrentIndex(index);
}

void ScanResPage::load()
{
    for (size_t row = 0; row < m_lists.size(); ++row)
        select(m_lists[row], ScanDefaults::dpi(ScanDefaults::Qualities[row]));
}

void ScanResPage::save()
{
    for (size_t row = 0; row < m_lists.size(); ++row)
        Settings::write(ScanDefaults::Qualities[row].key, m_lists[row]->currentData().toInt());
}

void ScanResPage::byDefault()
{
    for (size_t row = 0; row < m_lists.size(); ++row)
        select(m_lists[row], ScanDefaults::Qualities[row].defaultDpi);
}

void ScanResPage::retranslateUi()
{
    setTitle(tr("Resolution"));
    setDescription(tr("You can change the scanning resolution for each of the modes. The higher "
                      "the scanning resolution, the better the image quality, but it reduces "
                      "the scanning speed."));
    m_labels[0]->setText(tr("Middle:"));
    m_labels[1]->setText(tr("Good:"));
    m_labels[2]->setText(tr("High:"));
    for (QLabel *unit : m_units)
        unit->setText(tr("dpi"));
}
