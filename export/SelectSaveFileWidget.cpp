#include "export/SelectSaveFileWidget.h"

#include <QFileDialog>

SelectSaveFileWidget::SelectSaveFileWidget(const QString &labelText, const QString &filter,
                                           QWidget *parent)
    : SelectPathWidget(labelText, 6, parent)
{
    setFilter(filter);
}

void SelectSaveFileWidget::setFilter(const QString &filter)
{
    m_filter = filter.isEmpty() ? QStringLiteral("*.*") : filter;
}

bool SelectSaveFileWidget::browseFile()
{
    QFileDialog dialog(this, tr("Save file"), m_startFolder, m_filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return runDialog(dialog);
}
