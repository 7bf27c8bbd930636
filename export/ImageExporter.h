#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/ExportProgress.h"
#include "export/ImageExportSettings.h"

class QImage;

// Writes every page file as an image of its own into one folder, named from a pattern with a
// page counter and the date; existing files are never overwritten. Serves the export dialog and
// the command line.
//
// Pages are decoded and encoded on worker threads, at most a few pages ahead of the one being
// finished, and come out in page order. Each image first goes to a hidden temporary file in the
// target folder and gets its final name only when it is complete, so a failed or cancelled run
// leaves no half-written image and no temporary file. The images keep their pixel format where
// the target format allows it (a grey page stays grey, a 1-bit page stays 1-bit) and their
// resolution.
class ImageExporter
{
    Q_DECLARE_TR_FUNCTIONS(ImageExporter)

public:
    enum class Outcome {
        AllSaved,      // every page has a file
        SomeFailed,    // failures() lists the pages that have none; the others were written
        Cancelled,     // the pages before the cancelled one were written (and may have failed)
        FolderMissing, // nothing written; errorString() says which folder
        NothingToDo,   // no page files
    };

    struct Failure
    {
        QString path; // the name the page would have had
        QString reason;
    };

    // The file name (without extension) of page counter out of pageCount: every "[D]" becomes
    // today in ISO form (2024-05-31), every "[C]" the counter left-padded with zeros to as many
    // digits as pageCount has (page 7 of 250 is "007"). Case-sensitive; other text stays.
    static QString pageName(const QString &pattern, int counter, int pageCount, const QDate &today);
    // folderWithSlash + name.format, or when that is taken name(0).format, name(1).format, ...
    // A dangling symbolic link takes its name too.
    static QString freePath(const QString &folderWithSlash, const QString &name,
                            const QString &format);

    // Exports files in list order into settings.folder. JPEG files get settings.quality, PNG
    // files the writer's default compression, the others quality 100. progress, which may be
    // null, gets setRange(0, count) once, then setValue(n) before page n (from 1) and
    // wasCanceled() right after; both on the calling thread, which blocks in between.
    [[nodiscard]] Outcome run(const QStringList &files, const ImageExportSettings &settings,
                              ExportProgress *progress);

    // The target folder of the last run, ending in "/".
    QString folder() const { return m_folder; }
    // Final paths of the last run's files, in page order.
    QStringList writtenPaths() const { return m_written; }
    const QList<Failure> &failures() const { return m_failures; }
    QStringList failedPaths() const;
    // Why the last run wrote nothing (FolderMissing), as a message for the user.
    QString errorString() const { return m_error; }

    // The date that "[D]" stands for; the current date when never set.
    void setToday(const QDate &today) { m_today = today; }

    // Saves one image to path, the format following from its suffix, at the writer's default
    // quality. The image is written to a temporary file beside path and replaces an existing
    // file only once complete: after a failure the old file is still there. On failure error
    // gets a message naming the path.
    [[nodiscard]] static bool saveImage(const QImage &image, const QString &path, QString *error);

private:
    QString m_folder;
    QStringList m_written;
    QList<Failure> m_failures;
    QString m_error;
    QDate m_today;
};
