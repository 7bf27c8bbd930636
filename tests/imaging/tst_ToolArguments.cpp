#include <QTest>

#include "imaging/ToolArguments.h"

using ToolArguments::Settings;
Q_DECLARE_METATYPE(ToolArguments::Settings)

namespace {
Settings settingsWith(bool contrast, bool deskew, bool crop, bool margins)
{
    Settings settings;
    settings.autoContrast = contrast;
    settings.autoDeskew = deskew;
    settings.autoCrop = crop;
    settings.insertAutoMargins = margins;
    return settings;
}

QStringList split(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QString In = QStringLiteral("/p/proc.tif");
const QString Out = QStringLiteral("/p/output");
} // namespace

class tst_ToolArguments : public QObject
{
    Q_OBJECT

private slots:
    void marginNumbersAreTruncated_data();
    void marginNumbersAreTruncated();
    void autoCropLists_data();
    void autoCropLists();
    void processScannedLists_data();
    void processScannedLists();
    void splitSpreadLists_data();
    void splitSpreadLists();
};

void tst_ToolArguments::marginNumbersAreTruncated_data()
{
    QTest::addColumn<double>("margin");
    QTest::addColumn<int>("number");
    QTest::newRow("default") << 0.2 << 1;
    QTest::newRow("0.6 is just below 3") << 0.6 << 2;
    QTest::newRow("0.5") << 0.5 << 2;
    QTest::newRow("0.1") << 0.1 << 0;
    QTest::newRow("1.0") << 1.0 << 5;
    QTest::newRow("zero") << 0.0 << 0;
}

void tst_ToolArguments::marginNumbersAreTruncated()
{
    QFETCH(double, margin);
    QFETCH(int, number);
    QCOMPARE(ToolArguments::marginNumber(margin), number);
}

void tst_ToolArguments::autoCropLists_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<bool>("mono");
    QTest::addColumn<QStringList>("expected");
    const char *margins = " --margins-left=1 --margins-right=1 --margins-top=1 --margins-bottom=1";
    QTest::newRow("defaults, grey")
        << Settings() << false
        << split((QByteArray("-l=1 --color-mode=color_grayscale --white-margins") + margins +
                  " --normalize-illumination --dpi=300 --output-dpi=300")
                     .constData());
    QTest::newRow("1-bit, no deskew, no contrast, no margins")
        << settingsWith(false, false, true, false) << true
        << split("-l=1 --deskew=manual --color-mode=black_and_white --white-margins --margins=0 "
                 "--dpi=300 --output-dpi=300");
}

void tst_ToolArguments::autoCropLists()
{
    QFETCH(Settings, settings);
    QFETCH(bool, mono);
    QFETCH(QStringList, expected);
    QCOMPARE(ToolArguments::autoCrop(settings, mono, 300, In, Out),
             expected + QStringList({In, Out}));
}

void tst_ToolArguments::processScannedLists_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<bool>("twoPages");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<QStringList>("expected");
    const QByteArray margins =
        " --white-margins --margins-left=1 --margins-right=1 --margins-top=1 --margins-bottom=1";
    QTest::newRow("one page, defaults")
        << Settings() << false << false
        << split(("-l=1 --color-mode=color_grayscale --normalize-illumination" + margins +
                  " --dpi=200 --output-dpi=200")
                     .constData());
    QTest::newRow("spread, black-and-white")
        << Settings() << true << true
        << split(("-l=2 --orientation=left --color-mode=black_and_white" + margins +
                  " --dpi=200 --output-dpi=200")
                     .constData());
    // Without contrast correction no content cut is asked for, even with cropping on.
    QTest::newRow("no contrast") << settingsWith(false, true, true, true) << false << false
                                 << split("-l=1 --color-mode=color_grayscale --dpi=200 "
                                          "--output-dpi=200");
    QTest::newRow("no crop, one page")
        << settingsWith(true, false, false, true) << false << false
        << split("-l=1 --deskew=manual --color-mode=color_grayscale --normalize-illumination "
                 "--dpi=200 --output-dpi=200");
    QTest::newRow("no crop, spread still cut")
        << settingsWith(true, true, false, false) << true << false
        << split("-l=2 --orientation=left --color-mode=color_grayscale --normalize-illumination "
                 "--white-margins --margins=0 --dpi=200 --output-dpi=200");
}

void tst_ToolArguments::processScannedLists()
{
    QFETCH(Settings, settings);
    QFETCH(bool, twoPages);
    QFETCH(bool, blackAndWhite);
    QFETCH(QStringList, expected);
    QCOMPARE(ToolArguments::processScanned(settings, twoPages, blackAndWhite, 200, In, Out),
             expected + QStringList({In, Out}));
}

void tst_ToolArguments::splitSpreadLists_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("jpeg page")
        << Settings() << QStringLiteral("/w/00000003_o.jpg")
        << split("-l=2 --color-mode=color_grayscale --normalize-illumination --white-margins "
                 "--margins-left=1 --margins-right=1 --margins-top=1 --margins-bottom=1 "
                 "--dpi=150 --output-dpi=150");
    QTest::newRow("tiff page, no crop")
        << settingsWith(true, false, false, true) << QStringLiteral("/w/00000003_o.tiff")
        << split("-l=2 --deskew=manual --color-mode=black_and_white --dpi=150 --output-dpi=150");
    // The test is on the exact text ".tiff" anywhere in the path.
    QTest::newRow("upper-case TIFF is not 1-bit")
        << settingsWith(false, true, false, true) << QStringLiteral("/w/00000003_o.TIFF")
        << split("-l=2 --color-mode=color_grayscale --dpi=150 --output-dpi=150");
}

void tst_ToolArguments::splitSpreadLists()
{
    QFETCH(Settings, settings);
    QFETCH(QString, page);
    QFETCH(QStringList, expected);
    QCOMPARE(ToolArguments::splitSpread(settings, page, 150, Out),
             expected + QStringList({page, Out}));
}

QTEST_GUILESS_MAIN(tst_ToolArguments)
#include "tst_ToolArguments.moc"
