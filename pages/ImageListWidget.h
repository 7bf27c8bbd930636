#pragma once

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QScrollArea>

class FlowLayout;
class KSlabWidget;
class QLayoutItem;
class QMimeData;
class QTimer;

// The scrolling strip of page slabs. Positions are 0-based and always gapless (0..count-1);
// the slabs flow in rows in position order. The list renumbers nothing: whoever moves or removes
// pages relabels the slabs with KSlabWidget::setNumber().
//
// Mouse: a click makes a slab current, Ctrl+click toggles its mark, Shift+click marks every slab
// from the current one to it; Ctrl+A marks all. A slab dragged within the list is announced with
// slabDropped() and moved by the receiver. A drag also offers filesForDrag() to other programs.
// When the dragged slab is marked, the drag carries every marked page out to other programs, but
// a drop within the list moves only the slab that was dragged.
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

    // Where a page dropped at contentPos (content coordinates) is put: before the slab at the
    // returned position, count() after the last one. The row is the lowest whose top is not
    // below the point (the first for points above it); a slab's centre line splits before it
    // from after it. 0 on an empty list.
    int dropPosition(const QPoint &contentPos) const;
    // What a drag of the slab at position carries: the positions dragged (every marked one when
    // it is marked, else it alone) in a format only this list accepts, and the URLs of
    // filesForDrag() for them. The caller owns it; nullptr out of range.
    QMimeData *dragMimeData(int position) const;
    // Local files a drag of positions (in position order) hands to other programs, which may
    // copy them; the list never deletes anything whatever they do. None here.
    virtual QStringList filesForDrag(const QList<int> &positions) const;

signals:
    void mouseDoubleClicked(int position);
    void selected(int position);
    void checked(int position, bool checked);
    void countChanged(int count);
    // Declared for listeners of the selection count; the list itself never emits it.
    void countSelectedChanged(int count);
    // The slab at from was dropped where it should end up at to, in QList::move() terms; never
    // from == to. The list moves nothing: the receiver moves the page and calls moveSlab().
    void slabDropped(int from, int to);

public slots:
    // A slab gained focus (sender).
    void setFocusSlab();
    void sendDMouseClicked();
    void slabChecked(bool checked);

protected:
    // 2 makes a slab that gains focus the current one and announces it with selected(int);
    // 0 and 1 leave the current slab alone.
    int m_selectionMode;

    void keyPressEvent(QKeyEvent *event) override;
    // Drag events arrive from the viewport; their positions are in viewport coordinates.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct DropSpot
    {
        int position = 0;
        // The drop line in content coordinates; empty on an empty list.
        QRect line;
    };
    DropSpot dropSpot(const QPoint &contentPos) const;
    // The dragged slab's position when data comes from a drag of this list, else -1.
    int draggedPosition(const QMimeData *mimeData) const;
    QList<int> dragPositions(int position) const;
    // Runs the drag of the sending slab; spins a local event loop until it ends.
    void dragSlab();
    // A click on the sending slab with Ctrl or Shift marks slabs.
    void markByClick(Qt::KeyboardModifiers modifiers);
    // Places the drop line for the drag's position and scrolls at the viewport's edges.
    void followDrag();
    void autoScroll();
    void endDrag();

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
    // A child of the content, above the slabs, showing where a drop would put the page.
    QWidget *m_dropLine = nullptr;
    QTimer *m_autoScroll = nullptr;
    // -1 up, 1 down, 0 still.
    int m_scrollDirection = 0;
    // The drag's last position, viewport coordinates.
    QPoint m_dragPosition;
};
