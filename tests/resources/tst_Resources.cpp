#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

// Every resource name the program refers to must resolve to a picture that renders, at the size
// it is shown: a wrong path would otherwise show up as a blank button.
class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    // The Word template is the core library's own resource, pulled in where it is used.
    void initTestCase() { Q_INIT_RESOURCE(docx_template); }
    void iconRenders_data();
    void iconRenders();
    void programNamesOnlyExistingResources();
    void pngResourcesAreRealPngs_data();
    void pngResourcesAreRealPngs();
    void flagsAreSmallPictures();
    void translationsAreBesideTheProgram();
    void englishSpellsTheMisspeltTexts();
};

void tst_Resources::iconRenders_data()
{
    // Every picture of the icon folders as the resource system holds them.
    QTest::addColumn<QString>("name");
    for (const QString &folder : {QStringLiteral(":/images"), QStringLiteral(":/new")}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = it.next();
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

void tst_Resources::programNamesOnlyExistingResources()
{
    // Every resource the program's sources name, read from the sources themselves: a name
    // without its file shows as a blank button.
    const QString sources = qEnvironmentVariable("VELLUMO_SOURCE_DIR");
    QVERIFY2(!sources.isEmpty(), "run through ctest, which names the source folder");
    const QDir root(sources);
    static const QRegularExpression quoted(QStringLiteral("\"(:/[A-Za-z0-9_./-]+)\""));
    int named = 0;
    for (const char *folder :
         {"app", "export", "imaging", "import", "ocr", "options", "pages", "ribbon", "scan"}) {
        QDirIterator it(root.filePath(QLatin1String(folder)), {QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile source(it.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(source.readAll());
            for (const QRegularExpressionMatch &match : quoted.globalMatch(text)) {
                const QString name = match.captured(1);
                if (name.endsWith(QLatin1Char('/')))
                    continue; // a folder that names are made in
                ++named;
                QVERIFY2(QFile::exists(name),
                         qPrintable(source.fileName() + QStringLiteral(": ") + name));
            }
        }
    }
    QVERIFY(named > 40);
}

void tst_Resources::iconRenders()
{
    QFETCH(QString, name);
    QVERIFY2(QFile::exists(name), qPrintable(name));
    const QPixmap pixmap = QIcon(name).pixmap(32, 32);
    QVERIFY(!pixmap.isNull());
    // Not blank: some pixel is drawn.
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y) {
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
    }
    QVERIFY(drawn);
}

void tst_Resources::pngResourcesAreRealPngs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("logo64") << QStringLiteral(":/images/logo64.png") << 64;
    QTest::newRow("logo32") << QStringLiteral(":/images/logo32.png") << 32;
    QTest::newRow("check") << QStringLiteral(":/listwidget/check.png") << 24;
    QTest::newRow("uncheck") << QStringLiteral(":/listwidget/uncheck.png") << 24;
}

void tst_Resources::pngResourcesAreRealPngs()
{
    // Style sheets and rich-text labels load these by name, so the bytes must be PNG.
    QFETCH(QString, name);
    QFETCH(int, size);
    QImageReader reader(name);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));
}

void tst_Resources::flagsAreSmallPictures()
{
    const QStringList languages = {
        QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"),
        QStringLiteral("es"), QStringLiteral("pl"), QStringLiteral("cs"), QStringLiteral("hu"),
        QStringLiteral("ru"), QStringLiteral("tr"), QStringLiteral("ar"), QStringLiteral("fi")};
    for (const QString &language : languages) {
        const QImage flag(QStringLiteral(":/flags/") + language);
        QVERIFY2(!flag.isNull(), qPrintable(language));
        QCOMPARE(flag.size(), QSize(16, 11));
    }
    // Czech and Arabic are not the flags whose files share their codes.
    QVERIFY(QImage(QStringLiteral(":/flags/cs")) !=
            QImage(QStringLiteral("/usr/share/flags/countries/16x11/cs.png")));
    QVERIFY(QImage(QStringLiteral(":/flags/ar")) !=
            QImage(QStringLiteral("/usr/share/flags/countries/16x11/ar.png")));
}

void tst_Resources::translationsAreBesideTheProgram()
{
    const QDir locale(qEnvironmentVariable("VELLUMO_BIN_DIR") + QStringLiteral("/locale"));
    const QStringList languages = {
        QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"),
        QStringLiteral("es"), QStringLiteral("pl"), QStringLiteral("cs"), QStringLiteral("hu"),
        QStringLiteral("ru"), QStringLiteral("tr"), QStringLiteral("ar"), QStringLiteral("fi")};
    for (const QString &language : languages) {
        const QString file = QStringLiteral("Vellumo_%1.qm").arg(language);
        QVERIFY2(locale.exists(file), qPrintable(locale.filePath(file)));
    }
}

// The source texts keep their old spelling (other translations are keyed on them); the English
// translation shows them right.
void tst_Resources::englishSpellsTheMisspeltTexts()
{
    QTranslator english;
    QVERIFY(english.load(qEnvironmentVariable("VELLUMO_BIN_DIR") +
                         QStringLiteral("/locale/Vellumo_en.qm")));
    const struct
    {
        const char *context;
        const char *source;
        const char *shown;
    } texts[] = {{"ImgProgress", "Writting images.", "Writing images."},
                 {"WordProgress", "Writting MS Word document.", "Writing MS Word document."},
                 {"DjvuProgress", "Writting DjVu file.", "Writing DjVu file."},
                 {"IntroPage", "Split the book spreak into two pages",
                  "Split the book spread into two pages"}};
    for (const auto &text : texts)
        QCOMPARE(english.translate(text.context, text.source), QString::fromLatin1(text.shown));
}

QTEST_MAIN(tst_Resources)
#include "tst_Resources.moc"
