#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/ExportProgress.h"
#include "export/DjvuGenerator.h"
#include "support/TestPaths.h"

namespace {

const QStringList ToolNames{QStringLiteral("c44"), QStringLiteral("cjb2"), QStringLiteral("djvm"),
                            QStringLiteral("djvused"), QStringLiteral("ddjvu")};

// Standard output of a DjVuLibre tool found on the PATH the test started with.
QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60 * 1000);
    return process.readAllStandardOutput();
}

double meanGrey(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (double(image.width()) * image.height());
}

// A 1-bit page whose left `whitePart` of the width is white, the rest black.
QImage bitonal(int width, int height, double whitePart)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < int(width * whitePart); ++x)
            image.setPixel(x, y, 1);
    return image;
}

QImage filled(int width, int height, QImage::Format format, QColor colour)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

bool save(QImage image, const QString &path, int dpi, const char *format)
{
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, format);
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

} // namespace

class tst_DjvuGenerator : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QHash<QString, QString> m_tools;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QStringList entries(const QString &folder) const
    {
        return QDir(path(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Pages by letter: g grey JPEG, t 1-bit TIFF, x a file that is no image.
    QStringList pages(const QString &folder, const QString &kinds)
    {
        QStringList files;
        for (qsizetype i = 0; i < kinds.size(); ++i) {
            const QString file = path(QStringLiteral("%1/%2.page").arg(folder).arg(i + 1));
            const char kind = kinds.at(i).toLatin1();
            const bool saved =
                kind == 'g'
                    ? save(filled(200, 100, QImage::Format_Grayscale8, Qt::gray), file, 300, "jpeg")
                : kind == 't' ? save(bitonal(200, 100, 0.5), file, 300, "tiff")
                              : TestPaths::writeFile(file, "no image here");
            if (!saved)
                return {};
            files << file;
        }
        return files;
    }

    // A folder holding the real tools but `missing`, and `fake` as a shell script.
    QString toolFolder(const QString &missing, const QString &fake, const QString &script)
    {
        const QString folder =
            path(QStringLiteral("tools-") + QString::fromUtf8(QTest::currentDataTag()));
        QDir().mkpath(folder);
        for (const QString &name : ToolNames) {
            const QString link = folder + QLatin1Char('/') + name;
            if (name == fake) {
                if (!TestPaths::writeFile(link, "#!/bin/sh\n" + script.toUtf8()) ||
                    !QFile::setPermissions(link, QFile::ReadOwner | QFile::ExeOwner))
                    return {};
            } else if (name != missing && !QFile::link(m_tools.value(name), link)) {
                return {};
            }
        }
        return folder;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const QString &name : ToolNames) {
            m_tools.insert(name, QStandardPaths::findExecutable(name));
            QVERIFY2(!m_tools.value(name).isEmpty(),
                     qPrintable(name + QStringLiteral(" is not installed")));
        }
    }

    void argumentsFollowTheRules_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        const QString in = QStringLiteral("/s/0001.jpg");
        const QString out = QStringLiteral("/t/page00001.djvu");
        const auto c44 = [&](int dpi, int compression, bool grey) {
            return DjvuGenerator::c44Arguments(dpi, compression, grey, in, out);
        };
        const auto list = [](const char *words) {
            return QString::fromLatin1(words).split(QLatin1Char(' '));
        };
        QTest::newRow("compression 50")
            << c44(300, 50, false) << list("-dpi 300 -percent 50") + QStringList{in, out};
        QTest::newRow("compression 0 keeps all")
            << c44(300, 0, false) << list("-dpi 300 -percent 100") + QStringList{in, out};
        QTest::newRow("compression 95")
            << c44(300, 95, false) << list("-dpi 300 -percent 5") + QStringList{in, out};
        QTest::newRow("stored 120 counts as 95")
            << c44(300, 120, false) << list("-dpi 300 -percent 5") + QStringList{in, out};
        QTest::newRow("below 0 counts as 0")
            << c44(300, -3, false) << list("-dpi 300 -percent 100") + QStringList{in, out};
        QTest::newRow("grey page drops chrominance")
            << c44(300, 50, true) << list("-dpi 300 -percent 50 -crcbnone") + QStringList{in, out};
        QTest::newRow("c44 dpi below its range")
            << c44(10, 50, false) << list("-dpi 25 -percent 50") + QStringList{in, out};
        QTest::newRow("c44 dpi above its range")
            << c44(9600, 50, false) << list("-dpi 4800 -percent 50") + QStringList{in, out};
        QTest::newRow("cjb2") << DjvuGenerator::cjb2Arguments(600, in, out)
                              << QStringList{QStringLiteral("-dpi"), QStringLiteral("600"), in,
                                             out};
        QTest::newRow("cjb2 dpi above its range")
            << DjvuGenerator::cjb2Arguments(2400, in, out)
            << QStringList{QStringLiteral("-dpi"), QStringLiteral("1200"), in, out};
        QTest::newRow("djvm keeps the order given")
            << DjvuGenerator::djvmArguments(QStringLiteral("d.djvu"),
                                            list("p2.djvu p10.djvu p1.djvu"))
            << list("-c d.djvu p2.djvu p10.djvu p1.djvu");
    }
    void argumentsFollowTheRules()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QCOMPARE(arguments, expected);
    }

    // Each page comes back in its place, at its size, brightness and resolution, encoded as its
    // kind: grey pages as one channel, black-and-white ones as bitonal data.
    void everyKindOfPageKeepsItsPlace()
    {
        struct Kind
        {
            const char *name;
            QImage image;
            int dpi;
            const char *format;
            const char *chunk;
        };
        const Kind kinds[] = {
            {"a/page.jpg", filled(320, 240, QImage::Format_Grayscale8, QColor(60, 60, 60)), 300,
             "jpeg", "(b&w)"},
            {"b/page.jpg", filled(340, 240, QImage::Format_RGB32, QColor(200, 120, 60)), 150,
             "jpeg", "(color)"},
            {"c/bw.tiff", bitonal(360, 240, 0.75), 400, "tiff", "Sjbz"},
            {"c/grey.tiff", filled(380, 240, QImage::Format_Grayscale8, QColor(220, 220, 220)), 200,
             "tiff", "(b&w)"},
            {"c/colour.png", filled(400, 240, QImage::Format_RGB32, QColor(40, 90, 200)), 250,
             "png", "(color)"},
            {"c/bw.png", bitonal(420, 240, 0.25), 600, "png", "Sjbz"},
        };
        QStringList files;
        for (const Kind &kind : kinds) {
            files << path(QStringLiteral("kinds/") + QLatin1String(kind.name));
            QVERIFY(save(kind.image, files.last(), kind.dpi, kind.format));
        }
        // A folder of the user's own with the name older versions used for their scratch files.
        const QString own = path(QStringLiteral("out/vlmpjtmp/keep.txt"));
        QVERIFY(TestPaths::writeFile(own));
        const QString target = path(QStringLiteral("out/kinds.djvu"));
        QVERIFY(TestPaths::writeFile(target, "an older document"));

        DjvuGenerator generator;
        generator.setFiles(files);
        QVERIFY2(generator.generate(target), qPrintable(generator.errorString()));
        QVERIFY(!generator.isCancelled());
        QCOMPARE(entries(QStringLiteral("out")),
                 (QStringList{QStringLiteral("kinds.djvu"), QStringLiteral("vlmpjtmp")}));
        QVERIFY(QFileInfo::exists(own));

        QCOMPARE(runTool(m_tools[QStringLiteral("djvused")],
                         {QStringLiteral("-e"), QStringLiteral("n"), target})
                     .trimmed(),
                 QByteArray("6"));
        for (int n = 1; n <= 6; ++n) {
            const Kind &kind = kinds[n - 1];
            const QString dump = QString::fromUtf8(
                runTool(m_tools[QStringLiteral("djvused")],
                        {QStringLiteral("-e"), QStringLiteral("select %1; dump").arg(n), target}));
            QVERIFY2(dump.contains(QStringLiteral(" %1 dpi").arg(kind.dpi)), qPrintable(dump));
            QVERIFY2(dump.contains(QLatin1String(kind.chunk)), qPrintable(dump));

            const QString rendered = path(QStringLiteral("rendered-%1.pgm").arg(n));
            runTool(m_tools[QStringLiteral("ddjvu")],
                    {QStringLiteral("-format=pgm"), QStringLiteral("-page=%1").arg(n), target,
                     rendered});
            const QImage page(rendered);
            QCOMPARE(page.size(), kind.image.size());
            const double expected = meanGrey(kind.image);
            QVERIFY2(qAbs(meanGrey(page) - expected) < 10,
                     qPrintable(QStringLiteral("page %1: mean %2, expected %3")
                                    .arg(n)
                                    .arg(meanGrey(page))
                                    .arg(expected)));
        }
    }

    void failureNamesTheCauseAndLeavesTheTarget_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("fake");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("reason");
        const auto s = [](const char *text) {
            return QString::fromUtf8(text);
        };
        QTest::newRow("c44 missing")
            << s("tg") << s("c44") << QString() << QString() << QStringList{s("c44 was not found")};
        QTest::newRow("djvm missing") << s("g") << s("djvm") << QString() << QString()
                                      << QStringList{s("djvm was not found")};
        QTest::newRow("c44 fails")
            << s("tg") << QString() << s("c44")
            << s("echo '*** [1-1234] broken input' >&2; echo '*** (c44.cpp:1)' >&2; exit 1")
            << QStringList{s("Page 2 "), s("2.page"),
                           s("c44 ended with exit code 1: broken input")};
        QTest::newRow("c44 writes nothing") << s("g") << QString() << s("c44") << s("exit 0")
                                            << QStringList{s("Page 1 "), s("wrote nothing")};
        QTest::newRow("djvm loses pages")
            << s("gt") << QString() << s("djvm") << m_tools[s("djvm")] + s(" \"$1\" \"$2\" \"$3\"")
            << QStringList{s("holds 1 of its 2 pages")};
        QTest::newRow("page is no image") << s("gx") << QString() << QString() << QString()
                                          << QStringList{s("Page 2 "), s("not an image")};
    }
    void failureNamesTheCauseAndLeavesTheTarget()
    {
        QFETCH(QString, kinds);
        QFETCH(QString, missing);
        QFETCH(QString, fake);
        QFETCH(QString, script);
        QFETCH(QStringList, reason);
        const QString folder = QStringLiteral("fail-") + QString::fromUtf8(QTest::currentDataTag());
        const QStringList files = pages(folder + QStringLiteral("/in"), kinds);
        QVERIFY(!files.isEmpty());
        const QString target = path(folder + QStringLiteral("/out/doc.djvu"));
        QVERIFY(TestPaths::writeFile(target, "an older document"));
        const QString tools = toolFolder(missing, fake, script);
        QVERIFY(!tools.isEmpty());
        const QByteArray oldPath = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", oldPath); });
        qputenv("PATH", QFile::encodeName(tools));

        DjvuGenerator generator;
        generator.setFiles(files);
        QVERIFY(!generator.generate(target));
        for (const QString &part : reason)
            QVERIFY2(generator.errorString().contains(part), qPrintable(generator.errorString()));
        QVERIFY(!generator.errorString().contains(QLatin1String("c44.cpp")));
        QCOMPARE(TestPaths::readFile(target), QByteArray("an older document"));
        QCOMPARE(entries(folder + QStringLiteral("/out")), QStringList{QStringLiteral("doc.djvu")});
    }

    void cancelAfterTheFirstPageLeavesNothing()
    {
        const QStringList files = pages(QStringLiteral("cancel/in"), QStringLiteral("gtgtgtgt"));
        QVERIFY(!files.isEmpty());
        QVERIFY(QDir().mkpath(path(QStringLiteral("cancel/out"))));
        CancellingProgress progress(1);
        DjvuGenerator generator(&progress);
        generator.setFiles(files);
        QVERIFY2(generator.generate(path(QStringLiteral("cancel/out/doc.djvu"))),
                 qPrintable(generator.errorString()));
        QVERIFY(generator.isCancelled());
        QCOMPARE(progress.calls, (QStringList{QStringLiteral("range 0-8"),
                                              QStringLiteral("value 1"), QStringLiteral("asked")}));
        QCOMPARE(entries(QStringLiteral("cancel/out")), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_DjvuGenerator)
#include "tst_DjvuGenerator.moc"
