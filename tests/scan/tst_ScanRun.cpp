#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <thread>

#include "scan/HImage.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/ScanRun.h"
#include "scan/ScanSettings.h"

// Scan runs against SANE's own test device: how many pages a run delivers and what they are.
class tst_ScanRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void oneImageFromFeederGivesOnePage();
    void allImagesEmptyTheFeeder();
    void lineArtArrivesAsBlackAndWhiteGrey();
    void failedReadEndsTheRunOnce();
    void cancelFromAnotherThreadEndsTheRun();

private:
    // Opens test:0 with a small page (50 x 50 mm) so runs stay quick.
    void prepare(const QString &picture = QStringLiteral("Color pattern"),
                 const QString &readResult = QStringLiteral("Default"));

    static ScanSettings feeder(bool allImages)
    {
        ScanSettings settings;
        settings.paperSource = 1;
        settings.allImages = allImages;
        return settings;
    }

    std::unique_ptr<SaneScannerLibrary> m_scanner;
};

void tst_ScanRun::initTestCase()
{
    const QString source = qEnvironmentVariable("VELLUMO_SOURCE_DIR");
    QVERIFY(!source.isEmpty());
    qputenv("SANE_CONFIG_DIR", (source + QStringLiteral("/tests/scan/sane")).toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_ScanRun::init()
{
    QSettings().clear();
    m_scanner = std::make_unique<SaneScannerLibrary>();
}

void tst_ScanRun::prepare(const QString &picture, const QString &readResult)
{
    QVERIFY(m_scanner->chooseSourceNamed(QStringLiteral("test:0")));
    QVERIFY(m_scanner->openSource());
    QVERIFY(m_scanner->setDeviceOption("br-x", 50.0));
    QVERIFY(m_scanner->setDeviceOption("br-y", 50.0));
    QVERIFY(m_scanner->setDeviceOption("test-picture", picture));
    QVERIFY(m_scanner->setDeviceOption("read-return-value", readResult));
}

void tst_ScanRun::oneImageFromFeederGivesOnePage()
{
    prepare();
    ScanRun run(m_scanner.get());
    run.setPixelType(2);
    run.setScanResolution(150);
    QSignalSpy pages(&run, &ScanRun::pageScanned);
    QSignalSpy failures(&run, &ScanRun::failedScan);
    QSize size;
    int dotsPerMeter = 0;
    connect(&run, &ScanRun::pageScanned, this, [&] {
        size = run.image()->size();
        dotsPerMeter = run.image()->dotsPerMeterX();
    });
    run.scan(nullptr, feeder(false));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(failures.size(), 0);
    QCOMPARE(size, QSize(295, 295));
    QCOMPARE(dotsPerMeter, 5906);
}

void tst_ScanRun::allImagesEmptyTheFeeder()
{
    prepare();
    ScanRun run(m_scanner.get());
    run.setPixelType(4);
    run.setScanResolution(75);
    QSignalSpy pages(&run, &ScanRun::pageScanned);
    QSignalSpy failures(&run, &ScanRun::failedScan);
    run.scan(nullptr, feeder(true));
    // The test device's feeder holds ten sheets.
    QCOMPARE(pages.size(), 10);
    QCOMPARE(failures.size(), 0);
}

void tst_ScanRun::lineArtArrivesAsBlackAndWhiteGrey()
{
    prepare(QStringLiteral("Grid"));
    ScanRun run(m_scanner.get());
    run.setPixelType(1);
    run.setScanResolution(150);
    QSet<int> levels;
    connect(&run, &ScanRun::pageScanned, this, [&] {
        const QImage grey = run.image()->convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < grey.height(); ++y) {
            for (int x = 0; x < grey.width(); ++x)
                levels.insert(grey.constScanLine(y)[x]);
        }
    });
    run.scan(nullptr, ScanSettings());
    QCOMPARE(levels, QSet<int>({0, 255}));
}

void tst_ScanRun::failedReadEndsTheRunOnce()
{
    prepare(QStringLiteral("Color pattern"), QStringLiteral("SANE_STATUS_IO_ERROR"));
    ScanRun run(m_scanner.get());
    run.setPixelType(2);
    run.setScanResolution(75);
    QSignalSpy pages(&run, &ScanRun::pageScanned);
    QSignalSpy failures(&run, &ScanRun::failedScan);
    run.scan(nullptr, feeder(true));
    QCOMPARE(pages.size(), 0);
    QCOMPARE(failures.size(), 1);
    QVERIFY(!run.image());
    QVERIFY(m_scanner->setDeviceOption("read-return-value", QStringLiteral("Default")));
}

void tst_ScanRun::cancelFromAnotherThreadEndsTheRun()
{
    // The run blocks this thread, as it blocks the scanner thread in the program; Cancel comes
    // from another one while the first feeder page is read slowly.
    prepare();
    QVERIFY(m_scanner->setDeviceOption("read-delay", true));
    QVERIFY(m_scanner->setDeviceOption("read-delay-duration", 20000));
    ScanRun run(m_scanner.get());
    run.setPixelType(2);
    run.setScanResolution(75);
    QSignalSpy pages(&run, &ScanRun::pageScanned);
    QSignalSpy failures(&run, &ScanRun::failedScan);
    std::thread canceller([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        m_scanner->cancel();
    });
    run.scan(nullptr, feeder(true));
    canceller.join();
    QVERIFY(pages.size() < 10);
    QVERIFY(!m_scanner->lastError());
    QCOMPARE(m_scanner->openDevice(), QByteArray("test:0"));

    // The next run scans again.
    QVERIFY(m_scanner->setDeviceOption("read-delay", false));
    const qsizetype before = pages.size();
    run.scan(nullptr, ScanSettings());
    QCOMPARE(pages.size(), before + 1);
}

QTEST_GUILESS_MAIN(tst_ScanRun)
#include "tst_ScanRun.moc"
