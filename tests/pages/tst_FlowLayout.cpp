#include <QSpacerItem>
#include <QTest>
#include <QWidget>

#include "pages/FlowLayout.h"

// Spacer items stand in for slabs: a fixed size hint, and they keep the geometry they are given.
class tst_FlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void placesCellsInCentredRows_data();
    void placesCellsInCentredRows();
    void takingAnItemClosesTheGap();

private:
    static QList<QSpacerItem *> fill(FlowLayout &layout, int count, QSize size)
    {
        QList<QSpacerItem *> items;
        for (int i = 0; i < count; ++i) {
            items.append(new QSpacerItem(size.width(), size.height()));
            layout.addItem(items.last());
        }
        return items;
    }
};

void tst_FlowLayout::placesCellsInCentredRows_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<QList<QPoint>>("positions");

    const QSize page(220, 300);
    // 500 / (220 + 2 * 6) = 2 columns; offset (500 - 2 * 220) / 2 = 30, gaps not counted.
    QTest::newRow("two per row") << QRect(0, 0, 500, 2000) << 6 << page
                                 << QList<QPoint>{{30, 0}, {256, 0}, {30, 306}, {256, 306}};
    // Narrower than a cell: one column, offset (200 - 220) / 2 = -10.
    QTest::newRow("narrower than a cell")
        << QRect(0, 0, 200, 2000) << 6 << page << QList<QPoint>{{-10, 0}, {-10, 306}};
    // Two cells and a gap (446) fit in 450, but a column is counted with two gaps.
    QTest::newRow("column counts two gaps")
        << QRect(0, 0, 450, 2000) << 6 << page << QList<QPoint>{{115, 0}, {115, 306}};
    // 1000 / 120 = 8 columns, capped at the 3 items: (1000 - 300) / 2 = 350.
    QTest::newRow("few items centred as a group") << QRect(0, 0, 1000, 500) << 10 << QSize(100, 150)
                                                  << QList<QPoint>{{350, 0}, {460, 0}, {570, 0}};
    QTest::newRow("odd remainder truncates")
        << QRect(0, 0, 501, 2000) << 6 << page << QList<QPoint>{{30, 0}, {256, 0}};
    QTest::newRow("area off the origin")
        << QRect(10, 20, 500, 2000) << 6 << page << QList<QPoint>{{40, 20}, {266, 20}, {40, 326}};
    // A cell ending exactly on the edge counts as overflowing; only zero spacing gets there.
    QTest::newRow("zero spacing, exact fit wraps") << QRect(0, 0, 300, 900) << 0 << QSize(100, 120)
                                                   << QList<QPoint>{{0, 0}, {100, 0}, {0, 120}};
}

void tst_FlowLayout::placesCellsInCentredRows()
{
    QFETCH(QRect, area);
    QFETCH(int, spacing);
    QFETCH(QSize, cell);
    QFETCH(QList<QPoint>, positions);

    FlowLayout layout(spacing);
    layout.setContentsMargins(0, 0, 0, 0);
    QCOMPARE(layout.heightForWidth(area.width()), 0);
    const auto items = fill(layout, int(positions.size()), cell);
    layout.setGeometry(area);

    QList<QPoint> placed;
    int bottom = area.y();
    for (const QSpacerItem *item : items) {
        QCOMPARE(item->geometry().size(), cell);
        placed.append(item->geometry().topLeft());
        bottom = qMax(bottom, item->geometry().bottom() + 1);
    }
    QCOMPARE(placed, positions);
    // Measuring agrees with placing.
    QCOMPARE(layout.heightForWidth(area.width()), bottom - area.y());
}

void tst_FlowLayout::takingAnItemClosesTheGap()
{
    QWidget parent;
    auto *layout = new FlowLayout(&parent, 6);
    QList<QWidget *> widgets;
    for (int i = 0; i < 4; ++i) {
        widgets.append(new QWidget);
        layout->addWidget(widgets.last());
    }
    delete layout->takeAt(1);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->itemAt(1)->widget(), widgets[2]);
    QCOMPARE(layout->itemAt(3), nullptr);

    // QLayout's own removal walks itemAt() until nullptr; a gap would hide the items after it.
    layout->removeWidget(widgets[3]);
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->indexOf(widgets[2]), 1);
}

QTEST_MAIN(tst_FlowLayout)
#include "tst_FlowLayout.moc"
