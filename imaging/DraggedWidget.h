#pragma once

#include <QStringList>
#include <QWidget>

// The drop zone shown while the document is empty: it invites the user to scan or to drop
// files, and hands the existing local files of a drop to droppedFiles().
class DraggedWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DraggedWidget(QWidget *parent = nullptr);

    // The existing local paths (files or folders) among a drop's URLs, in order.
    static QStringList localFiles(const QList<QUrl> &urls);

signals:
    // Emitted on every drop, also when no file qualified.
    void droppedFiles(const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
