#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>

#include "app/ExportCommands.h"
#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/Settings.h"
#include "core/SettingsKeys.h"
#include "export/ExportDlg.h"
#include "pages/PageListWidget.h"
#include "ribbon/OfficePopupWindow.h"
#include "support/DialogAnswerer.h"
#include "support/FileDialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"

// Takes the URLs the window hands to the desktop instead of starting an application.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

class tst_MainWindowExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void checkedPagesAreExportedAndOpened();
    void notOpenedWhenNotWantedButChecksCleared();
    void otherExportReports_data();
    void otherExportReports();
    void linkSurvivesOddFileNames();
    void imagesWordAndDjvuFromThePages();
    void savePageWritesTheEditorsImage_data();
    void savePageWritesTheEditorsImage();

private:
    QTemporaryDir m_dir;
    UrlCatcher m_catcher;
    MainWindowFixture m_window;
};

void tst_MainWindowExport::initTestCase()
{
    MainWindowFixture::nameApplication();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
}

void tst_MainWindowExport::init()
{
    QSettings().clear();
    m_catcher.urls.clear();
    QVERIFY(m_window.open());
    for (int id = 1; id <= 3; ++id)
        QVERIFY(m_window->pageList()->addImage(TestPages::pageImage(id), false));
}

void tst_MainWindowExport::cleanup()
{
    m_window.reset();
}

void tst_MainWindowExport::checkedPagesAreExportedAndOpened()
{
    PageListWidget *list = m_window->pageList();
    list->setCheckedAt(0, true);
    list->setCheckedAt(2, true);
    const QString target = m_dir.filePath(QStringLiteral("report.pdf"));
    DialogAnswerer save(QStringLiteral("Save to PDF"));
    FileDialogAnswerer name(target);
    m_window->buildPdf();
    // The dialog is opened and the PDF written as a job: both end while this waits.
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->findChild<ExportDlg *>(), 60000);
    QVERIFY(save.hasAnswered());
    QCOMPARE(save.title(), QStringLiteral("Build PDF"));
    QVERIFY(name.hasAnswered());

    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), target});
    QVERIFY(images.waitForFinished(30000));
    // Header, rule, then one line per image: pages 1 and 3 only, 310 and 330 pixels wide.
    const QStringList lines =
        QString::fromLocal8Bit(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[2].simplified().startsWith(QStringLiteral("1 0 image 310 ")));
    QVERIFY(lines[3].simplified().startsWith(QStringLiteral("2 1 image 330 ")));

    QCOMPARE(
        m_window.popupMessages(),
        QStringList{QStringLiteral("PDF file was created.<br>Open <a href=\"%1\">report.pdf</a>")
                        .arg(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded))});
    QCOMPARE(list->checkedCount(), 0);
    QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(target)});
}

void tst_MainWindowExport::notOpenedWhenNotWantedButChecksCleared()
{
    Settings::write(SettingsKeys::NeedOpen, false);
    m_window->pageList()->setCheckedAt(1, true);
    const QString target = m_dir.filePath(QStringLiteral("quiet.pdf"));
    DialogAnswerer save(QStringLiteral("Save to PDF"));
    FileDialogAnswerer name(target);
    m_window->buildPdf();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->findChild<ExportDlg *>(), 60000);
    QVERIFY(QFile::exists(target));
    QCOMPARE(m_window->pageList()->checkedCount(), 0);
    QVERIFY(m_catcher.urls.isEmpty());
}

void tst_MainWindowExport::otherExportReports_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("openKey");
    QTest::addColumn<QString>("message");
    QTest::newRow("word") << "wordWritten"
                          << "/out/letter.docx" << QString(SettingsKeys::WordNeedOpen)
                          << "Word file was created.<br>Open <a href=\"file:///out/letter.docx\">"
                             "letter.docx</a>";
    QTest::newRow("djvu") << "djvuWritten"
                          << "/out/book.djvu" << QString(SettingsKeys::DjvuNeedOpen)
                          << "DjVu file was created.<br>Open <a href=\"file:///out/book.djvu\">"
                             "book.djvu</a>";
    QTest::newRow("images") << "imagesWritten"
                            << "/data/out/" << QString(SettingsKeys::ImageNeedOpen)
                            << "Images was saved.<br>Open folder <a href=\"file:///data/out/\">"
                               "out</a>";
    QTest::newRow("pdf failed: one pop-up") << "pdfFailed"
                                            << "/out/report.pdf" << QString()
                                            << "Error while PDF file creating.<br>Can't write "
                                               "file report.pdf. Probably, file is opened or you "
                                               "can't write to folder.";
    QTest::newRow("word failed")
        << "wordFailed"
        << "/out/letter.docx" << QString()
        << "Error while Word file creating.<br>Can't write file letter.docx. Probably, file is "
           "opened or you can't write to folder.";
    QTest::newRow("djvu failed")
        << "djvuFailed"
        << "/out/book.djvu" << QString()
        << "Error while DjVu file creating.<br>Can't write file book.djvu. Probably, file is "
           "opened or you can't write to folder.";
    QTest::newRow("image failed")
        << "imagesFailed"
        << "/out/p1.png" << QString()
        << "Error while Image file creating.<br>Can't write file p1.png. Probably, file is "
           "opened.";
}

void tst_MainWindowExport::otherExportReports()
{
    QFETCH(QString, report);
    QFETCH(QString, path);
    QFETCH(QString, openKey);
    QFETCH(QString, message);
    const QHash<QString, std::function<void(ExportCommands &, const QString &)>> reports{
        {QStringLiteral("wordWritten"), &ExportCommands::wordWritten},
        {QStringLiteral("djvuWritten"), &ExportCommands::djvuWritten},
        {QStringLiteral("imagesWritten"), &ExportCommands::imagesWritten},
        {QStringLiteral("pdfFailed"),
         [](ExportCommands &e, const QString &p) {
             e.pdfFailed(p);
         }},
        {QStringLiteral("wordFailed"),
         [](ExportCommands &e, const QString &p) {
             e.wordFailed(p);
         }},
        {QStringLiteral("djvuFailed"),
         [](ExportCommands &e, const QString &p) {
             e.djvuFailed(p);
         }},
        {QStringLiteral("imagesFailed"), &ExportCommands::imagesFailed},
    };
    const auto tell = reports.value(report);
    QVERIFY(tell);
    // A missing open setting counts as "do not open".
    tell(m_window->exports(), path);
    QCOMPARE(m_window.popupMessages(), QStringList{message});
    QVERIFY(m_catcher.urls.isEmpty());
    if (openKey.isEmpty())
        return;
    QSettings().setValue(openKey, true);
    tell(m_window->exports(), path);
    QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
}

// A file name is shown as text and the link stays one attribute, whatever the name holds.
void tst_MainWindowExport::linkSurvivesOddFileNames()
{
    m_window->exported(QStringLiteral("/out/a \"b\" <c>.pdf"));
    QCOMPARE(m_window.popupMessages(),
             QStringList{QStringLiteral("PDF file was created.<br>Open <a "
                                        "href=\"file:///out/a%20%22b%22%20%3Cc%3E.pdf\">a "
                                        "&quot;b&quot; &lt;c&gt;.pdf</a>")});
}

void tst_MainWindowExport::imagesWordAndDjvuFromThePages()
{
    const QString folder = m_dir.filePath(QStringLiteral("images"));
    QVERIFY(QDir().mkpath(folder));
    Settings::write(SettingsKeys::ImageDocFolder, folder);
    {
        DialogAnswerer save(QStringLiteral("Save"));
        m_window->exportFiles();
        // Opened, then written as a job: both end while this waits.
        QTRY_VERIFY_WITH_TIMEOUT(save.hasAnswered() && !m_window->isBusy(), 60000);
        QCOMPARE(save.title(), QStringLiteral("Export to image list"));
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({QStringLiteral("IMAGE_1.jpg"), QStringLiteral("IMAGE_2.jpg"),
                          QStringLiteral("IMAGE_3.jpg")}));
    QCOMPARE(QImage(folder + QStringLiteral("/IMAGE_2.jpg")).size(),
             TestPages::pageImage(2).size());
    QVERIFY(m_window.popupMessages().last().startsWith(QStringLiteral("Images was saved.")));

    // No name yet: the save dialog asks for one.
    const QString docx = m_dir.filePath(QStringLiteral("pages.docx"));
    {
        DialogAnswerer save(QStringLiteral("Save"));
        FileDialogAnswerer name(docx);
        m_window->buildWord();
        // Opened, then written as a job: both end while this waits.
        QTRY_VERIFY_WITH_TIMEOUT(save.hasAnswered() && !m_window->isBusy(), 60000);
        QCOMPARE(save.title(), QStringLiteral("Export to Microsoft Word"));
    }
    QVERIFY(QFile::exists(docx));
    QVERIFY(m_window.popupMessages().last().startsWith(QStringLiteral("Word file was created.")));
    QCOMPARE(Settings::readString(SettingsKeys::WordDocFolder, {}), m_dir.path());

    const QString djvu = m_dir.filePath(QStringLiteral("pages.djvu"));
    {
        DialogAnswerer save(QStringLiteral("Save"));
        FileDialogAnswerer name(djvu);
        m_window->buildDjvu();
        // Opened, then written as a job: both end while this waits.
        QTRY_VERIFY_WITH_TIMEOUT(save.hasAnswered() && !m_window->isBusy(), 60000);
        QCOMPARE(save.title(), QStringLiteral("Export to DjVu"));
    }
    QProcess pages;
    pages.start(QStringLiteral("djvused"), {QStringLiteral("-e"), QStringLiteral("n"), djvu});
    QVERIFY(pages.waitForFinished(30000));
    QCOMPARE(pages.readAllStandardOutput().trimmed(), QByteArray("3"));
    QVERIFY(m_window.popupMessages().last().startsWith(QStringLiteral("DjVu file was created.")));
}

void tst_MainWindowExport::savePageWritesTheEditorsImage_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written"); // empty: nothing may be written
    QTest::addColumn<QString>("message");
    QTest::newRow("png") << "page.png"
                         << "page.png"
                         << "The page has been saved to page.png.";
    // The first type of the dialog (JPEG) gives a bare name its suffix.
    QTest::newRow("no suffix") << "page"
                               << "page.jpg"
                               << "The page has been saved to page.jpg.";
    QTest::newRow("missing folder")
        << "gone/page.bmp" << QString() << "Can't save the image to %1.";
}

void tst_MainWindowExport::savePageWritesTheEditorsImage()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(chosen);
    m_window->pageList()->selectPosition(1, 0);
    {
        FileDialogAnswerer name(path);
        m_window->savePage();
        QTRY_VERIFY(name.hasAnswered());
    }
    QCOMPARE(m_window.popupMessages().last(),
             message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    if (written.isEmpty())
        return;
    const QImage image(m_dir.filePath(written));
    QCOMPARE(image.size(), TestPages::pageImage(2).size());
    QCOMPARE(Settings::readString(SettingsKeys::SaveImagePath, {}), m_dir.path());
    QFile::remove(m_dir.filePath(written));
}

QTEST_MAIN(tst_MainWindowExport)
#include "tst_MainWindowExport.moc"
