#pragma once

#include <QLayout>
#include <QMap>

// Lays equal-width cells out left to right in rows, wrapping when a row is full, with the block
// of columns centred in the available width. Items are kept by position (0..count-1, no gaps);
// the reordering operations keep every item and only change positions. Distances are pixels.
class FlowLayout : public QLayout
{
    Q_OBJECT

public:
    // spacing -1 takes the style's horizontal layout spacing.
    explicit FlowLayout(QWidget *parent, int spacing = -1);
    explicit FlowLayout(int spacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    // Items above index move one position down, so positions stay gapless.
    QLayoutItem *takeAt(int index) override;

    // The same spacing separates cells across and rows down.
    int spacing() const override;
    void setSpacing(int spacing) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

    // Each returns false and changes nothing when a position is out of range.
    bool swapWithPrevious(int position);
    bool swapWithNext(int position);
    bool moveToFront(int position);
    bool moveToEnd(int position);
    // Moves the item at from to to; the items in between shift one place towards from.
    bool moveItem(int from, int to);

private:
    // Places the items in rect (unless measureOnly) and returns the height they need.
    int doLayout(const QRect &rect, bool measureOnly) const;

    QMap<int, QLayoutItem *> m_items;
    int m_spacing = -1;
};
