#include "StatusProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

StatusProgress::StatusProgress(QStatusBar *bar)
    : m_label(new QLabel(bar))
    , m_progress(new QProgressBar(bar))
{
    m_progress->setMaximumWidth(220);
    m_progress->setTextVisible(true);
    bar->addWidget(m_label);
    bar->addWidget(m_progress);
    m_label->hide();
    m_progress->hide();
}

StatusProgress::~StatusProgress() = default;

void StatusProgress::begin(const QString &text, int total)
{
    m_label->setText(text);
    m_progress->setRange(0, qMax(1, total));
    m_progress->setValue(0);
    m_clock.start();
    m_running = true;
}

void StatusProgress::setValue(int done)
{
    if (!m_running)
        return;
    m_progress->setValue(qBound(0, done, m_progress->maximum()));
    if (!isShown() && m_clock.elapsed() >= ShowDelayMs) {
        m_label->show();
        m_progress->show();
    }
}

void StatusProgress::end()
{
    m_running = false;
    m_label->hide();
    m_progress->hide();
}

bool StatusProgress::isShown() const
{
    return m_progress->isVisibleTo(m_progress->parentWidget());
}
