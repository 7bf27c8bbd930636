#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// Runs the page processing tool (deskew, content cut with white margins, illumination, colour
// mode, spread splitting) on one page at a time. Every run empties the exchange folders first,
// reads the processing settings afresh and waits for the tool in a local event loop; runs must
// not overlap (the callers show a modal window for the whole run). Nothing is reported: a
// missing tool, a failed start, a time-out or a missing result leave the image as it was, give
// back a copy of the input or a short list.
class PageProcessor
{
public:
    // toolPath: the tool to run; an empty path means the tool is missing. Runs of different
    // lanes use exchange folders of their own and may overlap, each in its own thread; lane 0
    // uses the folders named below.
    explicit PageProcessor(const QString &toolPath = defaultToolPath(), int lane = 0);

    // The tool's program name, found by ToolLocator.
    static constexpr QLatin1StringView ToolName{"vellumo-pagetool"};
    static QString defaultToolPath();
    // False when the tool is missing: then every operation leaves its input as it was.
    bool hasTool() const;

    // One page changed in place; it stays as it was, and the answer is false, when the tool
    // gave no result.
    bool autoCropImage(QImage &image);
    // A scanned page, or a two-page spread (turned a quarter left first): the new images,
    // normally one or two. A copy of the input when the tool could not run.
    QList<QImage> processScannedImage(const QImage &image, bool twoPages, bool blackAndWhite);
    // A page file split into its halves: the result files, two when it worked.
    QStringList splitSpreadFile(const QString &pagePath, int dpi);

    // Time limits in milliseconds (tests shorten them).
    void setTimeouts(int autoCropMs, int otherMs);
    // A set flag ends a tool run at once (not owned; must outlive the runs); the page then
    // stays as it was.
    void setStopFlag(const std::atomic_bool *stop) { m_stop = stop; }

    static QString processingFolder();
    static QString outputFolder();
    static QString inputFile();

private:
    // This lane's exchange folders and input file.
    QString laneFolder() const;
    QString laneOutput() const;
    QString laneInput() const;
    // Creates both folders and deletes the plain files inside them.
    void prepareFolders() const;
    static int dpiOf(const QImage &image);
    bool runTool(const QStringList &arguments, int timeoutMs);

    QString m_tool;
    int m_lane = 0;
    int m_autoCropTimeout = 120000;
    int m_otherTimeout = 180000;
    const std::atomic_bool *m_stop = nullptr;
};
