#pragma once

#include <QObject>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QStringList>

#include "export/ExportProgress.h"
#include "export/PdfExportSettings.h"
#include "export/PdfLoadCheck.h"

namespace PoDoFo {
class PdfDocument;
}

// Where and how large one page image is drawn on a PDF page. All lengths in PDF points, origin
// at the bottom left of the page.
struct PagePlacement
{
    // Image size at its own resolution, truncated to whole points (at least 1 x 1).
    QSize imagePoints;
    // Printable area (page minus margins), truncated to whole points.
    QSize printable;
    QSize drawn;
    // Bottom-left corner of the drawn image.
    QPointF position;
    // Factors that PoDoFo multiplies the pixel size by.
    double scaleX = 0.0;
    double scaleY = 0.0;
};

// Writes page image files (JPEG ending in "jpg", TIFF ending in "tiff") into one PDF, one image
// per page, as a new file or appended to an existing PDF. The images are embedded, never decoded
// or re-encoded by this class. The result is written to a temporary file beside the target and
// renamed over it only when complete, so a failure or cancel leaves any existing file as it was.
// A new file without a password goes to disk page by page, so memory does not grow with the page
// count; an appended or encrypted file is built in memory and written at the end. An existing
// file is first tried in another process (PdfLoadCheck), because some malformed files crash
// PoDoFo. Every PoDoFo failure is caught here; nothing throws out of write().
class PdfWriter : public QObject
{
    Q_OBJECT

public:
    enum class Result {
        Finished,  // applied() was emitted
        Cancelled, // nothing written, no signal
        Failed,    // failed() was emitted
        // failed() was emitted for a new file that cannot be created in its folder or cannot
        // replace the file of that name (or whose name is taken by a folder).
        TargetUnwritable,
        NoPages,  // empty file list: nothing done, no signal
        NoTarget, // no file name (new file) or no existing file (append): no signal
    };

    explicit PdfWriter(QObject *parent = nullptr);

    // Writes files in list order. In append mode the pages go after those of
    // settings.appendFolder; otherwise into the file named by targetPath(settings). The progress
    // may be null. Blocks until done; in append mode it spins a local event loop while the
    // existing file is checked.
    Result write(const PdfExportSettings &settings, const QStringList &files, bool append,
                 ExportProgress *progress);

    // Developer-facing detail of the last failure, for the log.
    QString errorString() const { return m_errorString; }

    // The vellumo-cli that checks an existing file before pages are appended to it; by default
    // the one ToolLocator finds. Without one, appending fails.
    void setCheckToolPath(const QString &path) { m_loadCheck.setToolPath(path); }

    // The new file's path: every ".pdf" (case-sensitive) removed from docName, then ".pdf"
    // appended, in docFolder; with native separators.
    static QString targetPath(const PdfExportSettings &settings);

    // Size to draw an image of imagePoints in a printable area (both in whole points) for the
    // layout mode (see PdfExportSettings::scale).
    static QSize placedSize(int scale, QSize imagePoints, QSize printable);

    // Largest size of the image's aspect ratio inside box, with the width then lowered to the
    // next multiple of 4 strictly below it (a computed 100 becomes 96).
    static QSize fitInside(QSize image, QSize box);

    // Placement of an image of pixelSize at dpiX x dpiY on a page of pageSize points.
    static PagePlacement place(const PdfExportSettings &settings, QSizeF pageSize, QSize pixelSize,
                               double dpiX, double dpiY);

    // Resolution in dots per inch from a JPEG's JFIF header or a TIFF's resolution tags, without
    // decoding pixels. A missing, zero or absurd value gives defaultDpi() for both axes.
    static QSizeF resolution(const QString &path);
    static constexpr double defaultDpi() { return 300.0; }

Q_SIGNALS:
    // The written file with native separators: the append target or the new file.
    void applied(const QString &path);
    // The file at fault: the append target, a page file, or the new file.
    void failed(const QString &path);

private:
    Result fail(const QString &path, const QString &why);
    // A target that cannot be created or replaced: TargetUnwritable for a new file; for an
    // appended one, Failed like any other write error.
    Result failOnTarget(const QString &target, const QString &why, bool append);
    Result writeStreamed(const QString &target, const PdfExportSettings &settings,
                         const QStringList &files, ExportProgress *progress);
    Result writeInMemory(const QString &target, const PdfExportSettings &settings,
                         const QStringList &files, bool append, ExportProgress *progress);
    // One page per file at the end of doc; Finished, Cancelled or Failed (failed() emitted).
    Result addPages(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                    const QStringList &files, ExportProgress *progress);

    PdfLoadCheck m_loadCheck;
    QString m_errorString;
};
