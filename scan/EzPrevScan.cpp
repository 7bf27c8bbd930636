#include "EzPrevScan.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "scan/ScannerThread.h"

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

void EzPrevScan::setScanner(ScannerThread *scanner)
{
    if (m_scanner)
        disconnect(m_scanner, nullptr, this, nullptr);
    m_scanner = scanner;
    if (!scanner)
        return;
    connect(scanner, &ScannerThread::pageScanned, this, &EzPrevScan::takePage);
    connect(scanner, &ScannerThread::scanEnded, this, &EzPrevScan::runEnded);
    connect(scanner, &ScannerThread::percentScan, this, [this](int percent) {
        if (!m_scanning)
            return;
        m_progress->setValue(percent);
        emit percentScan(percent);
    });
}

void EzPrevScan::setPixelType(int pixelType)
{
    m_pixelType = pixelType;
}

void EzPrevScan::setScanResolution(int dpi)
{
    m_resolution = dpi;
}

void EzPrevScan::scan(const ScanSettings &settings)
{
    if (!m_scanner || m_scanning) {
        if (!m_scanner) {
            emit failedScan();
            emit scanFinished();
        }
        return;
    }
    m_scanning = true;
    m_progress->setValue(0);
    m_cancel->setEnabled(true);
    m_scanner->scan(settings, m_pixelType, m_resolution);
}

void EzPrevScan::takePage(const HImage &page)
{
    if (!m_scanning)
        return;
    m_image = page;
    emit pageScanned();
    releaseImage();
}

void EzPrevScan::runEnded(bool failed)
{
    if (!m_scanning)
        return;
    m_scanning = false;
    m_cancel->setEnabled(false);
    if (failed)
        emit failedScan();
    emit scanFinished();
}

void EzPrevScan::cancelScan()
{
    if (!m_scanning || !m_scanner)
        return;
    m_scanner->cancel();
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
