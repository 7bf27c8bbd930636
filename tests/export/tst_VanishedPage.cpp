#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "export/DjvuGenerator.h"
#include "export/DocxGenerator.h"
#include "export/PdfExportSettings.h"
#include "export/PdfWriter.h"
#include "support/TestPages.h"

// A page file that has gone between choosing the pages and writing them fails every kind of
// document the same way: nothing written, and the reason names the page. A document quietly one
// page short would reach its reader before anyone noticed.
class tst_VanishedPage : public QObject
{
    Q_OBJECT

private slots:
    void everyWriterFailsNamingThePage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pdf") << "pdf";
        QTest::newRow("docx") << "docx";
        QTest::newRow("djvu") << "djvu";
    }
    void everyWriterFailsNamingThePage()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        // Named as the window names its pages, so every writer takes them.
        const QString first = dir.filePath(QStringLiteral("00000001_o.jpg"));
        const QString gone = dir.filePath(QStringLiteral("00000002_o.jpg"));
        const QString third = dir.filePath(QStringLiteral("00000003_o.jpg"));
        QVERIFY(TestPages::pageImage(1).save(first));
        QVERIFY(TestPages::pageImage(3).save(third));
        const QStringList files{first, gone, third};
        const QString target = dir.filePath(QStringLiteral("out.") + kind);

        bool written = false;
        QString reason;
        if (kind == QLatin1String("pdf")) {
            PdfExportSettings settings;
            settings.docFolder = dir.path();
            settings.docName = QStringLiteral("out");
            PdfWriter writer;
            QString failedPath;
            connect(&writer, &PdfWriter::failed, this,
                    [&failedPath](const QString &path) { failedPath = path; });
            written = writer.write(settings, files, false, nullptr) == PdfWriter::Result::Finished;
            reason = failedPath + QLatin1Char(' ') + writer.errorString();
        } else if (kind == QLatin1String("docx")) {
            DocxGenerator generator;
            generator.setFiles(files);
            written = generator.generate(target);
            reason = generator.errorString();
        } else {
            DjvuGenerator generator;
            generator.setFiles(files);
            written = generator.generate(target);
            reason = generator.errorString();
        }
        QVERIFY(!written);
        QVERIFY2(reason.contains(QDir::toNativeSeparators(gone)), qPrintable(reason));
        QVERIFY(!QFileInfo::exists(target));
    }
};

QTEST_MAIN(tst_VanishedPage)
#include "tst_VanishedPage.moc"
