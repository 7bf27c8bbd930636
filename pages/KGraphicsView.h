#pragma once

#include <QGraphicsView>

// The thumbnail view inside a page slab. It reports focus and left double clicks to the slab,
// which turns them into page selection and "open this page".
class KGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit KGraphicsView(QWidget *parent = nullptr);

signals:
    void focused();
    void mouseDoubleClicked();

protected:
    void focusInEvent(QFocusEvent *event) override;
    // A left double click is consumed here, so it never reaches the slab a second time.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
