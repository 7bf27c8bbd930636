#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "app/DialogTitleFit.h"

// Small dialogs grow to show their titles; nothing else about them changes.
class tst_DialogTitleFit : public QObject
{
    Q_OBJECT

private slots:
    void smallDialogGrowsToItsTitle();
};

void tst_DialogTitleFit::smallDialogGrowsToItsTitle()
{
    DialogTitleFit fit;
    qApp->installEventFilter(&fit);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Select Scanner"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Scanner:")));
    dialog.resize(120, 80);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const int needed = DialogTitleFit::neededWidth(dialog.windowTitle(), dialog.font());
    QVERIFY(needed > 120);
    QCOMPARE(dialog.width(), needed);
    QCOMPARE(dialog.height(), 80);

    // A dialog already wide enough keeps its width.
    QDialog wide;
    wide.setWindowTitle(QStringLiteral("Move Page"));
    wide.resize(600, 200);
    wide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wide));
    QCOMPARE(wide.width(), 600);
}

QTEST_MAIN(tst_DialogTitleFit)
#include "tst_DialogTitleFit.moc"
