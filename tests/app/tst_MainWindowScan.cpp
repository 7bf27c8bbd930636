#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/JobRunner.h"
#include "imaging/ImageEditor.h"
#include "options/OptionsDlg.h"
#include "options/PropertyPage.h"
#include "pages/PageListWidget.h"
#include "scan/EzPrevScan.h"
#include "scan/SaneScannerLibrary.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/QuickExitMain.h"
#include "support/TestPaths.h"

// Scanning through the main window with SANE's test device (the test runner points SANE at the
// repository's configuration): pages arrive in the list as the settings say.
class tst_MainWindowScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scannedPageBecomesAPage();
    void colourModesArriveAsPages_data();
    void colourModesArriveAsPages();
    void changedQualityIsScannedAt();
    void highResolutionChosenInTheOptions();
    void blackAndWhiteIsStoredAsTiff();
    void feederDeliversEveryPage();
    void undoWaitsForTheFeederRun();
    void cancelDuringAPageEndsTheRun();
    void missingPageToolIsReportedOncePerScan();
    void rescanReplacesTheCurrentPage();
    void scanIntoEmptyListClearsLeftovers();
    void failedRunSaysSoAndKeepsPages();
    void previewComesFirstAndCanCancel();

private:
    // A scan only starts the run: its pages and its end come while this waits.
    void waitForScan() { QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000); }
    // A small page (side x side mm) at the "Middle" quality (200 dpi) from test:0.
    void prepareDevice(double side = 40.0, const QString &readResult = QStringLiteral("Default"));

    MainWindowFixture m_window;
};

void tst_MainWindowScan::initTestCase()
{
    MainWindowFixture::nameApplication();
}

void tst_MainWindowScan::init()
{
    QSettings settings;
    settings.setValue(QStringLiteral("AutoCrop"), false);
    settings.setValue(QStringLiteral("QualityIndex"), 0);
    QVERIFY(m_window.open());
}

void tst_MainWindowScan::cleanup()
{
    m_window.close();
}

void tst_MainWindowScan::prepareDevice(double side, const QString &readResult)
{
    auto *scanner = qobject_cast<SaneScannerLibrary *>(m_window->scannerLibrary());
    QVERIFY(scanner);
    QVERIFY(scanner->chooseSourceNamed(QStringLiteral("test:0")));
    QVERIFY(scanner->openSource());
    QVERIFY(scanner->setDeviceOption("br-x", side));
    QVERIFY(scanner->setDeviceOption("br-y", side));
    QVERIFY(scanner->setDeviceOption("read-return-value", readResult));
    QVERIFY(scanner->setDeviceOption("test-picture", QStringLiteral("Color pattern")));
}

void tst_MainWindowScan::scannedPageBecomesAPage()
{
    prepareDevice();
    QVERIFY(m_window->commands().scanPage->isEnabled());
    // The scanner a scan uses is named on its button.
    QVERIFY(m_window->commands().selectScanner->toolTip().contains(QStringLiteral("Noname")));
    QVERIFY(m_window->commands().selectScanner->text() != QStringLiteral("Select Scanner"));
    m_window->scanPage();
    waitForScan();
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->count(), 1);
    const QImage page(list->workingPath(0));
    QCOMPARE(page.size(), QSize(314, 314)); // 40 mm at 200 dpi, whole pixels
    QCOMPARE(page.dotsPerMeterX(), 7874);
    QCOMPARE(QFileInfo(list->workingPath(0)).suffix(), QStringLiteral("jpg"));
    QVERIFY(m_window->isModified());
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
    QCOMPARE(m_window->editor()->path(), list->workingPath(0));
    QCOMPARE(QSettings().value(QStringLiteral("Resolution")).toInt(), 200);
    QCOMPARE(QSettings().value(QStringLiteral("Scanned")).toInt(), 1);
    for (QAction *action : m_window->commands().pageCommands)
        QVERIFY(action->isEnabled());
}

void tst_MainWindowScan::colourModesArriveAsPages_data()
{
    QTest::addColumn<int>("colourIndex");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("grey");
    QTest::newRow("line art") << 0 << QStringLiteral("tiff") << 1 << true;
    QTest::newRow("grey") << 1 << QStringLiteral("jpg") << 8 << true;
    QTest::newRow("colour") << 2 << QStringLiteral("jpg") << 32 << false;
}

void tst_MainWindowScan::colourModesArriveAsPages()
{
    QFETCH(int, colourIndex);
    QFETCH(QString, suffix);
    QFETCH(int, depth);
    QFETCH(bool, grey);
    QSettings().setValue(QStringLiteral("MiddleQuality"), 150);
    m_window->refreshQualities();
    prepareDevice();
    m_window->commands().colorChooser->setCurrentIndex(colourIndex);
    m_window->scanPage();
    waitForScan();
    const QString working = m_window->pageList()->workingPath(0);
    const QImage page(working);
    QCOMPARE(QFileInfo(working).suffix(), suffix);
    QCOMPARE(page.size(), QSize(236, 236)); // 40 mm at 150 dpi
    QCOMPARE(qRound(page.dotsPerMeterX() * 0.0254), 150);
    QCOMPARE(page.depth(), depth);
    if (depth > 1)
        QCOMPARE(page.isGrayscale(), grey);
}

void tst_MainWindowScan::changedQualityIsScannedAt()
{
    // The options changed "Middle" to 100 dpi: the next scan uses it.
    QSettings().setValue(QStringLiteral("MiddleQuality"), 100);
    m_window->refreshQualities();
    QCOMPARE(m_window->commands().qualityChooser->currentIndex(), 0);
    prepareDevice();
    m_window->scanPage();
    waitForScan();
    QCOMPARE(QSettings().value(QStringLiteral("Resolution")).toInt(), 100);
    QCOMPARE(QImageReader(m_window->pageList()->workingPath(0)).size(), QSize(157, 157));
}

void tst_MainWindowScan::highResolutionChosenInTheOptions()
{
    m_window->settings();
    auto *dialog = qobject_cast<OptionsDlg *>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    PropertyPage *resolutions = dialog->pages().at(1);
    resolutions->findChildren<QComboBox *>().at(2)->setCurrentText(QStringLiteral("1200"));
    dialog->save();
    prepareDevice(10.0);
    m_window->commands().qualityChooser->setCurrentIndex(2);
    m_window->scanPage();
    waitForScan();
    QCOMPARE(QSettings().value(QStringLiteral("Resolution")).toInt(), 1200);
    QCOMPARE(QImageReader(m_window->pageList()->workingPath(0)).size(), QSize(472, 472));
}

void tst_MainWindowScan::blackAndWhiteIsStoredAsTiff()
{
    prepareDevice();
    m_window->commands().colorChooser->setCurrentIndex(0);
    m_window->scanPage();
    waitForScan();
    const QString working = m_window->pageList()->workingPath(0);
    QCOMPARE(QFileInfo(working).suffix(), QStringLiteral("tiff"));
    QCOMPARE(QImage(working).depth(), 1);
}

void tst_MainWindowScan::feederDeliversEveryPage()
{
    prepareDevice(20.0);
    QSettings settings;
    settings.setValue(QStringLiteral("PaperSource"), 1);
    settings.setValue(QStringLiteral("AcquireImage"), 1);
    m_window->scanPage();
    waitForScan();
    QCOMPARE(m_window->pageList()->count(), 10);
    QCOMPARE(m_window->pageList()->currentPosition(), 9);
}

void tst_MainWindowScan::undoWaitsForTheFeederRun()
{
    prepareDevice(20.0);
    // A page from a file first: a step to undo before the run.
    QTemporaryDir folder;
    QImage page(200, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QString file = folder.filePath(QStringLiteral("page.png"));
    QVERIFY(page.save(file));
    m_window->processDroppedFiles({file});
    QTRY_COMPARE(m_window->pageList()->count(), 1);
    QAction *undo = m_window->commands().undo;
    QVERIFY(undo->isEnabled());

    QSettings settings;
    settings.setValue(QStringLiteral("PaperSource"), 1);
    settings.setValue(QStringLiteral("AcquireImage"), 1);
    // Between feeder pages: Ctrl+Z, the Undo command and its slot must change nothing.
    int tries = 0;
    bool undoWasOff = true;
    // Right after a page has gone into the list (the window takes each page's end first), with
    // more to come.
    auto *jobs = m_window->findChild<JobRunner *>();
    QVERIFY(jobs);
    const QMetaObject::Connection presser = connect(jobs, &JobRunner::finished, this, [&] {
        const int count = m_window->pageList()->count();
        if (!m_window->isBusy() || count < 3 || tries > 0)
            return;
        ++tries;
        undoWasOff = !undo->isEnabled() && !m_window->commands().rotateLeft->isEnabled();
        QTest::keyClick(m_window.window(), Qt::Key_Z, Qt::ControlModifier);
        undo->trigger();
        m_window->undo();
        QCOMPARE(m_window->pageList()->count(), count);
    });
    m_window->scanPage();
    waitForScan();
    disconnect(presser);
    QCOMPARE(m_window->pageList()->count(), 11);
    QCOMPARE(tries, 1);
    QVERIFY(undoWasOff);
    // Afterwards undo works again (each scanned page is a step of its own).
    QVERIFY(undo->isEnabled());
    m_window->undo();
    QCOMPARE(m_window->pageList()->count(), 10);
}

void tst_MainWindowScan::cancelDuringAPageEndsTheRun()
{
    // Slowed to about a second and a half a page, read on the scanner's own thread.
    prepareDevice();
    auto *scanner = qobject_cast<SaneScannerLibrary *>(m_window->scannerLibrary());
    QVERIFY(scanner->setDeviceOption("read-limit", true));
    QVERIFY(scanner->setDeviceOption("read-limit-size", 4096));
    QVERIFY(scanner->setDeviceOption("read-delay", true));
    QVERIFY(scanner->setDeviceOption("read-delay-duration", 20000));
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    m_window->scanPage();
    QVERIFY(m_window->isBusy());
    QTest::qWait(200);
    // The window's thread went on while the page was read.
    QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
    auto *view = m_window->findChild<EzPrevScan *>();
    QVERIFY(view && view->isScanning());
    view->cancelScan();
    waitForScan();
    QCOMPARE(m_window->pageList()->count(), 0);
    QVERIFY(m_window->commands().scanPage->isEnabled());
    // The next scan reads a whole page.
    QVERIFY(scanner->setDeviceOption("read-delay", false));
    m_window->scanPage();
    waitForScan();
    QCOMPARE(m_window->pageList()->count(), 1);
}

void tst_MainWindowScan::missingPageToolIsReportedOncePerScan()
{
    // The tests' own folder holds no page tool, and PATH is made to hold none either.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/usr/bin:/bin");
    const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
    prepareDevice(20.0);
    QSettings settings;
    settings.setValue(QStringLiteral("AutoCrop"), true);
    settings.setValue(QStringLiteral("PaperSource"), 1);
    settings.setValue(QStringLiteral("AcquireImage"), 1);
    m_window->scanPage();
    waitForScan();
    // Every sheet still became a page, as scanned; the user heard of the tool once.
    QCOMPARE(m_window->pageList()->count(), 10);
    const QStringList said = m_window.popupMessages().filter(QStringLiteral("vellumo-pagetool"));
    QCOMPARE(said.size(), 1);
    QVERIFY(said.first().contains(QStringLiteral("was not found")));
    QVERIFY(said.first().contains(QCoreApplication::applicationDirPath()));
}

void tst_MainWindowScan::rescanReplacesTheCurrentPage()
{
    prepareDevice();
    m_window->scanPage();
    waitForScan();
    m_window->scanPage();
    waitForScan();
    PageListWidget *list = m_window->pageList();
    list->selectPosition(0, 0);
    prepareDevice(30.0);
    m_window->rescanPage();
    waitForScan();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentPosition(), 0);
    QCOMPARE(QImageReader(list->workingPath(0)).size(), QSize(236, 236));
    QCOMPARE(QImageReader(list->workingPath(1)).size(), QSize(314, 314));
    // The rescan is one step for undo; the scanned page asked nothing.
    m_window->undo();
    QCOMPARE(QImageReader(list->workingPath(0)).size(), QSize(314, 314));

    // A page from a file has no second original: the user is asked first.
    QVERIFY(list->addImage(QImage(120, 90, QImage::Format_RGB32), false));
    {
        DialogAnswerer answer(QStringLiteral("No"));
        m_window->rescanPage();
        QTRY_VERIFY(answer.hasAnswered());
        waitForScan();
        QCOMPARE(answer.text(), QStringLiteral("Replace this page with a new scan?"));
    }
    QCOMPARE(QImageReader(list->workingPath(2)).size(), QSize(120, 90));
    {
        DialogAnswerer answer(QStringLiteral("Yes"));
        m_window->rescanPage();
        QTRY_VERIFY(answer.hasAnswered());
        waitForScan();
    }
    QCOMPARE(QImageReader(list->workingPath(2)).size(), QSize(236, 236));
}

void tst_MainWindowScan::scanIntoEmptyListClearsLeftovers()
{
    const QString leftover = AppPaths::workingFolder() + QStringLiteral("/00000007_o.jpg");
    QVERIFY(TestPaths::writeFile(leftover, "old page"));
    prepareDevice();
    DialogAnswerer no(QStringLiteral("No"));
    m_window->scanPage();
    // The earlier page is offered first, before the scan starts.
    QTRY_VERIFY(no.hasAnswered());
    waitForScan();
    QVERIFY(!QFile::exists(leftover));
    QCOMPARE(m_window->pageList()->count(), 1);
}

void tst_MainWindowScan::failedRunSaysSoAndKeepsPages()
{
    prepareDevice();
    m_window->scanPage();
    waitForScan();
    prepareDevice(40.0, QStringLiteral("SANE_STATUS_IO_ERROR"));
    m_window->scanPage();
    waitForScan();
    QCOMPARE(m_window->pageList()->count(), 1);
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Scanning has cancelled.")));
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
    prepareDevice();
}

void tst_MainWindowScan::previewComesFirstAndCanCancel()
{
    prepareDevice();
    QSettings().setValue(QStringLiteral("Preview"), true);
    {
        DialogAnswerer cancel(QStringLiteral("Cancel"));
        m_window->scanPage();
        waitForScan();
        QVERIFY(cancel.hasAnswered());
        QCOMPARE(cancel.title(), QStringLiteral("Scan Preview"));
    }
    QCOMPARE(m_window->pageList()->count(), 0);
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Scanning has cancelled.")));
    {
        DialogAnswerer scan(QStringLiteral("Scan"));
        m_window->scanPage();
        waitForScan();
        QVERIFY(scan.hasAnswered());
    }
    QCOMPARE(m_window->pageList()->count(), 1);
    // The real scan, not the preview, became the page.
    QCOMPARE(QImageReader(m_window->pageList()->workingPath(0)).size(), QSize(314, 314));
}

VELLUMO_TEST_MAIN_QUICK_EXIT(QApplication, tst_MainWindowScan)
#include "tst_MainWindowScan.moc"
