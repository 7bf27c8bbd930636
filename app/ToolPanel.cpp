#include "ToolPanel.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ToolPanel::ToolPanel(const QString &iconName, QWidget *parent)
    : QScrollArea(parent)
    , m_controls(new QVBoxLayout)
    , m_title(new QLabel)
    , m_accept(new QPushButton)
    , m_cancel(new QPushButton)
{
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(30);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral(".QLabel {color: white;}"));
    auto *shadow = new QGraphicsDropShadowEffect(m_title);
    shadow->setBlurRadius(0);
    shadow->setColor(QColor(QStringLiteral("#000000")));
    shadow->setOffset(2, 2);
    m_title->setGraphicsEffect(shadow);

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(iconName).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_accept);
    buttons->addWidget(m_cancel);

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(m_title);
    layout->addWidget(icon);
    layout->addLayout(m_controls);
    layout->addLayout(buttons);
    layout->addStretch(1);

    setWidget(content);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral(".QScrollArea {border: none;}"));
}

void ToolPanel::addControl(QWidget *control)
{
    m_controls->addWidget(control);
}

void ToolPanel::setTitle(const QString &title)
{
    m_title->setText(title);
}
