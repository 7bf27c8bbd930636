#include "ribbon/RibbonBar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ribbon/RibbonPage.h"
#include "ribbon/RibbonSystemButton.h"
#include "ribbon/RibbonSystemPopupBar.h"
#include "ribbon/RibbonTabBar.h"

namespace {
constexpr int SideMargin = 6;
} // namespace

RibbonBar::RibbonBar(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAutoFillBackground(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(SideMargin, 0, SideMargin, SideMargin);
    layout->setSpacing(0);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setContentsMargins(0, 5, 0, 1);
    layout->addWidget(m_titleLabel);

    m_tabRow = new QHBoxLayout;
    m_tabRow->setContentsMargins(0, 2, 0, 0);
    m_tabRow->setSpacing(6);
    m_tabBar = new RibbonTabBar(this);
    m_tabRow->addWidget(m_tabBar, 0, Qt::AlignBottom);
    m_tabRow->addStretch(1);
    layout->addLayout(m_tabRow);

    m_stack = new QStackedWidget(this);
    // The ribbon may be narrower than its groups; the groups at the right are then cut off
    // instead of forcing a minimum width on the window.
    m_stack->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_stack->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_stack);

    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_stack->setCurrentIndex(index);
        emit currentPageChanged(index);
    });
    watchWindow();
}

RibbonPage *RibbonBar::addPage(const QString &title)
{
    auto *page = new RibbonPage(title, m_stack);
    m_pages.append(page);
    m_stack->addWidget(page);
    connect(page, &RibbonPage::titleChanged, this, [this, page](const QString &text) {
        const int index = int(m_pages.indexOf(page));
        if (index >= 0)
            m_tabBar->setTabText(index, text);
    });
    m_tabBar->addTab(title);
    return page;
}

RibbonPage *RibbonBar::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

void RibbonBar::setCurrentPage(int index)
{
    if (index >= 0 && index < m_pages.size())
        m_tabBar->setCurrentIndex(index);
}

int RibbonBar::currentPageIndex() const
{
    return m_tabBar->currentIndex();
}

QAction *RibbonBar::addSystemButton(const QIcon &icon, const QString &text)
{
    if (!m_systemAction) {
        m_systemButton = new RibbonSystemButton(this);
        m_systemAction = new QAction(this);
        m_systemAction->setMenu(new RibbonSystemPopupBar(this));
        m_systemButton->setMenu(m_systemAction->menu());
        connect(m_systemAction, &QAction::changed, this, &RibbonBar::updateSystemButton);
        m_tabRow->insertWidget(0, m_systemButton, 0, Qt::AlignVCenter);
    }
    m_systemAction->setIcon(icon);
    m_systemAction->setText(text);
    updateSystemButton();
    return m_systemAction;
}

QToolButton *RibbonBar::getSystemButton() const
{
    return m_systemButton;
}

void RibbonBar::updateSystemButton()
{
    // The button takes the action's text as is (not the ampersand-free icon text that
    // QToolButton::setDefaultAction() would use), so that its mnemonic keeps working.
    m_systemButton->setText(m_systemAction->text());
    m_systemButton->setIcon(m_systemAction->icon());
    m_systemButton->setEnabled(m_systemAction->isEnabled());
    m_systemButton->setVisible(m_systemAction->isVisible());
    m_systemButton->updateGeometry();
}

void RibbonBar::setTitleBarVisible(bool visible)
{
    m_titleBarVisible = visible;
    m_titleLabel->setVisible(visible);
    // Without the title row the tabs need a little air above them.
    m_tabRow->setContentsMargins(0, visible ? 2 : 5, 0, 0);
}

bool RibbonBar::event(QEvent *event)
{
    // QMainWindow::setMenuWidget() reparents the bar; follow the new window's title.
    if (event->type() == QEvent::ParentChange)
        watchWindow();
    return QWidget::event(event);
}

bool RibbonBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::WindowTitleChange)
        m_titleLabel->setText(m_watchedWindow->windowTitle());
    return QWidget::eventFilter(watched, event);
}

void RibbonBar::watchWindow()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = window();
    m_watchedWindow->installEventFilter(this);
    m_titleLabel->setText(m_watchedWindow->windowTitle());
}

QRect RibbonBar::panelRect() const
{
    return m_stack->geometry();
}

void RibbonBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    QColor border = palette().color(QPalette::Mid);
    border.setAlpha(170);
    painter.setPen(border);
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(panelRect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}
