#include "export/ExportDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "core/Settings.h"
#include "core/ToolLocator.h"
#include "export/ExportRun.h"
#include "export/PaperSizes.h"
#include "export/PdfExportJob.h"
#include "export/PdfPasswordStore.h"
#include "export/PdfPreviewLayout.h"
#include "export/PdfProgress.h"
#include "export/PdfWriter.h"
#include "export/SelectFileWidget.h"
#include "export/SelectSaveFileWidget.h"
#include "export/SmoothPreview.h"
#include "ocr/OcrLanguages.h"

namespace {

constexpr int previewDelayMs = 500;

void addSpacer(QBoxLayout *layout)
{
    layout->addSpacerItem(new QSpacerItem(1, 6, QSizePolicy::Minimum, QSizePolicy::Minimum));
}

QDoubleSpinBox *marginBox(QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(0.0, 2.0);
    box->setSingleStep(0.1);
    box->setDecimals(2);
    return box;
}

// Selects the item whose data is value; a value not in the list leaves nothing selected.
void selectData(QComboBox *combo, int value)
{
    combo->setCurrentIndex(combo->findData(value));
}

int currentData(const QComboBox *combo)
{
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

} // namespace

ExportDlg::ExportDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_run(new ExportRun(this))
    , m_timer(new QTimer(this))
    , m_appendFile(new SelectFileWidget(QString(), this))
    , m_saveFile(new SelectSaveFileWidget(QString(), QString(), this))
    , m_back(new QToolButton(this))
    , m_next(new QToolButton(this))
    , m_counter(new QLabel(this))
    , m_scale(new QComboBox(this))
    , m_paper(new QComboBox(this))
    , m_orientation(new QComboBox(this))
    , m_byCenter(new QCheckBox(this))
    , m_left(marginBox(this))
    , m_right(marginBox(this))
    , m_top(marginBox(this))
    , m_bottom(marginBox(this))
    , m_printer(new QPrinter(QPrinter::ScreenResolution))
    , m_preview(nullptr)
    , m_document(new QTextDocument(this))
    , m_needOpen(new QCheckBox(this))
    , m_password(new QLineEdit(this))
    , m_keepPassword(new QCheckBox(this))
    , m_append(new QCheckBox(this))
    , m_ocr(new QCheckBox(this))
    , m_ocrLanguage(new QComboBox(this))
{
    setModal(true);
    resize(800, 600);
    m_timer->setInterval(previewDelayMs);
    m_timer->setSingleShot(true);

    m_printer->setFullPage(true);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_printer->setColorMode(QPrinter::Color);
    m_printer->setPageSize(QPageSize(PaperSizes::find(0)->pageSizeId));
    m_preview = new QPrintPreviewWidget(m_printer, this);
    SmoothPreview::apply(m_preview);

    m_document->setDocumentMargin(0);
    m_document->setTextWidth(0);
    m_document->setIndentWidth(0);
    m_document->setPageSize(QSizeF(m_printer->width(), m_printer->height()));
    QTextFrameFormat root = m_document->rootFrame()->frameFormat();
    root.setMargin(0);
    root.setBorder(0);
    root.setPadding(0);
    root.setBorderBrush(Qt::white);
    m_document->rootFrame()->setFrameFormat(root);

    for (int scale : {0, 1, 2})
        m_scale->addItem(QString(), scale);
    // Paper names are the same in every language.
    const std::pair<const char *, int> papers[] = {{"A4", 0}, {"Letter", 2}, {"A0", 5}, {"A1", 6},
                                                   {"A2", 7}, {"A3", 8},     {"A5", 9}, {"A6", 10}};
    for (const auto &[name, code] : papers)
        m_paper->addItem(QString::fromLatin1(name), code);
    for (int orientation : {0, 1})
        m_orientation->addItem(QString(), orientation);
    // Letters, digits, underscore, hyphen and space; the hyphen goes last in the class so it is
    // not read as a range.
    m_password->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-zA-Z0-9_ -]+")), m_password));
    m_password->setEchoMode(QLineEdit::Normal);
    m_appendFile->setEnabled(false);
    m_byCenter->setChecked(true);
    m_needOpen->setChecked(true);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildGeneralTab(), QString());
    m_tabs->addTab(buildLayoutTab(), QString());
    m_tabs->addTab(buildPasswordTab(), QString());

    auto *row = new QHBoxLayout;
    row->addWidget(m_tabs, 1);
    row->addWidget(buildPreview(), 1);

    m_save = new QPushButton(this);
    m_cancel = new QPushButton(this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->addLayout(row);
    main->addLayout(buttons);

    for (QComboBox *combo : {m_scale, m_paper, m_orientation})
        connect(combo, &QComboBox::currentIndexChanged, this, &ExportDlg::updateTimer);
    connect(m_byCenter, &QCheckBox::toggled, this, &ExportDlg::updateTimer);
    for (QDoubleSpinBox *box : {m_left, m_right, m_top, m_bottom})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ExportDlg::updateTimer);
    connect(m_append, &QCheckBox::toggled, this, &ExportDlg::appendMode);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ExportDlg::printPreview);
    connect(m_back, &QToolButton::clicked, this, &ExportDlg::back);
    connect(m_next, &QToolButton::clicked, this, &ExportDlg::next);
    connect(m_save, &QPushButton::clicked, this, &ExportDlg::apply);
    connect(m_cancel, &QPushButton::clicked, this, &ExportDlg::reject);
    connect(m_timer, &QTimer::timeout, this, &ExportDlg::updatePreview);

    retranslateUi();
}

// The preview widget paints through the printer until it is gone.
ExportDlg::~ExportDlg()
{
    delete m_preview;
    delete m_printer;
}

QWidget *ExportDlg::buildGeneralTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    m_scaleLabel = new QLabel(tab);
    m_scaleLabel->setBuddy(m_scale);
    m_paperLabel = new QLabel(tab);
    m_paperLabel->setBuddy(m_paper);
    m_orientationLabel = new QLabel(tab);
    m_orientationLabel->setBuddy(m_orientation);
    const std::pair<QLabel *, QComboBox *> choices[] = {
        {m_scaleLabel, m_scale}, {m_paperLabel, m_paper}, {m_orientationLabel, m_orientation}};
    for (const auto &[label, combo] : choices) {
        addSpacer(layout);
        layout->addWidget(label);
        layout->addWidget(combo);
    }
    addSpacer(layout);
    layout->addWidget(m_saveFile);
    addSpacer(layout);
    layout->addWidget(m_append);
    layout->addWidget(m_appendFile);
    addSpacer(layout);
    layout->addWidget(m_ocr);
    m_ocrLanguageLabel = new QLabel(tab);
    m_ocrLanguageLabel->setBuddy(m_ocrLanguage);
    auto *languageRow = new QHBoxLayout;
    languageRow->setContentsMargins(20, 0, 0, 0);
    languageRow->addWidget(m_ocrLanguageLabel);
    languageRow->addWidget(m_ocrLanguage, 1);
    layout->addLayout(languageRow);
    m_ocrLanguage->setEnabled(false);
    connect(m_ocr, &QCheckBox::toggled, m_ocrLanguage, &QWidget::setEnabled);
    layout->addStretch(1);
    addSpacer(layout);
    layout->addWidget(m_needOpen);
    return tab;
}

QWidget *ExportDlg::buildLayoutTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    m_margins = new QGroupBox(tab);
    auto *grid = new QGridLayout(m_margins);
    m_leftLabel = new QLabel(m_margins);
    m_rightLabel = new QLabel(m_margins);
    m_topLabel = new QLabel(m_margins);
    m_bottomLabel = new QLabel(m_margins);
    grid->addWidget(m_leftLabel, 0, 0);
    grid->addWidget(m_left, 0, 1);
    grid->addWidget(m_rightLabel, 0, 2);
    grid->addWidget(m_right, 0, 3);
    grid->addWidget(m_topLabel, 1, 0);
    grid->addWidget(m_top, 1, 1);
    grid->addWidget(m_bottomLabel, 1, 2);
    grid->addWidget(m_bottom, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    addSpacer(layout);
    layout->addWidget(m_margins);
    addSpacer(layout);
    layout->addWidget(m_byCenter);
    layout->addStretch(1);
    return tab;
}

QWidget *ExportDlg::buildPasswordTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    m_passwordLabel = new QLabel(tab);
    m_passwordLabel->setBuddy(m_password);
    auto *row = new QHBoxLayout;
    row->addWidget(m_passwordLabel);
    row->addWidget(m_password);
    addSpacer(layout);
    layout->addLayout(row);
    addSpacer(layout);
    m_noSecretStore = new QLabel(tab);
    m_noSecretStore->setWordWrap(true);
    m_noSecretStore->hide();
    auto *keepRow = new QHBoxLayout;
    keepRow->addWidget(m_keepPassword);
    keepRow->addWidget(m_noSecretStore, 1);
    layout->addLayout(keepRow);
    layout->addStretch(1);
    return tab;
}

QGroupBox *ExportDlg::buildPreview()
{
    m_previewGroup = new QGroupBox(this);
    auto *layout = new QVBoxLayout(m_previewGroup);
    m_preview->setMinimumWidth(300);
    layout->addWidget(m_preview, 1);

    m_back->setIcon(QIcon(QStringLiteral(":/images/Back")));
    m_back->setIconSize(QSize(16, 16));
    m_next->setIcon(QIcon(QStringLiteral(":/images/Next")));
    m_next->setIconSize(QSize(16, 16));
    m_counter->setContentsMargins(18, 6, 18, 6);
    m_counter->setText(tr("Pages: %1/%2").arg(1).arg(1));
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_back);
    row->addWidget(m_counter);
    row->addWidget(m_next);
    row->addStretch(1);
    layout->addLayout(row);
    return m_previewGroup;
}

void ExportDlg::retranslateUi()
{
    setWindowTitle(tr("Build PDF"));
    m_tabs->setTabText(0, tr("General"));
    m_tabs->setTabText(1, tr("Layout"));
    m_tabs->setTabText(2, tr("Password"));
    m_previewGroup->setTitle(tr("Preview"));
    m_scaleLabel->setText(tr("&Scale:"));
    m_scale->setItemText(0, tr("By dots per inch"));
    m_scale->setItemText(1, tr("Stretch to paper list"));
    m_scale->setItemText(2, tr("Stretch with keeping aspect"));
    m_paperLabel->setText(tr("&Paper size:"));
    m_orientationLabel->setText(tr("&Orientation:"));
    m_orientation->setItemText(0, tr("Portrait"));
    m_orientation->setItemText(1, tr("Landscape"));
    m_saveFile->setLabelText(tr("&Save to file:"));
    m_saveFile->setFilter(tr("PDF File (*.pdf)"));
    m_append->setText(tr("&Append pages to existing file"));
    m_needOpen->setText(tr("&Open PDF document after creation"));
    m_ocr->setText(tr("Make text searchable (OCR)"));
    m_ocrLanguageLabel->setText(tr("Text &language:"));
    fillOcrLanguages(m_ocrLanguage->currentData().toString());
    m_margins->setTitle(tr("Margins"));
    m_leftLabel->setText(tr("Left"));
    m_rightLabel->setText(tr("Right"));
    m_topLabel->setText(tr("Top"));
    m_bottomLabel->setText(tr("Bottom"));
    for (QDoubleSpinBox *box : {m_left, m_right, m_top, m_bottom})
        box->setSuffix(tr(" cm"));
    m_byCenter->setText(tr("By Page &Center"));
    m_passwordLabel->setText(tr("Use &Password:"));
    m_password->setPlaceholderText(tr("Type a password or keep empty"));
    m_keepPassword->setText(tr("&Save password for next using"));
    m_noSecretStore->setText(
        tr("No password store is running on this desktop, so the password can't be kept."));
    m_save->setText(tr("Save to PDF"));
    m_cancel->setText(tr("Cancel"));
    if (!m_files.isEmpty())
        m_counter->setText(counterText());
}

void ExportDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void ExportDlg::setFiles(const QStringList &files)
{
    m_files = files;
    if (!m_files.isEmpty()) {
        m_previewIndex = 0;
        m_previewFile = m_files.first();
        m_counter->setText(tr("Pages: %1/%2").arg(1).arg(m_files.size()));
    }
    const PdfExportSettings settings = loadSettings();
    applySettings(settings);
    updatePreview();
    // The kept password comes from the secret store once it answers.
    m_passwordPending = true;
    const bool keep = settings.keepPassword;
    PdfPasswordStore::load(keep, this, [this, keep](const PdfPasswordStore::Kept &kept) {
        m_passwordPending = false;
        // Unless the user typed one meanwhile.
        if (keep && m_password->text().isEmpty())
            m_password->setText(kept.password);
        setSecretStoreAvailable(kept.storeAvailable);
    });
}

QString ExportDlg::counterText() const
{
    return m_counter->text();
}

bool ExportDlg::isAppendMode() const
{
    return m_append->isChecked();
}

bool ExportDlg::isPreviewPending() const
{
    return m_timer->isActive();
}

PdfExportSettings ExportDlg::readControls() const
{
    PdfExportSettings s;
    s.paperSize = currentData(m_paper);
    s.orientation = currentData(m_orientation);
    s.scale = currentData(m_scale);
    s.left = m_left->value();
    s.right = m_right->value();
    s.top = m_top->value();
    s.bottom = m_bottom->value();
    s.needOpen = m_needOpen->isChecked();
    s.byCenter = m_byCenter->isChecked();
    const QString target = m_saveFile->text();
    if (target.isEmpty()) {
        // Nothing chosen yet: the remembered folder stays remembered.
        s.docFolder = m_saveFile->startFolder();
    } else {
        const QFileInfo info(QDir::fromNativeSeparators(target));
        s.docFolder = QDir::toNativeSeparators(info.path());
        s.docName = info.fileName();
    }
    s.appendFolder = m_appendFile->text();
    s.pdfPassword = m_password->text();
    s.keepPassword = m_keepPassword->isChecked();
    s.ocr = m_ocr->isChecked();
    s.ocrLanguages = m_ocrLanguage->currentData().toString();
    return s;
}

PdfExportSettings ExportDlg::loadSettings()
{
    return PdfExportSettings::read();
}

void ExportDlg::saveSettings(const PdfExportSettings &settings)
{
    settings.write();
}

void ExportDlg::applySettings(const PdfExportSettings &settings)
{
    selectData(m_scale, settings.scale);
    selectData(m_paper, settings.paperSize);
    selectData(m_orientation, settings.orientation);
    m_left->setValue(settings.left);
    m_right->setValue(settings.right);
    m_top->setValue(settings.top);
    m_bottom->setValue(settings.bottom);
    m_needOpen->setChecked(settings.needOpen);
    m_byCenter->setChecked(settings.byCenter);
    m_appendFile->setText(settings.appendFolder);
    m_saveFile->setStartFolder(settings.docFolder);
    m_password->setText(settings.keepPassword ? settings.pdfPassword : QString());
    m_keepPassword->setChecked(settings.keepPassword);
    m_ocr->setChecked(settings.ocr);
    fillOcrLanguages(settings.ocrLanguages);
}

void ExportDlg::fillOcrLanguages(const QString &selected)
{
    const QString uiLanguage = Settings::readString(SettingsKeys::Language, QStringLiteral("en"));
    QStringList codes = OcrLanguages::installed();
    // A choice whose data has gone stays listed, so the export names the missing package.
    if (!selected.isEmpty() && !codes.contains(selected))
        codes.append(selected);
    if (codes.isEmpty())
        codes.append(OcrLanguages::defaultFor(uiLanguage, codes));
    QList<QPair<QString, QString>> entries;
    for (const QString &code : codes)
        entries.append({OcrLanguages::displayName(code, uiLanguage), code});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    const QSignalBlocker block(m_ocrLanguage);
    m_ocrLanguage->clear();
    for (const auto &[name, code] : entries)
        m_ocrLanguage->addItem(name, code);
    const int index = m_ocrLanguage->findData(
        selected.isEmpty() ? OcrLanguages::defaultFor(uiLanguage, codes) : selected);
    m_ocrLanguage->setCurrentIndex(std::max(0, index));
}

void ExportDlg::setSecretStoreAvailable(bool available)
{
    m_keepPassword->setEnabled(available);
    if (!available)
        m_keepPassword->setChecked(false);
    m_noSecretStore->setVisible(!available);
}

void ExportDlg::appendMode(bool on)
{
    m_appendFile->setEnabled(on);
    m_saveFile->setEnabled(!on);
    if (on && m_appendFile->text().isEmpty())
        m_appendFile->browseFile();
}

void ExportDlg::warn(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Vellumo"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ExportDlg::apply()
{
    if (m_files.isEmpty())
        return;
    PdfExportSettings settings = readControls();
    const bool append = isAppendMode();
    if (settings.docName.isEmpty() && !append) {
        // Asked for first; the export goes on once a name is chosen.
        m_saveFile->browseFile([this] { apply(); });
        return;
    }
    // Before any file is touched, so the choices survive a failed or cancelled export.
    saveSettings(settings);
    PdfPasswordStore::save(settings.pdfPassword, settings.keepPassword, this,
                           [this](bool kept, const QString &keepError) {
                               if (!kept)
                                   warn(tr("Can't keep the password: %1").arg(keepError));
                           });

    if (!append && settings.docName.isEmpty()) {
        warn(tr("Please enter a file name."));
        return;
    }
    if (append && settings.appendFolder.isEmpty()) {
        warn(tr("Please select an existing PDF file."));
        return;
    }
    if (isExporting())
        return;
    m_run->start(std::make_unique<PdfExportJob>(
                     settings, m_files, append,
                     Settings::readString(SettingsKeys::Language, QStringLiteral("en"))),
                 new PdfProgress(int(m_files.size()), this),
                 [this](Job &job, Job::Outcome) { exportEnded(job); });
}

void ExportDlg::setJobRunner(JobRunner *runner)
{
    m_run->setJobRunner(runner);
}

bool ExportDlg::isExporting() const
{
    return m_run->isRunning();
}

void ExportDlg::exportEnded(Job &job)
{
    auto *written = dynamic_cast<PdfExportJob *>(&job);
    if (!written)
        return;
    m_error = written->detail();
    switch (written->result()) {
    case PdfWriter::Result::Finished:
        emit applied(written->appliedPath());
        if (written->pagesWithoutText() > 0)
            warn(tr("The text of %n page(s) could not be recognised; they are in the PDF as "
                    "pictures only.",
                    "", written->pagesWithoutText()));
        accept();
        break;
    case PdfWriter::Result::OcrUnavailable:
        // Nothing was written; the user can install the package or turn recognition off.
        warn(written->userMessage());
        break;
    case PdfWriter::Result::Cancelled:
        reject();
        break;
    case PdfWriter::Result::TargetUnwritable:
        emit failed(written->failedPath());
        hide();
        reject();
        break;
    case PdfWriter::Result::Failed:
        // The user may change the choices and retry.
        emit failed(written->failedPath());
        break;
    case PdfWriter::Result::NoPages:
    case PdfWriter::Result::NoTarget:
        break;
    }
}

void ExportDlg::printPreview(QPrinter *printer)
{
    m_document->print(printer);
}

void ExportDlg::showPage(int index)
{
    if (index < 0 || index >= m_files.size() || index == m_previewIndex)
        return;
    m_previewIndex = index;
    m_previewFile = m_files[index];
    m_counter->setText(tr("Pages: %1/%2").arg(m_previewIndex + 1).arg(m_files.size()));
    updatePreview();
}

void ExportDlg::back()
{
    showPage(m_previewIndex - 1);
}

void ExportDlg::next()
{
    showPage(m_previewIndex + 1);
}

void ExportDlg::updateTimer()
{
    m_timer->stop();
    m_timer->start();
}

void ExportDlg::updatePreview()
{
    m_timer->stop();
    const PdfExportSettings settings = readControls();
    const auto orientation =
        settings.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_printer->setPageOrientation(orientation);
    m_preview->setOrientation(orientation);
    const PaperSizes::Paper *paper = PaperSizes::find(settings.paperSize);
    m_printer->setPageSize(QPageSize(paper ? paper->pageSizeId : QPageSize::A4));

    const QSizeF page(m_printer->width(), m_printer->height());
    m_document->setPageSize(page);
    const double lineHeight = QFontMetricsF(m_document->firstBlock().charFormat().font()).height();

    QImageReader reader(m_previewFile);
    const QSize pixels = reader.size();
    const PdfPreviewFrame frame =
        PdfPreviewLayout::frame(settings, page, m_printer->resolution(), lineHeight, pixels,
                                PdfWriter::resolution(m_previewFile));

    m_document->clear();
    if (!m_previewFile.isEmpty() && frame.image.width() > 0 && frame.image.height() > 0) {
        // Decoded at the size it is shown at, which for JPEG pages is much cheaper than the
        // whole image.
        reader.setScaledSize(frame.image);
        const QImage image = reader.read();
        const QUrl name(m_previewFile);
        m_document->addResource(QTextDocument::ImageResource, name, image);
        QTextCursor cursor(m_document->rootFrame()->firstCursorPosition());
        QTextImageFormat format;
        format.setName(m_previewFile);
        format.setWidth(frame.image.width());
        format.setHeight(frame.image.height());
        cursor.insertImage(format);
    }
    QTextFrameFormat root = m_document->rootFrame()->frameFormat();
    root.setTopMargin(frame.top);
    root.setBottomMargin(frame.bottom);
    root.setLeftMargin(frame.left);
    root.setRightMargin(frame.right);
    root.setBorder(0);
    root.setPadding(0);
    root.setBorderBrush(Qt::white);
    m_document->rootFrame()->setFrameFormat(root);
    ++m_previewCount;
    m_preview->updatePreview();
}
