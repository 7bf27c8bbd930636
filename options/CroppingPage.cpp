#include "CroppingPage.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Settings.h"

namespace {

constexpr double DefaultMarginCm = 0.2;

// In the order of the sides: left, top, right, bottom.
constexpr SettingsKeys::Key MarginKeys[] = {
    SettingsKeys::AutoMarginLeft, SettingsKeys::AutoMarginTop, SettingsKeys::AutoMarginRight,
    SettingsKeys::AutoMarginBottom};

} // namespace

CroppingPage::CroppingPage(QWidget *parent)
    : PropertyPage(QStringLiteral("CroppingPage"), parent)
    , m_margins(new QGroupBox(this))
{
    m_margins->setCheckable(true);
    m_margins->setChecked(true);
    for (size_t side = 0; side < m_boxes.size(); ++side) {
        m_labels[side] = new QLabel(m_margins);
        m_boxes[side] = new QDoubleSpinBox(m_margins);
        m_boxes[side]->setRange(0.0, 2.0);
        m_boxes[side]->setSingleStep(0.2);
        m_boxes[side]->setDecimals(1);
        m_boxes[side]->setValue(DefaultMarginCm);
        m_labels[side]->setBuddy(m_boxes[side]);
    }
    // Left and Right on the first row, Top and Bottom on the second.
    auto *grid = new QGridLayout(m_margins);
    const std::array<Side, 4> order{Left, Right, Top, Bottom};
    for (size_t i = 0; i < order.size(); ++i) {
        const int row = int(i) / 2;
        const int column = (int(i) % 2) * 2;
        grid->addWidget(m_labels[order[i]], row, column);
        grid->addWidget(m_boxes[order[i]], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    controls()->addWidget(m_margins);
    retranslateUi();
}

void CroppingPage::load()
{
    m_margins->setChecked(Settings::readBool(SettingsKeys::InsertAutoMargins, true));
    for (size_t side = 0; side < m_boxes.size(); ++side)
        m_boxes[side]->setValue(Settings::readDouble(MarginKeys[side], DefaultMarginCm));
}

void CroppingPage::save()
{
    Settings::write(SettingsKeys::InsertAutoMargins, m_margins->isChecked());
    for (size_t side = 0; side < m_boxes.size(); ++side)
        Settings::write(MarginKeys[side], m_boxes[side]->value());
}

void CroppingPage::byDefault()
{
    m_margins->setChecked(true);
    for (QDoubleSpinBox *box : m_boxes)
        box->setValue(DefaultMarginCm);
}

void CroppingPage::retranslateUi()
{
    setTitle(tr("Auto Cropping"));
    setDescription(tr("You can set the auto cropping settings."));
    m_margins->setTitle(tr("Insert Margins"));
    m_labels[Left]->setText(tr("Left"));
    m_labels[Top]->setText(tr("Top"));
    m_labels[Right]->setText(tr("Right"));
    m_labels[Bottom]->setText(tr("Bottom"));
    for (QDoubleSpinBox *box : m_boxes)
        box->setSuffix(tr(" cm"));
}
