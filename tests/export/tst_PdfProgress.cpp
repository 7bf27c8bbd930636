#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "export/DjvuProgress.h"
#include "export/ImgProgress.h"
#include "export/PdfProgress.h"
#include "export/WordProgress.h"

class TestPdfProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsOfEachExportKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("runningText");
        QTest::newRow("pdf") << 0 << QStringLiteral("Creating PDF document.")
                             << QStringLiteral("Creating PDF document.");
        QTest::newRow("images") << 1 << QStringLiteral("Creating images.")
                                << QStringLiteral("Writting images.");
        QTest::newRow("word") << 2 << QStringLiteral("Creating MS Word document.")
                              << QStringLiteral("Writting MS Word document.");
        QTest::newRow("djvu") << 3 << QStringLiteral("Creating DjVu file.")
                              << QStringLiteral("Writting DjVu file.");
    }
    void textsOfEachExportKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, startText);
        QFETCH(QString, runningText);
        std::unique_ptr<PdfProgress> progress;
        switch (kind) {
        case 0:
            progress = std::make_unique<PdfProgress>(3);
            break;
        case 1:
            progress = std::make_unique<ImgProgress>(3);
            break;
        case 2:
            progress = std::make_unique<WordProgress>(3);
            break;
        default:
            progress = std::make_unique<DjvuProgress>(3);
        }
        progress->start();
        QCOMPARE(progress->text(), startText);
        QVERIFY(!progress->isCancelEnabled());
        QCOMPARE(progress->value(), 0);
        progress->setValue(2);
        QCOMPARE(progress->text(), runningText);
        QVERIFY(progress->isCancelEnabled());
        QCOMPARE(progress->value(), 2);
        QCOMPARE(progress->windowTitle(), QStringLiteral("Vellumo"));
        QVERIFY(!progress->findChild<QProgressBar *>()->isTextVisible());
    }

    // The import replaces the label of a plain progress window; a later step keeps it.
    void replacedTextSurvivesSteps()
    {
        PdfProgress progress(2);
        progress.start();
        progress.setText(QStringLiteral("Extracting images from PDF file."));
        progress.setValue(1);
        QCOMPARE(progress.text(), QStringLiteral("Extracting images from PDF file."));
    }

    void cannotBeClosedUntilFinished()
    {
        QWidget parent;
        parent.show();
        auto *progress = new PdfProgress(5, &parent);
        progress->start();
        progress->open();
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        QVERIFY(progress->width() >= 400 && progress->height() >= 140);
        QVERIFY(!(progress->windowFlags() & Qt::WindowCloseButtonHint));

        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(progress->isVisible());
        QVERIFY(!progress->close());
        QVERIFY(progress->isVisible());

        progress->finish();
        QVERIFY(progress->isClosable());
        QVERIFY(progress->isCancelled());
        QVERIFY(progress->close());
        QVERIFY(!progress->isVisible());
    }

    // A Cancel click is told once, when the window's loop delivers it; the next run starts
    // uncancelled.
    void cancelIsToldOnce()
    {
        PdfProgress progress(4);
        progress.start();
        progress.open();
        QSignalSpy cancelled(&progress, &PdfProgress::cancelled);
        progress.setValue(1);
        QVERIFY(!progress.isCancelled());
        auto *cancel = progress.findChild<QPushButton *>();
        QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
        QVERIFY(!progress.isCancelled());
        QTRY_VERIFY(progress.isCancelled());
        QCOMPARE(cancelled.size(), 1);

        // A new run starts uncancelled.
        progress.start();
        QVERIFY(!progress.isCancelled());
    }

    void cancelIsDisabledBeforeTheFirstItem()
    {
        PdfProgress progress(4);
        progress.start();
        progress.open();
        auto *cancel = progress.findChild<QPushButton *>();
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!progress.isCancelled());
    }

    void showsCentredOnTheScreen()
    {
        PdfProgress progress(1);
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        const QPoint centre = progress.screen()->availableGeometry().center();
        // Within the few pixels a window frame adds.
        QVERIFY((progress.frameGeometry().center() - centre).manhattanLength() <= 6);
        progress.finish();
    }
};

QTEST_MAIN(TestPdfProgress)
#include "tst_PdfProgress.moc"
