#pragma once

#include <QObject>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QStringList>

#include "core/ExportProgress.h"
#include "export/PdfExportSettings.h"
#include "ocr/OcrRunner.h"

class QTemporaryFile;

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

// Writes page image files into one PDF, one image per page, as a new file or appended to an
// existing PDF. The window's page files are JPEG ending in "jpg" and TIFF ending in "tiff"; with
// setAnyImageFile() any image file Qt reads is taken, recognised by its content. JPEG bytes and
// Group 4 fax data go in unchanged; other 1-bit pictures are encoded with Group 4, the rest
// losslessly. The result is written to a temporary file beside the target and
// renamed over it only when complete, so a failure or cancel leaves any existing file as it was.
// The pages always go to disk one by one, so memory does not grow with the page count. With a
// password or in append mode, qpdf then writes the finished document from that file (see
// QpdfFinisher): AES-256 revision 6, the existing file read from disk as needed. PoDoFo never
// reads an existing file, so a malformed one cannot crash the process. Every failure is
// caught here; nothing throws out of write().
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
        // Text recognition was asked for but cannot run (missing tool or language data):
        // nothing written, no signal, userMessage() says what to install.
        OcrUnavailable,
    };

    explicit PdfWriter(QObject *parent = nullptr);

    // Writes files in list order. In append mode the pages go after those of
    // settings.appendFolder (opened with settings.pdfPassword when it is encrypted); otherwise
    // into the file named by targetPath(settings). The progress may be null. Blocks until done.
    Result write(const PdfExportSettings &settings, const QStringList &files, bool append,
                 ExportProgress *progress);

    // Takes any image file, recognised by content (the command line); by default only the
    // window's page files, recognised by name.
    void setAnyImageFile(bool any) { m_anyImageFile = any; }

    // Developer-facing detail of the last failure, for the log.
    QString errorString() const { return m_errorString; }
    // After OcrUnavailable: what the user is told.
    QString userMessage() const { return m_userMessage; }
    // Pages of the last write whose text could not be recognised: they are in the file as
    // pictures only.
    int pagesWithoutText() const { return m_pagesWithoutText; }
    // The interface language, for language names in messages ("en" unless set).
    void setUiLanguage(const QString &language) { m_uiLanguage = language; }

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
    // The pages as a PDF in temporary (open, empty); Finished, Cancelled or Failed.
    Result writePages(QTemporaryFile &temporary, const QString &target,
                      const PdfExportSettings &settings, const QStringList &files,
                      ExportProgress *progress);
    // A new file without a password: the pages' file becomes the target.
    Result writeStreamed(const QString &target, const PdfExportSettings &settings,
                         const QStringList &files, ExportProgress *progress);
    // With a password or in append mode: the pages' file goes through qpdf.
    Result writeFinished(const QString &target, const PdfExportSettings &settings,
                         const QStringList &files, bool append, ExportProgress *progress);
    // Title (the target's base name unless given), author, producer, creator and dates.
    static void describe(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                         const QString &target);
    // One page per file at the end of doc; Finished, Cancelled or Failed (failed() emitted).
    Result addPages(PoDoFo::PdfDocument &doc, const PdfExportSettings &settings,
                    const QStringList &files, ExportProgress *progress);

    // OcrUnavailable for a page whose recognition could not run at all.
    Result failOcr(const QString &file, const OcrRunner::Result &result);
    // Whether recognition in languages can run; otherwise the reason for the user.
    bool ocrAvailable(const QString &languages, QString *message) const;

    QString m_errorString;
    QString m_userMessage;
    QString m_uiLanguage = QStringLiteral("en");
    int m_pagesWithoutText = 0;
    bool m_anyImageFile = false;
};
