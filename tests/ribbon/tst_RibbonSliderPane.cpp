#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <algorithm>

#include "ribbon/RibbonSliderPane.h"

class tst_RibbonSliderPane : public QObject
{
    Q_OBJECT

private slots:
    void stepButtonsMoveOneStepAndStopAtTheRange_data();
    void stepButtonsMoveOneStepAndStopAtTheRange();
    void buttonsAreDisabledAtTheBounds();

private:
    // The "-" and "+" buttons, left to right.
    static QList<QToolButton *> stepButtons(RibbonSliderPane &pane);
};

QList<QToolButton *> tst_RibbonSliderPane::stepButtons(RibbonSliderPane &pane)
{
    auto buttons = pane.findChildren<QToolButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](QToolButton *a, QToolButton *b) { return a->x() < b->x(); });
    return buttons;
}

void tst_RibbonSliderPane::stepButtonsMoveOneStepAndStopAtTheRange_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("clicks"); // '-' and '+', one per click
    QTest::addColumn<QList<int>>("emitted");

    QTest::newRow("zoom up to the top")
        << 100 << 300 << 50 << 200 << QStringLiteral("+++") << QList<int>{250, 300};
    QTest::newRow("zoom down to the bottom")
        << 100 << 300 << 50 << 200 << QStringLiteral("---") << QList<int>{150, 100};
    QTest::newRow("step not dividing the range lands on the bound")
        << 0 << 120 << 50 << 100 << QStringLiteral("++-") << QList<int>{120, 70};
    QTest::newRow("there and back")
        << 100 << 300 << 50 << 100 << QStringLiteral("+-+") << QList<int>{150, 100, 150};
}

void tst_RibbonSliderPane::stepButtonsMoveOneStepAndStopAtTheRange()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, start);
    QFETCH(QString, clicks);
    QFETCH(QList<int>, emitted);

    RibbonSliderPane pane;
    pane.setScrollButtons(true);
    pane.setRange(minimum, maximum);
    pane.setSingleStep(step);
    pane.setSliderPosition(start);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const auto buttons = stepButtons(pane);
    QCOMPARE(buttons.size(), 2);

    QSignalSpy spy(&pane, &RibbonSliderPane::valueChanged);
    for (const QChar click : clicks)
        QTest::mouseClick(click == u'+' ? buttons[1] : buttons[0], Qt::LeftButton);
    QList<int> values;
    for (const auto &arguments : spy)
        values.append(arguments.at(0).toInt());
    QCOMPARE(values, emitted);
    QCOMPARE(pane.value(), emitted.last());
}

void tst_RibbonSliderPane::buttonsAreDisabledAtTheBounds()
{
    RibbonSliderPane pane;
    pane.setScrollButtons(true);
    pane.setRange(100, 300);
    pane.setSingleStep(50);
    pane.setSliderPosition(300);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const auto buttons = stepButtons(pane);
    QVERIFY(buttons[0]->isEnabled());
    QVERIFY(!buttons[1]->isEnabled());

    pane.setRange(100, 400);
    QVERIFY(buttons[1]->isEnabled());
    pane.setSliderPosition(100);
    QVERIFY(!buttons[0]->isEnabled());
    QVERIFY(buttons[1]->isEnabled());

    // Dragging the slider itself is reported too.
    QSignalSpy spy(&pane, &RibbonSliderPane::valueChanged);
    pane.findChild<QSlider *>()->setValue(150);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(pane.value(), 150);
}

QTEST_MAIN(tst_RibbonSliderPane)
#include "tst_RibbonSliderPane.moc"
