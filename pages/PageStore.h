#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

#include "core/ProgramInfo.h"

class FileOperations;

// The pages of the open document as files in the working folder, in list order. Page i (0-based)
// is stored under base name i+1 (see PageFiles); every operation that adds, removes or moves
// pages renames the files so that this stays true. A page is known by its working image path;
// its source and thumbnail paths follow from it. No widgets: the page list mirrors this order.
//
// Failures: operations return false (or a non-Moved result) and set errorString(). A failed
// write adds nothing and leaves earlier files intact; a failed rename stops the renumbering,
// moves the page's other files back, and leaves every page under a name from which the list can
// be rebuilt (at worst its ".tmp" name from the first pass of a move).
class PageStore
{
    Q_DECLARE_TR_FUNCTIONS(PageStore)

public:
    enum class MoveResult {
        Moved,       // files renamed, order changed
        Unchanged,   // a rename failed; everything was put back: the old order stands
        Inconsistent // a rename failed and could not be undone: the new order stands, some
                     // pages keep temporary names
    };

    // The parts of a split that took place, for the page list to mirror.
    struct SplitResult
    {
        bool leftReplaced = false;
        bool rightAdded = false;
        MoveResult rightMoved = MoveResult::Unchanged;
        QImage leftThumbnail;
        QImage rightThumbnail;
    };

    // operations: the file seam for renames and deletions (not owned); nullptr uses the disk.
    explicit PageStore(const QString &workingFolder, FileOperations *operations = nullptr);
    ~PageStore();

    int count() const { return static_cast<int>(m_pages.size()); }
    QString workingFolder() const { return m_folder; }
    // Empty for a position outside the list.
    QString workingPath(int position) const;
    QString thumbPath(int position) const;
    QString sourcePath(int position) const;
    QStringList workingPaths() const { return m_pages; }
    QStringList thumbPaths() const;
    // Largest thumbnail, in pixels; 220 x 220 at first.
    QSize thumbSize() const { return m_thumbSize; }
    void setThumbSize(const QSize &size) { m_thumbSize = size; }
    // Number given to the most recently added page.
    int lastPageNumber() const { return m_lastNumber; }
    QString errorString() const { return m_error; }

    // Quality (0 to 100) of the JPEG working images written from now on.
    void setJpegQuality(int quality) { m_jpegQuality = quality; }
    int jpegQuality() const { return m_jpegQuality; }

    // Appends a page: thumbnail, working image (TIFF when blackAndWhite, else JPEG at the
    // JPEG quality) and its source copy. thumbnail receives the thumbnail image.
    [[nodiscard]] bool addImage(const QImage &image, bool blackAndWhite, QImage *thumbnail);
    // Appends a page whose working image is the JPEG file's bytes as they are (no decoding and
    // encoding again), with its source copy and a thumbnail from a reduced decode, or the one
    // in madeThumbnail when it is given and has the size this store's thumbnails have. With
    // FileUse::Move, the files given are the caller's to give away: they are moved in rather
    // than copied (and are gone afterwards, also when false is returned after the move).
    enum class FileUse { Copy, Move };
    [[nodiscard]] bool addJpegFile(const QString &path, QImage *thumbnail,
                                   const QString &madeThumbnail = {}, FileUse use = FileUse::Copy);
    // Appends a page whose working image already exists (rebuilding from the working folder).
    // Writes nothing; true when its thumbnail file exists (then read into thumbnail).
    bool loadPage(const QString &fileName, QImage *thumbnail);
    // New image for the page at position (the extension follows the new flag). The new files
    // are complete before the old ones of another extension are deleted.
    [[nodiscard]] bool replaceImage(int position, const QImage &image, bool blackAndWhite,
                                    QImage *thumbnail);
    // Writes a changed picture of a page over its working image, in the format its name has
    // (TIFF 1-bit or JPEG at jpegQuality), and its thumbnail (fitting thumbSize), leaving its
    // source as it was, so that undo can go back to it. Touches no store, so a job may call it on
    // its own thread with the figures it took from the store (jpegQuality(), thumbSize()).
    [[nodiscard]] static bool writeChangedImage(const QString &workingPath, const QImage &image,
                                                int jpegQuality, const QSize &thumbSize,
                                                QImage *thumbnail, QString *error);
    // Copies the source image back over the working image and remakes the thumbnail. False,
    // changing nothing, when the page has no source file.
    bool restoreSource(int position, QImage *thumbnail);
    // Remakes the thumbnail from the page's new full-size image.
    [[nodiscard]] bool updateThumb(int position, const QImage &image, QImage *thumbnail);
    // Writes an already made thumbnail image over the page's thumbnail file.
    [[nodiscard]] bool writeThumbnail(int position, const QImage &thumbnail);
    QImage readThumbnail(int position) const;
    // Deletes the page's files and renumbers the pages after it (each moves down into a name
    // just freed). The page is gone from the list even when false is returned.
    [[nodiscard]] bool removeAt(int position);
    // Moves the page at from to position to and renumbers every page in two passes.
    MoveResult move(int from, int to);
    // Gives every page the name of its position again, in two passes like a move; used after
    // rebuilding the list from files whose numbers were not 1, 2, 3...
    MoveResult renumber();
    // Splits the page at position into the two half images read from the given files: the
    // left half replaces the page (its source becomes the whole spread) and the right half is
    // added after it in the same storage format.
    SplitResult splitPage(int position, const QString &leftPath, const QString &rightPath);
    // Forgets every page; the files stay on disk.
    void clear();

    // Keeping pages aside, for undo. A held page is its files in a folder of its own under
    // fixed names (see heldWorkingPath); the folder must exist.
    //
    // Puts a copy of the page's files (working image, source, thumbnail) into folder: hard links
    // where the file system allows them (a page file is only ever replaced, never rewritten in
    // place, so a link keeps the old bytes), byte copies elsewhere.
    [[nodiscard]] bool keepCopy(int position, const QString &folder);
    // Moves the page's files into folder and takes the page out of the list; the pages after it
    // move down one name. False, changing nothing, when its files could not be moved.
    [[nodiscard]] bool takePage(int position, const QString &folder);
    // Moves the page held in folder in at position (0 to count()); the pages from there on move
    // up one name. False, changing nothing, when a rename failed or folder holds no page.
    [[nodiscard]] bool insertPage(int position, const QString &folder);
    // Exchanges the page's files with the page held in folder. False, changing nothing, when a
    // rename failed or folder holds no page.
    [[nodiscard]] bool exchangePage(int position, const QString &folder);
    // The working image of the page held in folder; empty when it holds none.
    static QString heldWorkingPath(const QString &folder);

private:
    int nextNumber() const;
    bool writePage(const QString &workingPath, const QImage &image, bool blackAndWhite,
                   QImage *thumbnail);
    // Renames a page's existing files (working, thumbnail, source) to the ones belonging to
    // newWorkingPath; on failure the ones already renamed go back.
    bool renamePage(const QString &workingPath, const QString &newWorkingPath);
    bool renumberFrom(int position);
    // Moves a page's files (working, thumbnail, source; those that exist) from the names of
    // working to those of target, recording each rename in done so it can be reversed.
    bool movePageFiles(const QString &working, const QString &target,
                       QList<QPair<QString, QString>> &done);
    void reverse(const QList<QPair<QString, QString>> &done);
    // Renames every page's files to the names of its position in order (two passes).
    MoveResult reorder(const QStringList &order);
    void removeFile(const QString &path);
    bool exists(const QString &path) const;
    QString pathInFolder(const QString &fileName) const;

    QString m_folder;
    QStringList m_pages;
    QSize m_thumbSize{220, 220};
    int m_lastNumber = 0;
    int m_jpegQuality = ProgramInfo::JpegQuality;
    QString m_error;
    std::unique_ptr<FileOperations> m_ownOperations;
    FileOperations *m_operations;
};
