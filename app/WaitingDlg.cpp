#include "WaitingDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ribbon/BusyIndicator.h"

WaitingDlg::WaitingDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_indicator(new BusyIndicator(this))
    , m_label(new QLabel(this))
    , m_cancel(new QPushButton(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(500, 100);

    QFont font = m_label->font();
    font.setPointSize(14);
    font.setBold(true);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignCenter);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(16);
    layout->addStretch(1);
    layout->addWidget(m_indicator, 0, Qt::AlignVCenter);
    layout->addWidget(m_label, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(m_cancel, 0, Qt::AlignVCenter);
    m_cancel->setText(tr("Cancel"));
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        m_cancel->setEnabled(false);
    });
}

void WaitingDlg::setCancellable(bool cancellable)
{
    m_cancel->setVisible(cancellable);
}

void WaitingDlg::setText(const QString &text)
{
    m_label->setText(text);
    show();
}

QString WaitingDlg::text() const
{
    return m_label->text();
}

bool WaitingDlg::isIndicatorRunning() const
{
    return m_indicator->isAnimating();
}

void WaitingDlg::showEvent(QShowEvent *event)
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_indicator->start();
    QDialog::showEvent(event);
}

void WaitingDlg::hideEvent(QHideEvent *event)
{
    QTimer::singleShot(StopDelayMs, m_indicator, &BusyIndicator::stop);
    QDialog::hideEvent(event);
}

void WaitingDlg::finish()
{
    m_finishing = true;
    close();
}

void WaitingDlg::closeEvent(QCloseEvent *event)
{
    // Only finish() closes the window; a close from the window manager is refused.
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void WaitingDlg::reject()
{
    // Escape would reject (hide) a dialog: it cancels when that is offered, and the operation
    // closes the window once it has stopped.
    if (m_finishing)
        QDialog::reject();
    else if (m_cancel->isVisible())
        m_cancel->click();
}

void WaitingDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
