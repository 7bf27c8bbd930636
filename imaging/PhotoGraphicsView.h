#pragma once

#include <QGraphicsView>
#include <QStringList>

// The view of the editor's scene. The mouse wheel zooms the editor instead of scrolling: wheel
// events are left to the parent widgets.
class PhotoGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit PhotoGraphicsView(QWidget *parent = nullptr);

signals:
    // Emitted by the scene on every drop: the existing local paths among the drop's URLs, in
    // order, also when none qualified.
    void droppedFiles(const QStringList &files);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
