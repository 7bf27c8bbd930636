#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "imaging/ImageEditor.h"
#include "pages/PageListWidget.h"
#include "ribbon/OfficePopupWindow.h"
#include "ribbon/RibbonBar.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPaths.h"

namespace {

QString writeImage(const QString &path, QSize size, QImage::Format format = QImage::Format_RGB32,
                   int dotsPerMeter = 11811)
{
    QImage image(size, format);
    image.fill(format == QImage::Format_Mono ? 0u : 0xff808080u);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QDir().mkpath(QFileInfo(path).path());
    return image.save(path) ? path : QString();
}

// A JPEG carrying an EXIF orientation: the camera was turned, the pixels were not.
QString writeTurnedJpeg(const QString &path, QSize size, quint16 orientation)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
    }
    QByteArray tiff("MM\0*\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);                   // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8); // Orientation, SHORT, 1
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xff);
    tiff += QByteArray("\0\0", 2);
    tiff += QByteArray("\0\0\0\0", 4); // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const int length = int(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += payload;
    jpeg.insert(2, segment);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
        return {};
    return path;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageCommandsFollowThePageList();
    void statusBarShowsImageInformation_data();
    void statusBarShowsImageInformation();
    void droppedImagesBecomePages();
    void dropRoutedByFirstFile();
    void unreadableFileIsReportedAndOthersLoad();
    void oneBitTiffStaysBlackAndWhite();
    void cameraOrientationIsHonoured();
    void popupWithLinkStaysOpenOnClick();
    void windowMovedOffLeftIsStoredAtZero();
    void choosersStoreTheirSettings();

private:
    QString file(const QString &name) const { return m_files.filePath(name); }
    QString label(int index) const;

    QTemporaryDir m_files;
    MainWindowFixture m_window;
};

void tst_MainWindow::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_files.isValid());
}

void tst_MainWindow::init()
{
    QVERIFY(m_window.open());
}

void tst_MainWindow::cleanup()
{
    m_window.close();
}

QString tst_MainWindow::label(int index) const
{
    // The permanent labels of the status bar in their order: size, resolution, physical size.
    const auto labels =
        m_window->statusBar()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    return index < labels.size() ? labels.at(index)->text() : QString();
}

void tst_MainWindow::pageCommandsFollowThePageList()
{
    const RibbonCommands &commands = m_window->commands();
    QCOMPARE(commands.pageCommands.size(), 23);
    for (QAction *action : commands.pageCommands)
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    QVERIFY(commands.loadFile->isEnabled());
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::DropZonePage));

    m_window->processDroppedFiles({writeImage(file(QStringLiteral("a.png")), QSize(60, 80))});
    QTRY_VERIFY(!m_window->isBusy());
    for (QAction *action : commands.pageCommands)
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::PageListPanel));
    QVERIFY(m_window->editor()->hasImage());

    // Emptying the list turns them off and brings the ribbon back to its first page.
    m_window->ribbonBar()->setCurrentPage(2);
    DialogAnswerer yes(QStringLiteral("Yes"));
    m_window->removePage();
    QTRY_COMPARE(m_window->pageList()->count(), 0);
    for (QAction *action : commands.pageCommands)
        QVERIFY(!action->isEnabled());
    QCOMPARE(m_window->ribbonBar()->currentPageIndex(), 0);
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::DropZonePage));
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::TitlePanel));
    QVERIFY(!m_window->editor()->hasImage());
    QCOMPARE(label(0), QStringLiteral("0x0"));
}

void tst_MainWindow::statusBarShowsImageInformation_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dotsPerMeter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("A4 at 300 dpi")
        << QSize(2480, 3508) << 11811
        << QStringList({QStringLiteral("2480 x 3508"), QStringLiteral("300 DPI"),
                        QStringLiteral("21.0 x 29.7 cm")});
    // QImage refuses a resolution of 0 and keeps its default; 1 dot per metre is the least
    // it keeps, and rounds to 0 DPI just the same.
    QTest::newRow("no resolution")
        << QSize(100, 50) << 1
        << QStringList(
               {QStringLiteral("100 x 50"), QStringLiteral("0 DPI"), QStringLiteral("0x0 cm")});
    QTest::newRow("small") << QSize(59, 59) << 11811
                           << QStringList({QStringLiteral("59 x 59"), QStringLiteral("300 DPI"),
                                           QStringLiteral("0.5 x 0.5 cm")});
}

void tst_MainWindow::statusBarShowsImageInformation()
{
    QFETCH(QSize, size);
    QFETCH(int, dotsPerMeter);
    QFETCH(QStringList, expected);
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    m_window->showImageInfo(&image);
    QCOMPARE(QStringList({label(0), label(1), label(2)}), expected);
    m_window->showImageInfo(nullptr);
    QCOMPARE(
        QStringList({label(0), label(1), label(2)}),
        QStringList({QStringLiteral("0x0"), QStringLiteral("0 DPI"), QStringLiteral("0x0 cm")}));
}

void tst_MainWindow::droppedImagesBecomePages()
{
    const QStringList files = {writeImage(file(QStringLiteral("1.png")), QSize(100, 140)),
                               writeImage(file(QStringLiteral("2.jpg")), QSize(110, 140)),
                               writeImage(file(QStringLiteral("3.bmp")), QSize(120, 140))};
    m_window->processDroppedFiles(files);
    QTRY_VERIFY(!m_window->isBusy());
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(QImageReader(list->workingPath(1)).size(), QSize(110, 140));
    QCOMPARE(list->currentPosition(), 2);
    QCOMPARE(m_window->editor()->path(), list->workingPath(2));
    QVERIFY(m_window->isModified());
    QCOMPARE(QSettings().value(QStringLiteral("LastPath")).toString(), files.last());
    // A JPEG file is the page as it is, byte for byte.
    QCOMPARE(TestPaths::readFile(list->workingPath(1)), TestPaths::readFile(files.at(1)));
    QCOMPARE(TestPaths::readFile(list->store().sourcePath(1)), TestPaths::readFile(files.at(1)));

    // Every page of a multi-page TIFF comes in.
    const QString multi = file(QStringLiteral("three.tiff"));
    QCOMPARE(QProcess::execute(QStringLiteral("convert"),
                               {QStringLiteral("-size"), QStringLiteral("30x40"),
                                QStringLiteral("xc:red"), QStringLiteral("xc:green"),
                                QStringLiteral("xc:blue"), multi}),
             0);
    m_window->processDroppedFiles({multi});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(list->count(), 6);
    QVERIFY(QImage(list->workingPath(5)).pixelColor(15, 20).blue() > 240); // the third, blue
}

void tst_MainWindow::dropRoutedByFirstFile()
{
    const QString image = writeImage(file(QStringLiteral("x.png")), QSize(50, 50));
    QVERIFY(TestPaths::writeFile(file(QStringLiteral("doc.Pdf")), "%PDF-1.4\n"));
    QVERIFY(TestPaths::writeFile(file(QStringLiteral("work.vlmpj")), "PK"));
    // A PDF first: the drop is a PDF import, the image after it is not loaded as a page.
    m_window->processDroppedFiles({file(QStringLiteral("doc.Pdf")), image});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(m_window->pageList()->count(), 0);
    m_window->processDroppedFiles({file(QStringLiteral("work.vlmpj")), image});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(m_window->pageList()->count(), 0);
    // The image first: every file is loaded as an image; the PDF is no image.
    m_window->processDroppedFiles({image, file(QStringLiteral("doc.Pdf"))});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(m_window->pageList()->count(), 1);
    m_window->processDroppedFiles({});
    QCOMPARE(m_window->pageList()->count(), 1);
}

void tst_MainWindow::unreadableFileIsReportedAndOthersLoad()
{
    QVERIFY(TestPaths::writeFile(file(QStringLiteral("broken.jpg")), "not a picture"));
    const QString good = writeImage(file(QStringLiteral("good.png")), QSize(40, 40));
    m_window->processDroppedFiles({file(QStringLiteral("broken.jpg")), good});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(m_window->pageList()->count(), 1);
    const auto popups = m_window->findChildren<OfficePopupWindow *>();
    QCOMPARE(popups.size(), 1);
    const auto content = popups.first()->findChild<QLabel *>(QStringLiteral("PopupLabel"));
    QVERIFY(content);
    QCOMPARE(content->property("Message").toString(),
             QStringLiteral("Sorry, can't load file. Wrong file format.<br>broken.jpg"));
}

void tst_MainWindow::oneBitTiffStaysBlackAndWhite()
{
    const QString mono =
        writeImage(file(QStringLiteral("fax.tif")), QSize(64, 64), QImage::Format_Mono);
    const QString upper =
        writeImage(file(QStringLiteral("FAX2.TIF")), QSize(64, 64), QImage::Format_Mono);
    m_window->processDroppedFiles({mono, upper});
    QTRY_VERIFY(!m_window->isBusy());
    PageListWidget *list = m_window->pageList();
    QCOMPARE(QFileInfo(list->workingPath(0)).suffix(), QStringLiteral("tiff"));
    // The suffix is compared as written: an upper-case one is not taken for TIFF.
    QCOMPARE(QFileInfo(list->workingPath(1)).suffix(), QStringLiteral("jpg"));
}

void tst_MainWindow::cameraOrientationIsHonoured()
{
    const QString turned = writeTurnedJpeg(file(QStringLiteral("phone.jpg")), QSize(80, 40), 6);
    QVERIFY(!turned.isEmpty());
    m_window->processDroppedFiles({turned});
    QTRY_VERIFY(!m_window->isBusy());
    QCOMPARE(QImageReader(m_window->pageList()->workingPath(0)).size(), QSize(40, 80));
}

void tst_MainWindow::popupWithLinkStaysOpenOnClick()
{
    m_window->errorMessage(QStringLiteral("Open <a href=\"file:///tmp/x.pdf\">x.pdf</a>"));
    m_window->errorMessage(QStringLiteral("Plain message"));
    const auto popups = m_window->findChildren<OfficePopupWindow *>();
    QCOMPARE(popups.size(), 2);
    QPointer<OfficePopupWindow> withLink;
    QPointer<OfficePopupWindow> plain;
    for (OfficePopupWindow *popup : popups) {
        auto *content = popup->findChild<QLabel *>(QStringLiteral("PopupLabel"));
        QVERIFY(content);
        if (content->property("Message").toString().contains(QLatin1String("href")))
            withLink = popup;
        else
            plain = popup;
        QTest::mousePress(content, Qt::LeftButton, {}, QPoint(2, 2));
    }
    QTRY_VERIFY(plain.isNull());
    QTest::qWait(400); // deliberately a fixed time: the pop-up with a link must stay
    QVERIFY(!withLink.isNull());
    QVERIFY(withLink->isVisible());
}

void tst_MainWindow::windowMovedOffLeftIsStoredAtZero()
{
    m_window->showNormal();
    m_window->setWindowState(Qt::WindowNoState);
    m_window->setGeometry(-150, 40, 1100, 800);
    m_window->close();
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("WindowMaximized")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("WindowLeft")).toInt(), 0);
    QVERIFY(settings.value(QStringLiteral("WindowWidth")).toInt() >= 1024);
    QCOMPARE(settings.value(QStringLiteral("ImageScale")).toInt(), 100);
    QCOMPARE(settings.value(QStringLiteral("KeepScale")).toBool(), false);
}

void tst_MainWindow::choosersStoreTheirSettings()
{
    const RibbonCommands &commands = m_window->commands();
    // Empty settings: quality "Good" and colour "Grayscale".
    QCOMPARE(commands.qualityChooser->currentIndex(), 1);
    QCOMPARE(commands.colorChooser->currentData().toInt(), 2);
    commands.qualityChooser->setCurrentIndex(2);
    commands.colorChooser->setCurrentIndex(0);
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("QualityIndex")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("Resolution")).toInt(), 600);
    QCOMPARE(settings.value(QStringLiteral("Grayscale")).toInt(), 1);

    // The next window starts with them.
    m_window.rebuild();
    QCOMPARE(m_window->commands().qualityChooser->currentIndex(), 2);
    QCOMPARE(m_window->commands().colorChooser->currentData().toInt(), 1);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
