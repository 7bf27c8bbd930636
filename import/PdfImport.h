#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// Extracts the page images of a PDF file in a child process ("vellumo-cli extract"), so that a
// file that crashes or hangs the PDF library never takes the window down. The child writes the
// images, in page order, into a folder and names each one on its standard error as soon as it
// is complete; each is handed on at once, so pages can be added while the rest are extracted.
class PdfImport
{
    Q_DECLARE_TR_FUNCTIONS(PdfImport)

public:
    enum class Outcome {
        // At least one image came (others may have been skipped).
        Images,
        NoImages,
        // The file could not be read, the child crashed or ran out of time.
        CannotOpen,
        // The file needs a password, or the one given is wrong.
        PasswordNeeded,
        // The caller stopped the run; the images handed on so far stay.
        Cancelled,
    };

    // The program that extracts; empty when it is missing.
    explicit PdfImport(const QString &toolPath = defaultToolPath());
    static QString defaultToolPath();

    // Time allowed for the whole extraction, in milliseconds.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // With a size, the child also writes a thumbnail fitting it for each JPEG image, at
    // thumbnailPath(image), before it names the image.
    void setThumbnailSize(const QSize &size) { m_thumbnailSize = size; }
    static QString thumbnailPath(const QString &imagePath);
    // With a resolution, the child draws the pages at it instead of extracting their images
    // (for files whose pages hold none); the images handed on are then the drawn pages.
    void setRenderDpi(int dpi) { m_renderDpi = dpi; }

    // total(n): the number of images the child will try, once, before the first image.
    // image(i, path): the i-th image file (1-based), complete; returning false cancels.
    // stop(): asked several times a second; true cancels.
    struct Callbacks
    {
        std::function<void(int)> total;
        std::function<bool(int, const QString &)> image;
        std::function<bool()> stop;
    };
    Outcome run(const QString &pdf, const QString &password, const QString &folder,
                const Callbacks &callbacks);

    // Why the file could not be opened (for the log and the message's detail).
    QString reason() const { return m_reason; }
    // "image i: reason" for every image that gave no page.
    QStringList skipped() const { return m_skipped; }

private:
    QString m_tool;
    int m_timeoutMs = 10 * 60 * 1000;
    QSize m_thumbnailSize;
    int m_renderDpi = 0;
    QString m_reason;
    QStringList m_skipped;
};
