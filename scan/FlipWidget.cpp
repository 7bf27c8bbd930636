#include "FlipWidget.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

FlipWidget::FlipWidget(QWidget *parent)
    : QWidget(parent)
    , m_modeLabel(new QLabel(this))
    , m_modes(new QComboBox(this))
    , m_angleLabel(new QLabel(this))
    , m_angles(new QComboBox(this))
{
    for (int value = 0; value < 4; ++value)
        m_modes->addItem(QString(), value);
    for (int value = 0; value < 3; ++value)
        m_angles->addItem(QString(), value);
    m_modeLabel->setBuddy(m_modes);
    m_angleLabel->setBuddy(m_angles);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_modeLabel);
    layout->addWidget(m_modes);
    layout->addSpacing(6);
    layout->addWidget(m_angleLabel);
    layout->addWidget(m_angles);

    connect(m_modes, &QComboBox::currentIndexChanged, this, &FlipWidget::modeChanged);
    retranslateUi();
    modeChanged(m_modes->currentIndex());
}

int FlipWidget::mode() const
{
    return m_modes->currentData().toInt();
}

int FlipWidget::angle() const
{
    return m_angles->currentData().toInt();
}

void FlipWidget::setMode(int value)
{
    const int index = m_modes->findData(value);
    if (index >= 0)
        m_modes->setCurrentIndex(index);
}

void FlipWidget::setAngle(int value)
{
    const int index = m_angles->findData(value);
    if (index >= 0)
        m_angles->setCurrentIndex(index);
}

void FlipWidget::modeChanged(int index)
{
    m_angles->setEnabled(m_modes->itemData(index).toInt() != 0);
}

void FlipWidget::retranslateUi()
{
    m_modeLabel->setText(tr("Rotate:"));
    m_modes->setItemText(0, tr("Don't rotate"));
    m_modes->setItemText(1, tr("Each page"));
    m_modes->setItemText(2, tr("Every odd page (1, 3, 5...)"));
    m_modes->setItemText(3, tr("Every even page (2, 4, 6...)"));
    m_angleLabel->setText(tr("Rotate Angle:"));
    m_angles->setItemText(0, tr("Flip"));
    m_angles->setItemText(1, tr("Turn Left"));
    m_angles->setItemText(2, tr("Turn Right"));
}

void FlipWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
