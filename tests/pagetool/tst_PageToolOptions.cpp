#include <QTest>

#include <string>
#include <vector>

#include "PageToolOptions.h"

namespace {

std::vector<std::string> split(const QString &line)
{
    std::vector<std::string> args;
    for (const QString &part : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        args.push_back(part.toStdString());
    return args;
}

} // namespace

class tst_PageToolOptions : public QObject
{
    Q_OBJECT

private slots:
    void everyFormIsRead();
    void laterOptionsWin();
    void mistakesAreRefused_data();
    void mistakesAreRefused();
};

void tst_PageToolOptions::everyFormIsRead()
{
    std::string error;
    const auto options = PageToolOptions::parse(
        split(QStringLiteral("-l=2 --orientation=left --deskew=manual "
                             "--color-mode=black_and_white --normalize-illumination "
                             "--white-margins --margins-left=1 --margins-right=2 --margins-top=3 "
                             "--margins-bottom=4 --dpi=200 --output-dpi=300 /in/p.tif /out")),
        &error);
    QVERIFY2(options, error.c_str());
    QVERIFY(options->twoPages);
    QVERIFY(options->turnLeft);
    QVERIFY(!options->deskew);
    QVERIFY(options->blackAndWhite);
    QVERIFY(options->normalizeIllumination);
    QVERIFY(options->whiteMargins);
    QCOMPARE(options->marginLeft, 1);
    QCOMPARE(options->marginRight, 2);
    QCOMPARE(options->marginTop, 3);
    QCOMPARE(options->marginBottom, 4);
    QCOMPARE(options->dpi, 200);
    QCOMPARE(options->outputDpi, 300);
    QCOMPARE(options->inputFile, std::string("/in/p.tif"));
    QCOMPARE(options->outputFolder, std::string("/out"));
}

void tst_PageToolOptions::laterOptionsWin()
{
    std::string error;
    const auto options = PageToolOptions::parse(
        split(QStringLiteral("-l=2 --color-mode=black_and_white --margins-left=7 --margins=0 "
                             "--margins-top=5 -l=1 --color-mode=color_grayscale a.tif out")),
        &error);
    QVERIFY2(options, error.c_str());
    QVERIFY(!options->twoPages);
    QVERIFY(!options->blackAndWhite);
    QCOMPARE(options->marginLeft, 0);
    QCOMPARE(options->marginTop, 5);
    QCOMPARE(options->marginBottom, 0);
    QVERIFY(options->deskew);
    QCOMPARE(options->dpi, 0);
}

void tst_PageToolOptions::mistakesAreRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("nothing") << QString();
    QTest::newRow("only the input") << QStringLiteral("a.tif");
    QTest::newRow("folder missing") << QStringLiteral("-l=1 a.tif");
    QTest::newRow("three pages") << QStringLiteral("-l=3 a.tif out");
    QTest::newRow("layout without value") << QStringLiteral("-l a.tif out");
    QTest::newRow("other orientation") << QStringLiteral("--orientation=right a.tif out");
    QTest::newRow("automatic deskew spelled out") << QStringLiteral("--deskew=auto a.tif out");
    QTest::newRow("other colour mode") << QStringLiteral("--color-mode=mixed a.tif out");
    QTest::newRow("switch with value") << QStringLiteral("--white-margins=1 a.tif out");
    QTest::newRow("negative margin") << QStringLiteral("--margins=-1 a.tif out");
    QTest::newRow("signed margin") << QStringLiteral("--margins-left=+1 a.tif out");
    QTest::newRow("fractional margin") << QStringLiteral("--margins-top=1.5 a.tif out");
    QTest::newRow("empty margin") << QStringLiteral("--margins-right= a.tif out");
    QTest::newRow("huge margin") << QStringLiteral("--margins=101 a.tif out");
    QTest::newRow("overflowing margin") << QStringLiteral("--margins=99999999999 a.tif out");
    QTest::newRow("unknown margin side") << QStringLiteral("--margins-middle=1 a.tif out");
    QTest::newRow("zero dpi") << QStringLiteral("--dpi=0 a.tif out");
    QTest::newRow("dpi with unit") << QStringLiteral("--dpi=300dpi a.tif out");
    QTest::newRow("output dpi too high") << QStringLiteral("--output-dpi=100000 a.tif out");
    QTest::newRow("unknown option") << QStringLiteral("--despeckle a.tif out");
    QTest::newRow("option after the files") << QStringLiteral("a.tif out --dpi=300");
}

void tst_PageToolOptions::mistakesAreRefused()
{
    QFETCH(QString, line);
    std::string error;
    QVERIFY(!PageToolOptions::parse(split(line), &error));
    QVERIFY(!error.empty());
    QVERIFY(error.find('\n') == std::string::npos);
}

QTEST_GUILESS_MAIN(tst_PageToolOptions)
#include "tst_PageToolOptions.moc"
