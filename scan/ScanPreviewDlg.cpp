#include "ScanPreviewDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ScanPreviewDlg::ScanPreviewDlg(QWidget *parent)
    : QDialog(parent)
    , m_picture(new QLabel(this))
    , m_scan(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setModal(true);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(320, 420);
    m_picture->setStyleSheet(QStringLiteral("QLabel { background: #e9ecf1; }"));
    m_scan->setDefault(true);
    connect(m_scan, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_scan);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 1);
    layout->addLayout(buttons);
    retranslateUi();
}

void ScanPreviewDlg::setPreview(const QImage &image)
{
    if (image.isNull()) {
        m_picture->clear();
        return;
    }
    m_picture->setPixmap(QPixmap::fromImage(
        image.scaled(QSize(480, 640), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void ScanPreviewDlg::retranslateUi()
{
    setWindowTitle(tr("Scan Preview"));
    m_scan->setText(tr("Scan"));
    m_cancel->setText(tr("Cancel"));
}

void ScanPreviewDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}
