#include "PaperFinder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "PageBinarization.h"

namespace PaperFinder {

namespace {

int mmToPixels(double mm, double dpi)
{
    return std::max(1, int(std::lround(mm * dpi / 25.4)));
}

// The grey value that `rank` (0..1) of the pixels of an 8 bpp image, or of a rectangle of it,
// stay at or below.
std::optional<int> rankValue(PIX *grey, double rank, const PixelRect &r = {})
{
    PixPtr clip;
    if (!r.isEmpty()) {
        BoxPtr box(boxCreate(r.x, r.y, r.w, r.h));
        clip.reset(pixClipRectangle(grey, box.get(), nullptr));
        if (!clip)
            return std::nullopt;
        grey = clip.get();
    }
    NumaPtr histogram(pixGetGrayHistogram(grey, 1));
    l_float32 value = 0.0f;
    if (!histogram || numaHistogramGetValFromRank(histogram.get(), float(rank), &value) != 0)
        return std::nullopt;
    return int(std::lround(value));
}

// For each column (or each row, when `byRow`) of two 1-bit images of one size, the share of the
// pixels set in `known` that are also set in `paper`, counted over the rows (columns) in
// [from, to). 0 where none is known.
std::vector<double> paperShares(PIX *paper, PIX *known, bool byRow, int from, int to)
{
    const int w = pixGetWidth(paper);
    const int h = pixGetHeight(paper);
    const l_int32 wpl = pixGetWpl(paper);
    const l_uint32 *paperData = pixGetData(paper);
    const l_uint32 *knownData = pixGetData(known);
    std::vector<int> paperCount(byRow ? h : w, 0);
    std::vector<int> knownCount(byRow ? h : w, 0);
    for (int y = byRow ? 0 : from; y < (byRow ? h : to); ++y) {
        const l_uint32 *paperLine = paperData + y * wpl;
        const l_uint32 *knownLine = knownData + y * wpl;
        for (int x = byRow ? from : 0; x < (byRow ? to : w); ++x) {
            if (!GET_DATA_BIT(knownLine, x))
                continue;
            const int i = byRow ? y : x;
            ++knownCount[i];
            if (GET_DATA_BIT(paperLine, x))
                ++paperCount[i];
        }
    }
    std::vector<double> shares(paperCount.size(), 0.0);
    for (size_t i = 0; i < shares.size(); ++i)
        if (knownCount[i] > 0)
            shares[i] = double(paperCount[i]) / knownCount[i];
    return shares;
}

// The first and last index whose share is at least half the largest: the sheet's extent along
// one axis. Bed texture and text barely move it, since bed columns hold almost no paper and
// paper columns hold almost no bed.
struct Extent
{
    int first = 0;
    int last = -1;
};

Extent halfMaximumExtent(const std::vector<double> &shares)
{
    Extent extent;
    const double top = shares.empty() ? 0.0 : *std::max_element(shares.begin(), shares.end());
    if (top <= 0.0)
        return extent;
    const auto high = [top](double share) {
        return share >= 0.5 * top;
    };
    extent.first = int(std::find_if(shares.begin(), shares.end(), high) - shares.begin());
    extent.last = int(shares.rend() - std::find_if(shares.rbegin(), shares.rend(), high)) - 1;
    return extent;
}

// Whether the brightness rises sharply from bed to paper across a candidate edge: the median,
// over the lines along the edge in [from, to), of the paper sample `reach` pixels inside minus
// the bed sample `reach` pixels outside is at least `minStep`. `at` is the sheet's outermost
// column (row, when `horizontal`), `inward` +1 when the sheet lies at higher coordinates.
// Uneven light changes by a few levels over such a distance, a cut sheet's edge by the whole
// difference between paper and bed.
bool isSharpEdge(PIX *grey, PIX *known, bool horizontal, int at, int inward, int from, int to,
                 int reach, double minStep)
{
    const int w = pixGetWidth(grey);
    const int h = pixGetHeight(grey);
    const int limit = horizontal ? h : w;
    const int inside = at + inward * reach;
    const int outside = std::clamp(at - inward * (reach + 1), 0, limit - 1);
    if (inside < 0 || inside >= limit || outside == at)
        return false;
    std::vector<int> steps;
    for (int i = from; i < to; ++i) {
        const int xIn = horizontal ? i : inside;
        const int yIn = horizontal ? inside : i;
        const int xOut = horizontal ? i : outside;
        const int yOut = horizontal ? outside : i;
        l_uint32 knownIn = 0, knownOut = 0;
        pixGetPixel(known, xIn, yIn, &knownIn);
        pixGetPixel(known, xOut, yOut, &knownOut);
        if (!knownIn || !knownOut)
            continue;
        l_uint32 paper = 0, bed = 0;
        pixGetPixel(grey, xIn, yIn, &paper);
        pixGetPixel(grey, xOut, yOut, &bed);
        steps.push_back(int(paper) - int(bed));
    }
    if (steps.empty())
        return false;
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    return steps[steps.size() / 2] >= minStep;
}

} // namespace

PixelRect find(PIX *scan, int dpi, double skew)
{
    if (!scan || dpi <= 0)
        return {};
    const int fullWidth = pixGetWidth(scan);
    const int fullHeight = pixGetHeight(scan);
    const PixelRect whole{0, 0, fullWidth, fullHeight};

    // Sheet edges run straight over centimetres: a copy of 60 to 120 dpi finds them in a few
    // milliseconds. A plain grey scan is halved straight away, without a full-size copy.
    const auto halve = [dpi](PIX *pix, int factor) {
        return dpi / (2.0 * factor) >= 60.0 && pixGetWidth(pix) >= 128 && pixGetHeight(pix) >= 128;
    };
    PixPtr grey;
    int factor = 1;
    if (pixGetDepth(scan) == 8 && !pixGetColormap(scan) && halve(scan, 1)) {
        grey.reset(pixScaleAreaMap2(scan));
        factor = 2;
    } else {
        grey = PageBinarization::toGrey(scan);
    }
    while (grey && halve(grey.get(), factor)) {
        grey.reset(pixScaleAreaMap2(grey.get()));
        factor *= 2;
    }
    if (!grey)
        return whole;
    const int w = pixGetWidth(grey.get());
    const int h = pixGetHeight(grey.get());
    const double reducedDpi = double(dpi) / factor;

    // The bed shows along the image's edges, the paper is the brightest large area. Without a
    // side clearly darker than the paper there is no bed to tell the sheet from.
    const std::optional<int> paperLevel = rankValue(grey.get(), 0.95);
    const int strip = std::min({mmToPixels(2.0, reducedDpi), w / 4, h / 4});
    int bedLevel = 255;
    for (const PixelRect &side : {PixelRect{0, 0, w, strip}, PixelRect{0, h - strip, w, strip},
                                  PixelRect{0, 0, strip, h}, PixelRect{w - strip, 0, strip, h}}) {
        if (const std::optional<int> level = rankValue(grey.get(), 0.5, side))
            bedLevel = std::min(bedLevel, *level);
    }
    if (!paperLevel || *paperLevel - bedLevel < std::max(40.0, 0.25 * *paperLevel))
        return whole;
    const int threshold = (*paperLevel + bedLevel) / 2;

    // The bed: everything darker than half-way to the paper that is connected to the image's
    // edge. Text and figures lie on the sheet, away from the edge, and stay paper.
    PixPtr dark(pixThresholdToBinary(grey.get(), threshold));
    PixPtr bed(dark ? pixExtractBorderConnComps(dark.get(), 4) : nullptr);
    PixPtr known(pixCreate(w, h, 1));
    if (!bed || !known)
        return whole;
    pixSetAll(known.get());

    // Turned upright. The corners the turn brings in were never scanned: they are neither bed
    // nor paper, and `known` marks what was.
    const float radians = float(-skew * std::numbers::pi / 180.0);
    if (radians != 0.0f) {
        grey.reset(pixRotate(grey.get(), radians, L_ROTATE_AREA_MAP, L_BRING_IN_BLACK, 0, 0));
        bed.reset(pixRotate(bed.get(), radians, L_ROTATE_SAMPLING, L_BRING_IN_WHITE, 0, 0));
        known.reset(pixRotate(known.get(), radians, L_ROTATE_SAMPLING, L_BRING_IN_WHITE, 0, 0));
        if (!grey || !bed || !known)
            return whole;
    }
    PixPtr paper(pixSubtract(nullptr, known.get(), bed.get()));
    if (!paper)
        return whole;

    // The extent across, then down within it, then across again within the rows found, so
    // that neither is diluted by bed beyond the other's ends.
    Extent across = halfMaximumExtent(paperShares(paper.get(), known.get(), false, 0, h));
    if (across.last < across.first)
        return whole;
    const Extent down = halfMaximumExtent(
        paperShares(paper.get(), known.get(), true, across.first, across.last + 1));
    if (down.last < down.first)
        return whole;
    across =
        halfMaximumExtent(paperShares(paper.get(), known.get(), false, down.first, down.last + 1));
    if (across.last < across.first)
        return whole;

    // Each side found must be a sharp edge; a side that is not reaches the image's edge.
    const int reach = mmToPixels(2.5, reducedDpi);
    const double minStep = (*paperLevel - bedLevel) / 4.0;
    const auto sharp = [&](bool horizontal, int at, int inward) {
        const Extent &along = horizontal ? across : down;
        return isSharpEdge(grey.get(), known.get(), horizontal, at, inward, along.first,
                           along.last + 1, reach, minStep);
    };
    // Half a millimetre inside each edge found: the cut edge and its shadow stay outside.
    const int inset = mmToPixels(0.5, dpi);
    int left = 0, top = 0, right = fullWidth, bottom = fullHeight;
    if (across.first > 0 && sharp(false, across.first, 1))
        left = across.first * factor + inset;
    if (across.last < w - 1 && sharp(false, across.last, -1))
        right = (across.last + 1) * factor - inset;
    if (down.first > 0 && sharp(true, down.first, 1))
        top = down.first * factor + inset;
    if (down.last < h - 1 && sharp(true, down.last, -1))
        bottom = (down.last + 1) * factor - inset;
    left = std::clamp(left, 0, fullWidth);
    top = std::clamp(top, 0, fullHeight);
    right = std::clamp(right, left, fullWidth);
    bottom = std::clamp(bottom, top, fullHeight);
    if (right - left < fullWidth / 8 || bottom - top < fullHeight / 8)
        return whole;
    return {left, top, right - left, bottom - top};
}

} // namespace PaperFinder
