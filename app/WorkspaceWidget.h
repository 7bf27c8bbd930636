#pragma once

#include <QWidget>

// The main window's central widget: a white background with the style's workspace look, which
// takes the keyboard focus on a mouse press (so the list shortcuts keep working).
class WorkspaceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit WorkspaceWidget(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
