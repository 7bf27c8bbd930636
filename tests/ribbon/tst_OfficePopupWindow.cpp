#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "ribbon/OfficePopupWindow.h"

using namespace Qt::StringLiterals;

class tst_OfficePopupWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void restsInTheCornerAboveTheStatusBar_data();
    void restsInTheCornerAboveTheStatusBar();
    void closesAndDeletesItselfAfterTheDisplayTime();
    void mouseOverPausesTheDisplayTime();
    void popupsShownTogetherStackUpwards();
    void closePopupClosesOnceAndAtOnce();
    void titleDragMovesOnlyWhenEnabled();

private:
    OfficePopupWindow *makePopup(int animation = OfficePopupWindow::NoAnimation);
    QRect statusBarTop() const;

    QMainWindow *m_window = nullptr;
};

void tst_OfficePopupWindow::init()
{
    m_window = new QMainWindow;
    m_window->setCentralWidget(new QWidget);
    m_window->statusBar()->showMessage(u"Ready"_s);
    m_window->setGeometry(100, 80, 800, 600);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_OfficePopupWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

OfficePopupWindow *tst_OfficePopupWindow::makePopup(int animation)
{
    auto *popup = new OfficePopupWindow(m_window);
    auto *text = new QLabel(u"12 pages were saved as PDF."_s);
    text->setWordWrap(true);
    popup->setCentralWidget(text);
    popup->setTitleText(u"Vellumo"_s);
    popup->setTitleCloseButtonVisible(true);
    popup->setAnimation(animation);
    popup->setAnimationSpeed(60);
    popup->setDisplayTime(0);
    return popup;
}

QRect tst_OfficePopupWindow::statusBarTop() const
{
    QStatusBar *bar = m_window->statusBar();
    return QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
}

void tst_OfficePopupWindow::restsInTheCornerAboveTheStatusBar_data()
{
    QTest::addColumn<int>("animation");
    QTest::newRow("none") << int(OfficePopupWindow::NoAnimation);
    QTest::newRow("fade") << int(OfficePopupWindow::FadeAnimation);
    QTest::newRow("slide") << int(OfficePopupWindow::SlideAnimation);
    QTest::newRow("fade and slide") << int(OfficePopupWindow::FadeSlideAnimation);
}

void tst_OfficePopupWindow::restsInTheCornerAboveTheStatusBar()
{
    QFETCH(int, animation);
    OfficePopupWindow *popup = makePopup(animation);
    popup->setTransparency(0.9);
    QVERIFY(popup->showPopup());
    QVERIFY(!popup->showPopup());
    QVERIFY(popup->isVisible());
    // Window opacity is kept in 8 bits.
    QTRY_VERIFY(qAbs(popup->windowOpacity() - 0.9) < 0.01);

    const QRect window(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
    const QRect shown = popup->geometry();
    QVERIFY(window.contains(shown));
    QVERIFY(shown.bottom() < statusBarTop().top());
    QVERIFY(statusBarTop().top() - shown.bottom() <= 30);
    QVERIFY(window.right() - shown.right() <= 30);
    QVERIFY(shown.left() > window.center().x());

    // Follows the window's corner when the window grows.
    m_window->resize(900, 700);
    QTRY_VERIFY(statusBarTop().top() - popup->geometry().bottom() <= 30);
    QVERIFY(window.right() + 100 - popup->geometry().right() <= 30);
}

void tst_OfficePopupWindow::closesAndDeletesItselfAfterTheDisplayTime()
{
    QPointer<OfficePopupWindow> popup = makePopup(OfficePopupWindow::SlideAnimation);
    popup->setDisplayTime(150);
    QSignalSpy aboutToClose(popup.data(), &OfficePopupWindow::aboutToClose);
    QSignalSpy closed(popup.data(), &OfficePopupWindow::closed);
    QVERIFY(popup->showPopup());
    QTest::qWait(100); // deliberately a fixed time: nothing may happen before the display time
    QVERIFY(popup);
    QVERIFY(aboutToClose.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), 3000);
    QCOMPARE(aboutToClose.count(), 1);
    QCOMPARE(closed.count(), 1);
}

void tst_OfficePopupWindow::mouseOverPausesTheDisplayTime()
{
    QPointer<OfficePopupWindow> popup = makePopup();
    popup->setDisplayTime(200);
    QVERIFY(popup->showPopup());
    QTest::qWait(50);

    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, popup->mapToGlobal(inside));
    QApplication::sendEvent(popup, &enter);
    QTest::qWait(500); // deliberately more than the display time: the pop-up must stay
    QVERIFY(popup);
    QVERIFY(popup->isVisible());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(popup, &leave);
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), 3000);
}

void tst_OfficePopupWindow::popupsShownTogetherStackUpwards()
{
    OfficePopupWindow *first = makePopup(OfficePopupWindow::SlideAnimation);
    OfficePopupWindow *second = makePopup(OfficePopupWindow::SlideAnimation);
    OfficePopupWindow *third = makePopup();
    QVERIFY(first->showPopup());
    QVERIFY(second->showPopup());
    QVERIFY(third->showPopup());
    QTRY_VERIFY(!first->isAppearing() && !second->isAppearing());

    const QRect window(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
    QVERIFY(window.contains(third->geometry()));
    QVERIFY(second->geometry().bottom() < first->geometry().top());
    QVERIFY(third->geometry().bottom() < second->geometry().top());
    QCOMPARE(third->geometry().right(), first->geometry().right());

    // A pop-up shown after the others have gone takes the corner again.
    const QRect corner = first->geometry();
    for (OfficePopupWindow *popup : {first, second, third})
        popup->closePopup();
    QTRY_VERIFY(m_window->findChildren<OfficePopupWindow *>().isEmpty());
    OfficePopupWindow *later = makePopup();
    QVERIFY(later->showPopup());
    QCOMPARE(later->geometry().bottom(), corner.bottom());
}

void tst_OfficePopupWindow::closePopupClosesOnceAndAtOnce()
{
    QPointer<OfficePopupWindow> popup = makePopup(OfficePopupWindow::FadeAnimation);
    QSignalSpy aboutToClose(popup.data(), &OfficePopupWindow::aboutToClose);
    QSignalSpy closed(popup.data(), &OfficePopupWindow::closed);
    QVERIFY(popup->showPopup());
    // Closing while it is still fading in, twice, as a click on the message and a click on
    // the close button might.
    popup->closePopup();
    popup->closePopup();
    QCOMPARE(aboutToClose.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), 2000);
    QCOMPARE(closed.count(), 1);

    // The title's close button.
    QPointer<OfficePopupWindow> withButton = makePopup();
    QVERIFY(withButton->showPopup());
    auto *closeButton = withButton->findChild<QAbstractButton *>();
    QVERIFY(closeButton);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QTRY_VERIFY(withButton.isNull());
}

void tst_OfficePopupWindow::titleDragMovesOnlyWhenEnabled()
{
    const auto drag = [](OfficePopupWindow *popup, QPoint by) {
        const QPointF grab(30, 8);
        const QPointF grabGlobal = popup->mapToGlobal(grab);
        QMouseEvent press(QEvent::MouseButtonPress, grab, grabGlobal, Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(popup, &press);
        QMouseEvent move(QEvent::MouseMove, grab + by, grabGlobal + by, Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(popup, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, grab + by, grabGlobal + by, Qt::LeftButton,
                            Qt::NoButton, {});
        QApplication::sendEvent(popup, &release);
    };

    OfficePopupWindow *popup = makePopup();
    QVERIFY(popup->showPopup());
    const QPoint start = popup->pos();
    drag(popup, QPoint(-60, -40));
    QCOMPARE(popup->pos(), start);

    popup->setDragDropEnabled(true);
    drag(popup, QPoint(-60, -40));
    QCOMPARE(popup->pos(), start + QPoint(-60, -40));
}

QTEST_MAIN(tst_OfficePopupWindow)
#include "tst_OfficePopupWindow.moc"
