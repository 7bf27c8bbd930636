#include <QAbstractButton>
#include <QCheckBox>
#include <QImageReader>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "app/MainWindow.h"
#include "pages/PageListWidget.h"
#include "scan/AutoScanWizard.h"
#include "scan/EzPrevScan.h"
#include "scan/IntroPage.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/TimerPage.h"
#include "support/MainWindowFixture.h"
#include "support/QuickExitMain.h"

// The automatic scanning wizard over SANE's test device, run through the window's "Auto Scan"
// command: the order of scans and countdowns, the keys, the turning of odd or even pages, and
// that every way of ending it leaves later scans as single pages.
class tst_AutoScanWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstScanComesAtOnceOrAfterTheCount_data();
    void firstScanComesAtOnceOrAfterTheCount();
    void countdownPausesScansNowAndFinishes();
    void oddOrEvenPagesAreTurned_data();
    void oddOrEvenPagesAreTurned();
    void closingDuringAScanStopsAdvancing();
    void failedScanMidBookKeepsThePages();

private:
    // Scans 30 x 20 mm pages (landscape) from test:0, from the feeder when asked.
    void prepareDevice(bool feeder = false, const QString &readResult = QStringLiteral("Default"));
    // Runs the command; script drives the wizard once it is on screen. A script that stops
    // early (a failed check) leaves the wizard open: it is closed all the same.
    void runWizard(const std::function<void(AutoScanWizard *)> &script);
    static void tick(TimerPage *page);
    static void click(AutoScanWizard *wizard, QWizard::WizardButton which);
    bool bookScan() const { return QSettings().value(QStringLiteral("BookScan")).toBool(); }

    MainWindowFixture m_window;
};

void tst_AutoScanWizard::initTestCase()
{
    MainWindowFixture::nameApplication();
}

void tst_AutoScanWizard::init()
{
    QSettings settings;
    settings.setValue(QStringLiteral("AutoCrop"), false);
    settings.setValue(QStringLiteral("QualityIndex"), 0);
    settings.setValue(QStringLiteral("AutoScanTime"), 1);
    QVERIFY(m_window.open());
}

void tst_AutoScanWizard::cleanup()
{
    m_window.close();
}

void tst_AutoScanWizard::prepareDevice(bool feeder, const QString &readResult)
{
    auto *scanner = qobject_cast<SaneScannerLibrary *>(m_window->scannerLibrary());
    QVERIFY(scanner);
    QVERIFY(scanner->chooseSourceNamed(QStringLiteral("test:0")));
    QVERIFY(scanner->openSource());
    QVERIFY(scanner->setDeviceOption("br-x", 30.0));
    QVERIFY(scanner->setDeviceOption("br-y", 20.0));
    QVERIFY(scanner->setDeviceOption("read-return-value", readResult));
    QSettings settings;
    settings.setValue(QStringLiteral("PaperSource"), feeder ? 1 : 0);
    settings.setValue(QStringLiteral("AcquireImage"), feeder ? 1 : 0);
}

void tst_AutoScanWizard::runWizard(const std::function<void(AutoScanWizard *)> &script)
{
    AutoScanWizard *wizard = m_window->autoScanWizard();
    bool ran = false;
    QTimer::singleShot(0, m_window.window(), [&] {
        // The test platform leaves the main window active under a modal dialog; the keys
        // must go to the wizard's window.
        QApplication::setActiveWindow(wizard);
        if (QTest::qWaitForWindowActive(wizard))
            script(wizard);
        ran = true;
        wizard->close();
    });
    m_window->autoScan();
    QTRY_VERIFY_WITH_TIMEOUT(ran, 120000);
    QVERIFY(!wizard->isVisible());
    // Whatever ended it, later scans are single pages.
    QVERIFY(!bookScan());
}

void tst_AutoScanWizard::tick(TimerPage *page)
{
    // One second of the countdown, without waiting for it.
    QTimerEvent event(page->timerId());
    QCoreApplication::sendEvent(page, &event);
}

void tst_AutoScanWizard::click(AutoScanWizard *wizard, QWizard::WizardButton which)
{
    QTest::mouseClick(wizard->button(which), Qt::LeftButton);
}

void tst_AutoScanWizard::firstScanComesAtOnceOrAfterTheCount_data()
{
    QTest::addColumn<bool>("scanNow");
    QTest::newRow("scan first page now") << true;
    QTest::newRow("wait first") << false;
}

void tst_AutoScanWizard::firstScanComesAtOnceOrAfterTheCount()
{
    QFETCH(bool, scanNow);
    QSettings().setValue(QStringLiteral("AutoScanNow"), scanNow);
    prepareDevice();
    PageListWidget *list = m_window->pageList();
    runWizard([&](AutoScanWizard *wizard) {
        QSignalSpy asked(wizard, &AutoScanWizard::needAutoScan);
        QVERIFY(wizard->isBookMode());
        QCOMPARE(wizard->currentId(), int(AutoScanWizard::IntroPageId));
        click(wizard, QWizard::NextButton);
        QVERIFY(bookScan());
        QCOMPARE(asked.count(), 0); // never at once: the scan page shows first
        if (scanNow) {
            QCOMPARE(wizard->currentId(), int(AutoScanWizard::ScanPageId));
            QTRY_COMPARE(list->count(), 1);
            QCOMPARE(wizard->currentId(), int(AutoScanWizard::TimerPageId));
        } else {
            QCOMPARE(wizard->currentId(), int(AutoScanWizard::TimerPageId));
            QCOMPARE(wizard->timerPage()->countdownText(), QStringLiteral("01"));
            tick(wizard->timerPage());
            QCOMPARE(list->count(), 0);
            tick(wizard->timerPage()); // past "00": the scan page asks for the scan
            QCOMPARE(wizard->currentId(), int(AutoScanWizard::ScanPageId));
            QTRY_COMPARE(list->count(), 1);
        }
        QCOMPARE(asked.count(), 1);
        click(wizard, QWizard::FinishButton);
    });
}

void tst_AutoScanWizard::countdownPausesScansNowAndFinishes()
{
    QSettings settings;
    settings.setValue(QStringLiteral("AutoScanTime"), 5);
    settings.setValue(QStringLiteral("AutoScanNow"), false);
    prepareDevice();
    PageListWidget *list = m_window->pageList();
    runWizard([&](AutoScanWizard *wizard) {
        click(wizard, QWizard::NextButton);
        TimerPage *timer = wizard->timerPage();
        QStringList shown{timer->countdownText()};
        QCOMPARE(wizard->windowTitle(), QStringLiteral("05 - Vellumo"));
        tick(timer);
        tick(timer);
        shown << timer->countdownText();
        // Space pauses: the seconds stand still, and resume where they stood.
        QTest::keyClick(wizard, Qt::Key_Space);
        QVERIFY(timer->isPaused());
        QCOMPARE(wizard->buttonText(QWizard::CustomButton1), QStringLiteral(" &Resume Timer "));
        tick(timer);
        shown << timer->countdownText();
        QTest::keyClick(wizard, Qt::Key_Space);
        QCOMPARE(wizard->buttonText(QWizard::CustomButton1), QStringLiteral(" &Stop Timer "));
        for (int i = 0; i < 3; ++i) {
            tick(timer);
            shown << timer->countdownText();
        }
        QCOMPARE(shown, QStringLiteral("05 03 03 02 01 00").split(QLatin1Char(' ')));
        QCOMPARE(wizard->windowTitle(), QStringLiteral("00 - Vellumo"));
        QCOMPARE(list->count(), 0);
        // Return, or Enter on the keypad, scans at once, and the count starts again.
        QTest::keyClick(wizard, Qt::Key_Return);
        QTRY_COMPARE(list->count(), 1);
        QCOMPARE(wizard->currentId(), int(AutoScanWizard::TimerPageId));
        QCOMPARE(timer->countdownText(), QStringLiteral("05"));
        tick(timer);
        // The test platform leaves no window active after the scan page was shown.
        QApplication::setActiveWindow(wizard);
        QVERIFY(QTest::qWaitForWindowActive(wizard));
        QTest::keyClick(wizard, Qt::Key_Enter, Qt::KeypadModifier);
        // At once, not by the countdown: the scan page shows before any second could pass.
        QCOMPARE(wizard->currentId(), int(AutoScanWizard::ScanPageId));
        QTRY_COMPARE(list->count(), 2);
        QCOMPARE(timer->countdownText(), QStringLiteral("05"));
        click(wizard, QWizard::FinishButton);
    });
    QCOMPARE(m_window->autoScanWizard()->windowTitle(), QStringLiteral("Vellumo"));

    // The next opening starts at the first page with the values used last.
    runWizard([&](AutoScanWizard *wizard) {
        QCOMPARE(wizard->currentId(), int(AutoScanWizard::IntroPageId));
        auto *interval = wizard->introPage()->findChild<QSpinBox *>();
        QVERIFY(interval);
        QCOMPARE(interval->value(), 5);
        const QList<QCheckBox *> boxes = wizard->introPage()->findChildren<QCheckBox *>();
        const auto scanNow = std::find_if(boxes.begin(), boxes.end(), [](QCheckBox *box) {
            return box->text() == QStringLiteral("Scan first page now (don't wait)");
        });
        QVERIFY(scanNow != boxes.end());
        QVERIFY(!(*scanNow)->isChecked());
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
    QCOMPARE(list->count(), 2);
}

void tst_AutoScanWizard::oddOrEvenPagesAreTurned_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<bool>>("turned");
    QTest::newRow("odd pages") << 2 << QList<bool>{true, false, true, false, true, false};
    QTest::newRow("even pages") << 3 << QList<bool>{false, true, false, true, false, true};
}

void tst_AutoScanWizard::oddOrEvenPagesAreTurned()
{
    QFETCH(int, mode);
    QFETCH(QList<bool>, turned);
    QSettings settings;
    settings.setValue(QStringLiteral("RotateMode"), mode);
    settings.setValue(QStringLiteral("RotateAngle"), 1); // a quarter turn left
    prepareDevice();
    PageListWidget *list = m_window->pageList();
    runWizard([&](AutoScanWizard *wizard) {
        click(wizard, QWizard::NextButton);
        QTRY_COMPARE(list->count(), 1);
        for (int page = 2; page <= turned.size(); ++page) {
            wizard->timerPage()->toScan();
            QTRY_COMPARE(list->count(), page);
        }
        click(wizard, QWizard::FinishButton);
    });
    // The device's pages are landscape: a turned one stands upright.
    for (int i = 0; i < turned.size(); ++i) {
        const QSize size = QImageReader(list->workingPath(i)).size();
        QVERIFY2((size.height() > size.width()) == turned.at(i), qPrintable(QString::number(i)));
    }
}

void tst_AutoScanWizard::closingDuringAScanStopsAdvancing()
{
    prepareDevice(true);
    auto *frame = m_window->findChild<EzPrevScan *>();
    QVERIFY(frame);
    PageListWidget *list = m_window->pageList();
    runWizard([&](AutoScanWizard *wizard) {
        QSignalSpy cancelled(wizard, &AutoScanWizard::cancelScan);
        // The first sign of the scanner reading closes the wizard in the middle of the run.
        const auto closer =
            connect(frame, &EzPrevScan::percentScan, wizard, [wizard] { wizard->escHandler(); });
        click(wizard, QWizard::NextButton);
        QTRY_VERIFY(!wizard->isVisible());
        QCOMPARE(cancelled.count(), 1);
        disconnect(closer);
    });
    // The run went on to its end: every sheet became a page, none of them moved the wizard,
    // and its ties to the scanner frame are gone.
    QTRY_COMPARE(list->count(), 10);
    QTRY_VERIFY(!frame->isScanning());
    AutoScanWizard *wizard = m_window->autoScanWizard();
    QCOMPARE(wizard->currentId(), -1);
    QVERIFY(!disconnect(frame, &EzPrevScan::pageScanned, wizard, &AutoScanWizard::pageScanned));
    QVERIFY(!disconnect(frame, &EzPrevScan::failedScan, wizard, &AutoScanWizard::finish));
    QVERIFY(!disconnect(frame, &EzPrevScan::percentScan, wizard, &AutoScanWizard::scanPercent));
    QVERIFY(!disconnect(wizard, &AutoScanWizard::cancelScan, m_window.window(),
                        &MainWindow::cancelAutoScan));
}

void tst_AutoScanWizard::failedScanMidBookKeepsThePages()
{
    prepareDevice();
    PageListWidget *list = m_window->pageList();
    runWizard([&](AutoScanWizard *wizard) {
        click(wizard, QWizard::NextButton);
        QTRY_COMPARE(list->count(), 1);
        prepareDevice(false, QStringLiteral("SANE_STATUS_IO_ERROR"));
        wizard->timerPage()->toScan();
        QTRY_VERIFY(!wizard->isVisible());
    });
    QCOMPARE(list->count(), 1);
    const QStringList said =
        m_window.popupMessages().filter(QStringLiteral("Scanning has cancelled."));
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(QStringLiteral("1 page")), qPrintable(said.first()));
    prepareDevice();
}

VELLUMO_TEST_MAIN_QUICK_EXIT(QApplication, tst_AutoScanWizard)
#include "tst_AutoScanWizard.moc"
