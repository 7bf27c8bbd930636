#include "export/SelectFileWidget.h"

#include <QFileDialog>

#include "core/AppPaths.h"

SelectFileWidget::SelectFileWidget(const QString &labelText, QWidget *parent)
    : SelectPathWidget(labelText, 3, parent)
{
}

bool SelectFileWidget::browseFile()
{
    QFileDialog dialog(this, tr("Open existing PDF"), AppPaths::dialogStart(text()),
                       tr("PDF File (*.pdf)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return runDialog(dialog);
}
