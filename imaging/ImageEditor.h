#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsView;
class QMenu;

// The large view of the current page. Shows the page's working image fitted to the view;
// accepts dropped files like the drop zone.
class ImageEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ImageEditor(QWidget *parent = nullptr);

    // Reads and shows the image file; false (showing nothing) when it cannot be read.
    bool loadImage(const QString &path);
    // Shows no image.
    void clear();
    // The image shown; null when none.
    const QImage &image() const { return m_image; }
    QString path() const { return m_path; }
    bool hasImage() const { return !m_image.isNull(); }
    // The editor's menu, shown on a right click over the page (not owned).
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    // The view's scale: 1.0 shows one image pixel per screen pixel.
    qreal scale() const;
    // Shows the page at the given scale (0.05 to 2.0) without announcing it through zoomed().
    void setScale(qreal factor);

signals:
    void droppedFiles(const QStringList &files);
    void zoomed(qreal factor);
    void contrastChanged(int brightness, int contrast);

public slots:
    // Fits the whole page into the view.
    void fitToWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGraphicsView *m_view;
    QGraphicsScene *m_scene;
    QGraphicsPixmapItem *m_item = nullptr;
    QMenu *m_contextMenu = nullptr;
    QImage m_image;
    QString m_path;
};
