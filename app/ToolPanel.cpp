#include "ToolPanel.h"

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
    // A plain heading in the window's text colour: a heavy shadow clipped its first letter.
    QFont titleFont = m_title->font();
    titleFont.setWeight(QFont::DemiBold);
    titleFont.setPixelSize(TitlePixelSize);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);

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
