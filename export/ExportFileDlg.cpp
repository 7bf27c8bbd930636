#include "export/ExportFileDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

#include "export/ExportJob.h"
#include "export/ExportRun.h"
#include "export/ImageExporter.h"
#include "export/ImgProgress.h"
#include "export/SelectFolderWidget.h"

namespace {

constexpr int minQuality = 50;
constexpr int maxQuality = 100;
constexpr int defaultQuality = 85;

} // namespace

ExportFileDlg::ExportFileDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_group(new QGroupBox(this))
    , m_folderLabel(new QLabel(this))
    , m_folder(new SelectFolderWidget(QString(), this))
    , m_formatLabel(new QLabel(this))
    , m_format(new QComboBox(this))
    , m_qualityLabel(new QLabel(this))
    , m_quality(new QSpinBox(this))
    , m_prefixLabel(new QLabel(this))
    , m_prefix(new QLineEdit(QStringLiteral("IMAGE_[C]"), this))
    , m_counter(new QPushButton(this))
    , m_date(new QPushButton(this))
    , m_openFolder(new QCheckBox(this))
{
    m_run = new ExportRun(this);
    setModal(true);
    setMinimumSize(480, 340);

    for (const char *format : {"jpg", "tiff", "png", "bmp"})
        m_format->addItem(QString(), QString::fromLatin1(format));
    m_format->setFixedWidth(120);
    m_quality->setRange(minQuality, maxQuality);
    m_quality->setValue(defaultQuality);
    m_folderLabel->setBuddy(m_folder);
    m_prefixLabel->setBuddy(m_prefix);

    auto *formatRow = new QHBoxLayout;
    formatRow->addWidget(m_format);
    formatRow->addSpacing(12);
    formatRow->addWidget(m_qualityLabel);
    formatRow->addWidget(m_quality);
    formatRow->addStretch();

    auto *placeholders = new QHBoxLayout;
    placeholders->addStretch();
    placeholders->addWidget(m_counter);
    placeholders->addWidget(m_date);

    auto *form = new QFormLayout;
    form->addRow(m_folderLabel, m_folder);
    form->addRow(m_formatLabel, formatRow);
    form->addRow(m_prefixLabel, m_prefix);
    form->addRow(QString(), placeholders);

    auto *groupLayout = new QVBoxLayout(m_group);
    groupLayout->addLayout(form);
    groupLayout->addStretch();
    groupLayout->addWidget(m_openFolder);
    m_openFolder->setChecked(true);

    auto *buttons = new QDialogButtonBox(Qt::Horizontal, this);
    m_save = buttons->addButton(QDialogButtonBox::Ok);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_group);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ExportFileDlg::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportFileDlg::reject);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportFileDlg::formatChanged);
    connect(m_counter, &QPushButton::clicked, this, &ExportFileDlg::insertCounter);
    connect(m_date, &QPushButton::clicked, this, &ExportFileDlg::insertDate);
    retranslateUi();
    formatChanged(m_format->currentIndex());
}

ExportFileDlg::~ExportFileDlg() = default;

void ExportFileDlg::retranslateUi()
{
    setWindowTitle(tr("Export to image list"));
    m_group->setTitle(tr("Settings"));
    m_folderLabel->setText(tr("Save to &Folder:"));
    m_formatLabel->setText(tr("Image Format:"));
    const QStringList names{tr("JPEG"), tr("TIFF"), tr("PNG"), tr("BMP")};
    for (int i = 0; i < names.size(); ++i)
        m_format->setItemText(i, names.at(i));
    m_qualityLabel->setText(tr("Quality:"));
    m_prefixLabel->setText(tr("File Prefix:"));
    m_counter->setText(tr("Counter [C]"));
    m_date->setText(tr("Date [D]"));
    m_openFolder->setText(tr("&Open folder after creation"));
    m_save->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
}

void ExportFileDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void ExportFileDlg::setFiles(const QStringList &files)
{
    m_files = files;
    applySettings(ImageExportSettings::read());
}

ImageExportSettings ExportFileDlg::readControls() const
{
    ImageExportSettings settings;
    settings.namePattern = m_prefix->text();
    settings.folder = m_folder->text();
    settings.openFolder = m_openFolder->isChecked();
    settings.format = m_format->currentData().toString();
    settings.quality = m_quality->value();
    return settings;
}

void ExportFileDlg::applySettings(const ImageExportSettings &settings)
{
    m_prefix->setText(settings.namePattern);
    m_folder->setText(settings.folder);
    const int format = m_format->findData(settings.format);
    if (format >= 0)
        m_format->setCurrentIndex(format);
    if (settings.quality >= minQuality && settings.quality <= maxQuality)
        m_quality->setValue(settings.quality);
}

bool ExportFileDlg::isQualityVisible() const
{
    return !m_quality->isHidden();
}

void ExportFileDlg::formatChanged(int index)
{
    const bool jpeg = m_format->itemData(index).toString() == QLatin1String("jpg");
    m_qualityLabel->setVisible(jpeg);
    m_quality->setVisible(jpeg);
}

void ExportFileDlg::insertCounter()
{
    m_prefix->setText(m_prefix->text() + QStringLiteral("[C]"));
}

void ExportFileDlg::insertDate()
{
    m_prefix->setText(m_prefix->text() + QStringLiteral("[D]"));
}

void ExportFileDlg::apply()
{
    if (m_files.isEmpty() || isExporting())
        return;
    const ImageExportSettings settings = readControls();
    settings.write();
    // The exporter's report, kept by the job for the end.
    struct Report
    {
        ImageExporter::Outcome outcome = ImageExporter::Outcome::NothingToDo;
        QStringList failedPaths;
        QString folder;
    };
    auto report = std::make_shared<Report>();
    const QStringList files = m_files;
    auto job = std::make_unique<ExportJob>([files, settings, report](ExportProgress &progress) {
        ImageExporter exporter;
        report->outcome = exporter.run(files, settings, &progress);
        report->failedPaths = exporter.failedPaths();
        report->folder = exporter.folder();
        return report->outcome != ImageExporter::Outcome::FolderMissing;
    });
    m_run->start(std::move(job), new ImgProgress(int(m_files.size()), this),
                 [this, settings, report](Job &, Job::Outcome) {
                     if (report->outcome == ImageExporter::Outcome::FolderMissing) {
                         emit errorAppeared(tr("Folder %1 isn't exists.").arg(settings.folder));
                         return;
                     }
                     for (const QString &path : std::as_const(report->failedPaths))
                         emit failed(path);
                     hide();
                     if (report->outcome == ImageExporter::Outcome::AllSaved)
                         emit applied(report->folder);
                     close();
                 });
}

void ExportFileDlg::setJobRunner(JobRunner *runner)
{
    m_run->setJobRunner(runner);
}

bool ExportFileDlg::isExporting() const
{
    return m_run->isRunning();
}
