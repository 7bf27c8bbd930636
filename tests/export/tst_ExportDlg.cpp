#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTimer>

#include "core/SecretStore.h"
#include "core/Settings.h"
#include "core/SettingsKeys.h"
#include "export/ExportDlg.h"
#include "export/PdfPasswordStore.h"
#include "export/PdfPreviewLayout.h"
#include "export/PdfProgress.h"
#include "export/SelectSaveFileWidget.h"
#include "support/DialogAnswerer.h"
#include "support/FileDialogAnswerer.h"
#include "support/StoreAnswers.h"

namespace {

QString writePage(const QString &path, QSize size, int dpi)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 210, 220));
    image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    return QImageWriter(path, "jpeg").write(image) ? path : QString();
}

QString pdfInfo(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The image the preview document holds, or a null format when it holds none.
QTextImageFormat previewImage(const QTextDocument *document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                return format.toImageFormat();
        }
    }
    return {};
}

} // namespace

class TestExportDlg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_pages;

    void clearSettings() { QSettings().clear(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Appending checks the existing file with vellumo-cli, which the test finds on PATH.
        qputenv("PATH", qgetenv("VELLUMO_BIN_DIR") + ':' + qgetenv("PATH"));
        // A space in the folder name: the preview finds its image by the file path.
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("work folder"))));
        for (int i = 1; i <= 3; ++i) {
            const QString path =
                m_dir.filePath(QStringLiteral("work folder/%1_w.jpg").arg(i, 8, 10, QChar(u'0')));
            QVERIFY(!writePage(path, QSize(248 + i, 351), 30).isEmpty());
            m_pages << path;
        }
    }

    void init() { clearSettings(); }

    void previewSizeRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSizeF>("available");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("expected");
        // 300 x 600 pixels at 300 dpi are 1 x 2 inches: 96 x 192 printer pixels at 96 dpi.
        QTest::newRow("own size fits")
            << 0 << QSizeF(500, 500) << QSize(300, 600) << QSize(96, 192);
        QTest::newRow("own size too tall")
            << 0 << QSizeF(500, 150.5) << QSize(300, 600) << QSize(75, 150);
        QTest::newRow("equal is not inside")
            << 0 << QSizeF(96, 500) << QSize(300, 600) << QSize(96, 192);
        QTest::newRow("stretch") << 1 << QSizeF(500.7, 300.2) << QSize(300, 600) << QSize(500, 300);
        QTest::newRow("unknown mode stretches")
            << 7 << QSizeF(500, 300) << QSize(300, 600) << QSize(500, 300);
        QTest::newRow("keep aspect") << 2 << QSizeF(500, 300) << QSize(300, 600) << QSize(150, 300);
    }
    void previewSizeRules()
    {
        QFETCH(int, mode);
        QFETCH(QSizeF, available);
        QFETCH(QSize, pixels);
        QFETCH(QSize, expected);
        QCOMPARE(
            PdfPreviewLayout::previewSize(mode, available, pixels, QSizeF(300, 300), 96 / 2.54),
            expected);
    }

    void previewFrameMarginsAndCentring()
    {
        PdfExportSettings s;
        s.left = 1.0; // 37.79 pixels at 96 dpi: truncated to 37
        s.top = 0.5;  // 18.89: 18
        s.scale = 1;
        s.byCenter = false;
        PdfPreviewFrame f = PdfPreviewLayout::frame(s, QSizeF(794, 1123), 96, 17, QSize(300, 600),
                                                    QSizeF(300, 300));
        QCOMPARE(f.left, 37);
        QCOMPARE(f.top, 18);
        QCOMPARE(f.image, QSize(794 - 37, 1123 - 18 - 17));

        // Centred: half the free room is added to the left and top margins.
        s = PdfExportSettings();
        s.scale = 2;
        f = PdfPreviewLayout::frame(s, QSizeF(794, 1123), 96, 17, QSize(600, 600),
                                    QSizeF(300, 300));
        QCOMPARE(f.image, QSize(794, 794));
        QCOMPARE(f.left, 1); // a zero left margin becomes 1
        QCOMPARE(f.top, int((1123 - 17 - 794) * 0.5));
        QCOMPARE(f.right, 0);
        QCOMPARE(f.bottom, 0);
    }

    void countsAndStepsThroughThePages()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        QCOMPARE(dialog.counterText(), QStringLiteral("Pages: 1/3"));
        dialog.back();
        QCOMPARE(dialog.previewIndex(), 0);
        dialog.next();
        dialog.next();
        QCOMPARE(dialog.counterText(), QStringLiteral("Pages: 3/3"));
        QCOMPARE(dialog.previewFile(), m_pages[2]);
        const int shown = dialog.previewCount();
        dialog.next();
        QCOMPARE(dialog.previewIndex(), 2);
        QCOMPARE(dialog.previewCount(), shown);
        dialog.back();
        QCOMPARE(dialog.counterText(), QStringLiteral("Pages: 2/3"));
        QCOMPARE(previewImage(dialog.previewDocument()).name(), m_pages[1]);

        ExportDlg single;
        single.setFiles(m_pages.mid(0, 1));
        single.next();
        single.back();
        QCOMPARE(single.counterText(), QStringLiteral("Pages: 1/1"));
        QCOMPARE(single.previewIndex(), 0);
    }

    void previewShowsThePageOnTheChosenPaper()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        const QTextDocument *document = dialog.previewDocument();
        QVERIFY(document->pageSize().height() > document->pageSize().width());
        const QTextImageFormat image = previewImage(document);
        QCOMPARE(image.name(), m_pages[0]);
        // 249 x 351 pixels at 30 dpi do not fit on A4, so they are scaled into it.
        QVERIFY(image.width() > 0 && image.height() > 0);
        QVERIFY(qAbs(image.width() / image.height() - 249.0 / 351) < 0.01);
        QVERIFY(!document->resource(QTextDocument::ImageResource, QUrl(m_pages[0]))
                     .value<QImage>()
                     .isNull());

        auto combos = dialog.findChildren<QComboBox *>();
        QComboBox *orientation = nullptr;
        for (QComboBox *combo : combos) {
            if (combo->count() == 2)
                orientation = combo;
        }
        QVERIFY(orientation);
        orientation->setCurrentIndex(1);
        dialog.updatePreview();
        QVERIFY(document->pageSize().width() > document->pageSize().height());
    }

    // Ten quick steps of a margin give one preview update, half a second after the last.
    void burstOfChangesGivesOneUpdate()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto boxes = dialog.findChildren<QDoubleSpinBox *>();
        QCOMPARE(boxes.size(), 4);
        QDoubleSpinBox *left = boxes.first();
        left->setFocus();
        const int before = dialog.previewCount();
        QElapsedTimer clock;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(left, Qt::Key_Up);
            QTest::qWait(30);
        }
        clock.start();
        QCOMPARE(left->value(), 1.0);
        QCOMPARE(dialog.previewCount(), before);
        QVERIFY(dialog.isPreviewPending());
        QTRY_COMPARE(dialog.previewCount(), before + 1);
        QVERIFY(clock.elapsed() >= 400);
        QTest::qWait(600); // deliberately longer than the delay: no second update may come
        QCOMPARE(dialog.previewCount(), before + 1);
    }

    void settingsRoundTrip()
    {
        Settings::write(SettingsKeys::PaperSize, 9);
        Settings::write(SettingsKeys::Orientation, 1);
        Settings::write(SettingsKeys::Scale, 2);
        Settings::write(SettingsKeys::Left, 1.5);
        Settings::write(SettingsKeys::ByCenter, false);
        Settings::write(SettingsKeys::NeedOpen, false);
        Settings::write(SettingsKeys::DocFolder, m_dir.path());
        Settings::write(SettingsKeys::DocName, QStringLiteral("old.pdf"));
        Settings::write(SettingsKeys::AppendFolder, QStringLiteral("/some/where.pdf"));
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        const PdfExportSettings s = dialog.readControls();
        QCOMPARE(s.paperSize, 9);
        QCOMPARE(s.orientation, 1);
        QCOMPARE(s.scale, 2);
        QCOMPARE(s.left, 1.5);
        QVERIFY(!s.byCenter);
        QVERIFY(!s.needOpen);
        QCOMPARE(s.appendFolder, QStringLiteral("/some/where.pdf"));
        // The save picker starts empty, in the stored folder; the folder is not forgotten.
        QCOMPARE(s.docName, QString());
        QCOMPARE(s.docFolder, m_dir.path());
    }

    void unofferedPaperReadsAsA4()
    {
        Settings::write(SettingsKeys::PaperSize, 3); // Legal
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        QComboBox *paper = nullptr;
        for (QComboBox *combo : dialog.findChildren<QComboBox *>()) {
            if (combo->count() == 8)
                paper = combo;
        }
        QVERIFY(paper);
        QCOMPARE(paper->currentIndex(), -1);
        QCOMPARE(dialog.readControls().paperSize, 0);
    }

    // Runs twice: with a secret store of the test's own, and alone without any (see the
    // folder's CMakeLists.txt).
    void passwordIsKeptOnlyInTheSecretStore()
    {
        const bool storeRuns = qEnvironmentVariableIsSet("VELLUMO_TEST_SECRET_STORE");
        // What an older version left: the password in clear text.
        Settings::write(SettingsKeys::PdfPassword, QStringLiteral("secret"));
        Settings::write(SettingsKeys::KeepPassword, true);
        StoreAnswers::moveClearTextPassword();
        QVERIFY(!Settings::contains(SettingsKeys::PdfPassword));

        auto keepBox = [](const ExportDlg &dialog) {
            for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
                if (box->text() == QStringLiteral("&Save password for next using"))
                    return box;
            }
            return static_cast<QCheckBox *>(nullptr);
        };
        auto noStoreNote = [](const ExportDlg &dialog) {
            for (QLabel *label : dialog.findChildren<QLabel *>()) {
                if (label->text().contains(QStringLiteral("password can't be kept")))
                    return label;
            }
            return static_cast<QLabel *>(nullptr);
        };
        {
            ExportDlg dialog;
            dialog.setFiles(m_pages);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.isPasswordPending(), 30000);
            QCheckBox *keep = keepBox(dialog);
            QLabel *note = noStoreNote(dialog);
            QVERIFY(keep && note);
            QCOMPARE(keep->isEnabled(), storeRuns);
            QCOMPARE(keep->isChecked(), storeRuns);
            QCOMPARE(note->isHidden(), storeRuns);
            QCOMPARE(dialog.readControls().pdfPassword,
                     storeRuns ? QStringLiteral("secret") : QString());
        }
        if (!storeRuns)
            return;

        // Unchecking the box removes the kept password from the store too.
        Settings::write(SettingsKeys::KeepPassword, false);
        {
            ExportDlg dialog;
            dialog.setFiles(m_pages);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.isPasswordPending(), 30000);
            QCOMPARE(dialog.readControls().pdfPassword, QString());
        }
        QCOMPARE(StoreAnswers::read(QStringLiteral("PdfPassword")).status,
                 SecretStore::Status::NotFound);
        QFile settingsFile(QSettings().fileName());
        QVERIFY(settingsFile.open(QIODevice::ReadOnly));
        QVERIFY(!settingsFile.readAll().contains("secret"));
    }

    void passwordTakesLettersDigitsUnderscoreHyphenAndSpace()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        QLineEdit *password = nullptr;
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
            if (edit->placeholderText() == QStringLiteral("Type a password or keep empty"))
                password = edit;
        }
        QVERIFY(password);
        QTest::keyClicks(password, QStringLiteral("ab_C-9 x!#."));
        QCOMPARE(password->text(), QStringLiteral("ab_C-9 x"));
    }

    void newFileIsAskedForWrittenAndReported()
    {
        const QString target = m_dir.filePath(QStringLiteral("report.pdf"));
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        dialog.show();
        QSignalSpy applied(&dialog, &ExportDlg::applied);
        QSignalSpy failed(&dialog, &ExportDlg::failed);
        FileDialogAnswerer answer(target);
        dialog.apply();
        QTRY_VERIFY(answer.hasAnswered());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QVERIFY(answer.hasAnswered());
        QCOMPARE(answer.title(), QStringLiteral("Save file"));
        QCOMPARE(answer.nameFilters(), QStringList{QStringLiteral("PDF File (*.pdf)")});
        QCOMPARE(failed.size(), 0);
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.first().first().toString(), QDir::toNativeSeparators(target));
        QCOMPARE(pageCount(target), 3);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Settings::readString(SettingsKeys::DocName, {}), QStringLiteral("report.pdf"));
        QCOMPARE(Settings::readString(SettingsKeys::DocFolder, {}), m_dir.path());
    }

    void cancelledSaveDialogDoesNothing()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        dialog.show();
        QSignalSpy applied(&dialog, &ExportDlg::applied);
        QSignalSpy failed(&dialog, &ExportDlg::failed);
        FileDialogAnswerer answer{QString()};
        dialog.apply();
        QTRY_VERIFY(answer.hasAnswered());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QVERIFY(answer.hasAnswered());
        QVERIFY(dialog.isVisible());
        QCOMPARE(applied.size() + failed.size(), 0);
        QVERIFY(!QSettings().contains(QString(SettingsKeys::DocName)));
    }

    void emptyListDoesNothing()
    {
        ExportDlg dialog;
        dialog.setFiles({});
        QCOMPARE(dialog.counterText(), QStringLiteral("Pages: 1/1"));
        dialog.show();
        dialog.apply();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QVERIFY(dialog.isVisible());
        QVERIFY(!QSettings().contains(QString(SettingsKeys::PaperSize)));
    }

    void appendWithoutAFileIsAskedForThenWarned()
    {
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        dialog.show();
        QSignalSpy applied(&dialog, &ExportDlg::applied);
        FileDialogAnswerer browse{QString()};
        QCheckBox *append = nullptr;
        for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
            if (box->text() == QStringLiteral("&Append pages to existing file"))
                append = box;
        }
        QVERIFY(append);
        append->setChecked(true);
        QTRY_VERIFY(browse.hasAnswered());
        QCOMPARE(browse.title(), QStringLiteral("Open existing PDF"));
        QVERIFY(dialog.isAppendMode());
        QCOMPARE(dialog.readControls().appendFolder, QString());

        DialogAnswerer ok(QStringLiteral("OK"));
        dialog.apply();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QTRY_VERIFY(ok.hasAnswered());
        QCOMPARE(ok.title(), QStringLiteral("Vellumo"));
        QCOMPARE(ok.text(), QStringLiteral("Please select an existing PDF file."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(applied.size(), 0);
        // The choices were kept although nothing was written.
        QVERIFY(QSettings().contains(QString(SettingsKeys::PaperSize)));
    }

    void appendAddsToTheChosenFile()
    {
        const QString existing = m_dir.filePath(QStringLiteral("existing.pdf"));
        QFile::remove(existing);
        Settings::write(SettingsKeys::DocFolder, m_dir.path());
        Settings::write(SettingsKeys::DocName, QStringLiteral("existing.pdf"));
        {
            ExportDlg first;
            first.setFiles(m_pages.mid(0, 1));
            // The picker starts empty, so the name is asked for.
            FileDialogAnswerer save(existing);
            first.apply();
            QTRY_VERIFY(save.hasAnswered());
            QTRY_VERIFY_WITH_TIMEOUT(!first.isExporting(), 60000);
        }
        QCOMPARE(pageCount(existing), 1);
        Settings::write(SettingsKeys::AppendFolder, existing);
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        QSignalSpy applied(&dialog, &ExportDlg::applied);
        QSignalSpy failed(&dialog, &ExportDlg::failed);
        for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
            if (box->text() == QStringLiteral("&Append pages to existing file"))
                box->setChecked(true);
        }
        dialog.apply();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.first().first().toString(), existing);
        QCOMPARE(pageCount(existing), 4);
    }

    void missingFolderFailsAndCloses()
    {
        Settings::write(SettingsKeys::DocFolder, m_dir.filePath(QStringLiteral("no/such")));
        Settings::write(SettingsKeys::DocName, QStringLiteral("x"));
        ExportDlg dialog;
        dialog.setFiles(m_pages);
        dialog.show();
        QSignalSpy failed(&dialog, &ExportDlg::failed);
        FileDialogAnswerer save(m_dir.filePath(QStringLiteral("no/such/x.pdf")));
        dialog.apply();
        QTRY_VERIFY(save.hasAnswered());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(),
                 QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("no/such/x.pdf"))));
        QVERIFY(!dialog.isVisible());
    }

    void unusablePageFailsAndStaysOpen()
    {
        const QString odd = m_dir.filePath(QStringLiteral("page.JPG"));
        QVERIFY(QFile::copy(m_pages[0], odd));
        Settings::write(SettingsKeys::DocFolder, m_dir.path());
        ExportDlg dialog;
        dialog.setFiles({m_pages[0], odd});
        dialog.show();
        QSignalSpy failed(&dialog, &ExportDlg::failed);
        FileDialogAnswerer save(m_dir.filePath(QStringLiteral("odd.pdf")));
        dialog.apply();
        QTRY_VERIFY(save.hasAnswered());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), odd);
        // The writer's reason is there for the window to show, not only the file's name.
        QCOMPARE(dialog.errorString(), QStringLiteral("not a .jpg or .tiff page"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("odd.pdf"))));
    }

    // Cancel is pressed in the progress window as soon as it shows; the job, writing many pages
    // on its own thread, stops at its next page.
    void cancelInProgressWritesNothingAndCloses()
    {
        const QString target = m_dir.filePath(QStringLiteral("cancelled.pdf"));
        ExportDlg dialog;
        QStringList many;
        for (int copy = 0; copy < 400; ++copy)
            many += m_pages;
        dialog.setFiles(many);
        dialog.show();
        QSignalSpy applied(&dialog, &ExportDlg::applied);
        FileDialogAnswerer save(target);
        // Once the name is chosen the export starts; Cancel comes right after.
        bool cancelled = false;
        auto *picker = dialog.findChild<SelectSaveFileWidget *>();
        QVERIFY(picker);
        connect(
            picker, &SelectPathWidget::chosen, this,
            [&] {
                if (auto *progress = dialog.findChild<PdfProgress *>()) {
                    progress->cancelClicked();
                    cancelled = true;
                }
            },
            Qt::QueuedConnection);
        dialog.apply();
        QTRY_VERIFY(cancelled);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isExporting(), 60000);
        QCOMPARE(applied.size(), 0);
        QVERIFY(!QFile::exists(target));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".vellumo-*")}, QDir::Hidden),
                 QStringList());
    }
};

QTEST_MAIN(TestExportDlg)
#include "tst_ExportDlg.moc"
