#include "export/ExportWordDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

#include "export/DocxGenerator.h"
#include "export/ExportJob.h"
#include "export/ExportRun.h"
#include "export/SelectSaveFileWidget.h"
#include "export/WordProgress.h"

ExportWordDlg::ExportWordDlg(QWidget *parent)
    : QDialog(parent)
    , m_group(new QGroupBox(this))
    , m_fileLabel(new QLabel(this))
    , m_file(new SelectSaveFileWidget(QString(), QString(), this))
    , m_openDocument(new QCheckBox(this))
{
    m_run = new ExportRun(this);
    setModal(true);
    setMinimumSize(480, 340);
    m_fileLabel->setBuddy(m_file);

    auto *form = new QFormLayout;
    form->addRow(m_fileLabel, m_file);
    auto *groupLayout = new QVBoxLayout(m_group);
    groupLayout->addLayout(form);
    groupLayout->addStretch();
    groupLayout->addWidget(m_openDocument);
    m_openDocument->setChecked(true);

    auto *buttons = new QDialogButtonBox(Qt::Horizontal, this);
    m_save = buttons->addButton(QDialogButtonBox::Ok);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportWordDlg::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportWordDlg::reject);
    retranslateUi();
}

ExportWordDlg::~ExportWordDlg() = default;

void ExportWordDlg::retranslateUi()
{
    setWindowTitle(tr("Export to Microsoft Word"));
    m_group->setTitle(tr("Settings"));
    m_fileLabel->setText(tr("Save to file:"));
    m_file->setFilter(tr("Microsoft Word File (*.docx)"));
    m_openDocument->setText(tr("&Open Word document after creation"));
    m_save->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
}

void ExportWordDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void ExportWordDlg::setFiles(const QStringList &files)
{
    m_files = files;
    m_file->setStartFolder(WordExportSettings::read().folder);
}

WordExportSettings ExportWordDlg::readControls() const
{
    WordExportSettings settings;
    settings.name = m_file->chosenName();
    settings.folder = m_file->chosenFolder();
    settings.openDocument = m_openDocument->isChecked();
    return settings;
}

void ExportWordDlg::apply()
{
    if (m_files.isEmpty())
        return;
    WordExportSettings settings = readControls();
    if (settings.name.isEmpty()) {
        // Asked for first; the export goes on once a name is chosen.
        m_file->browseFile([this] { apply(); });
        return;
    }
    settings.write();
    const QString target =
        DocGenerator::targetPath(settings.folder, settings.name, QStringLiteral("docx"));

    if (isExporting())
        return;
    const QStringList files = m_files;
    // What went wrong, kept by the job for the report.
    auto error = std::make_shared<QString>();
    auto job = std::make_unique<ExportJob>([files, target, error](ExportProgress &progress) {
        DocxGenerator generator(&progress);
        generator.setFiles(files);
        const bool done = generator.generate(target);
        if (!done)
            *error = generator.errorString();
        return done;
    });
    m_run->start(std::move(job), new WordProgress(int(m_files.size()), this),
                 [this, target, error](Job &, Job::Outcome outcome) {
                     hide();
                     if (outcome == Job::Outcome::Failed) {
                         m_error = *error;
                         emit failed(target);
                     } else if (outcome == Job::Outcome::Finished) {
                         emit applied(target);
                     }
                     close();
                 });
}

void ExportWordDlg::setJobRunner(JobRunner *runner)
{
    m_run->setJobRunner(runner);
}

bool ExportWordDlg::isExporting() const
{
    return m_run->isRunning();
}
