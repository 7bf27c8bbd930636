#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class ImageEditor;
class JobRunner;
class PageListWidget;
class QWidget;

// The export commands of the main window: the PDF, Word, DjVu and picture export dialogs, opened
// over the window (each writes as the window's job) and what the user is told when they end,
// and saving the current page as a picture.
class ExportCommands
{
    // The texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // message: the window's pop-up message.
    ExportCommands(PageListWidget *list, ImageEditor *editor, JobRunner *jobs, QWidget *window,
                   std::function<void(const QString &)> message);

    void buildPdf();
    void buildWord();
    void buildDjvu();
    void exportFiles();
    void savePage();
    // The file name chosen in the save dialog, with the name filter it was chosen under.
    void savePageTo(QString file, const QString &filter);

    // What the user is told when an export ended: a link to the written file (opened too when
    // the dialog asked for that), or why it failed.
    void pdfWritten(const QString &path);
    void pdfFailed(const QString &path, const QString &reason = {});
    void wordWritten(const QString &path);
    void wordFailed(const QString &path, const QString &reason = {});
    void djvuWritten(const QString &path);
    void djvuFailed(const QString &path, const QString &reason = {});
    void imagesWritten(const QString &folder);
    void imagesFailed(const QString &path);

private:
    // A document export dialog (PDF, Word, DjVu) over the window, its results told as written
    // and failed tell them.
    template <typename Dialog>
    void openDocumentDialog(void (ExportCommands::*written)(const QString &),
                            void (ExportCommands::*failed)(const QString &, const QString &));

    PageListWidget *m_list;
    ImageEditor *m_editor;
    JobRunner *m_jobs;
    QWidget *m_window;
    std::function<void(const QString &)> m_message;
};
