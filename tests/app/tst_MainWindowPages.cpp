#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "pages/KSlabWidget.h"
#include "pages/PageListWidget.h"
#include "support/DialogAnswerer.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"

class tst_MainWindowPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void upAndDownStopAtTheEnds();
    void insertTogglesCheckAndSelectedCount();
    void removePageAsksAboutCheckedPages();
    void removePageWithOneCheckedRemovesCurrent();
    void removeAllButThisKeepsOnlyCurrent();
    void removeAllEmptiesWorkingFolder();
    void noAnswerRemovesNothing();
    void moveToSamePositionOnlyMarksModified();
    void thumbnailSizeFollowsSlider();
    void draggedPageAndRemovalAreUndoneAndTitleFollows();

private:
    void addPages(int n);
    QList<int> ids() const;
    QString selectedText() const;

    MainWindowFixture m_window;
};

void tst_MainWindowPages::initTestCase()
{
    MainWindowFixture::nameApplication();
}

void tst_MainWindowPages::init()
{
    QVERIFY(m_window.open());
}

void tst_MainWindowPages::cleanup()
{
    m_window.reset();
}

void tst_MainWindowPages::addPages(int n)
{
    for (int id = 1; id <= n; ++id)
        QVERIFY(m_window->pageList()->addImage(TestPages::pageImage(id, QImage::Format_RGB32, 420),
                                               false));
}

QList<int> tst_MainWindowPages::ids() const
{
    QList<int> result;
    for (const QString &path : m_window->pageList()->workingPaths())
        result << TestPages::idOf(path);
    return result;
}

QString tst_MainWindowPages::selectedText() const
{
    // The value label follows its "Selected:" caption in the status bar.
    const auto labels = m_window->statusBar()->findChildren<QLabel *>();
    for (int i = 0; i + 1 < labels.size(); ++i) {
        if (labels.at(i)->text() == QStringLiteral("Selected:"))
            return labels.at(i + 1)->text();
    }
    return {};
}

void tst_MainWindowPages::upAndDownStopAtTheEnds()
{
    addPages(3);
    PageListWidget *list = m_window->pageList();
    m_window->keyPressedDown();
    QCOMPARE(list->currentPosition(), 2);
    m_window->keyPressedUp();
    m_window->keyPressedUp();
    QCOMPARE(list->currentPosition(), 0);
    m_window->keyPressedUp();
    QCOMPARE(list->currentPosition(), 0);
}

void tst_MainWindowPages::insertTogglesCheckAndSelectedCount()
{
    addPages(2);
    QCOMPARE(selectedText(), QStringLiteral("0"));
    m_window->keyPressedIns();
    QVERIFY(m_window->pageList()->isChecked(1));
    QCOMPARE(selectedText(), QStringLiteral("1"));
    m_window->checkAll();
    QCOMPARE(selectedText(), QStringLiteral("2"));
    m_window->keyPressedIns();
    QCOMPARE(selectedText(), QStringLiteral("1"));
}

void tst_MainWindowPages::removePageAsksAboutCheckedPages()
{
    addPages(4);
    PageListWidget *list = m_window->pageList();
    list->setCheckedAt(0, true);
    list->setCheckedAt(2, true);
    DialogAnswerer answer(QStringLiteral("Yes"));
    m_window->removePage();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(answer.text(),
             QStringLiteral("Do you want to remove 2 checked pages from the document?"));
    QCOMPARE(answer.title(), QStringLiteral("Vellumo"));
    QCOMPARE(ids(), QList<int>({2, 4}));
    QCOMPARE(list->checkedCount(), 0);
    QVERIFY(m_window->isModified());
}

void tst_MainWindowPages::removePageWithOneCheckedRemovesCurrent()
{
    addPages(3);
    PageListWidget *list = m_window->pageList();
    list->setCheckedAt(0, true);
    DialogAnswerer answer(QStringLiteral("Yes"));
    m_window->removePage(); // page 3 is current
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(answer.text(), QStringLiteral("Do you want to remove the page?"));
    QCOMPARE(ids(), QList<int>({1, 2}));
}

void tst_MainWindowPages::removeAllButThisKeepsOnlyCurrent()
{
    addPages(5);
    m_window->pageList()->selectPosition(2, 0);
    DialogAnswerer answer(QStringLiteral("Yes"));
    // No control is bound to it: it runs when invoked by name.
    QVERIFY(QMetaObject::invokeMethod(m_window.window(), "removeAllButThis"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(ids(), QList<int>({3}));
    QCOMPARE(QFileInfo(m_window->pageList()->workingPath(0)).fileName(),
             QStringLiteral("00000001_o.jpg"));
}

void tst_MainWindowPages::removeAllEmptiesWorkingFolder()
{
    addPages(3);
    DialogAnswerer answer(QStringLiteral("Yes"));
    QVERIFY(QMetaObject::invokeMethod(m_window.window(), "removeAll"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_window->pageList()->count(), 0);
    QVERIFY(QDir(AppPaths::workingFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void tst_MainWindowPages::noAnswerRemovesNothing()
{
    addPages(3);
    m_window->pageList()->setCheckedAt(1, true);
    DialogAnswerer answer(QStringLiteral("No"));
    answer.setRepeat(true);
    QVERIFY(QMetaObject::invokeMethod(m_window.window(), "removeAllChecked"));
    QVERIFY(QMetaObject::invokeMethod(m_window.window(), "removeAllUnchecked"));
    m_window->removePage();
    QTRY_COMPARE(answer.answerCount(), 3);
    QCOMPARE(ids(), QList<int>({1, 2, 3}));
    QVERIFY(!m_window->isModified());
}

void tst_MainWindowPages::moveToSamePositionOnlyMarksModified()
{
    addPages(3);
    m_window->pageList()->selectPosition(1, 0);
    // Press OK with the number of the current page.
    QTimer::singleShot(0, this, [] {
        QTimer *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            dialog->findChild<QSpinBox *>()->setValue(2);
            poll->deleteLater();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        poll->start(20);
    });
    m_window->movePosition();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(ids(), QList<int>({1, 2, 3}));
    QVERIFY(m_window->isModified());
}

void tst_MainWindowPages::thumbnailSizeFollowsSlider()
{
    addPages(1);
    PageListWidget *list = m_window->pageList();
    QCOMPARE(list->slabAt(0)->size(), QSize(220, 220));
    m_window->resizeThumbs(300);
    QCOMPARE(list->slabAt(0)->size(), QSize(300, 300));
    // Out of the slabs' range: slabs stay, new thumbnails follow the size.
    m_window->resizeThumbs(50);
    QCOMPARE(list->slabAt(0)->size(), QSize(300, 300));
    QVERIFY(list->addImage(TestPages::pageImage(2, QImage::Format_RGB32, 420), false));
    QCOMPARE(QImageReader(list->store().thumbPath(1)).size(), QSize(38, 50));
}

void tst_MainWindowPages::draggedPageAndRemovalAreUndoneAndTitleFollows()
{
    const QString program = QStringLiteral(" - Vellumo - Automatic Scan to PDF, DjVu, JPEG, TIFF, "
                                           "BMP, PNG");
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled") + program);
    addPages(5);
    PageListWidget *list = m_window->pageList();

    // Slab 5 dropped before slab 2 renumbers as "Move To" does.
    m_window->pageDropped(4, 1);
    QCOMPARE(ids(), QList<int>({1, 5, 2, 3, 4}));
    QCOMPARE(QFileInfo(list->workingPath(1)).fileName(), QStringLiteral("00000002_o.jpg"));
    QCOMPARE(list->slabAt(1)->number(), QStringLiteral("2"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled*") + program);

    list->selectPosition(2, 0);
    {
        DialogAnswerer answer(QStringLiteral("Yes"));
        m_window->removePage();
        QTRY_VERIFY(answer.hasAnswered());
    }
    QCOMPARE(ids(), QList<int>({1, 5, 3, 4}));
    QCOMPARE(m_window->commands().undo->text(), QStringLiteral("&Undo Remove Page"));
    m_window->undo();
    QCOMPARE(ids(), QList<int>({1, 5, 2, 3, 4}));
    m_window->undo();
    QCOMPARE(ids(), QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(m_window->commands().redo->text(), QStringLiteral("Re&do Move to Position"));
    m_window->redo();
    QCOMPARE(ids(), QList<int>({1, 5, 2, 3, 4}));

    m_window->setProjectPath(QStringLiteral("/somewhere/book.vlmpj"));
    m_window->setModified(false);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("book.vlmpj") + program);
    // A new project forgets every step.
    m_window->newProject();
    QVERIFY(!m_window->commands().undo->isEnabled());
    QVERIFY(!m_window->commands().redo->isEnabled());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled") + program);
}

QTEST_MAIN(tst_MainWindowPages)
#include "tst_MainWindowPages.moc"
