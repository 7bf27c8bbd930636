#include "BusyIndicator.h"

#include <QPainter>

BusyIndicator::BusyIndicator(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyIndicator::advance);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TranslucentBackground);
}

void BusyIndicator::start()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void BusyIndicator::stop()
{
    m_timer.stop();
}

void BusyIndicator::advance()
{
    m_step = (m_step + 1) % BarCount;
    QWidget::update();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    const qreal outer = side / 2.0;
    const qreal barLength = outer * 0.45;
    const qreal barWidth = qMax<qreal>(2.0, side / 12.0);
    const QColor colour = palette().color(QPalette::Highlight);

    painter.translate(width() / 2.0, height() / 2.0);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < BarCount; ++i) {
        // The bar at m_step is opaque; the ones behind it fade out.
        const int age = (m_step - i + BarCount) % BarCount;
        QColor bar = colour;
        bar.setAlphaF(1.0 - 0.8 * age / (BarCount - 1.0));
        painter.save();
        painter.rotate(i * 360.0 / BarCount);
        painter.setBrush(bar);
        painter.drawRoundedRect(QRectF(-barWidth / 2.0, -outer, barWidth, barLength),
                                barWidth / 2.0, barWidth / 2.0);
        painter.restore();
    }
}
