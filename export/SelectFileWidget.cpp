#include "export/SelectFileWidget.h"

#include <QFileDialog>

#include "core/AppPaths.h"

SelectFileWidget::SelectFileWidget(const QString &labelText, QWidget *parent)
    : SelectPathWidget(labelText, 3, parent)
{
}

void SelectFileWidget::browseFile(const std::function<void()> &then)
{
    auto *dialog = new QFileDialog(this, tr("Open existing PDF"), AppPaths::dialogStart(text()),
                                   tr("PDF File (*.pdf)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog(dialog, then);
}
