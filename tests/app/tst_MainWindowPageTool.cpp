#include <QAction>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/RibbonCommands.h"
#include "core/JobRunner.h"
#include "core/Settings.h"
#include "export/PdfProgress.h"
#include "imaging/ImageEditor.h"
#include "pages/PageListWidget.h"
#include "support/MainWindowFixture.h"
#include "support/TestPaths.h"

// Automatic cropping and spread splitting from the main window, with the real page tool (found
// on PATH, from the build's program folder) or a stand-in that fails.
class tst_MainWindowPageTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void autoCropTakesTheCurrentPageOrEveryCheckedOne();
    void failingToolLeavesEveryFileAsItWas();
    void splittingPutsBothHalvesInPlace_data();
    void splittingPutsBothHalvesInPlace();
    void turnUprightTurnsWhatIsSidewaysAndUndoBringsItBack();
    void commandsRestWhileABatchRuns();

private:
    // Pages drawn at 100 dpi and added from files; a spread is two pages side by side.
    void addPages(int count, bool spreads);
    void show(int position)
    {
        m_window->pageList()->selectPosition(position, -2);
        m_window->selectPage(m_window->pageList()->workingPath(position));
    }
    QByteArray bytesOf(int position) const
    {
        return TestPaths::readFile(m_window->pageList()->workingPath(position));
    }
    // A page of text at 150 dpi, in its upper half only, turned clockwise by quarterTurns.
    QString textPage(int quarterTurns);
    // Dark pixels in the upper half less those in the lower half: positive when upright.
    static int topHeaviness(const QString &file);
    // The texts the progress window shows while the call's job runs, in order, without repeats.
    // With cancelAfter, Cancel is pressed once that many per-page texts have shown.
    template <typename Call> QStringList progressTexts(Call call, int cancelAfter = 0);

    QTemporaryDir m_files;
    QString m_path;
    MainWindowFixture m_window;
};

void tst_MainWindowPageTool::initTestCase()
{
    MainWindowFixture::nameApplication();
    m_path = qEnvironmentVariable("PATH");
    QVERIFY(QFile::exists(TestPaths::binDir() + QStringLiteral("/vellumo-pagetool")));
}

void tst_MainWindowPageTool::init()
{
    qputenv("PATH", (TestPaths::binDir() + QLatin1Char(':') + m_path).toLocal8Bit());
    QVERIFY(m_window.open());
}

void tst_MainWindowPageTool::cleanup()
{
    m_window.close();
}

void tst_MainWindowPageTool::addPages(int count, bool spreads)
{
    QStringList files;
    for (int n = 0; n < count; ++n) {
        const int pageWidth = 850;
        QImage image((spreads ? 2 : 1) * pageWidth, 1100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        for (int half = 0; half < (spreads ? 2 : 1); ++half) {
            const int left = half * pageWidth + 150 + 10 * n;
            // Fewer lines on each later page: every page crops to a height of its own.
            for (int y = 250; y < 850 - 60 * n; y += 30)
                painter.fillRect(QRect(left, y, 500 - (y % 90), 12), Qt::black);
        }
        if (spreads) // the gutter's shadow
            painter.fillRect(QRect(pageWidth - 6, 0, 12, 1100), QColor(150, 150, 150));
        painter.end();
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        const QString file = m_files.filePath(QStringLiteral("page-%1.png").arg(n));
        QVERIFY(image.save(file));
        files << file;
    }
    m_window->processDroppedFiles(files);
    QTRY_COMPARE(m_window->pageList()->count(), count);
    m_window->setModified(false);
}

template <typename Call>
QStringList tst_MainWindowPageTool::progressTexts(Call call, int cancelAfter)
{
    // Each text as the job reports it (the progress window shows the same, but may close
    // before a timer could look at the last one).
    QStringList texts;
    auto *runner = m_window->findChild<JobRunner *>();
    if (!runner)
        return {QStringLiteral("(no job runner)")};
    const QMetaObject::Connection seen =
        connect(runner, &JobRunner::progressChanged, this, [&](int, int, const QString &text) {
            if (text.isEmpty() || (!texts.isEmpty() && texts.last() == text))
                return;
            texts << text;
            if (cancelAfter > 0 && texts.size() >= cancelAfter) {
                // As the user does: Cancel in the progress window.
                for (PdfProgress *progress : m_window->findChildren<PdfProgress *>()) {
                    if (progress->isVisible() && !progress->isCancelled())
                        progress->cancelClicked();
                }
            }
        });
    call();
    // The command only starts the job; its progress and end come while this waits.
    if (!QTest::qWaitFor([this] { return !m_window->isBusy(); }, 120000))
        texts << QStringLiteral("(still running)");
    disconnect(seen);
    return texts;
}

void tst_MainWindowPageTool::autoCropTakesTheCurrentPageOrEveryCheckedOne()
{
    addPages(5, false);
    PageListWidget *list = m_window->pageList();
    const QSize full(850, 1100);

    // One checked page: the current page is cropped, not the checked one.
    list->setCheckedAt(4, true);
    show(1);
    m_window->autoCrop();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY2(QImageReader(list->workingPath(1)).size().width() < full.width(),
             qPrintable(m_window.popupMessages().join(QLatin1Char('\n'))));
    QCOMPARE(QImageReader(list->workingPath(4)).size(), full);
    QVERIFY(m_window->isModified());

    // Three of five: each one in turn with its number, the unchecked files untouched.
    list->setCheckedAt(0, true);
    list->setCheckedAt(2, true);
    const QByteArray second = bytesOf(1);
    const QByteArray fourth = bytesOf(3);
    const QStringList texts = progressTexts([this] { m_window->autoCrop(); });
    // Each page's text in turn; the window may merge updates that come faster than it paints.
    const QStringList cropping = texts.filter(QStringLiteral("Cropping"));
    const QStringList all = {QStringLiteral("Cropping 1 of 3..."),
                             QStringLiteral("Cropping 2 of 3..."),
                             QStringLiteral("Cropping 3 of 3...")};
    QVERIFY(!cropping.isEmpty());
    QCOMPARE(cropping.last(), all.last());
    qsizetype next = 0;
    for (const QString &text : cropping) {
        next = all.indexOf(text, next);
        QVERIFY2(next >= 0, qPrintable(cropping.join(QLatin1Char('|'))));
    }
    for (int checked : {0, 2, 4}) {
        const QSize size = QImageReader(list->workingPath(checked)).size();
        QVERIFY2(size.width() < full.width() && size.height() < full.height(),
                 qPrintable(QString::number(checked)));
        // A cropped page smaller than the thumbnail box is its own thumbnail.
        QCOMPARE(QImageReader(list->store().thumbPath(checked)).size(),
                 size.scaled(list->thumbSize(), Qt::KeepAspectRatio).boundedTo(size));
    }
    QCOMPARE(bytesOf(1), second);
    QCOMPARE(bytesOf(3), fourth);
    // Run two at a time, each result still went to its own page.
    QVERIFY(QImageReader(list->workingPath(0)).size().height() >
            QImageReader(list->workingPath(2)).size().height());
    QVERIFY(QImageReader(list->workingPath(2)).size().height() >
            QImageReader(list->workingPath(4)).size().height());

    // Cancel after the first page: the others stay as they were.
    const QByteArray third = bytesOf(2);
    const QByteArray fifth = bytesOf(4);
    progressTexts([this] { m_window->autoCrop(); }, 1);
    QCOMPARE(bytesOf(2), third);
    QCOMPARE(bytesOf(4), fifth);
}

void tst_MainWindowPageTool::failingToolLeavesEveryFileAsItWas()
{
    addPages(3, false);
    const QString fake = m_files.filePath(QStringLiteral("bin/vellumo-pagetool"));
    QVERIFY(QDir().mkpath(QFileInfo(fake).path()));
    QVERIFY(TestPaths::writeFile(fake, "#!/bin/sh\nexit 1\n"));
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (QFileInfo(fake).path() + QLatin1Char(':') + m_path).toLocal8Bit());

    PageListWidget *list = m_window->pageList();
    QList<QByteArray> before;
    for (int i = 0; i < 3; ++i)
        before << bytesOf(i);
    m_window->autoCrop();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Can't crop the page.")));
    m_window->splitSpread();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Can't split the page.")));
    list->setCheckedAt(0, true);
    list->setCheckedAt(2, true);
    m_window->autoCrop();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Can't crop the pages 1, 3.")));
    m_window->splitSpread();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY(m_window.popupMessages().contains(QStringLiteral("Can't split the pages 1, 3.")));
    QCOMPARE(list->count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(bytesOf(i), before.at(i));
}

void tst_MainWindowPageTool::splittingPutsBothHalvesInPlace_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<bool>>("halves"); // per page afterwards: is it half a spread?
    QTest::newRow("the last of three")
        << 3 << QList<int>{} << 2 << QList<bool>{false, false, true, true};
    // After page 1 becomes pages 1 and 2, the walk goes on at the former page 2.
    QTest::newRow("two checked of two")
        << 2 << QList<int>{0, 1} << 0 << QList<bool>{true, true, true, true};
}

void tst_MainWindowPageTool::splittingPutsBothHalvesInPlace()
{
    QFETCH(int, pages);
    QFETCH(QList<int>, checked);
    QFETCH(int, current);
    QFETCH(QList<bool>, halves);
    addPages(pages, true);
    PageListWidget *list = m_window->pageList();
    for (int position : checked)
        list->setCheckedAt(position, true);
    show(current);
    m_window->splitSpread();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    QCOMPARE(list->count(), int(halves.size()));
    for (int i = 0; i < list->count(); ++i) {
        const QSize size = QImageReader(list->workingPath(i)).size();
        QVERIFY2((size.width() < 1000) == halves.at(i), qPrintable(QString::number(i)));
    }
    // The page current at the start is current and shown again.
    QCOMPARE(list->currentPosition(), current);
    QCOMPARE(m_window->editor()->path(), list->workingPath(current));
    QVERIFY(m_window->isModified());
}

void tst_MainWindowPageTool::commandsRestWhileABatchRuns()
{
    addPages(3, false);
    // A page tool that takes its time and gives nothing: the batch runs long enough to look.
    const QString slow = m_files.filePath(QStringLiteral("slow/vellumo-pagetool"));
    QVERIFY(QDir().mkpath(QFileInfo(slow).path()));
    QVERIFY(TestPaths::writeFile(slow, "#!/bin/sh\nsleep 1\nexit 1\n"));
    QFile::setPermissions(slow, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (QFileInfo(slow).path() + QLatin1Char(':') + m_path).toLocal8Bit());
    PageListWidget *list = m_window->pageList();
    for (int i = 0; i < 3; ++i)
        list->setCheckedAt(i, true);

    const RibbonCommands &c = m_window->commands();
    // Each command, and whether it may run beside the batch: only looking and help.
    const struct
    {
        const char *name;
        QAction *action;
        bool besideBatch;
    } table[] = {
        {"zoom in", c.zoomIn, true},
        {"zoom to fit", c.zoomFit, true},
        {"about", c.about, true},
        {"web site", c.webSite, true},
        {"build PDF", c.buildPdf, false},
        {"save as pictures", c.exportFiles, false},
        {"print", c.print, false},
        {"turn left", c.rotateLeft, false},
        {"turn upright", c.turnUpright, false},
        {"crop", c.crop, false},
        {"brightness", c.brightness, false},
        {"move up", c.moveUp, false},
        {"remove", c.removePage, false},
        {"check all", c.checkAll, false},
        {"undo", c.undo, false},
        {"open image", c.loadFile, false},
        {"load PDF", c.loadPdf, false},
        {"scan", c.scanPage, false},
        {"automatic scan", c.autoScan, false},
        {"new project", c.newProject, false},
        {"open project", c.openProject, false},
        {"save project", c.saveProject, false},
        {"options", c.settings, false},
    };
    for (const auto &row : table)
        QVERIFY2(row.action->isEnabled(), row.name);
    const QList<QByteArray> before = {bytesOf(0), bytesOf(1), bytesOf(2)};

    m_window->autoCrop();
    QVERIFY(m_window->isBusy());
    for (const auto &row : table)
        QVERIFY2(row.action->isEnabled() == row.besideBatch, row.name);
    QVERIFY(!list->isEnabled());
    // Undo's slot itself refuses while the batch runs.
    const int count = list->count();
    m_window->undo();
    QCOMPARE(list->count(), count);

    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 30000);
    for (const auto &row : table)
        QVERIFY2(row.action->isEnabled(), row.name);
    QVERIFY(list->isEnabled());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(bytesOf(i), before.at(i));
}

QTEST_MAIN(tst_MainWindowPageTool)
#include "tst_MainWindowPageTool.moc"

QString tst_MainWindowPageTool::textPage(int quarterTurns)
{
    QImage image(1240, 1754, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(26);
    painter.setFont(font);
    for (int line = 0; line < 18; ++line)
        painter.drawText(
            120, 160 + line * 40,
            QStringLiteral("Line %1 of a letter that has to be read upright again").arg(line + 1));
    painter.end();
    image = image.transformed(QTransform().rotate(90 * quarterTurns));
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    const QString file = m_files.filePath(QStringLiteral("text-%1.png").arg(quarterTurns));
    if (!image.save(file))
        return {};
    return file;
}

int tst_MainWindowPageTool::topHeaviness(const QString &file)
{
    const QImage image = QImage(file).convertToFormat(QImage::Format_Grayscale8);
    int balance = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 128)
                balance += y < image.height() / 2 ? 1 : -1;
    }
    return balance;
}

void tst_MainWindowPageTool::turnUprightTurnsWhatIsSidewaysAndUndoBringsItBack()
{
    m_window->processDroppedFiles({textPage(0), textPage(1), textPage(2)});
    QTRY_COMPARE(m_window->pageList()->count(), 3);
    PageListWidget *list = m_window->pageList();
    QList<QByteArray> before;
    for (int i = 0; i < 3; ++i)
        before << bytesOf(i);
    for (int i = 0; i < 3; ++i)
        list->setCheckedAt(i, true);
    const QStringList texts = progressTexts([this] { m_window->turnUpright(); });
    QVERIFY(texts.contains(QStringLiteral("Turning 3 of 3 upright...")));
    // The upright page keeps its bytes; the others stand upright with their text on top.
    QCOMPARE(bytesOf(0), before[0]);
    for (int i = 1; i < 3; ++i) {
        const QSize size = QImageReader(list->workingPath(i)).size();
        QVERIFY2(size.width() < size.height(), qPrintable(QString::number(i)));
        QVERIFY2(topHeaviness(list->workingPath(i)) > 0, qPrintable(QString::number(i)));
    }
    QVERIFY(m_window->isModified());
    m_window->undo();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(bytesOf(i), before[i]);

    // With the option on, an imported page comes in upright.
    Settings::write(SettingsKeys::AutoUpright, true);
    m_window->processDroppedFiles({textPage(3)});
    QTRY_COMPARE(list->count(), 4);
    QVERIFY(topHeaviness(list->workingPath(3)) > 0);
}
