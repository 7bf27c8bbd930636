#pragma once

#include <string>
#include <vector>

#include "LeptHandles.h"
#include "PageToolOptions.h"

// Where the sheet and its printed content lie on a page, in pixels of the page once it is
// straightened (SkewDetection::rotate(page, -skew)).
struct PageLayout
{
    // Degrees, positive is clockwise; 0 when deskewing is off or the skew is too small to turn.
    double skew = 0.0;
    // The sheet; the whole page when no paper edge shows.
    PixelRect paper;
    // The printed content on the sheet; empty when nothing is printed.
    PixelRect content;
};

// A spread straightened as a whole and cut at its gutter.
struct SpreadSplit
{
    // The left and the right page; empty on failure.
    std::vector<PixPtr> pages;
    // The spread's skew, degrees, positive is clockwise; 0 without deskewing.
    double skew = 0.0;
    // Pixels from the left edge of the straightened spread.
    int gutter = 0;
    // Each page's sheet in its own pixels: the book found on the whole spread, divided at the
    // gutter. On a page alone, the corners that straightening the spread brought in would pass
    // for paper.
    std::vector<PixelRect> papers;
};

// One run of the page tool: reads the input image, processes it as its options ask and writes
// one page "<base>.tif", or for a spread the pages "<base>_1L.tif" and "<base>_2R.tif", into the
// output folder ("<base>" is the input's file name up to its first dot). 1-bit results are TIFF
// G4, grey and colour results TIFF with lossless LZW compression (deflate takes ten times as long
// for hardly smaller files of scanned paper); both carry the output
// resolution. Every result is written under a temporary name and renamed into place, so a
// killed run never leaves a partial file under a final name.
class PageTool
{
public:
    explicit PageTool(PageToolOptions options);

    // False on failure, with the reason in errorString() and no result file written.
    [[nodiscard]] bool run();
    // One line, without a trailing newline.
    const std::string &errorString() const { return m_error; }
    // The final paths written by the last successful run.
    const std::vector<std::string> &writtenFiles() const { return m_written; }

    // Reads an image and makes it 8 bpp grey or 32 bpp colour (1-bit pages become grey,
    // transparency is laid over white). Refuses files that are missing, empty, not images, or
    // larger than maxSide pixels a side or maxPixels in all, before decoding them.
    static PixPtr loadImage(const std::string &path, std::string *error);
    // The result file names for an input path.
    static std::vector<std::string> outputNames(const std::string &inputPath, bool twoPages);

    // One page through the steps that follow the split: deskew, illumination, cut to content
    // with margins, resampling and colour mode. `page` is 8 or 32 bpp at `dpi`; the result is at
    // the options' output resolution and carries it. `paper` is the sheet on the page when the
    // caller knows it (a page of a split spread); when empty, it is looked for on the page.
    static PixPtr processPage(PIX *page, const PageToolOptions &options, int dpi,
                              const PixelRect &paper = {});
    // What processPage finds on a page (8 or 32 bpp, at `dpi`) before it cuts: the skew, then
    // the sheet and the content on it in the straightened page.
    static PageLayout analysePage(PIX *page, int dpi, bool deskew, const PixelRect &paper = {});
    // A spread (8 or 32 bpp, at `dpi`) straightened as a whole and cut at its gutter into its
    // left and right page, not yet processed further.
    static SpreadSplit splitSpread(PIX *spread, bool deskew, int dpi);

    static constexpr int maxSide = 30000;
    static constexpr long long maxPixels = 300'000'000;

private:
    [[nodiscard]] bool writeResults(const std::vector<PixPtr> &pages);

    PageToolOptions m_options;
    std::string m_error;
    std::vector<std::string> m_written;
};
