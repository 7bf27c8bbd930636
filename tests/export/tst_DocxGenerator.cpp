#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <cstring>

#include "core/ExportProgress.h"
#include "export/DocxGenerator.h"
#include "support/TestPages.h"
#include "support/TestPaths.h"

namespace {

// Every file entry of a zip archive by name; empty when it cannot be read.
QMap<QString, QByteArray> zipEntries(const QString &path)
{
    QMap<QString, QByteArray> entries;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return {};
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly))
            return {};
        entries.insert(zip.getCurrentFileName(), entry.readAll());
    }
    return entries;
}

// Attribute values of every element with the given local name, in document order, joined by
// spaces per element; a parse error gives "error".
QStringList elements(const QByteArray &xml, const QString &name, const QStringList &attributes)
{
    QStringList found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != name)
            continue;
        QStringList values;
        for (const QString &attribute : attributes)
            values << reader.attributes().value(attribute).toString();
        found << values.join(QLatin1Char(' '));
    }
    return reader.hasError() ? QStringList{QStringLiteral("error")} : found;
}

// The document body as a list: "picture <rId> <docPr id> <cx>x<cy>" or "break" per paragraph.
QStringList bodyOutline(const QByteArray &documentXml)
{
    QStringList outline;
    QXmlStreamReader reader(documentXml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto attr = [&reader](const char *name) {
            return reader.attributes().value(QLatin1String(name)).toString();
        };
        if (reader.name() == QLatin1String("br") && attr("w:type") == QLatin1String("page"))
            outline << QStringLiteral("break");
        else if (reader.name() == QLatin1String("extent"))
            outline << QStringLiteral("picture %1x%2").arg(attr("cx"), attr("cy"));
        else if (reader.name() == QLatin1String("docPr"))
            outline.last() += QLatin1Char(' ') + attr("id");
        else if (reader.name() == QLatin1String("blip"))
            outline.last() += QLatin1Char(' ') + attr("r:embed");
    }
    return reader.hasError() ? QStringList{reader.errorString()} : outline;
}

// Cancels at the given wasCanceled() call (counted from 1) and logs every call.
class CancellingProgress : public ExportProgress
{
public:
    explicit CancellingProgress(int cancelAt)
        : m_cancelAt(cancelAt)
    {
    }
    void setRange(int minimum, int maximum) override
    {
        calls << QStringLiteral("range %1-%2").arg(minimum).arg(maximum);
    }
    void setValue(int value) override { calls << QStringLiteral("value %1").arg(value); }
    bool wasCanceled() override
    {
        calls << QStringLiteral("asked");
        return ++m_asked == m_cancelAt;
    }
    QStringList calls;

private:
    int m_cancelAt;
    int m_asked = 0;
};

bool saveImage(QImage image, const QString &path, int dpi, const char *format)
{
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, format);
}

} // namespace

class tst_DocxGenerator : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A colour JPEG (600 x 300 at 96 dpi), a grey PNG (200 x 100 at 200 dpi) and a 1-bit TIFF
    // (330 x 400 at 300 dpi), in that order.
    QStringList threeKinds()
    {
        QImage grey(200, 100, QImage::Format_Grayscale8);
        grey.fill(90);
        const QStringList files{path(QStringLiteral("kinds/0001.jpg")),
                                path(QStringLiteral("kinds/0002.png")),
                                path(QStringLiteral("kinds/0003.tif"))};
        if (!saveImage(TestPages::pageImage(1).scaled(600, 300), files[0], 96, "jpeg") ||
            !saveImage(grey, files[1], 200, "png") ||
            !saveImage(TestPages::pageImage(3, QImage::Format_Mono), files[2], 300, "tiff"))
            return {};
        return files;
    }

private Q_SLOTS:
    void extentIsTruncatedAndFitsTheBox_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QSize>("emu");
        QTest::newRow("A4 at 300 dpi") << QSize(2480, 3508) << 300.0 << QSize(5254942, 7433200);
        QTest::newRow("wide at 96 dpi") << QSize(600, 300) << 96.0 << QSize(5254942, 2627471);
        QTest::newRow("small keeps its size") << QSize(100, 200) << 96.0 << QSize(952500, 1905000);
        QTest::newRow("truncated, not rounded") << QSize(1, 1) << 7.0 << QSize(130628, 130628);
        // 300 / 770 x 5254942 is 2047380; the reciprocal of 770 / 300 first lands just below.
        QTest::newRow("reciprocal first") << QSize(770, 300) << 96.0 << QSize(5254942, 2047379);
        QTest::newRow("tall is capped by height")
            << QSize(1000, 3001) << 96.0 << QSize(2770851, 8315325);
    }
    void extentIsTruncatedAndFitsTheBox()
    {
        QFETCH(QSize, pixels);
        QFETCH(double, dpi);
        QFETCH(QSize, emu);
        QCOMPARE(DocxGenerator::extentEmu(pixels, dpi), emu);
    }

    void threePagesMakeACompletePackage()
    {
        const QStringList files = threeKinds();
        QVERIFY(!files.isEmpty());
        // A folder of the user's own with the name older versions used for their scratch files.
        const QString own = path(QStringLiteral("out/vlmpjtmp/keep.txt"));
        QVERIFY(TestPaths::writeFile(own));
        const QString target = path(QStringLiteral("out/three.docx"));

        DocxGenerator generator;
        generator.setFiles(files);
        QVERIFY2(generator.generate(target), qPrintable(generator.errorString()));
        QVERIFY(!generator.isCancelled());
        QVERIFY(QFileInfo::exists(own));
        QCOMPARE(QDir(path(QStringLiteral("out")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("three.docx"), QStringLiteral("vlmpjtmp")}));

        const QMap<QString, QByteArray> entries = zipEntries(target);
        QCOMPARE(entries.value(QStringLiteral("word/media/0001.jpeg")),
                 TestPaths::readFile(files[0]));
        for (const QString &png : {QStringLiteral("0002.png"), QStringLiteral("0003.png")}) {
            const QImage image =
                QImage::fromData(entries.value(QStringLiteral("word/media/") + png), "png");
            QVERIFY2(!image.isNull(), qPrintable(png));
        }
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it.key().endsWith(QLatin1String(".xml")) ||
                it.key().endsWith(QLatin1String(".rels")))
                QVERIFY2(!elements(it.value(), QStringLiteral("x"), {})
                              .contains(QStringLiteral("error")),
                         qPrintable(it.key()));
        }

        // Every relationship reaches a part, and every part's extension has a content type.
        const QStringList relations = elements(
            entries.value(QStringLiteral("word/_rels/document.xml.rels")),
            QStringLiteral("Relationship"), {QStringLiteral("Id"), QStringLiteral("Target")});
        QCOMPARE(relations.mid(5), (QStringList{QStringLiteral("rId10 media/0001.jpeg"),
                                                QStringLiteral("rId11 media/0002.png"),
                                                QStringLiteral("rId12 media/0003.png")}));
        for (const QString &relation : relations)
            QVERIFY2(
                entries.contains(QStringLiteral("word/") + relation.section(QLatin1Char(' '), 1)),
                qPrintable(relation));
        const QStringList defaults =
            elements(entries.value(QStringLiteral("[Content_Types].xml")),
                     QStringLiteral("Default"), {QStringLiteral("Extension")});
        for (const QString &name : entries.keys())
            QVERIFY2(defaults.contains(QFileInfo(name).suffix()), qPrintable(name));

        QCOMPARE(
            bodyOutline(entries.value(QStringLiteral("word/document.xml"))),
            (QStringList{QStringLiteral("picture 5254942x2627471 1 rId10"), QStringLiteral("break"),
                         QStringLiteral("picture 914400x457200 3 rId11"), QStringLiteral("break"),
                         QStringLiteral("picture 1005840x1219200 3 rId12")}));
    }

    void pageListsGiveRelationsAndPictures_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("relations");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("same base name keeps the earlier media")
            << QStringList{QStringLiteral("a/page.jpg"), QStringLiteral("b/Page.1.jpg")}
            << QStringList{QStringLiteral("rId10 media/page.jpeg"),
                           QStringLiteral("rId11 media/page.jpeg")}
            << QStringList{QStringLiteral("rId10"), QStringLiteral("rId11")};
        QTest::newRow("not an image keeps its relation only")
            << QStringList{QStringLiteral("a/one.jpg"), QStringLiteral("!a/notes.txt"),
                           QStringLiteral("a/two.jpg")}
            << QStringList{QStringLiteral("rId10 media/one.jpeg"),
                           QStringLiteral("rId11 media/notes.jpeg"),
                           QStringLiteral("rId12 media/two.jpeg")}
            << QStringList{QStringLiteral("rId10"), QStringLiteral("rId12")};
        QTest::newRow("name beyond plain letters is percent-encoded")
            << QStringList{QStringLiteral("a/scan 1 & \u00FC.jpg")}
            << QStringList{QStringLiteral("rId10 media/scan%201%20%26%20%C3%BC.jpeg")}
            << QStringList{QStringLiteral("rId10")};
    }
    // A leading "-" marks a file that is not there, "!" one that is not an image.
    void pageListsGiveRelationsAndPictures()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, relations);
        QFETCH(QStringList, pictures);
        QTemporaryDir dir;
        QStringList paths;
        int id = 0;
        for (const QString &file : files) {
            const bool text = file.startsWith(QLatin1Char('!'));
            const QString name = dir.filePath(text ? file.mid(1) : file);
            if (text)
                QVERIFY(TestPaths::writeFile(name, "just text"));
            else
                QVERIFY(saveImage(TestPages::pageImage(++id), name, 300, "jpeg"));
            paths << name;
        }
        const QString target = dir.filePath(QStringLiteral("out.docx"));
        DocxGenerator generator;
        generator.setFiles(paths);
        QVERIFY2(generator.generate(target), qPrintable(generator.errorString()));

        const QMap<QString, QByteArray> entries = zipEntries(target);
        const QStringList written = elements(
            entries.value(QStringLiteral("word/_rels/document.xml.rels")),
            QStringLiteral("Relationship"), {QStringLiteral("Id"), QStringLiteral("Target")});
        QCOMPARE(written.mid(5), relations);
        QCOMPARE(elements(entries.value(QStringLiteral("word/document.xml")),
                          QStringLiteral("blip"), {QStringLiteral("r:embed")}),
                 pictures);
        // The first page's own bytes, which a later page of the same name did not overwrite.
        const QString media = written.at(5).section(QLatin1Char(' '), 1);
        QCOMPARE(entries.value(QStringLiteral("word/") + media), TestPaths::readFile(paths[0]));
    }

    void stoppedRunKeepsTheEarlierDocument_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("cancelled at the second page") << false;
        QTest::newRow("disk full") << true;
    }
    void stoppedRunKeepsTheEarlierDocument()
    {
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("out"));
        // 256 KiB, which a page of noise does not fit into (needs root, as in CI).
        if (fullDisk && !TestPaths::mountSmallDisk(folder, 256))
            QSKIP("cannot mount a small tmpfs here (not root)");
        const auto unmount = qScopeGuard([&] {
            if (fullDisk)
                TestPaths::unmountDisk(folder);
        });
        const QString target = folder + QStringLiteral("/earlier.docx");
        QVERIFY(TestPaths::writeFile(target, "the earlier document"));
        QStringList files = threeKinds();
        QVERIFY(TestPaths::writeFile(dir.filePath(QStringLiteral("noise.jpg")),
                                     TestPaths::noiseJpeg(700)));
        files.insert(1, dir.filePath(QStringLiteral("noise.jpg")));

        CancellingProgress progress(fullDisk ? 0 : 2);
        DocxGenerator generator(&progress);
        generator.setFiles(files);
        const bool done = generator.generate(target);
        if (fullDisk) {
            QVERIFY(!done);
            QVERIFY2(generator.errorString().contains(QDir::toNativeSeparators(target)) &&
                         generator.errorString().contains(QString::fromLocal8Bit(strerror(ENOSPC))),
                     qPrintable(generator.errorString()));
        } else {
            QVERIFY(done && generator.isCancelled());
            QCOMPARE(progress.calls,
                     (QStringList{QStringLiteral("range 0-4"), QStringLiteral("asked"),
                                  QStringLiteral("value 1"), QStringLiteral("asked")}));
        }
        QCOMPARE(TestPaths::readFile(target), QByteArray("the earlier document"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("earlier.docx")});
    }

    // The real consumer: LibreOffice lays the document out as three pages, each with its image.
    void libreOfficeShowsOnePicturePerPage()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed (libreoffice-writer-nogui)");
        const QString target = path(QStringLiteral("office/three.docx"));
        QVERIFY(QDir().mkpath(path(QStringLiteral("office"))));
        DocxGenerator generator;
        generator.setFiles(threeKinds());
        QVERIFY2(generator.generate(target), qPrintable(generator.errorString()));

        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start(
            soffice,
            {QStringLiteral("-env:UserInstallation=file://") + path(QStringLiteral("profile")),
             QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
             QStringLiteral("--outdir"), path(QStringLiteral("office")), target});
        QVERIFY(office.waitForFinished(90000));
        const QString pdf = path(QStringLiteral("office/three.pdf"));
        QVERIFY2(QFileInfo::exists(pdf), office.readAll().constData());

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAll())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(images.waitForFinished());
        QStringList pages;
        const QList<QByteArray> lines = images.readAll().split('\n').mid(2);
        for (const QByteArray &line : lines) {
            const QList<QByteArray> columns = line.simplified().split(' ');
            if (columns.size() > 4 && columns[2] == "image")
                pages << QString::fromLatin1(columns[0] + ':' + columns[3] + 'x' + columns[4]);
        }
        QCOMPARE(pages, (QStringList{QStringLiteral("1:600x300"), QStringLiteral("2:200x100"),
                                     QStringLiteral("3:330x400")}));
    }
};

QTEST_GUILESS_MAIN(tst_DocxGenerator)
#include "tst_DocxGenerator.moc"
