#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "pages/FlowLayout.h"
#include "pages/ImageListWidget.h"
#include "pages/KSlabWidget.h"

class tst_ImageListWidget : public QObject
{
    Q_OBJECT

private slots:
    void removingKeepsPositionsGapless();
    void currentPositionRules();
    void selectionIsAnnouncedOnceWithThePosition();
    void checkMarksReportTheirPositions();
    void reordering_data();
    void reordering();
    void selectPositionScrolls();

private:
    // Appends count slabs numbered 1..count and returns them in position order.
    static QList<KSlabWidget *> fill(ImageListWidget &list, int count)
    {
        QList<KSlabWidget *> slabs;
        for (int i = 0; i < count; ++i) {
            slabs.append(new KSlabWidget(120, 160, QString::number(i + 1)));
            list.appendSlab(slabs.last());
        }
        return slabs;
    }
    static QList<int> ints(const QSignalSpy &spy)
    {
        QList<int> values;
        for (const auto &arguments : spy)
            values.append(arguments.at(0).toInt());
        return values;
    }
};

void tst_ImageListWidget::removingKeepsPositionsGapless()
{
    ImageListWidget list;
    QSignalSpy counts(&list, &ImageListWidget::countChanged);
    auto slabs = fill(list, 5);
    QPointer<KSlabWidget> middle = slabs.takeAt(2);

    list.removeSlab(middle, true);
    QVERIFY(middle.isNull());
    QCOMPARE(ints(counts), (QList{1, 2, 3, 4, 5, 4}));
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.flowLayout()->count(), 4);
    for (int position = 0; position < 4; ++position) {
        QCOMPARE(list.slabAt(position), slabs[position]);
        QCOMPARE(list.positionOf(slabs[position]), position);
        QCOMPARE(list.flowLayout()->itemAt(position)->widget(), slabs[position]);
    }
    QCOMPARE(list.slabAt(4), nullptr);
    // The list renumbers nothing; signals from a slab that moved down carry its new position.
    QCOMPARE(slabs[3]->number(), QStringLiteral("5"));
    QSignalSpy doubleClicks(&list, &ImageListWidget::mouseDoubleClicked);
    emit slabs[3]->mouseDoubleClicked();
    QCOMPARE(ints(doubleClicks), QList{3});

    // Kept alive: out of the list and no longer connected to it.
    list.removeSlab(slabs[0], false);
    QCOMPARE(list.slabAt(0), slabs[1]);
    emit slabs[0]->mouseDoubleClicked();
    QCOMPARE(doubleClicks.count(), 1);
    delete slabs[0];

    QPointer<KSlabWidget> last = slabs[3];
    counts.clear();
    list.removeAllSlabs();
    QCOMPARE(ints(counts), QList{0});
    QVERIFY(last.isNull());
    QCOMPARE(list.flowLayout()->count(), 0);
}

void tst_ImageListWidget::currentPositionRules()
{
    ImageListWidget list;
    QCOMPARE(list.currentPosition(), -1);
    const auto slabs = fill(list, 4);
    QCOMPARE(list.currentPosition(), -1);

    list.focusSlab(slabs[2]);
    QCOMPARE(list.currentPosition(), 2);
    list.moveToFront(2);
    QCOMPARE(list.currentPosition(), 0);
    list.moveToEnd(0);
    QCOMPARE(list.currentPosition(), 3);
    // Taken out of the list but alive, the focused slab counts as position 0; deleted, as none.
    list.removeSlab(slabs[2], false);
    QCOMPARE(list.currentPosition(), 0);
    delete slabs[2];
    QCOMPARE(list.currentPosition(), -1);
}

void tst_ImageListWidget::selectionIsAnnouncedOnceWithThePosition()
{
    ImageListWidget list;
    const auto slabs = fill(list, 4);
    list.selectPosition(4, 0);
    list.selectPosition(-1, 0);
    QCOMPARE(list.currentPosition(), -1);

    list.show();
    QVERIFY(QTest::qWaitForWindowActive(&list));
    QSignalSpy selected(&list, &ImageListWidget::selected);
    list.selectPosition(1, 0);
    QCOMPARE(ints(selected), QList{1});
    QVERIFY(slabs[1]->isAncestorOf(QApplication::focusWidget()));
    list.selectPosition(3, 0);
    list.focusSlab(slabs[0]);
    QCOMPARE(ints(selected), (QList{1, 3, 0}));
    QCOMPARE(list.currentPosition(), 0);
    for (const KSlabWidget *slab : slabs)
        QCOMPARE(slab->isFocusedStyle(), slab == slabs[0]);

    // Focus from the user, here a click on the thumbnail, selects too.
    QWidget *thumbnail = qobject_cast<QAbstractScrollArea *>(slabs[2]->focusProxy())->viewport();
    QTest::mouseClick(thumbnail, Qt::LeftButton, {}, thumbnail->rect().center());
    QTRY_COMPARE(ints(selected).last(), 2);
    QVERIFY(!slabs[0]->isFocusedStyle());
    // A double click on the thumbnail is reported once, not again by the slab around it.
    slabs[2]->setImage(QImage(100, 100, QImage::Format_RGB32));
    QSignalSpy doubleClicks(&list, &ImageListWidget::mouseDoubleClicked);
    QTest::mouseDClick(thumbnail, Qt::LeftButton, {}, thumbnail->rect().center());
    QCOMPARE(ints(doubleClicks), QList{2});
}

void tst_ImageListWidget::checkMarksReportTheirPositions()
{
    ImageListWidget list;
    fill(list, 3);
    QSignalSpy spy(&list, &ImageListWidget::checked);

    list.checkAll();
    QCOMPARE(ints(spy), (QList{0, 1, 2}));
    QVERIFY(spy.at(2).at(1).toBool());
    QCOMPARE(list.checkedCount(), 3);
    list.setCheckedAt(1, false);
    list.setCheckedAt(3, false);
    QCOMPARE(list.checkedCount(), 2);
    QVERIFY(!list.isCheckedAt(3));
    // Marks travel with their slab.
    list.moveToEnd(1);
    QVERIFY(!list.isCheckedAt(2) && list.isCheckedAt(1));

    spy.clear();
    list.uncheckAll();
    QCOMPARE(ints(spy), (QList{0, 1, 2}));
    QVERIFY(!spy.at(0).at(1).toBool());
    QCOMPARE(list.checkedCount(), 0);
}

void tst_ImageListWidget::reordering_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("order");

    QTest::newRow("swap previous") << QStringLiteral("previous") << 1 << 0 << QList{1, 0, 2, 3};
    QTest::newRow("swap next") << QStringLiteral("next") << 2 << 0 << QList{0, 1, 3, 2};
    QTest::newRow("to front") << QStringLiteral("front") << 3 << 0 << QList{3, 0, 1, 2};
    QTest::newRow("to end") << QStringLiteral("end") << 0 << 0 << QList{1, 2, 3, 0};
    QTest::newRow("move down") << QStringLiteral("move") << 0 << 2 << QList{1, 2, 0, 3};
    QTest::newRow("move up") << QStringLiteral("move") << 3 << 1 << QList{0, 3, 1, 2};
    QTest::newRow("first with previous")
        << QStringLiteral("previous") << 0 << 0 << QList{0, 1, 2, 3};
    QTest::newRow("beyond the end") << QStringLiteral("move") << 1 << 4 << QList{0, 1, 2, 3};
}

void tst_ImageListWidget::reordering()
{
    QFETCH(QString, operation);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, order);

    ImageListWidget list;
    list.resize(180, 400);
    const auto slabs = fill(list, 4);
    operation == u"previous" ? list.swapWithPrevious(from)
    : operation == u"next"   ? list.swapWithNext(from)
    : operation == u"front"  ? list.moveToFront(from)
    : operation == u"end"    ? list.moveToEnd(from)
                             : list.moveSlab(from, to);
    list.show();
    QVERIFY(QTest::qWaitForWindowActive(&list));

    for (int position = 0; position < 4; ++position) {
        QCOMPARE(list.slabAt(position), slabs[order[position]]);
        QCOMPARE(list.flowLayout()->itemAt(position)->widget(), slabs[order[position]]);
        if (position > 0) // one column: the cells run down in the new order
            QVERIFY(list.cellRect(position).y() > list.cellRect(position - 1).y());
    }

    // Tab walks the slabs in position order (the check box on each is a stop of its own).
    list.focusSlab(list.slabAt(0));
    QList<KSlabWidget *> reached{list.slabAt(0)};
    for (int press = 0; press < 10 && reached.size() < 4; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        auto *slab = qobject_cast<KSlabWidget *>(focus->parentWidget());
        if (!slab)
            slab = qobject_cast<KSlabWidget *>(focus->parentWidget()->parentWidget());
        if (slab && slab != reached.last())
            reached.append(slab);
    }
    QCOMPARE(reached, (QList{slabs[order[0]], slabs[order[1]], slabs[order[2]], slabs[order[3]]}));
}

void tst_ImageListWidget::selectPositionScrolls()
{
    ImageListWidget list;
    list.resize(180, 320);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    // Appended to the shown list just before: placement and scroll range must catch up.
    const auto slabs = fill(list, 12);
    QScrollBar *bar = list.verticalScrollBar();

    list.selectPosition(11, list.count() + 1);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    list.selectPosition(11, -list.count());
    QCOMPARE(bar->value(), 0);
    list.selectPosition(6, 0);
    const int top = bar->value();
    QVERIFY(top <= list.cellRect(6).y() && list.cellRect(6).y() < top + list.viewport()->height());
    list.selectPosition(6, 1);
    QVERIFY(bar->value() > top);

    // focusSlab() brings the cell's bottom-left corner into view.
    for (const int position : {0, 9, 1}) {
        list.focusSlab(slabs[position]);
        const int bottom = list.cellRect(position).bottom();
        QVERIFY(bar->value() <= bottom && bottom < bar->value() + list.viewport()->height());
    }
}

QTEST_MAIN(tst_ImageListWidget)
#include "tst_ImageListWidget.moc"
