#include "TimerPage.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QShortcut>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QWizard>

#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "scan/AutoScanWizard.h"
#include "scan/ScanDefaults.h"

namespace {

// Button texts get a space on each side, which widens the wizard's narrow buttons.
QString padded(const QString &text)
{
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}

} // namespace

TimerPage::TimerPage(QWidget *parent)
    : QWizardPage(parent)
    , m_countdown(new QLabel(this))
{
    QFont font = m_countdown->font();
    font.setBold(true);
    font.setPixelSize(120);
    font.setStyleStrategy(QFont::PreferAntialias);
    m_countdown->setFont(font);
    m_countdown->setAlignment(Qt::AlignCenter);
    QPalette palette = m_countdown->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_countdown->setPalette(palette);
    auto *shadow = new QGraphicsDropShadowEffect(m_countdown);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(0);
    shadow->setColor(Qt::black);
    m_countdown->setGraphicsEffect(shadow);

    auto *layout = new QVBoxLayout(this);
    layout->addSpacing(24);
    layout->addWidget(m_countdown);
    layout->addStretch(1);

    // Window-wide keys that only act while this page is the one shown; they come before the
    // focused button, so Space pauses the count instead of pressing it.
    new QShortcut(Qt::Key_Space, this, this, &TimerPage::toggleTimer);
    new QShortcut(Qt::Key_Enter, this, this, &TimerPage::toScan);
    new QShortcut(Qt::Key_Return, this, this, &TimerPage::toScan);
    retranslateUi();
}

void TimerPage::initializePage()
{
    QWizard *wizard = this->wizard();
    wizard->setButtonLayout(
        {QWizard::CustomButton1, QWizard::Stretch, QWizard::CustomButton2, QWizard::FinishButton});
    wizard->setOption(QWizard::NoDefaultButton, true);
    wizard->setButtonText(QWizard::CustomButton2, padded(tr("Scan &Now >")));
    connect(wizard->button(QWizard::CustomButton1), &QAbstractButton::clicked, this,
            &TimerPage::toggleTimer, Qt::UniqueConnection);
    connect(wizard->button(QWizard::CustomButton2), &QAbstractButton::clicked, this,
            &TimerPage::toScan, Qt::UniqueConnection);
    m_seconds = ScanDefaults::autoScanSeconds();
    m_paused = false;
    setToggleText();
    showSeconds();
    if (m_timerId)
        killTimer(m_timerId);
    m_timerId = startTimer(TickMs);
}

void TimerPage::cleanupPage()
{
    stop();
}

void TimerPage::stop()
{
    if (m_timerId)
        killTimer(m_timerId);
    m_timerId = 0;
    m_paused = false;
    if (QWizard *wizard = this->wizard())
        wizard->setWindowTitle(QString(ProgramInfo::ApplicationName));
}

QString TimerPage::countdownText() const
{
    return QStringLiteral("%1").arg(qMax(m_seconds, 0), 2, 10, QLatin1Char('0'));
}

void TimerPage::toggleTimer()
{
    if (!m_timerId)
        return;
    m_paused = !m_paused;
    setToggleText();
}

void TimerPage::toScan()
{
    if (!m_timerId)
        return;
    stop();
    QWizard *wizard = this->wizard();
    wizard->setStartId(AutoScanWizard::ScanPageId);
    wizard->restart();
}

void TimerPage::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        QWizardPage::timerEvent(event);
        return;
    }
    if (m_paused)
        return;
    --m_seconds;
    if (m_seconds >= 0) {
        showSeconds();
        return;
    }
    toScan();
}

void TimerPage::showSeconds()
{
    const QString digits = countdownText();
    m_countdown->setText(digits);
    wizard()->setWindowTitle(
        QStringLiteral("%1 - %2").arg(digits, QString(ProgramInfo::ApplicationName)));
}

void TimerPage::setToggleText()
{
    if (QWizard *wizard = this->wizard())
        wizard->setButtonText(QWizard::CustomButton1,
                              padded(m_paused ? tr("&Resume Timer") : tr("&Stop Timer")));
}

void TimerPage::retranslateUi()
{
    setTitle(tr("Waiting"));
    setSubTitle(tr("Next scan will begin soon. Change page in the scanner.<br>Press "
                   "<b>SPACE</b> to pause timer. Press <b>ENTER</b> to run Scan Now."));
    if (QWizard *wizard = this->wizard()) {
        setToggleText();
        wizard->setButtonText(QWizard::CustomButton2, padded(tr("Scan &Now >")));
    }
}

void TimerPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWizardPage::changeEvent(event);
}
