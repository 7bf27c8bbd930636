#pragma once

#include <QDialog>
#include <QStringList>

#include "export/DjvuExportSettings.h"

class ExportRun;
class JobRunner;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class SelectSaveFileWidget;

// "Export to DjVu": the target .djvu file and the compression, kept in the settings, and "Save",
// which builds the document through the DjVu encoders (DjvuGenerator). The outcome comes out of
// applied() and failed(); a cancelled run says nothing.
class ExportDjvuDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ExportDjvuDlg(QWidget *parent = nullptr);
    ~ExportDjvuDlg() override;

    // The working images to export, in page order. The stored folder becomes the folder the
    // file picker's dialog starts in (its text stays empty); the stored compression is shown,
    // held to 0 to 95.
    void setFiles(const QStringList &files);

    // The choices as the controls show them now.
    DjvuExportSettings readControls() const;
    // The reason of the last failed run, for the log.
    QString errorString() const { return m_error; }

    // The runner the export job runs on (not owned); without one the dialog uses its own.
    void setJobRunner(JobRunner *runner);
    // The export is being written (apply() starts it and returns).
    bool isExporting() const;

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
    QString m_error;
    QGroupBox *m_group = nullptr;
    QLabel *m_fileLabel = nullptr;
    SelectSaveFileWidget *m_file = nullptr;
    QLabel *m_compressionLabel = nullptr;
    QSpinBox *m_compression = nullptr;
    QCheckBox *m_openDocument = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    ExportRun *m_run = nullptr;
};
