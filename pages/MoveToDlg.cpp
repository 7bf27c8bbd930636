#include "MoveToDlg.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

MoveToDlg::MoveToDlg(QWidget *parent)
    : QDialog(parent)
    , m_group(new QGroupBox(this))
    , m_label(new QLabel(this))
    , m_spin(new QSpinBox(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setModal(true);
    m_spin->setRange(1, 1);
    m_spin->setValue(1);
    m_spin->setMinimumWidth(80);

    auto *form = new QFormLayout(m_group);
    form->addRow(m_label, m_spin);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void MoveToDlg::setMaximum(int maximum)
{
    m_spin->setMaximum(qMax(1, maximum));
}

int MoveToDlg::value() const
{
    return m_spin->value();
}

void MoveToDlg::setValue(int value)
{
    m_spin->setValue(value);
}

void MoveToDlg::retranslateUi()
{
    setWindowTitle(tr("Move Page"));
    m_group->setTitle(tr("Move page to..."));
    m_label->setText(tr("New Page Number:"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}

void MoveToDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}
