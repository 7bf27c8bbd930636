#include "export/SelectFolderWidget.h"

#include <QFileDialog>

#include "core/AppPaths.h"

SelectFolderWidget::SelectFolderWidget(const QString &labelText, QWidget *parent)
    : SelectPathWidget(labelText, 3, parent)
{
}

void SelectFolderWidget::browseDir(const std::function<void()> &then)
{
    auto *dialog = new QFileDialog(this, tr("Select a folder"), AppPaths::dialogStart(text()));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    openDialog(dialog, then);
}
