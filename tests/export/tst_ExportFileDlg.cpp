#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "export/DocGenerator.h"
#include "export/ExportDjvuDlg.h"
#include "export/ExportFileDlg.h"
#include "export/ExportWordDlg.h"

// The dialogs over the image, Word and DjVu exports: what they show, what they keep, the target
// names they build, and the folder check that keeps the image dialog open.
class tst_ExportFileDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { QSettings().clear(); }
    void storedChoicesShownWhenValid_data();
    void storedChoicesShownWhenValid();
    void missingFolderKeepsTheDialogOpen();
    void targetName_data();
    void targetName();
    void storedDjvuCompressionHeldToItsRange();
};

void tst_ExportFileDlg::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VellumoTests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_ExportFileDlg"));
}

void tst_ExportFileDlg::storedChoicesShownWhenValid_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("shownFormat");
    QTest::addColumn<int>("shownQuality");
    QTest::addColumn<bool>("qualityVisible");
    QTest::newRow("jpeg at 70") << "jpg" << 70 << "jpg" << 70 << true;
    QTest::newRow("quality 30 ignored") << "jpg" << 30 << "jpg" << 85 << true;
    QTest::newRow("tiff hides quality") << "tiff" << 90 << "tiff" << 90 << false;
    QTest::newRow("unknown format") << "gif" << 101 << "jpg" << 85 << true;
}

void tst_ExportFileDlg::storedChoicesShownWhenValid()
{
    QFETCH(QString, format);
    QFETCH(int, quality);
    QFETCH(QString, shownFormat);
    QFETCH(int, shownQuality);
    QFETCH(bool, qualityVisible);
    QSettings settings;
    settings.setValue(QStringLiteral("ImageFormat"), format);
    settings.setValue(QStringLiteral("ImageJpegQuality"), quality);
    settings.setValue(QStringLiteral("ImageNeedOpen"), false);
    ExportFileDlg dialog;
    dialog.setFiles({QStringLiteral("/pages/00000001_o.jpg")});
    const ImageExportSettings shown = dialog.readControls();
    QCOMPARE(shown.format, shownFormat);
    QCOMPARE(shown.quality, shownQuality);
    QCOMPARE(shown.namePattern, QStringLiteral("IMAGE_[C]"));
    // Checked every time, whatever was stored.
    QVERIFY(shown.openFolder);
    QCOMPARE(dialog.isQualityVisible(), qualityVisible);

    dialog.insertDate();
    dialog.insertCounter();
    QCOMPARE(dialog.readControls().namePattern, QStringLiteral("IMAGE_[C][D][C]"));
}

void tst_ExportFileDlg::missingFolderKeepsTheDialogOpen()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone"));
    QSettings().setValue(QStringLiteral("ImageDocFolder"), missing);
    ExportFileDlg dialog;
    dialog.setFiles({dir.filePath(QStringLiteral("page.jpg"))});
    QSignalSpy errors(&dialog, &ExportFileDlg::errorAppeared);
    QSignalSpy applied(&dialog, &ExportFileDlg::applied);
    dialog.show();
    dialog.apply();
    QTRY_VERIFY(!dialog.isExporting());
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().first().toString(),
             QStringLiteral("Folder %1 isn't exists.").arg(missing));
    QVERIFY(applied.isEmpty());
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(missing));
    // The choices were kept before the folder was tested.
    QCOMPARE(QSettings().value(QStringLiteral("ImageFormat")).toString(), QStringLiteral("jpg"));
}

void tst_ExportFileDlg::targetName_data()
{
    QTest::addColumn<bool>("djvu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::newRow("word plain") << false << "letter"
                                << "/out/letter.docx";
    QTest::newRow("word suffix given") << false << "letter.docx"
                                       << "/out/letter.docx";
    QTest::newRow("word capital suffix kept") << false << "report.DOCX"
                                              << "/out/report.DOCX.docx";
    QTest::newRow("word suffix inside") << false << "a.docx.b"
                                        << "/out/a.b.docx";
    QTest::newRow("djvu suffix given") << true << "book.djvu"
                                       << "/out/book.djvu";
    QTest::newRow("djvu capital suffix kept") << true << "book.DJVU"
                                              << "/out/book.DJVU.djvu";
}

void tst_ExportFileDlg::targetName()
{
    QFETCH(bool, djvu);
    QFETCH(QString, name);
    QFETCH(QString, target);
    const QString folder = QStringLiteral("/out");
    QCOMPARE(DocGenerator::targetPath(folder, name,
                                      djvu ? QStringLiteral("djvu") : QStringLiteral("docx")),
             target);
}

void tst_ExportFileDlg::storedDjvuCompressionHeldToItsRange()
{
    QSettings().setValue(QStringLiteral("DjvuPercent"), 120);
    ExportDjvuDlg dialog;
    dialog.setFiles({QStringLiteral("/pages/00000001_o.jpg")});
    QCOMPARE(dialog.readControls().compression, 95);
    QVERIFY(dialog.readControls().openDocument);
}

QTEST_MAIN(tst_ExportFileDlg)
#include "tst_ExportFileDlg.moc"
