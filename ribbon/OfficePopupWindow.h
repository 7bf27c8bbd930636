#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QParallelAnimationGroup;
class QToolButton;
class QVBoxLayout;

// A small titled notification that appears in the bottom right corner of its parent window
// (above the status bar), stays for the display time and then fades out and deletes itself.
// It never takes the focus. Pop-ups of the same parent that are shown at once stack upwards.
class OfficePopupWindow : public QWidget
{
    Q_OBJECT

public:
    enum Animation {
        NoAnimation = 0,
        FadeAnimation = 1,
        // Rises a little into place. It fades as well: an opaque window that pops up and then
        // moves looks jerky, so SlideAnimation and FadeSlideAnimation look the same.
        SlideAnimation = 2,
        FadeSlideAnimation = 3,
    };
    Q_ENUM(Animation)

    // parent: the window the pop-up belongs to; it is shown over that window's corner and is
    // deleted with it if it is still open.
    explicit OfficePopupWindow(QWidget *parent);

    // Takes ownership of the widget; a previous central widget is deleted.
    void setCentralWidget(QWidget *widget);
    QWidget *centralWidget() const { return m_centralWidget; }
    void setTitleText(const QString &text);
    QString titleText() const;
    void setTitleCloseButtonVisible(bool visible);

    // One of Animation; an unknown value counts as FadeAnimation.
    void setAnimation(int kind);
    // Duration of the appearing and the closing animation, in milliseconds.
    void setAnimationSpeed(int milliseconds);
    // How long the pop-up stays once it has appeared, in milliseconds; 0 or less keeps it
    // until closePopup(). The time does not run while the mouse is over the pop-up.
    void setDisplayTime(int milliseconds);
    // Window opacity once shown: 1.0 is opaque.
    void setTransparency(qreal opacity);
    // Lets the user move the pop-up by dragging its title row.
    void setDragDropEnabled(bool enabled);

    // Places the pop-up and shows it without activating it. False when it has no parent or has
    // already been shown.
    bool showPopup();
    // Starts closing now (fading out if animated); the pop-up then deletes itself.
    void closePopup();
    // True while the pop-up is still fading or sliding into place.
    bool isAppearing() const { return m_animation != nullptr; }

signals:
    void aboutToClose();
    // Emitted once the pop-up has disappeared, just before it is deleted (deleteLater).
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool fades() const;
    bool slides() const;
    QRect availableArea() const;
    QRect placement() const;
    void startDisplayTimer(int milliseconds);
    void finishClosing();

    QVBoxLayout *m_layout = nullptr;
    QWidget *m_titleRow = nullptr;
    QLabel *m_titleLabel = nullptr;
    QToolButton *m_closeButton = nullptr;
    QPointer<QWidget> m_centralWidget;
    QParallelAnimationGroup *m_animation = nullptr;
    QTimer m_displayTimer;
    QPointer<QWidget> m_host; // the window whose corner the pop-up sits in
    QRect m_target;           // the shown pop-up's resting geometry, in global coordinates
    QPoint m_offset;          // m_target's top left relative to the bottom right anchor
    QPoint m_dragGrab;        // cursor position inside the pop-up while it is dragged
    int m_animationKind = FadeAnimation;
    int m_animationSpeed = 250;
    int m_displayTime = 6000;
    int m_remainingTime = 0; // of a display time paused by the mouse
    qreal m_opacity = 1.0;
    bool m_dragEnabled = false;
    bool m_dragging = false;
    bool m_hovered = false;
    bool m_shown = false;
    bool m_closing = false;
};
