// The main window's export commands (ExportCommands).

#include "app/ExportCommands.h"
#include "app/MainWindow.h"

void MainWindow::buildPdf()
{
    m_exports->buildPdf();
}

void MainWindow::buildWord()
{
    m_exports->buildWord();
}

void MainWindow::buildDjvu()
{
    m_exports->buildDjvu();
}

void MainWindow::exportFiles()
{
    m_exports->exportFiles();
}

void MainWindow::savePage()
{
    m_exports->savePage();
}

void MainWindow::exported(const QString &path)
{
    m_exports->pdfWritten(path);
}
