#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
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
    void droppingAnnouncesTheMove_data();
    void droppingAnnouncesTheMove();
    void modifiedClicksMarkSlabs_data();
    void modifiedClicksMarkSlabs();
    void dragOffersTheFilesOfTheDraggedPages();

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
    // Five slabs shown in two columns: rows {0, 1}, {2, 3}, {4}.
    static QList<KSlabWidget *> showTwoColumns(ImageListWidget &list)
    {
        list.resize(320, 700);
        const auto slabs = fill(list, 5);
        list.show();
        if (!QTest::qWaitForWindowActive(&list))
            return {};
        return slabs;
    }
    static QWidget *thumbnail(KSlabWidget *slab)
    {
        return qobject_cast<QAbstractScrollArea *>(slab->focusProxy())->viewport();
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

    // One slab a row: the upper half of a slab drops before it, the lower half after it, and
    // the line lies across the gap.
    const QRect third = list.cellRect(2);
    QCOMPARE(list.dropPosition(third.center() + QPoint(40, -10)), 2);
    QCOMPARE(list.dropPosition(third.center() + QPoint(-40, 10)), 3);

    // focusSlab() brings the cell's bottom-left corner into view.
    for (const int position : {0, 9, 1}) {
        list.focusSlab(slabs[position]);
        const int bottom = list.cellRect(position).bottom();
        QVERIFY(bar->value() <= bottom && bottom < bar->value() + list.viewport()->height());
    }
}

void tst_ImageListWidget::droppingAnnouncesTheMove_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("cell");
    // From the cell's centre; the cells are 120 pixels wide.
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("position");
    QTest::addColumn<QVariantList>("announced");

    QTest::newRow("fifth before the second") << 4 << 1 << QPoint(-30, 0) << 1 << QVariantList{4, 1};
    QTest::newRow("before the first") << 2 << 0 << QPoint(-62, 0) << 0 << QVariantList{2, 0};
    QTest::newRow("between the first two") << 3 << 1 << QPoint(-62, 0) << 1 << QVariantList{3, 1};
    QTest::newRow("after the first row") << 0 << 1 << QPoint(62, 0) << 2 << QVariantList{0, 1};
    QTest::newRow("second row, right half") << 1 << 3 << QPoint(30, 0) << 4 << QVariantList{1, 3};
    QTest::newRow("after the last") << 0 << 4 << QPoint(62, 0) << 5 << QVariantList{0, 4};
    QTest::newRow("above the list") << 4 << 1 << QPoint(30, -400) << 2 << QVariantList{4, 2};
    QTest::newRow("below the last") << 0 << 4 << QPoint(-30, 400) << 4 << QVariantList{0, 3};
    QTest::newRow("onto itself") << 2 << 2 << QPoint(30, 0) << 3 << QVariantList();
    QTest::newRow("after its neighbour") << 2 << 1 << QPoint(30, 0) << 2 << QVariantList();
    // Another list's positions are not this one's.
    QTest::newRow("from another list") << -1 << 1 << QPoint(-30, 0) << 1 << QVariantList();
}

void tst_ImageListWidget::droppingAnnouncesTheMove()
{
    QFETCH(int, dragged);
    QFETCH(int, cell);
    QFETCH(QPoint, offset);
    QFETCH(int, position);
    QFETCH(QVariantList, announced);

    ImageListWidget list;
    const auto slabs = showTwoColumns(list);
    QVERIFY(!slabs.isEmpty());
    QVERIFY(list.cellRect(1).top() == list.cellRect(0).top() &&
            list.cellRect(2).top() > list.cellRect(1).top());
    const QRect rect = list.cellRect(cell);
    QCOMPARE(list.dropPosition(rect.center() + offset), position);

    ImageListWidget other;
    fill(other, 5);
    std::unique_ptr<QMimeData> data(dragged < 0 ? other.dragMimeData(4)
                                                : list.dragMimeData(dragged));
    const QPoint at = list.widget()->mapTo(list.viewport(), rect.center() + offset);
    QSignalSpy dropped(&list, &ImageListWidget::slabDropped);
    // Qt sends the later drag events to the widget that accepted the enter.
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(list.viewport(), &enter);
    QCOMPARE(enter.isAccepted(), dragged >= 0);
    const auto *line = list.widget()->findChild<QWidget *>(QStringLiteral("dropLine"));
    QVERIFY(line);
    QCOMPARE(line->isVisible(), dragged >= 0);
    // In the gap at the near edge of the cell, along the row.
    const int edge = offset.x() > 0 ? rect.right() : rect.left();
    QVERIFY(dragged < 0 ||
            (qAbs(line->geometry().center().x() - edge) <= list.flowLayout()->spacing() &&
             line->geometry() == QRect(line->x(), rect.top(), 3, rect.height())));

    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(list.viewport(), &drop);
    QVERIFY(!line->isVisible());
    QCOMPARE(dropped.value(0), announced);
    QVERIFY(dropped.count() <= 1);
    // The receiver moves the slabs, not the list.
    for (int n = 0; n < 5; ++n)
        QCOMPARE(list.slabAt(n), slabs[n]);
}

void tst_ImageListWidget::modifiedClicksMarkSlabs_data()
{
    QTest::addColumn<int>("modifiers");
    // -1: Ctrl+A typed in the list instead of a click.
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<int>("checkSignals");

    QTest::newRow("ctrl marks") << int(Qt::ControlModifier) << 3 << QList{3, 4} << 1;
    QTest::newRow("ctrl unmarks") << int(Qt::ControlModifier) << 4 << QList<int>() << 1;
    QTest::newRow("shift forwards") << int(Qt::ShiftModifier) << 3 << QList{1, 2, 3, 4} << 3;
    QTest::newRow("shift backwards") << int(Qt::ShiftModifier) << 0 << QList{0, 1, 4} << 2;
    QTest::newRow("ctrl+a") << int(Qt::ControlModifier) << -1 << QList{0, 1, 2, 3, 4} << 5;
}

void tst_ImageListWidget::modifiedClicksMarkSlabs()
{
    QFETCH(int, modifiers);
    QFETCH(int, clicked);
    QFETCH(QList<int>, marked);
    QFETCH(int, checkSignals);

    ImageListWidget list;
    const auto slabs = showTwoColumns(list);
    QVERIFY(!slabs.isEmpty());
    list.selectPosition(1, 0);
    list.setCheckedAt(4, true);
    QSignalSpy selected(&list, &ImageListWidget::selected);
    QSignalSpy checks(&list, &ImageListWidget::checked);

    const auto keys = Qt::KeyboardModifiers(modifiers);
    if (clicked < 0)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, keys);
    else
        QTest::mouseClick(thumbnail(slabs[clicked]), Qt::LeftButton, keys);
    for (int position = 0; position < 5; ++position)
        QCOMPARE(list.isCheckedAt(position), marked.contains(position));
    QCOMPARE(checks.count(), checkSignals);
    // The current slab stays; a later plain click still selects the one clicked.
    QCOMPARE(list.currentPosition(), 1);
    QCOMPARE(selected.count(), 0);
    if (clicked >= 0) {
        QTest::mouseClick(thumbnail(slabs[clicked]), Qt::LeftButton);
        QCOMPARE(list.currentPosition(), clicked);
    }
}

// Offers a made-up file per dragged position.
class FileOfferingList : public ImageListWidget
{
public:
    QStringList filesForDrag(const QList<int> &positions) const override
    {
        QStringList files;
        for (const int position : positions)
            files.append(QStringLiteral("/pages/%1.jpg").arg(position));
        return files;
    }
};

void tst_ImageListWidget::dragOffersTheFilesOfTheDraggedPages()
{
    FileOfferingList list;
    fill(list, 4);
    list.setCheckedAt(1, true);
    list.setCheckedAt(3, true);
    const auto urls = [&list](int dragged) {
        return std::unique_ptr<QMimeData>(list.dragMimeData(dragged))->urls();
    };
    const auto url = [](int n) {
        return QUrl::fromLocalFile(QStringLiteral("/pages/%1.jpg").arg(n));
    };
    // An unmarked slab goes alone; a marked one takes every marked page along.
    QCOMPARE(urls(2), QList{url(2)});
    QCOMPARE(urls(3), (QList{url(1), url(3)}));
    QCOMPARE(list.dragMimeData(4), nullptr);
}

QTEST_MAIN(tst_ImageListWidget)
#include "tst_ImageListWidget.moc"
