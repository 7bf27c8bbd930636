#include "PageTool.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "ContentBox.h"
#include "GutterFinder.h"
#include "PageBinarization.h"
#include "PaperFinder.h"
#include "SkewDetection.h"

namespace fs = std::filesystem;

namespace {

// Input pages without a resolution of their own are taken as scans at this many dpi.
constexpr int fallbackDpi = 300;
// Skews smaller than this (degrees) are left alone: turning costs sharpness for nothing.
constexpr double smallestSkew = 0.01;

int marginPixels(int steps, int dpi)
{
    // Each step is 2 mm.
    return int(std::lround(steps * 2.0 * dpi / 25.4));
}

// The page straightened, with what was found on it in *layout. The sheet and the content are
// looked for only when `findContent` asks for them; a non-empty `paper` is the sheet already
// known.
PixPtr straightened(PIX *page, int dpi, bool deskew, bool findContent, const PixelRect &paper,
                    PageLayout *layout)
{
    *layout = {};
    if (deskew) {
        const double skew = SkewDetection::findSkew(page, dpi);
        if (std::fabs(skew) >= smallestSkew)
            layout->skew = skew;
    }
    // The sheet is looked for on the scan as it is: there the bed runs along the image's edges,
    // and no corners brought in by the turn pass for paper or bed.
    if (findContent)
        layout->paper = paper.isEmpty() ? PaperFinder::find(page, dpi, layout->skew) : paper;
    PixPtr upright = layout->skew != 0.0 ? SkewDetection::rotate(page, -layout->skew)
                                         : PixPtr(pixCopy(nullptr, page));
    if (upright && findContent) {
        PixPtr unscanned;
        if (layout->skew != 0.0)
            unscanned =
                SkewDetection::broughtIn(pixGetWidth(page), pixGetHeight(page), -layout->skew);
        layout->content = ContentBox::find(upright.get(), dpi, layout->paper, unscanned.get());
    }
    return upright;
}

l_uint32 whiteFor(PIX *page)
{
    return pixGetDepth(page) == 32 ? 0xffffff00u : 255u;
}

} // namespace

PageTool::PageTool(PageToolOptions options)
    : m_options(std::move(options))
{
}

std::vector<std::string> PageTool::outputNames(const std::string &inputPath, bool twoPages)
{
    const std::string fileName = fs::path(inputPath).filename().string();
    const std::string base = fileName.substr(0, fileName.find('.'));
    if (twoPages)
        return {base + "_1L.tif", base + "_2R.tif"};
    return {base + ".tif"};
}

PixPtr PageTool::loadImage(const std::string &path, std::string *error)
{
    const auto fail = [error](const std::string &message) {
        if (error)
            *error = message;
        return nullptr;
    };
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return fail("cannot read " + path + ": no such file");
    if (fs::file_size(path, ec) == 0 || ec)
        return fail("cannot read " + path + ": empty file");

    l_int32 format = 0, w = 0, h = 0, bps = 0, spp = 0, colormapped = 0;
    if (pixReadHeader(path.c_str(), &format, &w, &h, &bps, &spp, &colormapped) != 0)
        return fail("cannot read " + path + ": not an image");
    const auto tooLarge = [](long long width, long long height) {
        return width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
               width * height > maxPixels;
    };
    if (tooLarge(w, h))
        return fail("cannot read " + path + ": image of " + std::to_string(w) + "x" +
                    std::to_string(h) + " pixels is out of range");

    PixPtr pix(pixRead(path.c_str()));
    if (!pix)
        return fail("cannot read " + path + ": broken image");
    if (tooLarge(pixGetWidth(pix.get()), pixGetHeight(pix.get())))
        return fail("cannot read " + path + ": image size out of range");

    PixPtr plain(pixRemoveColormap(pix.get(), REMOVE_CMAP_BASED_ON_SRC));
    if (plain && pixGetDepth(plain.get()) == 32 && pixGetSpp(plain.get()) == 4)
        plain.reset(pixAlphaBlendUniform(plain.get(), 0xffffff00u));
    if (plain && pixGetDepth(plain.get()) != 32)
        plain = PageBinarization::toGrey(plain.get());
    if (!plain)
        return fail("cannot read " + path + ": unsupported pixel format");
    pixSetSpp(plain.get(), pixGetDepth(plain.get()) == 32 ? 3 : 1);
    pixCopyResolution(plain.get(), pix.get());
    return plain;
}

SpreadSplit PageTool::splitSpread(PIX *spread, bool deskew, int dpi)
{
    SpreadSplit split;
    if (!spread)
        return split;
    // Both pages of a spread lie on the glass together, so they share most of their skew; the
    // gutter is looked for once the whole spread stands upright.
    PageLayout layout;
    PixPtr upright = straightened(spread, dpi, deskew, false, {}, &layout);
    if (!upright)
        return split;
    split.skew = layout.skew;
    const int w = pixGetWidth(upright.get());
    const int h = pixGetHeight(upright.get());
    // The book is found on the scan before the turn; the gutter is looked for within it, and
    // each page's part of it is the page's sheet.
    const PixelRect book = PaperFinder::find(spread, dpi, split.skew);
    split.gutter =
        std::clamp(GutterFinder::find(upright.get(), dpi, book).x, 1, std::max(1, w - 1));
    BoxPtr left(boxCreate(0, 0, split.gutter, h));
    BoxPtr right(boxCreate(split.gutter, 0, w - split.gutter, h));
    split.pages.emplace_back(pixClipRectangle(upright.get(), left.get(), nullptr));
    split.pages.emplace_back(pixClipRectangle(upright.get(), right.get(), nullptr));
    if (!split.pages[0] || !split.pages[1]) {
        split.pages.clear();
        return split;
    }
    const int bookRight = book.x + book.w;
    split.papers.push_back(
        {book.x, book.y, std::max(0, std::min(bookRight, split.gutter) - book.x), book.h});
    const int rightStart = std::max(book.x, split.gutter);
    split.papers.push_back(
        {rightStart - split.gutter, book.y, std::max(0, bookRight - rightStart), book.h});
    return split;
}

PageLayout PageTool::analysePage(PIX *page, int dpi, bool deskew, const PixelRect &paper)
{
    PageLayout layout;
    if (page)
        straightened(page, dpi, deskew, true, paper, &layout);
    return layout;
}

PixPtr PageTool::processPage(PIX *page, const PageToolOptions &options, int dpi,
                             const PixelRect &paper)
{
    if (!page)
        return nullptr;
    PixPtr pix = options.blackAndWhite && pixGetDepth(page) != 8 ? PageBinarization::toGrey(page)
                                                                 : PixPtr(pixCopy(nullptr, page));
    PageLayout layout;
    if (pix)
        pix = straightened(pix.get(), dpi, options.deskew, options.whiteMargins, paper, &layout);
    if (pix && options.normalizeIllumination)
        pix = PageBinarization::levelBackground(pix.get(), 255, dpi);

    if (pix && options.whiteMargins) {
        const PixelRect &content = layout.content;
        // A page without content stays whole: there is nothing to centre the margins on.
        if (!content.isEmpty()) {
            BoxPtr box(boxCreate(content.x, content.y, content.w, content.h));
            PixPtr cut(pixClipRectangle(pix.get(), box.get(), nullptr));
            if (cut)
                pix.reset(pixAddBorderGeneral(
                    cut.get(), marginPixels(options.marginLeft, dpi),
                    marginPixels(options.marginRight, dpi), marginPixels(options.marginTop, dpi),
                    marginPixels(options.marginBottom, dpi), whiteFor(cut.get())));
            else
                pix.reset();
        }
    }

    const int outputDpi = options.outputDpi > 0 ? options.outputDpi : dpi;
    if (pix && outputDpi != dpi) {
        const float factor = float(outputDpi) / float(dpi);
        pix.reset(pixScale(pix.get(), factor, factor));
    }

    if (pix && options.blackAndWhite) {
        pix = PageBinarization::binarize(pix.get(), outputDpi);
        // Dust of up to 0.25 mm; the dot of an i is twice that.
        if (pix)
            pix = PageBinarization::removeSpecks(
                pix.get(), std::max(1, int(std::lround(0.25 * outputDpi / 25.4))));
    }
    if (pix)
        pixSetResolution(pix.get(), outputDpi, outputDpi);
    return pix;
}

bool PageTool::run()
{
    m_error.clear();
    m_written.clear();
    setMsgSeverity(L_SEVERITY_NONE);

    PixPtr input = loadImage(m_options.inputFile, &m_error);
    if (!input)
        return false;
    std::error_code ec;
    fs::create_directories(m_options.outputFolder, ec);
    if (!fs::is_directory(m_options.outputFolder, ec)) {
        m_error = "cannot write to " + m_options.outputFolder + ": not a folder";
        return false;
    }

    int dpi = m_options.dpi;
    if (dpi <= 0)
        dpi = pixGetXRes(input.get());
    if (dpi < minDpi || dpi > maxDpi)
        dpi = fallbackDpi;

    if (m_options.turnLeft) {
        // -1: a quarter turn anticlockwise.
        input.reset(pixRotate90(input.get(), -1));
        if (!input) {
            m_error = "cannot turn " + m_options.inputFile;
            return false;
        }
    }

    std::vector<PixPtr> pages;
    // The sheet of each page when the spread's split knows it; empty: found on the page.
    std::vector<PixelRect> papers;
    if (m_options.twoPages) {
        SpreadSplit split = splitSpread(input.get(), m_options.deskew, dpi);
        pages = std::move(split.pages);
        papers = std::move(split.papers);
        if (pages.empty()) {
            m_error = "cannot split " + m_options.inputFile;
            return false;
        }
    } else {
        pages.push_back(std::move(input));
    }
    std::vector<PixPtr> results;
    for (size_t i = 0; i < pages.size(); ++i) {
        results.push_back(processPage(pages[i].get(), m_options, dpi,
                                      i < papers.size() ? papers[i] : PixelRect{}));
        if (!results.back()) {
            m_error = "cannot process " + m_options.inputFile;
            return false;
        }
    }
    return writeResults(results);
}

bool PageTool::writeResults(const std::vector<PixPtr> &pages)
{
    const std::vector<std::string> names = outputNames(m_options.inputFile, m_options.twoPages);
    const fs::path folder(m_options.outputFolder);
    std::vector<fs::path> temporaries;
    const auto cleanUp = [&temporaries] {
        std::error_code ignored;
        for (const fs::path &file : temporaries)
            fs::remove(file, ignored);
    };

    // All pages are written before any is renamed, so a failure on the second page of a spread
    // leaves neither behind.
    for (size_t i = 0; i < pages.size() && i < names.size(); ++i) {
        const fs::path temporary =
            folder / ("." + names[i] + ".part" + std::to_string(long(getpid())));
        temporaries.push_back(temporary);
        PIX *pix = pages[i].get();
        const l_int32 format = pixGetDepth(pix) == 1 ? IFF_TIFF_G4 : IFF_TIFF_LZW;
        if (pixWrite(temporary.c_str(), pix, format) != 0) {
            cleanUp();
            m_error = "cannot write " + temporary.string();
            return false;
        }
    }
    for (size_t i = 0; i < temporaries.size(); ++i) {
        std::error_code ec;
        const fs::path target = folder / names[i];
        fs::rename(temporaries[i], target, ec);
        if (ec) {
            cleanUp();
            m_error = "cannot write " + target.string() + ": " + ec.message();
            return false;
        }
        m_written.push_back(target.string());
    }
    return true;
}
