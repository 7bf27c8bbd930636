#include "FileDialogAnswerer.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

FileDialogAnswerer::FileDialogAnswerer(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswerer::poll);
    m_timer.start(20);
}

FileDialogAnswerer::~FileDialogAnswerer()
{
    if (!m_answered && !QTest::currentTestFailed())
        QTest::qFail(
            qPrintable(
                QStringLiteral("no file dialog came to be answered with \"%1\"").arg(m_path)),
            __FILE__, __LINE__);
}

void FileDialogAnswerer::poll()
{
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    m_timer.stop();
    m_answered = true;
    m_title = dialog->windowTitle();
    m_directory = dialog->directory().absolutePath();
    m_nameFilters = dialog->nameFilters();
    m_acceptMode = dialog->acceptMode();
    m_fileMode = dialog->fileMode();
    m_options = dialog->options();
    if (m_path.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(m_path);
    // selectFile() leaves the name field alone while it has the focus, as it has in a shown
    // dialog; the typed name is what the dialog then takes.
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(m_path);
    // QFileDialog hides its accept(), which checks the choice; QDialog::accept reaches it.
    static_cast<QDialog *>(dialog)->accept();
}
