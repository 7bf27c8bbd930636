#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <pthread.h>
#include <sane/sane.h>
#include <thread>
#include <unistd.h>

#include "scan/BackendThreads.h"
#include "scan/HImage.h"
#include "scan/SaneScannerLibrary.h"
#include "scan/ScannerChoice.h"
#include "support/QuickExitMain.h"

// The scanner layer against SANE's own "test" backend, configured by tests/scan/sane.
//
// Bitmaps are checked byte by byte with a reader written here, and the pixels against a plain
// SANE read of the same page, so a fault in the packing cannot hide behind a matching decoder.

namespace {

using Options = QList<QPair<QByteArray, QVariant>>;

// A4 at 150 dpi: 210 mm and 297 mm are 1240.2 and 1753.9 pixels.
constexpr int A4Width = 1240;
constexpr int PixelsPerMetre150 = 5906;

// A small page keeps the pixel-by-pixel and feeder tests quick.
const Options SmallPage{{"br-x", 40.0}, {"br-y", 60.0}};

// A scanner choice that lives only as long as the test.
class MemoryChoice : public ScannerChoice
{
public:
    QString device() const override { return m_device; }
    void setDevice(const QString &device) override { m_device = device; }

private:
    QString m_device;
};

struct DibHeader
{
    int headerSize = 0;
    int width = 0;
    int height = 0;
    int planes = 0;
    int bitCount = 0;
    int compression = 0;
    qint64 imageSize = 0;
    int xPixelsPerMetre = 0;
    int yPixelsPerMetre = 0;
    int coloursUsed = 0;
    int tableEntries = 0;
    qint64 stride = 0;
    qint64 pixelOffset = 0;
};

DibHeader readHeader(const QByteArray &dib)
{
    DibHeader h;
    if (dib.size() < 40)
        return h;
    const char *d = dib.constData();
    h.headerSize = qFromLittleEndian<qint32>(d);
    h.width = qFromLittleEndian<qint32>(d + 4);
    h.height = qFromLittleEndian<qint32>(d + 8);
    h.planes = qFromLittleEndian<quint16>(d + 12);
    h.bitCount = qFromLittleEndian<quint16>(d + 14);
    h.compression = qFromLittleEndian<qint32>(d + 16);
    h.imageSize = qFromLittleEndian<quint32>(d + 20);
    h.xPixelsPerMetre = qFromLittleEndian<qint32>(d + 24);
    h.yPixelsPerMetre = qFromLittleEndian<qint32>(d + 28);
    h.coloursUsed = qFromLittleEndian<qint32>(d + 32);
    h.tableEntries = h.coloursUsed ? h.coloursUsed : (h.bitCount <= 8 ? 1 << h.bitCount : 0);
    h.stride = (qint64(h.width) * h.bitCount + 31) / 32 * 4;
    h.pixelOffset = 40 + 4 * qint64(h.tableEntries);
    return h;
}

// Channel c (0 red, 1 green, 2 blue) of the pixel at x, y (y counted from the top of the page)
// as the bitmap stores it: table levels for 1 and 8 bits, bytes for 24, 16-bit words for 48.
int dibSample(const QByteArray &dib, const DibHeader &h, int x, int y, int c)
{
    const char *row = dib.constData() + h.pixelOffset + h.stride * (h.height - 1 - y);
    const auto byteAt = [row](qint64 i) {
        return int(uchar(row[i]));
    };
    switch (h.bitCount) {
    case 1:
    case 8: {
        const int index = h.bitCount == 1 ? (byteAt(x / 8) >> (7 - x % 8)) & 1 : byteAt(x);
        // Table entries are blue, green, red, reserved.
        return int(uchar(dib.at(40 + 4 * index + (2 - c))));
    }
    case 24:
        return byteAt(3 * x + (2 - c));
    case 48:
        return qFromLittleEndian<quint16>(row + 6 * x + 2 * (2 - c));
    default:
        return -1;
    }
}

struct RawPage
{
    SANE_Parameters params{};
    QByteArray bytes;
};

// The same sample read straight from SANE's frame, in the form the bitmap is expected to hold:
// line art as 0 (set bit, black) or 255, 16-bit grey as its high byte.
int rawSample(const RawPage &page, int x, int y, int c)
{
    const SANE_Parameters &p = page.params;
    const char *row = page.bytes.constData() + qint64(y) * p.bytes_per_line;
    const auto word = [](const char *at) {
        quint16 w;
        std::memcpy(&w, at, 2);
        return int(w);
    };
    if (p.format == SANE_FRAME_GRAY) {
        if (p.depth == 1)
            return (uchar(row[x / 8]) >> (7 - x % 8)) & 1 ? 0 : 255;
        return p.depth == 8 ? int(uchar(row[x])) : word(row + 2 * x) >> 8;
    }
    return p.depth == 8 ? int(uchar(row[3 * x + c])) : word(row + 6 * x + 2 * c);
}

bool setRawOption(SANE_Handle handle, const QByteArray &name, const QVariant &value)
{
    SANE_Int count = 0;
    sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr);
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor *desc = sane_get_option_descriptor(handle, i);
        if (!desc || !desc->name || name != desc->name)
            continue;
        SANE_Word word = 0;
        QByteArray text;
        void *data = &word;
        if (desc->type == SANE_TYPE_STRING) {
            text = value.toString().toUtf8();
            text.resize(desc->size, '\0');
            data = text.data();
        } else if (desc->type == SANE_TYPE_FIXED) {
            word = SANE_FIX(value.toDouble());
        } else {
            word = value.toInt();
        }
        return sane_control_option(handle, i, SANE_ACTION_SET_VALUE, data, nullptr) ==
               SANE_STATUS_GOOD;
    }
    return false;
}

// One page read the plain way: open, set the options in order, start, read to the end.
RawPage rawScan(const QByteArray &device, const Options &options)
{
    RawPage page;
    SANE_Handle handle = nullptr;
    if (sane_open(device.constData(), &handle) != SANE_STATUS_GOOD)
        return page;
    bool ok = true;
    for (const auto &[name, value] : options)
        ok = ok && setRawOption(handle, name, value);
    if (ok && sane_start(handle) == SANE_STATUS_GOOD &&
        sane_get_parameters(handle, &page.params) == SANE_STATUS_GOOD) {
        SANE_Byte buffer[65536];
        SANE_Int length = 0;
        while (sane_read(handle, buffer, sizeof buffer, &length) == SANE_STATUS_GOOD)
            page.bytes.append(reinterpret_cast<const char *>(buffer), length);
    }
    sane_cancel(handle);
    sane_close(handle);
    return page;
}

// The test device keeps its options from one opening to the next, for as long as SANE is
// initialised: each test starts from the configured defaults again.
bool resetTestDevice(const QByteArray &device)
{
    SANE_Handle handle = nullptr;
    if (sane_open(device.constData(), &handle) != SANE_STATUS_GOOD)
        return false;
    const Options defaults{{"hand-scanner", false},
                           {"mode", QStringLiteral("Color")},
                           {"three-pass", false},
                           {"mode", QStringLiteral("Gray")},
                           {"depth", 8},
                           {"resolution", 300.0},
                           {"tl-x", 0.0},
                           {"tl-y", 0.0},
                           {"br-x", 210.0},
                           {"br-y", 297.0},
                           {"test-picture", QStringLiteral("Color pattern")},
                           {"read-return-value", QStringLiteral("Default")},
                           {"read-delay", false},
                           {"ppl-loss", 0},
                           {"source", QStringLiteral("Flatbed")}};
    bool ok = true;
    for (const auto &[name, value] : defaults)
        ok = setRawOption(handle, name, value) && ok;
    sane_close(handle);
    return ok;
}

} // namespace

class tst_SaneScanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void listsTheDevicesByVendorAndModel();
    void choiceIsRememberedAndOpened();
    void chooseSourceAsksTheInstalledChooser();
    void withoutAChoiceTheFirstDeviceOpens();
    void resolutionIsKeptWithinTheDeviceRange();

    void a4PageHasTheRightHeader_data();
    void a4PageHasTheRightHeader();
    void pixelsMatchAPlainRead_data();
    void pixelsMatchAPlainRead();
    void threePassGivesTheSameImageAsOnePass();
    void pageOfUnknownHeightIsReadToItsEnd();
    void lineArtKeepsBlackBlack();

    void feederDeliversEveryPageThenIsDone();
    void oneImageFromTheFeederIsOnePage();
    void flatbedGivesOnePagePerRun();
    void failedReadGivesNoImage_data();
    void failedReadGivesNoImage();
    void cancelDropsTheShortPage();
    void progressRisesToOneHundred();
    void cancelsAtAnyMomentNeverHang();
    void readerThreadsSettleBeforeACancel();

    void grayPageDecodesToAnImage();

private:
    // A library with `device` chosen and open at 150 dpi on the flatbed, one image per run.
    std::unique_ptr<SaneScannerLibrary>
    openScanner(const QString &device = QStringLiteral("test:0"), const Options &options = {});
};

void tst_SaneScanner::initTestCase()
{
    const QString source = qEnvironmentVariable("VELLUMO_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "VELLUMO_SOURCE_DIR must name the source tree");
    // Must be set before SANE is first initialised; without a trailing ':' the system's
    // configuration (and its slow network backends) is left out.
    qputenv("SANE_CONFIG_DIR", (source + QStringLiteral("/tests/scan/sane")).toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_SaneScanner::init()
{
    QSettings().clear();
    SaneScannerLibrary scanner; // makes sure SANE is initialised
    QVERIFY(scanner.sourceListBegin());
    QVERIFY(resetTestDevice("test:0"));
    QVERIFY(resetTestDevice("test:1"));
}

std::unique_ptr<SaneScannerLibrary> tst_SaneScanner::openScanner(const QString &device,
                                                                 const Options &options)
{
    auto scanner = std::make_unique<SaneScannerLibrary>();
    if (!scanner->chooseSourceNamed(device) || !scanner->openSource())
        return nullptr;
    scanner->selectFeeder(false);
    scanner->setTransferCount(1);
    scanner->setResolution(150);
    for (const auto &[name, value] : options) {
        if (!scanner->setDeviceOption(name, value))
            return nullptr;
    }
    return scanner;
}

void tst_SaneScanner::listsTheDevicesByVendorAndModel()
{
    SaneScannerLibrary scanner;
    for (int pass = 0; pass < 2; ++pass) { // a second listing starts from the top again
        QVERIFY(scanner.sourceListBegin());
        QStringList names;
        QString name;
        while (scanner.sourceListNext(name))
            names << name;
        // Both devices are the same model, so each name carries its device.
        QCOMPARE(names, QStringList({QStringLiteral("Noname frontend-tester (test:0)"),
                                     QStringLiteral("Noname frontend-tester (test:1)")}));
    }
}

void tst_SaneScanner::choiceIsRememberedAndOpened()
{
    SaneScannerLibrary scanner;
    MemoryChoice choice;
    SaneScannerLibrary kept(&choice);
    QVERIFY(kept.chooseSourceAt(1));
    QCOMPARE(choice.device(), QStringLiteral("test:1"));
    QVERIFY(scanner.chooseSourceAt(1));
    QVERIFY(scanner.openSource());
    QCOMPARE(scanner.openDevice(), QByteArray("test:1"));

    QVERIFY(!scanner.chooseSourceAt(2));
    QVERIFY(!scanner.chooseSourceNamed(QStringLiteral("test:7")));
    QCOMPARE(scanner.chosenDevice(), QStringLiteral("test:1"));

    // A new choice takes effect at the next opening.
    QVERIFY(scanner.chooseSourceNamed(QStringLiteral("Noname frontend-tester (test:0)")));
    QVERIFY(scanner.openSource());
    QCOMPARE(scanner.openDevice(), QByteArray("test:0"));
    QVERIFY(!scanner.lastError());
}

void tst_SaneScanner::chooseSourceAsksTheInstalledChooser()
{
    SaneScannerLibrary scanner;
    QObject owner;
    scanner.chooseSource(&owner); // no chooser installed: nothing happens
    QVERIFY(scanner.chosenDevice().isEmpty());

    QStringList shown;
    QList<int> currents;
    QObject *shownOwner = nullptr;
    int answer = 1;
    scanner.setSourceChooser([&](QObject *o, const QStringList &names, int current) {
        shownOwner = o;
        shown = names;
        currents << current;
        return answer;
    });
    scanner.chooseSource(&owner);
    QCOMPARE(shownOwner, &owner);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(scanner.chosenDevice(), QStringLiteral("test:1"));

    answer = -1; // the user closed the chooser: the choice stays
    scanner.chooseSource(&owner);
    QCOMPARE(currents, QList<int>({-1, 1}));
    QCOMPARE(scanner.chosenDevice(), QStringLiteral("test:1"));
}

void tst_SaneScanner::withoutAChoiceTheFirstDeviceOpens()
{
    SaneScannerLibrary scanner;
    QVERIFY(scanner.openSource());
    QCOMPARE(scanner.openDevice(), QByteArray("test:0"));

    // A remembered device that is gone is an error of the run, not a crash.
    MemoryChoice gone;
    gone.setDevice(QStringLiteral("test:9"));
    SaneScannerLibrary other(&gone);
    QVERIFY(!other.openSource());
    QVERIFY(other.lastError());
    QVERIFY(other.acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
}

void tst_SaneScanner::resolutionIsKeptWithinTheDeviceRange()
{
    auto scanner = openScanner();
    QVERIFY(scanner);
    scanner->setResolution(5000); // the device goes up to 1200
    QCOMPARE(scanner->deviceOption("resolution").toDouble(), 1200.0);
    scanner->setResolution(0.2);
    QCOMPARE(scanner->deviceOption("resolution").toDouble(), 1.0);
    scanner->setResolution(99.6); // steps of 1 dpi
    QCOMPARE(scanner->deviceOption("resolution").toDouble(), 100.0);

    // The bitmap states the resolution the device really scanned at.
    QVERIFY(scanner->setDeviceOption("br-x", 10.0));
    QVERIFY(scanner->setDeviceOption("br-y", 10.0));
    const QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::Grayscale);
    const DibHeader h = readHeader(dib);
    QCOMPARE(h.xPixelsPerMetre, 3937); // 100 / 0.0254, rounded
    QCOMPARE(h.yPixelsPerMetre, 3937);
    QCOMPARE(h.width, 39); // 10 mm at 100 dpi
}

void tst_SaneScanner::a4PageHasTheRightHeader_data()
{
    QTest::addColumn<int>("pixelType");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("tableEntries");
    QTest::addColumn<qint64>("stride");

    QTest::newRow("gray") << int(ScannerLibrary::Grayscale) << 8 << 256 << qint64(1240);
    QTest::newRow("colour") << int(ScannerLibrary::Colour) << 24 << 0 << qint64(3720);
    // 1240 bits are 155 bytes, padded to 156.
    QTest::newRow("black and white") << int(ScannerLibrary::BlackAndWhite) << 1 << 2 << qint64(156);
    // Several types allowed: the first one the device has.
    QTest::newRow("gray or colour")
        << int(ScannerLibrary::Grayscale | ScannerLibrary::Colour) << 8 << 256 << qint64(1240);
}

void tst_SaneScanner::a4PageHasTheRightHeader()
{
    QFETCH(int, pixelType);
    QFETCH(int, bitCount);
    QFETCH(int, tableEntries);
    QFETCH(qint64, stride);

    auto scanner = openScanner();
    QVERIFY(scanner);
    const QByteArray dib = scanner->acquireImage(nullptr, pixelType);
    QVERIFY(!scanner->lastError());
    const DibHeader h = readHeader(dib);
    QCOMPARE(h.headerSize, 40);
    QCOMPARE(h.width, A4Width);
    QVERIFY2(h.height == 1753 || h.height == 1754, qPrintable(QString::number(h.height)));
    QCOMPARE(h.planes, 1);
    QCOMPARE(h.bitCount, bitCount);
    QCOMPARE(h.compression, 0);
    QCOMPARE(h.xPixelsPerMetre, PixelsPerMetre150);
    QCOMPARE(h.yPixelsPerMetre, PixelsPerMetre150);
    QCOMPARE(h.tableEntries, tableEntries);
    QCOMPARE(h.stride, stride);
    QCOMPARE(h.imageSize, stride * h.height);
    QCOMPARE(qint64(dib.size()), 40 + 4 * tableEntries + stride * h.height);
    if (tableEntries == 256) { // grey table: entry i is i, i, i
        for (int i : {0, 1, 128, 255})
            QCOMPARE(dib.mid(40 + 4 * i, 3), QByteArray(3, char(i)));
    }
}

void tst_SaneScanner::pixelsMatchAPlainRead_data()
{
    QTest::addColumn<int>("pixelType");
    QTest::addColumn<Options>("options");
    QTest::addColumn<Options>("rawOptions"); // the mode and depth a plain read needs
    QTest::addColumn<int>("bitsPerSample");
    QTest::addColumn<int>("bitCount");

    const Options gray{{"mode", QStringLiteral("Gray")}, {"depth", 8}};
    const Options colour{{"mode", QStringLiteral("Color")}, {"depth", 8}};
    const Options lineArt{{"mode", QStringLiteral("Gray")}, {"depth", 1}};
    const Options grid{{"test-picture", QStringLiteral("Grid")}};
    const Options depth16{{"depth", 16}};
    const Options colour16{{"mode", QStringLiteral("Color")}, {"depth", 16}};
    // Three pixels short of each device line: rows must be taken at the device's line length.
    const Options shortLines{{"ppl-loss", 3}};

    QTest::newRow("gray 8") << int(ScannerLibrary::Grayscale) << Options() << gray << 8 << 8;
    QTest::newRow("gray 16") << int(ScannerLibrary::Grayscale) << Options() << gray + depth16 << 16
                             << 8;
    QTest::newRow("colour 8") << int(ScannerLibrary::Colour) << Options() << colour << 8 << 24;
    QTest::newRow("colour 16") << int(ScannerLibrary::Colour) << Options() << colour16 << 16 << 48;
    QTest::newRow("line art grid")
        << int(ScannerLibrary::BlackAndWhite) << grid << lineArt + grid << 16 << 1;
    QTest::newRow("short lines gray")
        << int(ScannerLibrary::Grayscale) << shortLines << gray + shortLines << 8 << 8;
    QTest::newRow("short lines colour")
        << int(ScannerLibrary::Colour) << shortLines << colour + shortLines << 8 << 24;
    QTest::newRow("short lines line art") << int(ScannerLibrary::BlackAndWhite) << grid + shortLines
                                          << lineArt + grid + shortLines << 8 << 1;
}

void tst_SaneScanner::pixelsMatchAPlainRead()
{
    QFETCH(int, pixelType);
    QFETCH(Options, options);
    QFETCH(Options, rawOptions);
    QFETCH(int, bitsPerSample);
    QFETCH(int, bitCount);

    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage + options);
    QVERIFY(scanner);
    scanner->setBitsPerSample(bitsPerSample);
    const QByteArray dib = scanner->acquireImage(nullptr, pixelType);
    scanner->closeSource();
    const RawPage raw = rawScan("test:0", rawOptions + SmallPage + Options{{"resolution", 150.0}});
    QVERIFY(raw.params.lines > 0);

    const DibHeader h = readHeader(dib);
    QCOMPARE(h.bitCount, bitCount);
    QCOMPARE(h.width, raw.params.pixels_per_line);
    QCOMPARE(h.height, raw.params.lines);
    QCOMPARE(qint64(dib.size()), h.pixelOffset + h.stride * h.height);
    const int channels = raw.params.format == SANE_FRAME_RGB ? 3 : 1;
    int differences = 0;
    for (int y = 0; y < h.height; ++y) {
        for (int x = 0; x < h.width; ++x) {
            for (int c = 0; c < channels; ++c) {
                if (dibSample(dib, h, x, y, c) != rawSample(raw, x, y, c) && differences++ < 5)
                    qWarning("pixel %d,%d channel %d: %d instead of %d", x, y, c,
                             dibSample(dib, h, x, y, c), rawSample(raw, x, y, c));
            }
        }
    }
    QCOMPARE(differences, 0);
    // The picture is not flat: a page of one value would prove little.
    QVERIFY(dibSample(dib, h, 0, 0, 0) != dibSample(dib, h, h.width / 2, h.height / 3, 0) ||
            dibSample(dib, h, 0, 0, 0) != dibSample(dib, h, 3, 3, 0));
}

void tst_SaneScanner::threePassGivesTheSameImageAsOnePass()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    const QByteArray onePass = scanner->acquireImage(nullptr, ScannerLibrary::Colour);
    QVERIFY(!onePass.isEmpty());
    QVERIFY(scanner->setDeviceOption("three-pass", true));
    QVERIFY(scanner->setDeviceOption("three-pass-order", QStringLiteral("GBR")));
    const QByteArray threePass = scanner->acquireImage(nullptr, ScannerLibrary::Colour);
    QVERIFY(!scanner->lastError());
    QCOMPARE(readHeader(threePass).bitCount, 24);
    QVERIFY(threePass == onePass);
}

void tst_SaneScanner::pageOfUnknownHeightIsReadToItsEnd()
{
    // A hand scanner reports a height of -1 and a fixed width of 11 cm.
    auto scanner = openScanner(QStringLiteral("test:0"), Options{{"hand-scanner", true}});
    QVERIFY(scanner);
    const QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::Grayscale);
    QVERIFY(!scanner->lastError());
    scanner->closeSource();
    const RawPage raw = rawScan("test:0", Options{{"resolution", 150.0}, {"hand-scanner", true}});
    QCOMPARE(raw.params.lines, -1);

    const DibHeader h = readHeader(dib);
    QCOMPARE(h.width, raw.params.pixels_per_line);
    QCOMPARE(h.height, int(raw.bytes.size() / raw.params.bytes_per_line));
    QVERIFY2(h.height > 100, qPrintable(QString::number(h.height)));
    QCOMPARE(qint64(dib.size()), h.pixelOffset + h.stride * h.height);
}

void tst_SaneScanner::lineArtKeepsBlackBlack()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    for (const char *picture : {"Solid black", "Solid white"}) {
        const bool black = std::strcmp(picture, "Solid black") == 0;
        QVERIFY(scanner->setDeviceOption("test-picture", QString::fromLatin1(picture)));
        const QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::BlackAndWhite);
        const DibHeader h = readHeader(dib);
        QCOMPARE(h.bitCount, 1);
        // Table: entry 0 black, entry 1 white; the decoder reads a set bit as white.
        QCOMPARE(dib.mid(40, 8), QByteArray::fromHex("00000000ffffff00"));
        for (int y : {0, h.height / 2, h.height - 1}) {
            for (int x : {0, 1, h.width / 2, h.width - 1}) {
                const char *row = dib.constData() + h.pixelOffset + h.stride * y;
                const bool set = (uchar(row[x / 8]) >> (7 - x % 8)) & 1;
                QCOMPARE(set, !black);
            }
        }
        // Bits and bytes past the right edge are left clear.
        const char *lastRow = dib.constData() + h.pixelOffset;
        const int usedBits = h.width;
        for (qint64 bit = usedBits; bit < h.stride * 8; ++bit)
            QCOMPARE((uchar(lastRow[bit / 8]) >> (7 - bit % 8)) & 1, 0);
    }
}

void tst_SaneScanner::feederDeliversEveryPageThenIsDone()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    for (int run = 0; run < 2; ++run) { // the feeder is filled again for the second run
        QVERIFY(scanner->openSource());
        scanner->selectFeeder(true);
        scanner->setTransferCount(-1);
        scanner->setResolution(150);
        int pages = 0;
        for (;;) {
            QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::Grayscale);
            QVERIFY2(!dib.isEmpty(), qPrintable(QStringLiteral("page %1").arg(pages + 1)));
            QCOMPARE(readHeader(dib).width, 236); // 40 mm at 150 dpi
            ++pages;
            scanner->freeImage(dib);
            QVERIFY(dib.isEmpty());
            if (scanner->isDone())
                break;
            QVERIFY(pages < 20);
        }
        scanner->finishFeeder();
        QCOMPARE(pages, 10); // the test device's feeder holds ten sheets
        QVERIFY(!scanner->lastError());
    }
}

void tst_SaneScanner::oneImageFromTheFeederIsOnePage()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    scanner->selectFeeder(true);
    QCOMPARE(scanner->deviceOption("source").toString(),
             QStringLiteral("Automatic Document Feeder"));
    scanner->setTransferCount(1);
    QVERIFY(!scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
    QVERIFY(scanner->isDone());
    scanner->finishFeeder();
    QVERIFY(!scanner->lastError());

    scanner->selectFeeder(false);
    QCOMPARE(scanner->deviceOption("source").toString(), QStringLiteral("Flatbed"));
}

void tst_SaneScanner::flatbedGivesOnePagePerRun()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    scanner->setTransferCount(-1); // "all images" from a flatbed is the one on the glass
    QVERIFY(!scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
    QVERIFY(scanner->isDone());
    QVERIFY(!scanner->lastError());
}

void tst_SaneScanner::failedReadGivesNoImage_data()
{
    QTest::addColumn<QString>("readStatus");
    QTest::addColumn<bool>("isError");

    QTest::newRow("input/output error") << QStringLiteral("SANE_STATUS_IO_ERROR") << true;
    QTest::newRow("paper jam") << QStringLiteral("SANE_STATUS_JAMMED") << true;
    QTest::newRow("cancelled at the device") << QStringLiteral("SANE_STATUS_CANCELLED") << false;
    QTest::newRow("no documents") << QStringLiteral("SANE_STATUS_NO_DOCS") << false;
}

void tst_SaneScanner::failedReadGivesNoImage()
{
    QFETCH(QString, readStatus);
    QFETCH(bool, isError);

    auto scanner = openScanner(QStringLiteral("test:0"),
                               SmallPage + Options{{"read-return-value", readStatus}});
    QVERIFY(scanner);
    QVERIFY(scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
    QCOMPARE(scanner->lastError(), isError);
    QVERIFY(scanner->isDone());

    // The device is usable again for the next page.
    QVERIFY(scanner->setDeviceOption("read-return-value", QStringLiteral("Default")));
    QVERIFY(!scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
    QVERIFY(!scanner->lastError());
}

void tst_SaneScanner::cancelDropsTheShortPage()
{
    // Slowed down, an A4 grey page takes well over a second.
    auto scanner = openScanner(QStringLiteral("test:0"),
                               Options{{"read-delay", true}, {"read-delay-duration", 20000}});
    QVERIFY(scanner);
    QSignalSpy percent(scanner.get(), &ScannerLibrary::percentScan);
    // Cancel comes from another thread (the window's), while this one reads.
    std::thread canceller([&scanner] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        scanner->cancel();
    });
    const auto joinCanceller = qScopeGuard([&canceller] { canceller.join(); });
    QElapsedTimer clock;
    clock.start();
    const QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::Grayscale);
    QVERIFY(dib.isEmpty());
    QVERIFY(!scanner->lastError());
    QVERIFY(scanner->isDone());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    // Progress was reported while the caller waited, and never the whole page.
    QVERIFY(!percent.isEmpty());
    QVERIFY(percent.last().at(0).toInt() < 100);

    // The cancel holds for the rest of its run; the page of the next run is whole.
    QVERIFY(scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
    QVERIFY(scanner->openSource());
    QVERIFY(scanner->setDeviceOption("read-delay", false));
    const DibHeader h = readHeader(scanner->acquireImage(nullptr, ScannerLibrary::Grayscale));
    QCOMPARE(h.width, A4Width);
    QVERIFY(h.height >= 1753);
}

void tst_SaneScanner::cancelsAtAnyMomentNeverHang()
{
    // Small reads, each a little late: a run of a few dozen reads, cancelled at random moments
    // from the first read to the last (and past it), 200 times over. A cancel that cut off the
    // backend's reader at the wrong moment would hang the next run for good.
    auto scanner = openScanner(QStringLiteral("test:0"), Options{{"tl-x", 0.0},
                                                                 {"tl-y", 0.0},
                                                                 {"br-x", 30.0},
                                                                 {"br-y", 30.0},
                                                                 {"read-limit", true},
                                                                 {"read-limit-size", 2048},
                                                                 {"read-delay", true},
                                                                 {"read-delay-duration", 1000}});
    QVERIFY(scanner);
    QRandomGenerator random(20261209);
    int whole = 0;
    int cancelled = 0;
    for (int trial = 0; trial < 200; ++trial) {
        QVERIFY(scanner->openSource());
        // From another thread, as the window's Cancel comes.
        const auto delay = std::chrono::microseconds(random.bounded(60000));
        std::thread canceller([&scanner, delay] {
            std::this_thread::sleep_for(delay);
            scanner->cancel();
        });
        const QByteArray dib = scanner->acquireImage(nullptr, ScannerLibrary::Grayscale);
        // A cancel that comes after the page belongs to this run, not the next.
        canceller.join();
        QVERIFY(!scanner->lastError());
        QVERIFY(scanner->isDone());
        if (dib.isEmpty())
            ++cancelled;
        else
            ++whole;
    }
    // Both kinds of ending were tried.
    QVERIFY2(cancelled > 20 && whole > 0,
             qPrintable(QStringLiteral("%1 cancelled, %2 whole").arg(cancelled).arg(whole)));
    // And the device still reads a whole page afterwards.
    QVERIFY(scanner->openSource());
    QVERIFY(scanner->setDeviceOption("read-delay", false));
    QVERIFY(!scanner->acquireImage(nullptr, ScannerLibrary::Grayscale).isEmpty());
}

void tst_SaneScanner::progressRisesToOneHundred()
{
    auto scanner = openScanner(QStringLiteral("test:0"), SmallPage);
    QVERIFY(scanner);
    QSignalSpy percent(scanner.get(), &ScannerLibrary::percentScan);
    QVERIFY(!scanner->acquireImage(nullptr, ScannerLibrary::Colour).isEmpty());
    // Every report has arrived by the time the image is returned.
    QVERIFY(!percent.isEmpty());
    QCOMPARE(percent.last().at(0).toInt(), 100);
    int previous = -1;
    for (const QList<QVariant> &report : percent) {
        QVERIFY(report.at(0).toInt() > previous);
        previous = report.at(0).toInt();
    }
}

void tst_SaneScanner::readerThreadsSettleBeforeACancel()
{
    // A cancel waits for threads started after the mark: one blocked on a full pipe, as a
    // reader the caller stopped reading from, counts as settled; one still working does not.
    int fds[2];
    QCOMPARE(pipe(fds), 0);
    std::atomic<bool> stop{false};
    BackendThreads threads;
    threads.mark();
    QVERIFY(threads.settle(100)); // nothing started yet
    std::thread writer([&] {
        const std::vector<char> chunk(1 << 20, 'x'); // more than a pipe holds
        (void)!write(fds[1], chunk.data(), chunk.size());
    });
    QVERIFY(threads.settle(2000));
    std::thread spinner([&] {
        while (!stop.load())
            ;
    });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!threads.settle(300));
    QVERIFY(clock.elapsed() >= 300);
    // The program's own threads carry other names and are not waited for.
    pthread_setname_np(spinner.native_handle(), "Thread (pooled)");
    QVERIFY(threads.settle(2000));
    stop = true;
    spinner.join();
    std::vector<char> drained(1 << 16);
    qint64 left = 1 << 20; // the writer ends once all of it has been read
    while (left > 0) {
        const ssize_t got = read(fds[0], drained.data(), drained.size());
        QVERIFY(got > 0);
        left -= got;
    }
    writer.join();
    close(fds[0]);
    close(fds[1]);
    QVERIFY(threads.settle(100));
    const std::vector<int> ids = BackendThreads::threadIds();
    QVERIFY(std::find(ids.begin(), ids.end(), int(gettid())) != ids.end());

    // A read that fails at once, over and over, leaves the program able to start threads.
    auto scanner = openScanner(
        QStringLiteral("test:0"),
        SmallPage + Options{{"read-return-value", QStringLiteral("SANE_STATUS_IO_ERROR")}});
    QVERIFY(scanner);
    for (int i = 0; i < 20; ++i) {
        QVERIFY(scanner->acquireImage(nullptr, ScannerLibrary::Colour).isEmpty());
        QVERIFY(scanner->lastError());
        std::thread([] {}).join();
    }
}

void tst_SaneScanner::grayPageDecodesToAnImage()
{
    auto scanner = openScanner();
    QVERIFY(scanner);
    const HImage image(scanner->acquireImage(nullptr, ScannerLibrary::Grayscale));
    QVERIFY(image.isValid());
    QCOMPARE(image.width(), A4Width);
    QVERIFY(image.height() == 1753 || image.height() == 1754);
    QCOMPARE(image.dotsPerMeterX(), PixelsPerMetre150);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
}

VELLUMO_TEST_MAIN_QUICK_EXIT(QCoreApplication, tst_SaneScanner)
#include "tst_SaneScanner.moc"
