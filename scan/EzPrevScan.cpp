#include "EzPrevScan.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "scan/HImage.h"
#include "scan/ScanRun.h"
#include "scan/ScannerLibrary.h"

EzPrevScan::EzPrevScan(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(this))
{
    QFont font = m_title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    m_title->setFont(font);
    m_title->setAlignment(Qt::AlignCenter);
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(420);
    m_cancel->setEnabled(false);
    connect(m_cancel, &QPushButton::clicked, this, &EzPrevScan::cancelScan);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(m_title);
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    retranslateUi();
}

EzPrevScan::~EzPrevScan() = default;

void EzPrevScan::setLibrary(ScannerLibrary *library)
{
    delete m_run;
    m_run = nullptr;
    m_library = library;
    if (!library)
        return;
    m_run = new ScanRun(library, this);
    m_run->setPixelType(m_pixelType);
    m_run->setScanResolution(m_resolution);
    connect(m_run, &ScanRun::pageScanned, this, &EzPrevScan::pageScanned);
    connect(m_run, &ScanRun::failedScan, this, &EzPrevScan::failedScan);
    connect(library, &ScannerLibrary::percentScan, m_progress, &QProgressBar::setValue);
    connect(library, &ScannerLibrary::percentScan, this, &EzPrevScan::percentScan);
}

void EzPrevScan::setPixelType(int pixelType)
{
    m_pixelType = pixelType;
    if (m_run)
        m_run->setPixelType(pixelType);
}

void EzPrevScan::setScanResolution(int dpi)
{
    m_resolution = dpi;
    if (m_run)
        m_run->setScanResolution(dpi);
}

void EzPrevScan::scan(QWidget *owner, const ScanSettings &settings)
{
    if (!m_run || m_scanning) {
        if (!m_run)
            emit failedScan();
        return;
    }
    m_scanning = true;
    m_progress->setValue(0);
    m_cancel->setEnabled(true);
    const auto done = qScopeGuard([this] {
        m_scanning = false;
        m_cancel->setEnabled(false);
    });
    m_run->scan(owner, settings);
}

const HImage *EzPrevScan::image() const
{
    return m_run ? m_run->image() : nullptr;
}

void EzPrevScan::releaseImage()
{
    if (m_run)
        m_run->releaseImage();
}

void EzPrevScan::cancelScan()
{
    if (!m_scanning || !m_library)
        return;
    m_library->cancel();
    emit scanCancelled();
}

void EzPrevScan::retranslateUi()
{
    m_title->setText(tr("Scanning..."));
    m_cancel->setText(tr("Cancel"));
}

void EzPrevScan::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
