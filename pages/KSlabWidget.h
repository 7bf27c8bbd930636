#pragma once

#include <QFrame>
#include <QImage>
#include <QPointer>

#include <memory>

class KGraphicsView;
class QCheckBox;
class QGraphicsScene;
class QLabel;
class QMenu;

// One page in the page list: the caption "Page <number>" above a thumbnail view, with an
// optional check box sitting on the thumbnail's top-left corner. Sizes are in pixels.
// Keyboard focus goes to the thumbnail view, which stands in for the whole slab. A click with
// Ctrl or Shift held marks pages rather than choosing one: it never makes the slab the focused
// one, and whoever listens to clicked() decides what it marks.
class KSlabWidget : public QFrame
{
    Q_OBJECT

public:
    // width × height is the whole slab, caption included; number is the text after "Page".
    KSlabWidget(int width, int height, const QString &number, QWidget *parent = nullptr,
                bool checkable = true);
    ~KSlabWidget() override;

    // Shows a copy of image, replacing the previous thumbnail. The slab stops repainting until
    // adjustScale() has fitted the new thumbnail on the next event loop turn.
    void setImage(const QImage &image);
    // Null until an image is set.
    QImage image() const { return m_image; }
    bool hasImage() const { return m_hasImage; }
    // Drops the thumbnail and its scene; the view is left empty at scale 1.0.
    void clearImage();

    // The caption shows the number elided in the middle to fit the slab; tool tips keep it whole.
    void setNumber(const QString &number);
    QString number() const { return m_number; }
    QString labelText() const;

    // Shown at the mouse position on a context-menu request. Not owned; nullptr shows nothing.
    void setContextMenu(QMenu *menu);

    // Ignored unless both sides lie in 100..1001 and the slab is resizable.
    void resizeSlab(int width, int height);
    bool isResizable() const { return m_resizable; }
    void setResizable(bool resizable) { m_resizable = resizable; }

    // False, and the check operations do nothing, on a slab built without a check box.
    bool isCheckable() const { return m_checkBox != nullptr; }
    bool isChecked() const;
    // Sets the box like a click would: checked(bool) follows only when the state changes.
    void setChecked(bool checked);
    // Set the box and emit checked(bool) exactly once, even when the state does not change.
    void markChecked();
    void markUnchecked();

    void setFocusedStyle();
    void setNormalStyle();
    bool isFocusedStyle() const { return m_focusedStyle; }

    // Zoom factor of the view that fits the thumbnail; 1.0 while no image is shown.
    qreal viewScale() const { return m_scale; }

signals:
    void focused();
    void mouseDoubleClicked();
    void checked(bool checked);
    // The left button went down and up on the slab without dragging; modifiers as at the press.
    void clicked(Qt::KeyboardModifiers modifiers);
    // The left button, held since a press on the slab, has moved the drag distance. Once per
    // press; the receiver runs the drag, and the slab may be deleted before it returns.
    void dragStarted();

public slots:
    // Applies the focused style and emits focused().
    void focusIn();
    void sendMouseDClicked();
    // state is a Qt::CheckState; the partial state emits nothing.
    void wasChecked(int state);
    // Fits the whole thumbnail in the view, centred, and resumes repainting.
    void adjustScale();

protected:
    // Watches the thumbnail view's focus and its viewport's mouse events.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString caption() const;
    QString elidedCaption() const;
    void showCaption(const QString &text);
    void markAs(bool checked);
    // The view took keyboard focus; announces the slab unless a marking click gave it focus.
    void viewFocused();
    // Presses, clicks and drag starts on the thumbnail and on the caption; true when used.
    bool handleMouse(QMouseEvent *event);

    QString m_number;
    QLabel *m_label = nullptr;
    KGraphicsView *m_view = nullptr;
    QCheckBox *m_checkBox = nullptr;
    std::unique_ptr<QGraphicsScene> m_scene;
    QImage m_image;
    bool m_hasImage = false;
    qreal m_scale = 1.0;
    QPointer<QMenu> m_contextMenu;
    bool m_resizable = true;
    bool m_focusedStyle = false;
    // False until the first style is applied, so a repeated normal style costs nothing.
    bool m_styled = false;
    // A left press waiting to become a click or a drag: where it went down (global pixels) and
    // with which modifiers.
    bool m_pressPending = false;
    QPointF m_pressPosition;
    Qt::KeyboardModifiers m_pressModifiers;
    // The view's focus came from a Ctrl or Shift click and must not select the page.
    bool m_markingFocus = false;
};
