#pragma once

#include <QImage>
#include <QSize>

#include <memory>

#include "pages/ImageListWidget.h"
#include "pages/PageStore.h"

class FileOperations;
class QMenu;

// The page store as the user sees it: one slab per page, in the order of the pages' files in
// the working folder. The file work is done by a PageStore; this class keeps the slabs in step
// with it (numbers, thumbnails, order, current page). Failures of the file side are reported
// through failed(QString) and never leave the slabs out of step with the files.
class PageListWidget : public ImageListWidget
{
    Q_OBJECT

public:
    // operations: file seam for the store's renames and deletions (not owned; nullptr = disk).
    explicit PageListWidget(QWidget *parent = nullptr, FileOperations *operations = nullptr);
    ~PageListWidget() override;

    // Appends a page from an image and makes it current.
    bool addImage(const QImage &image, bool blackAndWhite);
    // A page whose working image is the JPEG file's bytes as they are; madeThumbnail as for
    // PageStore::addJpegFile.
    bool addJpegFile(const QString &path, const QString &madeThumbnail = {},
                     PageStore::FileUse use = PageStore::FileUse::Copy);
    // Appends a page from an existing working image file name (no folder); true when its
    // thumbnail file was found.
    bool loadPage(const QString &fileName);
    // position outside the list means the current page.
    bool replaceImage(const QImage &image, bool blackAndWhite, int position = -1);
    bool restoreSource();
    // Makes the page's thumbnail from its new image; position outside the list means the
    // current page.
    void updateThumb(const QImage &image, int position = -1);
    // Shows a thumbnail already written to the page's thumbnail file.
    void showThumbnail(int position, const QImage &thumbnail);
    void reloadThumb(int position);
    // Makes the page's thumbnail file again from its working image (a page rebuilt from files
    // without one).
    void rebuildThumb(int position);
    void removeAt(int position);
    void removeCurrent();
    void movePageUp();
    void movePageDown();
    void movePageToTop();
    void movePageToBottom();
    void movePageTo(int position);
    bool splitPage(int position, const QString &leftPath, const QString &rightPath,
                   const QString &workingPath);
    void clearPages();
    // Gives every page the file names of its position (after a rebuild from files whose
    // numbers were not 1, 2, 3...). False, reported through failed(), when a rename failed.
    bool renumberPages();

    // Held pages for undo: the store's operations of the same names, mirrored on the slabs
    // (see PageStore). Failures are reported through failed().
    bool keepCopy(int position, const QString &folder);
    bool takePage(int position, const QString &folder);
    bool insertPage(int position, const QString &folder);
    bool exchangePage(int position, const QString &folder);
    // Moves the page at from to position to, renumbering like the move commands, and makes it
    // the current page.
    bool movePage(int from, int to);

    QString workingPath(int position) const;
    QString currentWorkingPath() const;
    QStringList workingPaths() const;
    // What an export takes: the working images of the checked pages in page order, or of every
    // page when none is checked.
    QStringList exportPaths() const;
    QStringList thumbPaths() const;
    QString workingFolder() const;
    QSize thumbSize() const;
    // Quality (0 to 100) of the JPEG working images written from now on.
    void setJpegQuality(int quality) { m_store->setJpegQuality(quality); }
    void setThumbSize(const QSize &size);
    bool isChecked(int position) const;
    int lastPageNumber() const;
    // The page menu, given to every new slab (not owned).
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    const PageStore &store() const { return *m_store; }
    // The working images of the pages, for a drag out of the window.
    QStringList filesForDrag(const QList<int> &positions) const override;

signals:
    void pageSelected(const QString &workingPath);
    // A file operation failed; the text names the file.
    void failed(const QString &message);

public slots:
    void setContrast(int brightness, int contrast);
    void pageSelected(int position);

private:
    // The slab of a page the store has just added (focused), or the store's failure reported.
    bool addedToStore(bool added, const QImage &thumbnail);
    KSlabWidget *newSlab(int number, const QImage &thumbnail);
    void relabel(int from, int to);
    // Mirrors a store move on the slabs; false when the store refused it.
    bool mirrorMove(int from, int to, PageStore::MoveResult result);
    void reportFailure();

    std::unique_ptr<PageStore> m_store;
    QMenu *m_contextMenu = nullptr;
};
