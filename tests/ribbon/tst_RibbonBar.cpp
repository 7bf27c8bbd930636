#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ribbon/RibbonBar.h"
#include "ribbon/RibbonGroup.h"
#include "ribbon/RibbonMainWindow.h"
#include "ribbon/RibbonPage.h"
#include "ribbon/RibbonSystemPopupBar.h"

using namespace Qt::StringLiterals;

namespace {

QTabBar *tabBarOf(RibbonBar *bar)
{
    return bar->findChild<QTabBar *>();
}

QIcon someIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

// The button of a newly added action.
QToolButton *addButton(RibbonGroup *group, const QString &text,
                       Qt::ToolButtonStyle style = Qt::ToolButtonTextUnderIcon)
{
    return group->buttonForAction(group->addAction(someIcon(), text, style));
}

} // namespace

class tst_RibbonBar : public QObject
{
    Q_OBJECT

private slots:
    void groupsAndButtonsAreLaidOutInOrder();
    void smallButtonsStackInColumnsOfThree();
    void controlsCentringAlignsTheRow();
    void tabsFollowPageTitlesAndMnemonics();
    void setCurrentPageShowsThePageAndEmitsOnce();
    void shortcutWorksWhileItsPageIsHidden();
    void buttonFollowsItsAction();
    void groupTitleHidesMnemonicMarkers();
    void systemButtonPopsUpItsMenu();
    void titleRowFollowsTheWindowTitle();
};

void tst_RibbonBar::groupsAndButtonsAreLaidOutInOrder()
{
    RibbonBar bar;
    RibbonPage *home = bar.addPage(u"&Home"_s);
    RibbonGroup *first = home->addGroup(u"First"_s);
    RibbonGroup *second = home->addGroup(u"Second"_s);
    QCOMPARE(home->group(1), second);
    QToolButton *a = addButton(first, u"A"_s);
    QToolButton *b = addButton(first, u"B"_s);
    QToolButton *c = addButton(second, u"C"_s);
    QVERIFY(!first->buttonForAction(c->defaultAction()));
    bar.resize(800, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    const auto xOf = [&bar](QWidget *w) {
        return w->mapTo(&bar, QPoint(0, 0)).x();
    };
    QVERIFY(xOf(a) < xOf(b));
    QVERIFY(xOf(first) + first->width() <= xOf(second));
    QVERIFY(xOf(b) < xOf(c));
}

void tst_RibbonBar::smallButtonsStackInColumnsOfThree()
{
    RibbonBar bar;
    RibbonGroup *group = bar.addPage(u"Page"_s)->addGroup(u"Group"_s);
    QList<QToolButton *> small;
    for (int i = 0; i < 4; ++i)
        small.append(addButton(group, u"Small %1"_s.arg(i), Qt::ToolButtonTextBesideIcon));
    QToolButton *large = addButton(group, u"Large"_s);
    bar.resize(800, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QCOMPARE(small[0]->iconSize(), QSize(16, 16));
    QCOMPARE(large->iconSize(), QSize(32, 32));
    QCOMPARE(small[1]->x(), small[0]->x());
    QCOMPARE(small[2]->x(), small[0]->x());
    QVERIFY(small[0]->geometry().bottom() < small[1]->y());
    QVERIFY(small[1]->geometry().bottom() < small[2]->y());
    // The fourth opens a new column at the top; the large button comes after it.
    QVERIFY(small[3]->x() > small[0]->geometry().right());
    QCOMPARE(small[3]->y(), small[0]->y());
    QVERIFY(large->x() > small[3]->geometry().right());
}

void tst_RibbonBar::controlsCentringAlignsTheRow()
{
    RibbonBar bar;
    RibbonGroup *group = bar.addPage(u"Page"_s)->addGroup(u"Group"_s);
    QToolButton *button = addButton(group, u"Big"_s);
    auto *small = new QWidget;
    small->setFixedSize(40, 12);
    group->addWidget(small);
    bar.resize(600, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(small->y(), button->y());

    group->setControlsCentering(true);
    QTRY_VERIFY(small->y() > button->y() + 10);
    QVERIFY(qAbs(small->geometry().center().y() - button->geometry().center().y()) <=
            button->height() / 2);
}

void tst_RibbonBar::tabsFollowPageTitlesAndMnemonics()
{
    RibbonMainWindow window;
    RibbonBar *bar = window.ribbonBar();
    RibbonPage *home = bar->addPage(u"&Home"_s);
    RibbonPage *scan = bar->addPage(u"&Scan && PDF"_s);
    QCOMPARE(tabBarOf(bar)->tabText(1), u"&Scan && PDF"_s);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(bar->currentPageIndex(), 1);
    QVERIFY(scan->isVisible());

    // After a rename the tab shows the new title, whose mnemonic replaces the old one.
    home->setTitle(u"H&ome"_s);
    QCOMPARE(tabBarOf(bar)->tabText(0), u"H&ome"_s);
    QCOMPARE(tabBarOf(bar)->tabText(1), u"&Scan && PDF"_s);
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(bar->currentPageIndex(), 0);
    bar->setCurrentPage(1);
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QCOMPARE(bar->currentPageIndex(), 1);
}

void tst_RibbonBar::setCurrentPageShowsThePageAndEmitsOnce()
{
    RibbonBar bar;
    RibbonPage *first = bar.addPage(u"One"_s);
    RibbonPage *second = bar.addPage(u"Two"_s);
    bar.addPage(u"Three"_s);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.currentPageIndex(), 0);
    QSignalSpy spy(&bar, &RibbonBar::currentPageChanged);

    bar.setCurrentPage(1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QVERIFY(second->isVisible());
    QVERIFY(!first->isVisible());

    bar.setCurrentPage(1);
    bar.setCurrentPage(3);
    bar.setCurrentPage(-1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bar.currentPageIndex(), 1);

    // A click on a tab goes the same way.
    QTabBar *tabs = tabBarOf(&bar);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QVERIFY(bar.page(2)->isVisible());
}

void tst_RibbonBar::shortcutWorksWhileItsPageIsHidden()
{
    RibbonMainWindow window;
    RibbonBar *bar = window.ribbonBar();
    RibbonGroup *shown = bar->addPage(u"Shown"_s)->addGroup(u"G"_s);
    RibbonGroup *hidden = bar->addPage(u"Hidden"_s)->addGroup(u"G"_s);
    QAction *here = shown->addAction(someIcon(), u"Here"_s, Qt::ToolButtonTextUnderIcon);
    QAction *there = hidden->addAction(someIcon(), u"There"_s, Qt::ToolButtonTextUnderIcon);
    here->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    there->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    window.setCentralWidget(new QWidget);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!hidden->isVisible());

    QSignalSpy thereSpy(there, &QAction::triggered);
    QSignalSpy hereSpy(here, &QAction::triggered);
    QTest::keyClick(window.centralWidget(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(thereSpy.count(), 1);
    // Not ambiguous although both the shown button and the bar carry the action.
    QTest::keyClick(window.centralWidget(), Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(hereSpy.count(), 1);

    there->setEnabled(false);
    QTest::keyClick(window.centralWidget(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(thereSpy.count(), 1);
}

void tst_RibbonBar::buttonFollowsItsAction()
{
    RibbonBar bar;
    RibbonGroup *group = bar.addPage(u"Page"_s)->addGroup(u"Group"_s);
    QMenu menu;
    QToolButton *button = addButton(group, u"&Rotate"_s);
    QAction *action = button->defaultAction();
    QAction *withMenu = group->addAction(someIcon(), u"More"_s, Qt::ToolButtonTextUnderIcon, &menu);
    QToolButton *next = addButton(group, u"Next"_s);
    QCOMPARE(button->text(), u"Rotate"_s);
    QCOMPARE(withMenu->menu(), &menu);
    QCOMPARE(group->buttonForAction(withMenu)->popupMode(), QToolButton::InstantPopup);
    bar.resize(600, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    action->setEnabled(false);
    QVERIFY(!button->isEnabled());
    action->setEnabled(true);
    action->setCheckable(true);
    action->setChecked(true);
    QVERIFY(button->isEnabled());
    QVERIFY(button->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!action->isChecked());
    QVERIFY(!button->isChecked());

    action->setText(u"Turn"_s);
    QCOMPARE(button->text(), u"Turn"_s);

    // A hidden action's button leaves no gap in the row.
    const int nextX = next->x();
    action->setVisible(false);
    QVERIFY(button->isHidden());
    QTRY_VERIFY(next->x() < nextX);
    action->setVisible(true);
    QVERIFY(button->isVisible());
}

void tst_RibbonBar::groupTitleHidesMnemonicMarkers()
{
    RibbonBar bar;
    RibbonGroup *group = bar.addPage(u"Page"_s)->addGroup(u"Fast &Settings"_s);
    const auto shown = [group] {
        return group->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly)->text();
    };
    QCOMPARE(shown(), u"Fast Settings"_s);
    group->setTitle(u"Scan && &PDF"_s);
    QCOMPARE(shown(), u"Scan & PDF"_s);
    QCOMPARE(group->title(), u"Scan && &PDF"_s);
    group->setTitle(u"Trailing&"_s);
    QCOMPARE(shown(), u"Trailing"_s);
}

void tst_RibbonBar::systemButtonPopsUpItsMenu()
{
    RibbonMainWindow window;
    RibbonBar *bar = window.ribbonBar();
    bar->addPage(u"Home"_s);
    QAction *system = bar->addSystemButton(someIcon(), u"&Vellumo"_s);
    auto *popup = qobject_cast<RibbonSystemPopupBar *>(system->menu());
    QVERIFY(popup);
    QAction *open = popup->addAction(u"Open"_s);
    QAction *quit = popup->addAction(u"Quit"_s);
    QCOMPARE(popup->actions(), (QList<QAction *>{open, quit}));

    QToolButton *button = bar->getSystemButton();
    QCOMPARE(button->text(), u"&Vellumo"_s);
    // Calling it again updates the same button instead of adding a second one.
    QCOMPARE(bar->addSystemButton(someIcon(), u"&Vellumo 2"_s), system);
    QCOMPARE(bar->getSystemButton(), button);
    QCOMPARE(button->text(), u"&Vellumo 2"_s);

    window.resize(600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTabBar *tabs = tabBarOf(bar);
    QVERIFY(button->mapTo(&window, QPoint(button->width(), 0)).x() <=
            tabs->mapTo(&window, tabs->tabRect(0).topLeft()).x());

    // The menu runs its own event loop; look at it from inside and close it.
    bool shownBelowButton = false;
    QTimer::singleShot(100, popup, [&] {
        const int buttonBottom = button->mapToGlobal(QPoint(0, button->height())).y();
        shownBelowButton = popup->isVisible() && popup->geometry().top() >= buttonBottom - 1;
        popup->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(!popup->isVisible());
    QVERIFY(shownBelowButton);
}

void tst_RibbonBar::titleRowFollowsTheWindowTitle()
{
    RibbonMainWindow window;
    RibbonBar *bar = window.ribbonBar();
    window.setWindowTitle(u"Vellumo - letters"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *title = bar->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(title->text(), u"Vellumo - letters"_s);
    window.setWindowTitle(u"Vellumo - invoices"_s);
    QCOMPARE(title->text(), u"Vellumo - invoices"_s);

    const int withTitle = bar->height();
    bar->setTitleBarVisible(false);
    QVERIFY(!title->isVisible());
    QTRY_VERIFY(bar->height() < withTitle);
}

QTEST_MAIN(tst_RibbonBar)
#include "tst_RibbonBar.moc"
