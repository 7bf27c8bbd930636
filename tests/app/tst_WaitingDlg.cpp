#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "app/WaitingDlg.h"
#include "ribbon/BusyIndicator.h"

class tst_WaitingDlg : public QObject
{
    Q_OBJECT

private slots:
    void settingTextShowsItCentred();
    void userCannotCloseIt();
    void finishDeletesIt();
    void indicatorTurnsAndStopsAfterHide();
};

void tst_WaitingDlg::settingTextShowsItCentred()
{
    QPointer<WaitingDlg> dlg = new WaitingDlg;
    dlg->setText(QStringLiteral("Saving..."));
    QVERIFY(dlg->isVisible());
    QVERIFY(dlg->isModal());
    QCOMPARE(dlg->size(), QSize(500, 100));
    QCOMPARE(dlg->text(), QStringLiteral("Saving..."));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(dlg->geometry().center().x() - available.center().x()) <= 1);
    QVERIFY(qAbs(dlg->geometry().center().y() - available.center().y()) <= 1);
    QVERIFY(dlg->windowFlags().testFlag(Qt::FramelessWindowHint));
    dlg->finish();
}

void tst_WaitingDlg::userCannotCloseIt()
{
    QPointer<WaitingDlg> dlg = new WaitingDlg;
    dlg->setText(QStringLiteral("Opening..."));
    QTest::keyClick(dlg, Qt::Key_Escape);
    QVERIFY(dlg && dlg->isVisible());

    // The route of the window manager's close button.
    QVERIFY(dlg->windowHandle());
    QVERIFY(!dlg->windowHandle()->close());
    QCoreApplication::processEvents();
    QVERIFY(dlg && dlg->isVisible());
    QVERIFY(!dlg->wasCancelled());

    // Where the operation can stop, Escape asks it to; the window stays until it has.
    dlg->setCancellable(true);
    QTest::keyClick(dlg, Qt::Key_Escape);
    QVERIFY(dlg && dlg->isVisible());
    QVERIFY(dlg->wasCancelled());
    dlg->finish();
}

void tst_WaitingDlg::finishDeletesIt()
{
    QPointer<WaitingDlg> dlg = new WaitingDlg;
    dlg->setText(QStringLiteral("Recovering..."));
    dlg->finish();
    QTRY_VERIFY(dlg.isNull());
}

void tst_WaitingDlg::indicatorTurnsAndStopsAfterHide()
{
    QPointer<WaitingDlg> dlg = new WaitingDlg;
    dlg->setText(QStringLiteral("Rotating..."));
    auto *indicator = dlg->findChild<BusyIndicator *>();
    QVERIFY(indicator);
    QVERIFY(dlg->isIndicatorRunning());
    const int before = indicator->step();
    QTRY_VERIFY_WITH_TIMEOUT(indicator->step() != before, 1000);

    dlg->hide();
    QVERIFY(dlg->isIndicatorRunning()); // it keeps turning for another 100 ms
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->isIndicatorRunning(), 1000);

    dlg->show(); // shown again: turning again
    QVERIFY(dlg->isIndicatorRunning());
    dlg->finish();
}

QTEST_MAIN(tst_WaitingDlg)
#include "tst_WaitingDlg.moc"
