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

    connect(m_button, &QToolButton::clicked, this, [this] { browse(); });
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

bool SelectPathWidget::runDialog(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    m_edit->setText(QDir::toNativeSeparators(chosen.first()));
    return true;
}

void SelectPathWidget::resizeEvent(QResizeEvent *event)
{
    // The style may change the line edit's height after construction; the button follows.
    const int side = m_edit->sizeHint().height();
    if (m_button->width() != side)
        m_button->setFixedSize(side, side);
    QWidget::resizeEvent(event);
}
