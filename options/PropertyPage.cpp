#include "PropertyPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PropertyPage::PropertyPage(const QString &pageName, QWidget *parent)
    : QWidget(parent)
    , m_pageName(pageName)
    , m_header(new QLabel(this))
    , m_description(new QLabel(this))
    , m_controls(new QVBoxLayout)
    , m_default(new QPushButton(this))
{
    setObjectName(pageName);
    m_header->setMinimumHeight(30);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_header->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E1E1E1, "
        "stop: 0.4 #DDDDDD,stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3); background-position: left "
        "top; border-style: solid; border-width: 1px; border-color: silver; border-radius: "
        "3px; color: black;"));
    m_description->setWordWrap(true);
    m_default->setMinimumWidth(120);
    connect(m_default, &QPushButton::clicked, this, &PropertyPage::byDefault);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_header);
    layout->addWidget(m_description);
    layout->addSpacing(12);
    layout->addLayout(m_controls);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_default);
    layout->addLayout(buttons);
    m_default->setText(tr("Default"));
}

void PropertyPage::setTitle(const QString &title)
{
    m_title = title;
    m_header->setText(QStringLiteral("<h3><center>") + title + QStringLiteral("</center></h3>"));
}

void PropertyPage::setDescription(const QString &text)
{
    m_description->setText(text);
}

void PropertyPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_default->setText(tr("Default"));
        retranslateUi();
    }
    QWidget::changeEvent(event);
}
