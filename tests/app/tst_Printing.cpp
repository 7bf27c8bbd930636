#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/PagePrinter.h"
#include "app/PrintLayout.h"
#include "pages/PageListWidget.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"

// Printing: where a page lands on its sheet, and what a PDF printer really receives (read
// back with poppler's tools).
class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placement_data();
    void placement();
    void onePageAtATimeToPdf();
    void stoppingAbortsTheJob();
    void previewGetsEverySheet();
    void windowPrintsEveryPage();

private:
    // A PDF printer as the window sets one up: high resolution, A4, no margins.
    static void setUp(QPrinter &printer, const QString &file);
    static int pageCount(const QString &pdf);
    // Bounding box of the dark pixels of one sheet drawn at dpi; null when the sheet is blank.
    static QRect inkOf(const QString &pdf, int page, int dpi);
    static QString solidPage(const QString &folder, const QString &name, QSize size, int dpi);

    QTemporaryDir m_folder;
};

void tst_Printing::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_folder.isValid());
}

void tst_Printing::placement_data()
{
    // An area of 1000 x 1400 printer pixels at 100 printer dpi.
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("small, natural size, centred")
        << QSize(200, 100) << 100 << QRect(400, 650, 200, 100);
    QTest::newRow("own resolution counts") << QSize(600, 300) << 300 << QRect(400, 650, 200, 100);
    QTest::newRow("exactly as wide is still scaled")
        << QSize(1000, 500) << 100 << QRect(1, 450, 1000, 500);
    QTest::newRow("landscape on portrait") << QSize(3000, 2000) << 100 << QRect(1, 367, 1000, 666);
    QTest::newRow("no resolution counts as 96") << QSize(96, 48) << 0 << QRect(450, 675, 100, 50);
    QTest::newRow("unreadable") << QSize() << 100 << QRect();
}

void tst_Printing::placement()
{
    QFETCH(QSize, pixels);
    QFETCH(int, dpi);
    QFETCH(QRect, placed);
    const QSize area = PrintLayout::availableArea(QSize(1000, 1420), 20);
    QCOMPARE(area, QSize(1000, 1400));
    QCOMPARE(PrintLayout::placement(pixels, dpi, dpi, 100, area), placed);
}

void tst_Printing::setUp(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

int tst_Printing::pageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished() || info.exitCode() != 0)
        return -1;
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromLatin1(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QRect tst_Printing::inkOf(const QString &pdf, int page, int dpi)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                  QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                  QString::number(page), pdf});
    if (!render.waitForFinished())
        return {};
    const QImage sheet = QImage::fromData(render.readAllStandardOutput());
    QRect ink;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (qGray(sheet.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QString tst_Printing::solidPage(const QString &folder, const QString &name, QSize size, int dpi)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 40, 40));
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    const QString path = folder + QLatin1Char('/') + name;
    return image.save(path) ? path : QString();
}

void tst_Printing::onePageAtATimeToPdf()
{
    const QString pdf = m_folder.filePath(QStringLiteral("pages.pdf"));
    const QStringList files{
        solidPage(m_folder.path(), QStringLiteral("small.png"), QSize(600, 300), 300),
        solidPage(m_folder.path(), QStringLiteral("wide.png"), QSize(3000, 2000), 100),
        m_folder.filePath(QStringLiteral("missing.png"))};
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, pdf);
    PagePrinter pages(&printer);
    QVERIFY(!pages.isPreview());
    const QSize sheet = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSize area = PrintLayout::availableArea(sheet, pages.lineHeight());
    QVERIFY(pages.lineHeight() > 0);
    QVERIFY(pages.print(files));

    QCOMPARE(pageCount(pdf), 3);
    // Each sheet's ink is where the layout put the image, within a pixel or two at 20 dpi.
    const int dpi = 20;
    const auto scaled = [&](const QRect &r) {
        const double f = double(dpi) / printer.resolution();
        return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f),
                     qRound(r.height() * f));
    };
    const QRect small =
        scaled(PrintLayout::placement(QSize(600, 300), 300, 300, printer.resolution(), area));
    const QRect wide =
        scaled(PrintLayout::placement(QSize(3000, 2000), 100, 100, printer.resolution(), area));
    QCOMPARE(small.size(), QSize(40, 20)); // 2 x 1 inches
    QCOMPARE(wide.width(), 165);           // the sheet's width
    for (const auto &[page, expected] : {std::pair{1, small}, std::pair{2, wide}}) {
        const QRect ink = inkOf(pdf, page, dpi);
        for (int edge : {ink.left() - expected.left(), ink.top() - expected.top(),
                         ink.right() - expected.right(), ink.bottom() - expected.bottom()})
            QVERIFY2(qAbs(edge) <= 2, qPrintable(QStringLiteral("page %1").arg(page)));
    }
    QVERIFY(inkOf(pdf, 3, dpi).isNull()); // the unreadable page: an empty sheet
}

void tst_Printing::stoppingAbortsTheJob()
{
    const QString page = solidPage(m_folder.path(), QStringLiteral("one.png"), QSize(60, 60), 100);
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, m_folder.filePath(QStringLiteral("stopped.pdf")));
    QList<int> told;
    const bool printed = PagePrinter(&printer).print({page, page, page}, [&](int position, int) {
        told << position;
        return position < 1;
    });
    QVERIFY(!printed);
    QCOMPARE(told, QList<int>({0, 1}));
}

void tst_Printing::previewGetsEverySheet()
{
    const QString page =
        solidPage(m_folder.path(), QStringLiteral("sheet.png"), QSize(2480, 3508), 300);
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, m_folder.filePath(QStringLiteral("unused.pdf")));
    QPrintPreviewWidget preview(&printer);
    bool wasPreview = false;
    connect(&preview, &QPrintPreviewWidget::paintRequested, this, [&](QPrinter *target) {
        PagePrinter pages(target);
        wasPreview = pages.isPreview();
        QVERIFY(pages.print({page, page, page}));
    });
    preview.updatePreview();
    QVERIFY(wasPreview);
    QCOMPARE(preview.pageCount(), 3);
}

void tst_Printing::windowPrintsEveryPage()
{
    MainWindowFixture window;
    QVERIFY(window.open());
    for (int id = 1; id <= 3; ++id)
        QVERIFY(window->pageList()->addImage(TestPages::pageImage(id), false));
    // The window's own printer: A4 without margins, at high resolution.
    QCOMPARE(window->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(window->printer()->pageLayout().margins(), QMarginsF(0, 0, 0, 0));
    QVERIFY(window->printer()->resolution() >= 600);

    const QString pdf = m_folder.filePath(QStringLiteral("window.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, pdf);
    // Printing for real runs as a job.
    window->printPreview(&printer);
    QTRY_VERIFY(!window->isBusy());
    QCOMPARE(pageCount(pdf), 3);
    window.close();
}

QTEST_MAIN(tst_Printing)
#include "tst_Printing.moc"
