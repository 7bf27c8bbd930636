#pragma once

#include <QDialog>
#include <QStringList>

#include "export/WordExportSettings.h"

class ExportRun;
class JobRunner;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class SelectSaveFileWidget;

// "Export to Microsoft Word": the target .docx file, kept in the settings, and "Save", which
// builds the document (through DocxGenerator) with one picture per Word page. The outcome comes
// out of applied() and failed(); a cancelled run says nothing.
class ExportWordDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ExportWordDlg(QWidget *parent = nullptr);
    ~ExportWordDlg() override;

    // The working images to export, in page order. The stored folder becomes the folder the
    // file picker's dialog starts in; its text stays empty.
    void setFiles(const QStringList &files);

    // The choices as the controls show them now: the picker's folder and file name.
    WordExportSettings readControls() const;

    // The runner the export job runs on (not owned); without one the dialog uses its own.
    void setJobRunner(JobRunner *runner);
    // The export is being written (apply() starts it and returns).
    bool isExporting() const;
    // Why the last export failed, naming the file, when failed() was emitted.
    QString errorString() const { return m_error; }

Q_SIGNALS:
    void applied(const QString &path);
    void failed(const QString &path);

public Q_SLOTS:
    void apply();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QStringList m_files;
    QGroupBox *m_group = nullptr;
    QLabel *m_fileLabel = nullptr;
    SelectSaveFileWidget *m_file = nullptr;
    QCheckBox *m_openDocument = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    ExportRun *m_run = nullptr;
    QString m_error;
};
