#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

#include "app/MainWindow.h"
#include "pages/PageListWidget.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPaths.h"

// A PDF dropped onto the window, with a script in the extracting program's place (found on
// PATH): pages as they come, a crash or a password, and the window always alive.
class tst_MainWindowPdfImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_window.open()); }
    void cleanup() { m_window.close(); }
    void droppedPdf_data();
    void droppedPdf();
    void realPdfGivesItsJpegPagesUnchanged();
    void pagesWithoutImagesAreDrawnOnRequest();

private:
    QTemporaryDir m_dir;
    QString m_path;
    MainWindowFixture m_window;
};

void tst_MainWindowPdfImport::initTestCase()
{
    MainWindowFixture::nameApplication();
    QVERIFY(m_dir.isValid());
    m_path = qEnvironmentVariable("PATH");
}

void tst_MainWindowPdfImport::droppedPdf_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("message");
    const QByteArray two = "echo 'images 2' >&2\n"
                           "for i in 1 2; do convert -size 80x60 xc:gray \"$out/000$i.png\"; "
                           "echo \"image $i of 2: 000$i.png\" >&2; done\n";
    QTest::newRow("two pages") << two + "exit 0" << 2 << QString();
    // What came before the crash stays; the window says the file could not be read.
    QTest::newRow("crash") << two + "kill -SEGV $$" << 2
                           << QStringLiteral("Can't open file in.pdf.");
    // The box that says so offers to draw the pages; closed, nothing comes.
    QTest::newRow("no images") << QByteArray("echo 'no images' >&2; exit 2") << 0 << QString();
    QTest::newRow("password")
        << QByteArray("[ \"$pw\" = secret ] || { echo 'password required' >&2; exit 3; }\n") + two +
               "exit 0"
        << 2 << QString();
}

void tst_MainWindowPdfImport::droppedPdf()
{
    QFETCH(QByteArray, body);
    QFETCH(int, pages);
    QFETCH(QString, message);
    const QString bin = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(bin));
    const QString tool = bin + QStringLiteral("/vellumo-cli");
    QVERIFY(TestPaths::writeFile(
        tool,
        "#!/bin/bash\npw=\nwhile [ $# -gt 1 ]; do case \"$1\" in --password-stdin) read -r pw; "
        "shift;; -o) out=\"$2\"; shift 2;; *) shift;; esac; done\n" +
            body + "\n"));
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (bin + QLatin1Char(':') + m_path).toLocal8Bit());
    const QString pdf = m_dir.filePath(QStringLiteral("in.pdf"));
    QVERIFY(TestPaths::writeFile(pdf, "%PDF-1.4\n"));

    // The password box, answered with the right password once it asks.
    QTimer answer;
    int asked = 0;
    QObject::connect(&answer, &QTimer::timeout, [&asked] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = widget->findChild<QInputDialog *>();
            if (box && box->isVisible()) {
                ++asked;
                box->setTextValue(QStringLiteral("secret"));
                box->accept();
            }
        }
    });
    answer.start(20);
    std::optional<DialogAnswerer> close;
    if (QByteArray(QTest::currentDataTag()) == "no images")
        close.emplace(QStringLiteral("Close"));
    m_window->processDroppedFiles({pdf});
    // The import runs as a job; questions and pages come while this waits.
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    if (close)
        QCOMPARE(close->text(), QStringLiteral("This PDF file doesn't contain images."));
    QCOMPARE(m_window->pageList()->count(), pages);
    QCOMPARE(m_window->isModified(), pages > 0);
    if (!message.isEmpty())
        QVERIFY2(m_window.popupMessages().contains(message),
                 qPrintable(m_window.popupMessages().join(u'|')));
    QCOMPARE(asked, QByteArray(QTest::currentDataTag()) == "password" ? 1 : 0);
    QCOMPARE(QSettings().value(QStringLiteral("LastPath")).toString(), pdf);
    qputenv("PATH", m_path.toLocal8Bit());
}

void tst_MainWindowPdfImport::realPdfGivesItsJpegPagesUnchanged()
{
    // The real extracting program of the build, on a PDF of three JPEG pages.
    qputenv("PATH", (TestPaths::binDir() + QLatin1Char(':') + m_path).toLocal8Bit());
    QStringList jpegs;
    for (int i = 0; i < 3; ++i) {
        QImage page(300 + 10 * i, 400, QImage::Format_RGB32);
        page.fill(QColor(40 * i, 120, 200));
        jpegs << m_dir.filePath(QStringLiteral("p%1.jpg").arg(i));
        QVERIFY(page.save(jpegs.last(), "JPG", 90));
    }
    const QString pdf = m_dir.filePath(QStringLiteral("three.pdf"));
    QCOMPARE(QProcess::execute(QStringLiteral("img2pdf"), QStringList(jpegs)
                                                              << QStringLiteral("-o") << pdf),
             0);
    m_window->processDroppedFiles({pdf});
    // The import runs as a job; questions and pages come while this waits.
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(TestPaths::readFile(list->workingPath(i)), TestPaths::readFile(jpegs.at(i)));
    QVERIFY(m_window.popupMessages().isEmpty());
    qputenv("PATH", m_path.toLocal8Bit());
}

void tst_MainWindowPdfImport::pagesWithoutImagesAreDrawnOnRequest()
{
    // The real program of the build draws the two A4 pages of text at the Good scan resolution.
    qputenv("PATH", (TestPaths::binDir() + QLatin1Char(':') + m_path).toLocal8Bit());
    QSettings().setValue(QStringLiteral("GoodQuality"), 100);
    const QString pdf = m_dir.filePath(QStringLiteral("drawn.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        painter.drawText(QPointF(200, 200), QStringLiteral("Only text on this page"));
        writer.newPage();
        painter.drawText(QPointF(200, 200), QStringLiteral("And on this one"));
    }
    DialogAnswerer draw(QStringLiteral("Draw Pages"));
    m_window->processDroppedFiles({pdf});
    // The import runs as a job; questions and pages come while this waits.
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    QVERIFY(draw.informativeText().contains(QStringLiteral("100 dpi")));
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->count(), 2);
    const QImage page(list->workingPath(1));
    QVERIFY2(qAbs(page.width() - 827) <= 1 && qAbs(page.height() - 1169) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    QCOMPARE(qRound(page.dotsPerMeterX() * 0.0254), 100);
    QCOMPARE(m_window->isModified(), true);
    qputenv("PATH", m_path.toLocal8Bit());
}

QTEST_MAIN(tst_MainWindowPdfImport)
#include "tst_MainWindowPdfImport.moc"
