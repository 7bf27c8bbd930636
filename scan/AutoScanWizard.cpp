#include "AutoScanWizard.h"

#include <QPixmap>
#include <QShortcut>

#include "core/ProgramInfo.h"
#include "core/Settings.h"
#include "scan/IntroPage.h"
#include "scan/ScanPage.h"
#include "scan/TimerPage.h"

AutoScanWizard::AutoScanWizard(QWidget *parent)
    : QWizard(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_intro(new IntroPage)
    , m_scan(new ScanPage)
    , m_timer(new TimerPage)
{
    setWizardStyle(QWizard::ModernStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setOption(QWizard::HaveHelpButton, false);
    // The logo is drawn large; the header wants a small one.
    setPixmap(QWizard::LogoPixmap,
              QPixmap(QStringLiteral(":/images/LogoWizard"))
                  .scaled(LogoSide, LogoSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    setWindowTitle(QString(ProgramInfo::ApplicationName));
    setButtonLayout({QWizard::Stretch, QWizard::NextButton, QWizard::CancelButton});
    setPage(IntroPageId, m_intro);
    setPage(ScanPageId, m_scan);
    setPage(TimerPageId, m_timer);
    setStartId(IntroPageId);

    connect(m_scan, &ScanPage::needAutoScan, this, &AutoScanWizard::needAutoScan);
    connect(m_scan, &ScanPage::cancelScan, this, &AutoScanWizard::cancelScan);
    connect(this, &QWizard::currentIdChanged, this, &AutoScanWizard::pageChanged);
    new QShortcut(Qt::Key_Escape, this, this, &AutoScanWizard::escHandler);
}

void AutoScanWizard::setBookMode(bool book)
{
    m_intro->setBookMode(book);
    setPixmap(QWizard::WatermarkPixmap, QPixmap(QStringLiteral(":/images/WatermarkDoc")));
    Settings::write(SettingsKeys::BookScan, book);
    setStartId(IntroPageId);
}

bool AutoScanWizard::isBookMode() const
{
    return m_intro->isBookMode();
}

void AutoScanWizard::stopBusyIndicator()
{
    m_scan->stopBusyIndicator();
}

void AutoScanWizard::done(int result)
{
    const bool scanning = currentId() == ScanPageId;
    if (scanning)
        m_scan->leave();
    m_timer->stop();
    setStartId(IntroPageId);
    QWizard::done(result);
    if (scanning)
        emit cancelScan();
}

void AutoScanWizard::escHandler()
{
    close();
}

void AutoScanWizard::scanPercent(int)
{
    if (currentId() == ScanPageId)
        m_scan->enableCancel();
}

void AutoScanWizard::pageScanned()
{
    if (currentId() == ScanPageId)
        next();
}

void AutoScanWizard::finish()
{
    close();
}

void AutoScanWizard::pageChanged(int id)
{
    // Moving on from the scan page does not clean it up as going back would.
    if (m_currentId == ScanPageId && id != ScanPageId)
        m_scan->leave();
    m_currentId = id;
}
