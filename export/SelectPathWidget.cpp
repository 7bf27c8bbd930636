#include "export/SelectPathWidget.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

SelectPathWidget::SelectPathWidget(const QString &labelText, int spacing, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    m_label->setBuddy(m_button);
    setLabelText(labelText);
    m_edit->setReadOnly(true);
    m_button->setText(QStringLiteral("..."));
    const int side = m_edit->sizeHint().height();
    m_button->setFixedSize(side, side);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(spacing);
    grid->addWidget(m_label, 0, 0, 1, 2);
    grid->addWidget(m_edit, 1, 0);
    grid->addWidget(m_button, 1, 1);

    connect(m_button, &QToolButton::clicked, this, &SelectPathWidget::browse);
}

QString SelectPathWidget::text() const
{
    return m_edit->text();
}

void SelectPathWidget::setText(const QString &text)
{
    m_edit->setText(text);
}

QString SelectPathWidget::labelText() const
{
    return m_label->text();
}

void SelectPathWidget::setLabelText(const QString &text)
{
    m_label->setText(text);
    m_label->setVisible(!text.isEmpty());
}

void SelectPathWidget::openDialog(QFileDialog *dialog, const std::function<void()> &then)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog, then] {
        const QStringList picked = dialog->selectedFiles();
        if (picked.isEmpty() || picked.first().isEmpty())
            return;
        m_edit->setText(QDir::toNativeSeparators(picked.first()));
        emit chosen();
        if (then)
            then();
    });
    dialog->open();
}

void SelectPathWidget::resizeEvent(QResizeEvent *event)
{
    // The style may change the line edit's height after construction; the button follows.
    const int side = m_edit->sizeHint().height();
    if (m_button->width() != side)
        m_button->setFixedSize(side, side);
    QWidget::resizeEvent(event);
}
