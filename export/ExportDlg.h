#pragma once

#include <QDialog>
#include <QStringList>

#include "export/PdfExportSettings.h"

class Job;
class JobRunner;
class ExportRun;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTextDocument;
class QTimer;
class QToolButton;
class SelectFileWidget;
class SelectSaveFileWidget;

// "Build PDF": the layout, file and password choices of a PDF export, kept in the settings, a
// live preview of the current page on the chosen paper, and "Save to PDF", which starts the PDF
// writer as a job (on the window's job runner, or one of the dialog's own) behind a progress
// window and returns. The writer's outcome comes out of applied() and failed() when it ends.
class ExportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ExportDlg(QWidget *parent = nullptr);
    ~ExportDlg() override;

    // The working images to export, in page order. Loads the stored choices and the kept password
    // into the controls and shows the first page.
    void setFiles(const QStringList &files);
    // The runner the export job runs on (not owned); without one the dialog uses its own.
    void setJobRunner(JobRunner *runner);
    // A PDF is being written.
    bool isExporting() const;
    // Why the last export failed (the writer's reason), when failed() was emitted.
    QString errorString() const { return m_error; }

    // The choices as the controls show them now.
    PdfExportSettings readControls() const;
    static PdfExportSettings loadSettings();
    static void saveSettings(const PdfExportSettings &settings);
    // Shows a record in the controls. The save-file picker stays empty; docFolder becomes the
    // folder its dialog starts in.
    void applySettings(const PdfExportSettings &settings);

    bool isAppendMode() const;
    int previewIndex() const { return m_previewIndex; }
    QString previewFile() const { return m_previewFile; }
    QString counterText() const;
    bool isPreviewPending() const;
    // The secret store has not answered yet about the kept password.
    bool isPasswordPending() const { return m_passwordPending; }
    // Number of preview renderings so far.
    int previewCount() const { return m_previewCount; }
    // The text document the preview is drawn from.
    const QTextDocument *previewDocument() const { return m_document; }

Q_SIGNALS:
    void applied(const QString &path);
    void failed(const QString &path);

public Q_SLOTS:
    void appendMode(bool on);
    void apply();
    void printPreview(QPrinter *printer);
    void back();
    void next();
    void updateTimer();
    void updatePreview();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildGeneralTab();
    QWidget *buildLayoutTab();
    QWidget *buildPasswordTab();
    QGroupBox *buildPreview();
    void retranslateUi();
    void showPage(int index);
    void warn(const QString &text);
    void exportEnded(Job &job);
    void setSecretStoreAvailable(bool available);
    // The installed recognition languages named in the interface language, selected kept.
    void fillOcrLanguages(const QString &selected);

    QStringList m_files;
    ExportRun *m_run;
    QString m_error;
    QString m_previewFile;
    int m_previewIndex = 0;
    QTimer *m_timer;
    SelectFileWidget *m_appendFile;
    SelectSaveFileWidget *m_saveFile;
    QToolButton *m_back;
    QToolButton *m_next;
    QLabel *m_counter;
    QComboBox *m_scale;
    QComboBox *m_paper;
    QComboBox *m_orientation;
    QCheckBox *m_byCenter;
    QDoubleSpinBox *m_left;
    QDoubleSpinBox *m_right;
    QDoubleSpinBox *m_top;
    QDoubleSpinBox *m_bottom;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
    QTextDocument *m_document;
    QCheckBox *m_needOpen;
    QLineEdit *m_password;
    QCheckBox *m_keepPassword;
    QCheckBox *m_append;
    QCheckBox *m_ocr;
    QComboBox *m_ocrLanguage;
    QLabel *m_ocrLanguageLabel = nullptr;

    QTabWidget *m_tabs = nullptr;
    QGroupBox *m_previewGroup = nullptr;
    QGroupBox *m_margins = nullptr;
    QLabel *m_scaleLabel = nullptr;
    QLabel *m_paperLabel = nullptr;
    QLabel *m_orientationLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    // Shown next to the keep box when no secret store runs.
    QLabel *m_noSecretStore = nullptr;
    bool m_passwordPending = false;
    QLabel *m_leftLabel = nullptr;
    QLabel *m_rightLabel = nullptr;
    QLabel *m_topLabel = nullptr;
    QLabel *m_bottomLabel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    int m_previewCount = 0;
};
