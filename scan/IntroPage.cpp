#include "IntroPage.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWizard>

#include "core/Settings.h"
#include "scan/AutoScanWizard.h"
#include "scan/FlipWidget.h"
#include "scan/ScanDefaults.h"

IntroPage::IntroPage(QWidget *parent)
    : QWizardPage(parent)
    , m_text(new QLabel(this))
    , m_intervalLabel(new QLabel(this))
    , m_interval(new QSpinBox(this))
    , m_scanNow(new QCheckBox(this))
    , m_split(new QCheckBox(this))
    , m_flip(new FlipWidget(this))
{
    m_text->setWordWrap(true);
    m_interval->setMinimumWidth(60);
    m_interval->setRange(1, 60);
    m_interval->setValue(15);
    m_intervalLabel->setBuddy(m_interval);
    m_scanNow->setChecked(true);
    m_split->setChecked(false);
    m_split->hide();

    auto *interval = new QHBoxLayout;
    interval->addWidget(m_intervalLabel);
    interval->addWidget(m_interval);
    interval->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(interval);
    layout->addWidget(m_scanNow);
    layout->addWidget(m_split);
    layout->addWidget(m_flip);
    layout->addStretch(1);
    retranslateUi();
}

void IntroPage::setBookMode(bool book)
{
    m_bookMode = book;
    m_split->setVisible(book);
    retranslateUi();
}

void IntroPage::initializePage()
{
    wizard()->setButtonLayout({QWizard::Stretch, QWizard::NextButton, QWizard::CancelButton});
    wizard()->setOption(QWizard::NoDefaultButton, false);
    m_interval->setValue(ScanDefaults::autoScanSeconds());
    m_scanNow->setChecked(Settings::readBool(SettingsKeys::AutoScanNow, true));
    m_split->setChecked(Settings::readBool(SettingsKeys::SplitSpread, false));
    m_flip->setMode(Settings::readInt(SettingsKeys::RotateMode, 0));
    m_flip->setAngle(Settings::readInt(SettingsKeys::RotateAngle, 0));
}

bool IntroPage::validatePage()
{
    Settings::write(SettingsKeys::AutoScanTime, m_interval->value());
    Settings::write(SettingsKeys::AutoScanNow, m_scanNow->isChecked());
    Settings::write(SettingsKeys::RotateMode, m_flip->mode());
    Settings::write(SettingsKeys::RotateAngle, m_flip->angle());
    if (m_bookMode) {
        Settings::write(SettingsKeys::BookScan, true);
        Settings::write(SettingsKeys::SplitSpread, m_split->isChecked());
    }
    Settings::write(SettingsKeys::PageNumber, 0);
    return true;
}

int IntroPage::nextId() const
{
    return m_scanNow->isChecked() ? AutoScanWizard::ScanPageId : AutoScanWizard::TimerPageId;
}

void IntroPage::retranslateUi()
{
    setTitle(m_bookMode ? tr("Automatic Scanning") : tr("Document Scanning"));
    m_text->setText(
        tr("<b>Vellumo</b> will automatically run a scan after a specified time interval."));
    m_intervalLabel->setText(tr("Select the time interval in seconds:"));
    m_scanNow->setText(tr("Scan first page now (don't wait)"));
    m_split->setText(tr("Split the book spreak into two pages"));
}

void IntroPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWizardPage::changeEvent(event);
}
