#pragma once

#include <QGraphicsView>
#include <QStringList>

// The view of the editor's scene. The mouse wheel zooms the editor instead of scrolling: wheel
// events are left to the parent widgets. The page lies on a neutral grey with a thin soft
// shadow, so that a white page's edges show.
class PhotoGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    static constexpr int ShadowRings = 4;

    explicit PhotoGraphicsView(QWidget *parent = nullptr);

    // The item drawn as the page (its shadow follows it); nullptr for none. Not owned: whoever
    // deletes the item sets it to nullptr first.
    void setPageItem(const QGraphicsItem *item);
    static QColor backgroundColour();

signals:
    // Emitted by the scene on every drop: the existing local paths among the drop's URLs, in
    // order, also when none qualified.
    void droppedFiles(const QStringList &files);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    const QGraphicsItem *m_pageItem = nullptr;
};
