#include "export/ExportDjvuDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

#include "core/LogCategories.h"
#include "export/DjvuGenerator.h"
#include "export/DjvuProgress.h"
#include "export/ExportJob.h"
#include "export/ExportRun.h"
#include "export/SelectSaveFileWidget.h"

ExportDjvuDlg::ExportDjvuDlg(QWidget *parent)
    : QDialog(parent)
    , m_group(new QGroupBox(this))
    , m_fileLabel(new QLabel(this))
    , m_file(new SelectSaveFileWidget(QString(), QString(), this))
    , m_compressionLabel(new QLabel(this))
    , m_compression(new QSpinBox(this))
    , m_openDocument(new QCheckBox(this))
{
    m_run = new ExportRun(this);
    setModal(true);
    setMinimumSize(480, 340);
    m_fileLabel->setBuddy(m_file);
    m_compressionLabel->setBuddy(m_compression);
    m_compression->setRange(0, 95);
    m_compression->setSingleStep(1);
    m_compression->setValue(50);
    m_compression->setSuffix(QStringLiteral(" %"));
    m_compression->setFixedWidth(100);

    auto *form = new QFormLayout;
    form->addRow(m_fileLabel, m_file);
    form->addRow(m_compressionLabel, m_compression);
    auto *groupLayout = new QVBoxLayout(m_group);
    groupLayout->addLayout(form);
    groupLayout->addStretch();
    groupLayout->addWidget(m_openDocument);
    m_openDocument->setChecked(true);

    auto *buttons = new QDialogButtonBox(Qt::Horizontal, this);
    m_save = buttons->addButton(QDialogButtonBox::Ok);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_group);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDjvuDlg::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDjvuDlg::reject);
    retranslateUi();
}

ExportDjvuDlg::~ExportDjvuDlg() = default;

void ExportDjvuDlg::retranslateUi()
{
    setWindowTitle(tr("Export to DjVu"));
    m_group->setTitle(tr("Settings"));
    m_fileLabel->setText(tr("Save to file:"));
    m_file->setFilter(tr("DjVu File (*.djvu)"));
    m_compressionLabel->setText(tr("DjVu &Compression:"));
    m_openDocument->setText(tr("&Open DjVu file after creation"));
    m_save->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
}

void ExportDjvuDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void ExportDjvuDlg::setFiles(const QStringList &files)
{
    m_files = files;
    const DjvuExportSettings settings = DjvuExportSettings::read();
    m_file->setStartFolder(settings.folder);
    // The spin box holds the value to its range: a stored 120 shows as 95.
    m_compression->setValue(settings.compression);
}

DjvuExportSettings ExportDjvuDlg::readControls() const
{
    DjvuExportSettings settings;
    settings.name = m_file->chosenName();
    settings.folder = m_file->chosenFolder();
    settings.openDocument = m_openDocument->isChecked();
    settings.compression = m_compression->value();
    return settings;
}

void ExportDjvuDlg::apply()
{
    if (m_files.isEmpty())
        return;
    DjvuExportSettings settings = readControls();
    if (settings.name.isEmpty()) {
        // Asked for first; the export goes on once a name is chosen.
        m_file->browseFile([this] { apply(); });
        return;
    }
    settings.write();
    const QString target =
        DocGenerator::targetPath(settings.folder, settings.name, QStringLiteral("djvu"));

    if (isExporting())
        return;
    const QStringList files = m_files;
    const int compression = settings.compression;
    // What went wrong, kept by the job for the report.
    auto error = std::make_shared<QString>();
    auto job =
        std::make_unique<ExportJob>([files, target, compression, error](ExportProgress &progress) {
            DjvuGenerator generator(&progress);
            generator.setCompression(compression);
            generator.setFiles(files);
            const bool done = generator.generate(target);
            if (!done)
                *error = generator.errorString();
            return done;
        });
    m_run->start(std::move(job), new DjvuProgress(int(m_files.size()), this),
                 [this, target, error](Job &, Job::Outcome outcome) {
                     hide();
                     if (outcome == Job::Outcome::Failed) {
                         m_error = *error;
                         qCWarning(lcExport).noquote()
                             << "DjVu export to" << target << "failed:" << m_error;
                         emit failed(target);
                     } else if (outcome == Job::Outcome::Finished) {
                         emit applied(target);
                     }
                     close();
                 });
}

void ExportDjvuDlg::setJobRunner(JobRunner *runner)
{
    m_run->setJobRunner(runner);
}

bool ExportDjvuDlg::isExporting() const
{
    return m_run->isRunning();
}
