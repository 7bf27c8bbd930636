#include "export/SelectSaveFileWidget.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "core/AppPaths.h"

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

void SelectSaveFileWidget::browseFile(const std::function<void()> &then)
{
    auto *dialog =
        new QFileDialog(this, tr("Save file"), AppPaths::dialogStart(m_startFolder), m_filter);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    openDialog(dialog, then);
}

QString SelectSaveFileWidget::chosenFolder() const
{
    const QString path = QDir::fromNativeSeparators(text());
    return path.contains(QLatin1Char('/')) ? QFileInfo(path).absolutePath() : m_startFolder;
}

QString SelectSaveFileWidget::chosenName() const
{
    return QFileInfo(QDir::fromNativeSeparators(text())).fileName();
}
