#include "app/ModePanels.h"

#include <QDial>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/ToolPanel.h"

ModePanels::ModePanels(std::function<void(int)> angleChanged)
    : m_cropPanel(new ToolPanel(QStringLiteral(":/images/Crop")))
    , m_autoCropButton(new QPushButton)
    , m_rotatePanel(new ToolPanel(QStringLiteral(":/images/RotateAngle")))
    , m_dial(new QDial)
    , m_angleBox(new QSpinBox)
{
    m_cropPanel->addControl(m_autoCropButton);
    m_dial->setRange(-89, 89);
    m_dial->setNotchesVisible(true);
    m_angleBox->setRange(-89, 89);
    setAngle(0);
    m_rotatePanel->addControl(m_dial);
    m_rotatePanel->addControl(m_angleBox);
    const auto follow = [this, angleChanged](int angle) {
        setAngle(angle);
        angleChanged(angle);
    };
    QObject::connect(m_dial, &QDial::valueChanged, m_dial, follow);
    QObject::connect(m_angleBox, &QSpinBox::valueChanged, m_angleBox, follow);
}

int ModePanels::angle() const
{
    return m_angleBox->value();
}

void ModePanels::setAngle(int angle)
{
    const QSignalBlocker box(m_angleBox);
    const QSignalBlocker dial(m_dial);
    m_angleBox->setValue(angle);
    m_dial->setValue(angle);
}

void ModePanels::retranslate()
{
    m_cropPanel->setTitle(tr("Crop Mode"));
    m_cropPanel->acceptButton()->setText(tr("Accept"));
    m_cropPanel->cancelButton()->setText(tr("Cancel"));
    m_autoCropButton->setText(QLatin1Char(' ') + tr("Auto Cropping") + QLatin1Char(' '));
    m_rotatePanel->setTitle(tr("Rotate Mode"));
    m_rotatePanel->acceptButton()->setText(tr("Accept"));
    m_rotatePanel->cancelButton()->setText(tr("Cancel"));
    m_angleBox->setSuffix(tr(" deg."));
}
