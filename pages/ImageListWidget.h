#pragma once

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QScrollArea>

class FlowLayout;
class KSlabWidget;
class QLayoutItem;

// The scrolling strip of page slabs. Positions are 0-based and always gapless (0..count-1);
// the slabs flow in rows in position order. The list renumbers nothing: whoever moves or removes
// pages relabels the slabs with KSlabWidget::setNumber().
class ImageListWidget : public QScrollArea
{
    Q_OBJECT

public:
    explicit ImageListWidget(QWidget *parent = nullptr);
    ~ImageListWidget() override;

    // Puts slab last and takes ownership (it becomes a child of the list's content).
    void appendSlab(KSlabWidget *slab);
    // Takes slab out of the list at once; with deleteSlab it is deleted before this returns
    // (safe from an action of the slab's own context menu), otherwise it is left to the caller,
    // still a visible child of the content widget. Spins the event loop once.
    void removeSlab(KSlabWidget *slab, bool deleteSlab);
    // Deletes every slab.
    void removeAllSlabs();

    // -1 with no focused slab or an empty list; 0 when the focused slab is no longer listed.
    int currentPosition() const;
    // nullptr out of range.
    KSlabWidget *slabAt(int position) const;
    int count() const;
    // -1 when slab is not listed.
    int positionOf(KSlabWidget *slab) const;

    // Focuses the slab at position and scrolls to the point scrollFactor cell heights below its
    // top-left corner: -1 shows the row above, 1 the row below, -count() the top of the list,
    // count() + 1 its bottom. Out of range does nothing.
    void selectPosition(int position, int scrollFactor);
    // Gives slab the focused style and keyboard focus and scrolls its bottom-left corner into
    // view. Spins the event loop once.
    void focusSlab(KSlabWidget *slab);

    void setCheckedAt(int position, bool checked);
    // Each slab emits checked(bool), so checked(int, bool) follows once per slab.
    void checkAll();
    void uncheckAll();
    int checkedCount() const;
    // False out of range.
    bool isCheckedAt(int position) const;

    // Reordering; a position out of range changes nothing.
    void swapWithPrevious(int position);
    void swapWithNext(int position);
    void moveToFront(int position);
    void moveToEnd(int position);
    // The slabs between from and to shift one place towards from.
    void moveSlab(int from, int to);

    FlowLayout *flowLayout() const { return m_flow; }
    // The slab's cell in content coordinates; empty out of range.
    QRect cellRect(int position) const;

signals:
    void mouseDoubleClicked(int position);
    void selected(int position);
    void checked(int position, bool checked);
    void countChanged(int count);
    // Declared for listeners of the selection count; the list itself never emits it.
    void countSelectedChanged(int count);

public slots:
    // A slab gained focus (sender).
    void setFocusSlab();
    void sendDMouseClicked();
    void slabChecked(bool checked);

protected:
    // 2 makes a slab that gains focus the current one and announces it with selected(int);
    // 0 and 1 leave the current slab alone.
    int m_selectionMode;

private:
    // Position of the slab that sent the signal being handled; 0 when it is not listed.
    int senderPosition() const;
    // Gives keyboard focus to slab without it announcing itself a second time.
    void giveKeyboardFocus(KSlabWidget *slab);
    // Re-reads the position map from the layout, which holds the authoritative order.
    void syncPositions();
    void resetTabOrder();
    void afterReorder(bool changed);

    QWidget *m_content = nullptr;
    FlowLayout *m_flow = nullptr;
    QMap<int, KSlabWidget *> m_positions;
    QHash<KSlabWidget *, QLayoutItem *> m_layoutItems;
    QPointer<KSlabWidget> m_focused;
};
