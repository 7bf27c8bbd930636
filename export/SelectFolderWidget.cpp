#include "export/SelectFolderWidget.h"

#include <QFileDialog>

#include "core/AppPaths.h"

SelectFolderWidget::SelectFolderWidget(const QString &labelText, QWidget *parent)
    : SelectPathWidget(labelText, 3, parent)
{
}

bool SelectFolderWidget::browseDir()
{
    QFileDialog dialog(this, tr("Select a folder"), AppPaths::dialogStart(text()));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    return runDialog(dialog);
}
