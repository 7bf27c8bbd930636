#include "export/PdfProgress.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>

PdfProgress::PdfProgress(int maximum, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_label(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(this))
{
    setMinimumSize(400, 140);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setWordWrap(true);
    m_label->setText(tr("Creating PDF document."));
    m_bar->setRange(0, maximum);
    m_bar->setTextVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_bar);
    layout->addSpacerItem(new QSpacerItem(1, 12, QSizePolicy::Minimum, QSizePolicy::Fixed));
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);

    connect(m_cancel, &QPushButton::clicked, this, &PdfProgress::cancelClicked);
    retranslateUi();
}

PdfProgress::~PdfProgress()
{
    m_closable = true;
    m_cancelled = true;
    close();
}

void PdfProgress::retranslateUi()
{
    setWindowTitle(tr("Vellumo"));
    m_cancel->setText(tr("Cancel"));
}

void PdfProgress::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void PdfProgress::start()
{
    m_cancelled = false;
    m_cancel->setEnabled(false);
    m_bar->setValue(0);
    const QString text = startText();
    if (!text.isEmpty())
        m_label->setText(text);
}

void PdfProgress::setValue(int value)
{
    m_cancel->setEnabled(true);
    m_bar->setValue(value);
    const QString text = runningText();
    if (!text.isEmpty())
        m_label->setText(text);
}

void PdfProgress::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
}

void PdfProgress::finish()
{
    m_closable = true;
    m_cancelled = true;
}

void PdfProgress::setText(const QString &text)
{
    m_label->setText(text);
}

QString PdfProgress::text() const
{
    return m_label->text();
}

int PdfProgress::value() const
{
    return m_bar->value();
}

bool PdfProgress::isCancelEnabled() const
{
    return m_cancel->isEnabled();
}

void PdfProgress::cancelClicked()
{
    m_cancelled = true;
    Q_EMIT cancelled();
}

void PdfProgress::showEvent(QShowEvent *event)
{
    // The layout may want more than the minimum for a long message; the window then keeps
    // that size for the run.
    setFixedSize(sizeHint().expandedTo(minimumSize()));
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void PdfProgress::closeEvent(QCloseEvent *event)
{
    if (!m_closable) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void PdfProgress::reject()
{
    if (m_closable)
        QDialog::reject();
}
