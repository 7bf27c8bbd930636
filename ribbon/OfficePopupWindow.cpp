#include "ribbon/OfficePopupWindow.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ribbon/LineIcon.h"

namespace {

constexpr int CornerMargin = 12;  // from the window's right edge and the status bar
constexpr int StackSpacing = 8;   // between stacked pop-ups
constexpr int SlideDistance = 24; // how far a sliding pop-up rises into place
constexpr int MinimumWidth = 280;
constexpr int MinimumResumeTime = 1000; // left to read after the mouse leaves, in ms

QIcon closeIcon(const QColor &colour)
{
    constexpr qreal Size = 12;
    return lineIcon(
        int(Size), colour, 1.4,
        {QLineF(2.5, 2.5, Size - 2.5, Size - 2.5), QLineF(Size - 2.5, 2.5, 2.5, Size - 2.5)});
}

} // namespace

OfficePopupWindow::OfficePopupWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(14, 10, 10, 14);
    m_layout->setSpacing(6);

    m_titleRow = new QWidget(this);
    auto *titleLayout = new QHBoxLayout(m_titleRow);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(6);
    m_titleLabel = new QLabel(m_titleRow);
    m_titleLabel->setTextFormat(Qt::AutoText);
    QFont titleFont = m_titleLabel->font();
    titleFont.setWeight(QFont::DemiBold);
    m_titleLabel->setFont(titleFont);
    titleLayout->addWidget(m_titleLabel, 1);
    m_closeButton = new QToolButton(m_titleRow);
    m_closeButton->setAutoRaise(true);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setIcon(closeIcon(palette().color(QPalette::WindowText)));
    m_closeButton->setIconSize(QSize(12, 12));
    m_closeButton->setToolTip(tr("Close"));
    titleLayout->addWidget(m_closeButton, 0, Qt::AlignTop);
    m_layout->addWidget(m_titleRow);
    connect(m_closeButton, &QToolButton::clicked, this, &OfficePopupWindow::closePopup);

    m_displayTimer.setSingleShot(true);
    connect(&m_displayTimer, &QTimer::timeout, this, &OfficePopupWindow::closePopup);
}

void OfficePopupWindow::setCentralWidget(QWidget *widget)
{
    if (widget == m_centralWidget)
        return;
    delete m_centralWidget;
    m_centralWidget = widget;
    if (widget)
        m_layout->addWidget(widget, 1);
}

void OfficePopupWindow::setTitleText(const QString &text)
{
    m_titleLabel->setText(text);
}

QString OfficePopupWindow::titleText() const
{
    return m_titleLabel->text();
}

void OfficePopupWindow::setTitleCloseButtonVisible(bool visible)
{
    m_closeButton->setVisible(visible);
}

void OfficePopupWindow::setAnimation(int kind)
{
    m_animationKind = kind;
}

void OfficePopupWindow::setAnimationSpeed(int milliseconds)
{
    m_animationSpeed = qMax(0, milliseconds);
}

void OfficePopupWindow::setDisplayTime(int milliseconds)
{
    m_displayTime = milliseconds;
}

void OfficePopupWindow::setTransparency(qreal opacity)
{
    m_opacity = qBound(0.0, opacity, 1.0);
    if (isVisible() && !m_closing && !m_animation)
        setWindowOpacity(m_opacity);
}

void OfficePopupWindow::setDragDropEnabled(bool enabled)
{
    m_dragEnabled = enabled;
}

bool OfficePopupWindow::fades() const
{
    return m_animationKind != NoAnimation && m_animationSpeed > 0;
}

bool OfficePopupWindow::slides() const
{
    return (m_animationKind == SlideAnimation || m_animationKind == FadeSlideAnimation) &&
           m_animationSpeed > 0;
}

QRect OfficePopupWindow::availableArea() const
{
    // The host window's inside, in global coordinates, without a visible status bar.
    QRect area(m_host->mapToGlobal(QPoint(0, 0)), m_host->size());
    const auto bars = m_host->findChildren<QStatusBar *>(Qt::FindDirectChildrenOnly);
    for (const QStatusBar *bar : bars) {
        if (bar->isVisible())
            area.setBottom(qMin(area.bottom(), bar->mapToGlobal(QPoint(0, 0)).y() - 1));
    }
    return area;
}

QRect OfficePopupWindow::placement() const
{
    const QRect area =
        availableArea().adjusted(CornerMargin, CornerMargin, -CornerMargin, -CornerMargin);
    // Never narrower than the content's minimum, or the text runs under the picture or past the
    // edge.
    const int wanted = qMax(qMax(sizeHint().width(), minimumSizeHint().width()), MinimumWidth);
    const int width = qMin(wanted, qMax(area.width(), 1));
    const int height = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();

    // Above every other pop-up of the same window that is still on screen.
    int bottom = area.bottom();
    const auto others =
        parentWidget()->findChildren<OfficePopupWindow *>(Qt::FindDirectChildrenOnly);
    for (const OfficePopupWindow *other : others) {
        if (other != this && other->m_shown)
            bottom = qMin(bottom, other->m_target.top() - StackSpacing - 1);
    }
    const int top = qMax(area.top(), bottom - height + 1);
    return QRect(area.right() - width + 1, top, width, height);
}

bool OfficePopupWindow::showPopup()
{
    if (m_shown || m_closing || !parentWidget())
        return false;
    m_host = parentWidget()->window();
    m_host->installEventFilter(this);

    ensurePolished();
    m_target = placement();
    m_offset = m_target.topLeft() - availableArea().bottomRight();
    m_shown = true;

    const QPoint start = m_target.topLeft() + QPoint(0, slides() ? SlideDistance : 0);
    setGeometry(QRect(start, m_target.size()));
    setWindowOpacity(fades() ? 0.0 : m_opacity);
    show();

    if (!fades()) {
        startDisplayTimer(m_displayTime);
        return true;
    }
    m_animation = new QParallelAnimationGroup(this);
    auto *opacity = new QPropertyAnimation(this, "windowOpacity", m_animation);
    opacity->setDuration(m_animationSpeed);
    opacity->setStartValue(0.0);
    opacity->setEndValue(m_opacity);
    m_animation->addAnimation(opacity);
    if (slides()) {
        auto *slide = new QPropertyAnimation(this, "pos", m_animation);
        slide->setDuration(m_animationSpeed);
        slide->setStartValue(start);
        slide->setEndValue(m_target.topLeft());
        slide->setEasingCurve(QEasingCurve::OutCubic);
        m_animation->addAnimation(slide);
    }
    connect(m_animation, &QAbstractAnimation::finished, this, [this] {
        m_animation->deleteLater();
        m_animation = nullptr;
        startDisplayTimer(m_displayTime);
    });
    m_animation->start();
    return true;
}

void OfficePopupWindow::startDisplayTimer(int milliseconds)
{
    if (m_displayTime <= 0 || m_closing)
        return;
    if (m_hovered)
        m_remainingTime = milliseconds; // starts when the mouse leaves
    else
        m_displayTimer.start(milliseconds);
}

void OfficePopupWindow::closePopup()
{
    if (m_closing)
        return;
    m_closing = true;
    m_displayTimer.stop();
    emit aboutToClose();

    if (m_animation) {
        m_animation->disconnect(this);
        m_animation->stop();
        m_animation->deleteLater();
        m_animation = nullptr;
    }
    if (!isVisible() || !fades()) {
        finishClosing();
        return;
    }
    m_animation = new QParallelAnimationGroup(this);
    auto *opacity = new QPropertyAnimation(this, "windowOpacity", m_animation);
    opacity->setDuration(m_animationSpeed);
    opacity->setEndValue(0.0);
    m_animation->addAnimation(opacity);
    if (slides()) {
        auto *slide = new QPropertyAnimation(this, "pos", m_animation);
        slide->setDuration(m_animationSpeed);
        slide->setEndValue(pos() + QPoint(0, SlideDistance / 2));
        slide->setEasingCurve(QEasingCurve::InCubic);
        m_animation->addAnimation(slide);
    }
    connect(m_animation, &QAbstractAnimation::finished, this, &OfficePopupWindow::finishClosing);
    m_animation->start();
}

void OfficePopupWindow::finishClosing()
{
    hide();
    m_shown = false;
    if (m_host)
        m_host->removeEventFilter(this);
    emit closed();
    deleteLater();
}

bool OfficePopupWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Keeps its place in the corner when the window is moved or resized.
    if (watched == m_host && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        m_shown && !m_closing && !m_animation) {
        m_target.moveTopLeft(availableArea().bottomRight() + m_offset);
        move(m_target.topLeft());
    }
    return QWidget::eventFilter(watched, event);
}

void OfficePopupWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.fillRect(QRect(0, 0, width(), 3), palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OfficePopupWindow::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    if (m_displayTimer.isActive()) {
        m_remainingTime = m_displayTimer.remainingTime();
        m_displayTimer.stop();
    }
}

void OfficePopupWindow::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    if (m_remainingTime > 0 && !m_closing) {
        m_displayTimer.start(qMax(m_remainingTime, qMin(m_displayTime, MinimumResumeTime)));
        m_remainingTime = 0;
    }
}

void OfficePopupWindow::mousePressEvent(QMouseEvent *event)
{
    const bool onTitle = event->position().y() < m_titleRow->geometry().bottom() + 1;
    if (m_dragEnabled && onTitle && event->button() == Qt::LeftButton && !m_closing) {
        m_dragging = true;
        m_dragGrab = event->position().toPoint();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void OfficePopupWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (m_animation) {
        m_animation->stop();
        m_animation->deleteLater();
        m_animation = nullptr;
        setWindowOpacity(m_opacity);
        startDisplayTimer(m_displayTime);
    }
    move(event->globalPosition().toPoint() - m_dragGrab);
    m_target.moveTopLeft(pos());
    m_offset = m_target.topLeft() - availableArea().bottomRight();
}

void OfficePopupWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
