#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>

#include "export/ImageExporter.h"
#include "support/TestPaths.h"

using Outcome = ImageExporter::Outcome;

namespace {

constexpr int dotsPerMeterAt300 = 11811;

// "a b c" as a list.
QStringList names(const char *spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Every name in a folder, hidden part files included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QStringList fileNames(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths)
        result << QFileInfo(path).fileName();
    return result;
}

// The first luminance quantiser of a JPEG file: 16 at quality 50, 1 at quality 100.
int firstQuantiser(const QByteArray &jpeg)
{
    const qsizetype marker = jpeg.indexOf("\xff\xdb");
    return marker < 0 || marker + 5 >= jpeg.size() ? -1 : quint8(jpeg.at(marker + 5));
}

ImageExportSettings settings(const QString &folder, const QString &pattern, const QString &format,
                             int quality = 85)
{
    return {folder, pattern, format, quality, false};
}

class ScriptedProgress : public ExportProgress
{
public:
    void setRange(int minimum, int maximum) override { ranges << QPoint(minimum, maximum); }
    void setValue(int value) override
    {
        values << value;
        if (onValue)
            onValue(value);
    }
    bool wasCanceled() override { return cancelAt > 0 && values.last() >= cancelAt; }

    QList<QPoint> ranges;
    QList<int> values;
    int cancelAt = 0;
    std::function<void(int)> onValue;
};

} // namespace

class tst_ImageExporter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Pages of a kind: "colour" or "grey" JPEG or "mono" 1-bit TIFF at 300 dpi, page n being
    // 20 + n pixels wide; "noise" a JPEG of noise, "text" a file that is no image, "missing" none.
    QStringList pages(const QString &kind, int count)
    {
        QStringList paths;
        for (int n = 1; n <= count; ++n) {
            const QString path = m_dir.filePath(QStringLiteral("pages/%1%2").arg(kind).arg(n));
            QImage image(20 + n, 40, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgb(x * 5 % 256, y * 6 % 256, (x ^ y) * 3 % 256));
            }
            image.setDotsPerMeterX(dotsPerMeterAt300);
            image.setDotsPerMeterY(dotsPerMeterAt300);
            if (kind == QLatin1String("grey"))
                image = image.convertToFormat(QImage::Format_Grayscale8);
            else if (kind == QLatin1String("mono"))
                image = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
            bool made = true;
            if (kind == QLatin1String("noise"))
                made = TestPaths::writeFile(path, TestPaths::noiseJpeg(400));
            else if (kind == QLatin1String("text"))
                made = TestPaths::writeFile(path, "no image");
            else if (kind != QLatin1String("missing"))
                made = image.save(path, kind == QLatin1String("mono") ? "tiff" : "jpg", 95);
            if (!made)
                return {};
            paths << path;
        }
        return paths;
    }

    QString newFolder(const QString &name)
    {
        const QString folder = m_dir.filePath(name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid() && QDir(m_dir.path()).mkdir(QStringLiteral("pages")));
    }

    void namesFollowThePatternAndNeverOverwrite_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QStringList>("lastRun");
        QStringList first, second, third;
        for (int n = 1; n <= 12; ++n) {
            first << QStringLiteral("IMAGE_%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
            second << QStringLiteral("IMAGE_%1(0).jpg").arg(n, 2, 10, QLatin1Char('0'));
            third << QStringLiteral("IMAGE_%1(1).jpg").arg(n, 2, 10, QLatin1Char('0'));
        }
        QTest::newRow("12 pages") << "IMAGE_[C]"
                                  << "jpg" << 1 << first;
        QTest::newRow("second run") << "IMAGE_[C]"
                                    << "jpg" << 2 << second;
        QTest::newRow("third run") << "IMAGE_[C]"
                                   << "jpg" << 3 << third;
        QTest::newRow("no counter") << "scan"
                                    << "png" << 1 << names("scan.png scan(0).png scan(1).png");
        QTest::newRow("date and counter") << "[D]_[C]"
                                          << "jpg" << 1
                                          << names("2024-05-31_1.jpg 2024-05-31_2.jpg "
                                                   "2024-05-31_3.jpg 2024-05-31_4.jpg "
                                                   "2024-05-31_5.jpg");
        QTest::newRow("case-sensitive, % kept")
            << "[d]_[c]%1"
            << "bmp" << 1 << names("[d]_[c]%1.bmp [d]_[c]%1(0).bmp");
    }
    void namesFollowThePatternAndNeverOverwrite()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, format);
        QFETCH(int, runs);
        QFETCH(QStringList, lastRun);
        const QStringList files = pages(QStringLiteral("grey"), int(lastRun.size()));
        const QString folder = newFolder(QStringLiteral("out"));
        ImageExporter exporter;
        exporter.setToday(QDate(2024, 5, 31));
        for (int run = 0; run < runs; ++run)
            QCOMPARE(exporter.run(files, settings(folder, pattern, format), nullptr),
                     Outcome::AllSaved);
        QCOMPARE(fileNames(exporter.writtenPaths()), lastRun);
        QCOMPARE(exporter.folder(), folder + QLatin1Char('/'));
        QCOMPARE(entries(folder).size(), lastRun.size() * runs);
        // In page order, although pages are prepared side by side.
        for (int n = 0; n < files.size(); ++n)
            QCOMPARE(QImageReader(exporter.writtenPaths().at(n)).size().width(), 21 + n);
    }

    void formatsKeepPixelsAndResolution_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QImage::Format>("readBack");
        QTest::addColumn<int>("quantiser"); // first JPEG luminance quantiser; 0: lossless
        QTest::newRow("TIFF at quality 100") << "colour"
                                             << "tiff" << 30 << QImage::Format_RGB32 << 0;
        QTest::newRow("grey JPEG stays grey") << "grey"
                                              << "jpg" << 50 << QImage::Format_Grayscale8 << 16;
        QTest::newRow("1-bit page to PNG") << "mono"
                                           << "png" << 50 << QImage::Format_Mono << 0;
    }
    void formatsKeepPixelsAndResolution()
    {
        QFETCH(QString, kind);
        QFETCH(QString, format);
        QFETCH(int, quality);
        QFETCH(QImage::Format, readBack);
        QFETCH(int, quantiser);
        const QString page = pages(kind, 1).value(0);
        ImageExporter exporter;
        const ImageExportSettings s =
            settings(newFolder(QStringLiteral("formats")), QStringLiteral("p"), format, quality);
        QCOMPARE(exporter.run({page}, s, nullptr), Outcome::AllSaved);
        const QString written = exporter.writtenPaths().value(0);
        const QImage result(written);
        QCOMPARE(result.format(), readBack);
        QCOMPARE(result.dotsPerMeterX(), dotsPerMeterAt300);
        QCOMPARE(result.dotsPerMeterY(), dotsPerMeterAt300);
        if (quantiser > 0)
            QCOMPARE(firstQuantiser(TestPaths::readFile(written)), quantiser);
        else
            QCOMPARE(result.convertToFormat(QImage::Format_RGB32),
                     QImage(page).convertToFormat(QImage::Format_RGB32));
    }

    // Workers reuse their encoding buffers from page to page: a smaller page after a larger one
    // must not carry the larger page's tail. Each file is exactly what the encoder makes of its
    // page.
    void filesEndWhereTheirImageEnds_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("jpg") << "jpg";
        QTest::newRow("png") << "png";
        QTest::newRow("tiff") << "tiff";
    }
    void filesEndWhereTheirImageEnds()
    {
        QFETCH(QString, format);
        QStringList files;
        for (int n = 8; n >= 1; --n) { // falling sizes
            const QString path = m_dir.filePath(QStringLiteral("pages/falling%1").arg(n));
            QImage image(40 * n, 30 * n, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgb((x * 7 + n) % 256, (y * 3) % 256, (x * y) % 256));
            }
            QVERIFY(image.save(path, "png"));
            files << path;
        }
        ImageExporter exporter;
        const ImageExportSettings s =
            settings(newFolder(QStringLiteral("falling")), QStringLiteral("p_[C]"), format, 80);
        QCOMPARE(exporter.run(files, s, nullptr), Outcome::AllSaved);
        QCOMPARE(exporter.writtenPaths().size(), files.size());
        for (int n = 0; n < files.size(); ++n) {
            const QByteArray written = TestPaths::readFile(exporter.writtenPaths().at(n));
            if (format == QLatin1String("png")) {
                // The exporter picks its own compression level: one end chunk, at the end.
                const QByteArray end("IEND\xae\x42\x60\x82", 8);
                QVERIFY(written.endsWith(end));
                QCOMPARE(written.count(end), 1);
                continue;
            }
            QByteArray expected;
            QBuffer buffer(&expected);
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            QImageWriter writer(&buffer, format.toLatin1());
            writer.setQuality(80);
            QVERIFY(writer.write(QImage(files.at(n))));
            QCOMPARE(written, expected);
        }
    }

    void failuresAndMissingFolders_data()
    {
        QTest::addColumn<QString>("folderName"); // "missing" is never made, "disk" is 256 KiB
        QTest::addColumn<QStringList>("kinds");  // a page of each kind (see pages())
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("failed");
        QTest::newRow("missing folder")
            << "missing" << names("mono") << Outcome::FolderMissing << names("") << names("");
        QTest::newRow("empty folder name")
            << "" << names("mono") << Outcome::FolderMissing << names("") << names("");
        QTest::newRow("no pages") << "out" << names("") << Outcome::NothingToDo << names("")
                                  << names("");
        QTest::newRow("missing page file")
            << "out" << names("mono missing mono") << Outcome::SomeFailed
            << names("P_1.png P_3.png") << names("P_2.png");
        QTest::newRow("page that is no image") << "out" << names("text mono") << Outcome::SomeFailed
                                               << names("P_2.png") << names("P_1.png");
        // Uncompressed noise does not fit; the small pages around it do.
        QTest::newRow("full disk") << "disk" << names("mono noise mono") << Outcome::SomeFailed
                                   << names("P_1.png P_3.png") << names("P_2.png");
    }
    void failuresAndMissingFolders()
    {
        QFETCH(QString, folderName);
        QFETCH(QStringList, kinds);
        QFETCH(Outcome, outcome);
        QFETCH(QStringList, written);
        QFETCH(QStringList, failed);
        QStringList files;
        for (const QString &kind : kinds)
            files << pages(kind, 1);
        QString folder = m_dir.filePath(folderName);
        if (folderName.isEmpty())
            folder.clear();
        else if (folderName == QLatin1String("out"))
            newFolder(folderName);
        const bool onDisk = folderName == QLatin1String("disk");
        if (onDisk && !TestPaths::mountSmallDisk(folder, 256))
            QSKIP("cannot mount a small tmpfs here (not root)");
        const auto unmount = qScopeGuard([&] {
            if (onDisk)
                TestPaths::unmountDisk(folder);
        });
        ImageExporter exporter;
        QCOMPARE(exporter.run(files,
                              settings(folder, QStringLiteral("P_[C]"), QStringLiteral("png")),
                              nullptr),
                 outcome);
        QCOMPARE(fileNames(exporter.writtenPaths()), written);
        QCOMPARE(fileNames(exporter.failedPaths()), failed);
        if (QFileInfo(folder).isDir())
            QCOMPARE(entries(folder), written);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("missing"))));
        if (onDisk)
            QVERIFY(exporter.failures().value(0).reason.contains(
                QString::fromLocal8Bit(strerror(ENOSPC))));
    }

    void cancelKeepsFinishedPagesOnly()
    {
        const QStringList files = pages(QStringLiteral("colour"), 6);
        const QString folder = newFolder(QStringLiteral("cancel"));
        // Someone else's file appears under page 2's name while page 2 waits for its turn.
        const QString other = folder + QStringLiteral("/IMAGE_2.jpg");
        ScriptedProgress progress;
        progress.cancelAt = 3;
        progress.onValue = [&other](int value) {
            if (value == 2)
                QVERIFY(TestPaths::writeFile(other, "not ours"));
        };
        ImageExporter exporter;
        const ImageExportSettings s =
            settings(folder, QStringLiteral("IMAGE_[C]"), QStringLiteral("jpg"));
        QCOMPARE(exporter.run(files, s, &progress), Outcome::Cancelled);
        QCOMPARE(progress.ranges, QList<QPoint>{QPoint(0, 6)});
        QCOMPARE(progress.values, (QList<int>{1, 2, 3}));
        QCOMPARE(entries(folder), names("IMAGE_1.jpg IMAGE_2(0).jpg IMAGE_2.jpg"));
        QCOMPARE(TestPaths::readFile(other), QByteArray("not ours"));
        QCOMPARE(QImageReader(folder + QStringLiteral("/IMAGE_2(0).jpg")).size().width(), 22);
    }

    void saveImageReplacesOnlyWhenComplete_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::newRow("replaces the old file") << false << "page.png" << true;
        QTest::newRow("unknown suffix") << false << "page.xyz" << false;
        QTest::newRow("full disk") << true << "page.png" << false;
    }
    void saveImageReplacesOnlyWhenComplete()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, name);
        QFETCH(bool, saved);
        const QString folder = newFolder(QStringLiteral("single"));
        if (fullDisk && !TestPaths::mountSmallDisk(folder, 256))
            QSKIP("cannot mount a small tmpfs here (not root)");
        const auto unmount = qScopeGuard([&] {
            if (fullDisk)
                TestPaths::unmountDisk(folder);
        });
        const QString path = folder + QLatin1Char('/') + name;
        QVERIFY(TestPaths::writeFile(path, "old"));
        const QImage noise = QImage::fromData(TestPaths::noiseJpeg(400));
        QString error;
        QCOMPARE(ImageExporter::saveImage(noise, path, &error), saved);
        QCOMPARE(error.isEmpty(), saved);
        if (saved)
            QCOMPARE(QImage(path).convertToFormat(noise.format()), noise);
        else
            QCOMPARE(TestPaths::readFile(path), QByteArray("old"));
        if (fullDisk)
            QVERIFY2(error.contains(QString::fromLocal8Bit(strerror(ENOSPC))), qPrintable(error));
        QCOMPARE(entries(folder), QStringList{name});
    }
};

QTEST_GUILESS_MAIN(tst_ImageExporter)
#include "tst_ImageExporter.moc"
