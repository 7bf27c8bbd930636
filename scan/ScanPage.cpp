#include "ScanPage.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWizard>

#include "ribbon/BusyIndicator.h"
#include "scan/AutoScanWizard.h"

ScanPage::ScanPage(QWidget *parent)
    : QWizardPage(parent)
    , m_text(new QLabel(this))
    , m_busy(new BusyIndicator(this))
{
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addSpacing(24);
    layout->addWidget(m_busy, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    // Timers owned by the page rather than one-shots: leaving the page before they fire must
    // not start a scan for a wizard that has moved on or closed.
    m_scanDelay.setSingleShot(true);
    m_scanDelay.setInterval(StartDelayMs);
    connect(&m_scanDelay, &QTimer::timeout, this, &ScanPage::needAutoScan);
    m_busyDelay.setSingleShot(true);
    m_busyDelay.setInterval(StartDelayMs);
    connect(&m_busyDelay, &QTimer::timeout, m_busy, &BusyIndicator::start);
    retranslateUi();
}

void ScanPage::initializePage()
{
    QWizard *wizard = this->wizard();
    wizard->setButtonLayout({QWizard::Stretch, QWizard::CancelButton});
    QAbstractButton *cancel = wizard->button(QWizard::CancelButton);
    connect(cancel, &QAbstractButton::clicked, this, &ScanPage::scanCancel, Qt::UniqueConnection);
    cancel->setEnabled(false);
    m_scanDelay.start();
    m_busyDelay.start();
}

void ScanPage::cleanupPage()
{
    leave();
}

int ScanPage::nextId() const
{
    return AutoScanWizard::TimerPageId;
}

void ScanPage::leave()
{
    m_scanDelay.stop();
    m_busyDelay.stop();
    m_busy->stop();
    if (QWizard *wizard = this->wizard()) {
        QAbstractButton *cancel = wizard->button(QWizard::CancelButton);
        disconnect(cancel, &QAbstractButton::clicked, this, &ScanPage::scanCancel);
        cancel->setEnabled(true);
    }
}

void ScanPage::enableCancel()
{
    if (QWizard *wizard = this->wizard())
        wizard->button(QWizard::CancelButton)->setEnabled(true);
}

void ScanPage::stopBusyIndicator()
{
    m_busyDelay.stop();
    m_busy->stop();
}

void ScanPage::scanCancel()
{
    emit cancelScan();
    if (QWizard *wizard = this->wizard())
        wizard->close();
}

void ScanPage::retranslateUi()
{
    setTitle(tr("Scanning in progress"));
    setSubTitle(tr("Scanned page will be added to the list"));
    m_text->setText(tr("Scanning in progress. Do not open scanner cover."));
}

void ScanPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWizardPage::changeEvent(event);
}
