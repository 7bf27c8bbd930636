#pragma once

#include <QDialog>
#include <QStringList>

#include "export/ImageExportSettings.h"

class ExportRun;
class JobRunner;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SelectFolderWidget;

// "Export to image list": the folder, format, quality and name pattern of an image export, kept
// in the settings, and "Save", which writes every page as an image file of its own (through
// ImageExporter). The outcome comes out of applied(), failed() and errorAppeared().
class ExportFileDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ExportFileDlg(QWidget *parent = nullptr);
    ~ExportFileDlg() override;

    // The working images to export, in page order; loads the stored choices into the controls.
    void setFiles(const QStringList &files);

    // The choices as the controls show them now.
    ImageExportSettings readControls() const;
    // Shows a record in the controls. A quality outside 50 to 100, or a format not offered,
    // leaves that control as it is; the check box is not touched.
    void applySettings(const ImageExportSettings &settings);
    bool isQualityVisible() const;

    // The runner the export job runs on (not owned); without one the dialog uses its own.
    void setJobRunner(JobRunner *runner);
    // The export is being written (apply() starts it and returns).
    bool isExporting() const;

Q_SIGNALS:
    // Every page was saved; the folder with a trailing "/".
    void applied(const QString &folder);
    // One file could not be saved: its full path.
    void failed(const QString &path);
    // A ready message for the user.
    void errorAppeared(const QString &message);

public Q_SLOTS:
    void apply();
    void formatChanged(int index);
    void insertCounter();
    void insertDate();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QStringList m_files;
    QGroupBox *m_group = nullptr;
    QLabel *m_folderLabel = nullptr;
    SelectFolderWidget *m_folder = nullptr;
    QLabel *m_formatLabel = nullptr;
    QComboBox *m_format = nullptr;
    QLabel *m_qualityLabel = nullptr;
    QSpinBox *m_quality = nullptr;
    QLabel *m_prefixLabel = nullptr;
    QLineEdit *m_prefix = nullptr;
    QPushButton *m_counter = nullptr;
    QPushButton *m_date = nullptr;
    QCheckBox *m_openFolder = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    ExportRun *m_run = nullptr;
};
