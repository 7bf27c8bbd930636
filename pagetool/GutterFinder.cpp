#include "GutterFinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "PageBinarization.h"

namespace GutterFinder {

namespace {

// The paper brightness of each column of an 8 bpp image over rows [top, bottom): the value 90 %
// of its pixels stay at or below. Text leaves paper between its lines, so it barely moves this
// level, while the binding's shadow darkens the paper itself.
std::vector<double> paperLevels(PIX *grey, int top, int bottom)
{
    const int w = pixGetWidth(grey);
    const l_int32 wpl = pixGetWpl(grey);
    const l_uint32 *data = pixGetData(grey);
    std::vector<std::array<int, 256>> histograms(w, std::array<int, 256>{});
    for (int y = top; y < bottom; ++y) {
        const l_uint32 *line = data + y * wpl;
        for (int x = 0; x < w; ++x)
            ++histograms[x][GET_DATA_BYTE(line, x)];
    }
    const int rank = int(0.9 * (bottom - top));
    std::vector<double> levels(w, 0.0);
    for (int x = 0; x < w; ++x) {
        int count = 0;
        int v = 0;
        while (v < 255 && count + histograms[x][v] <= rank)
            count += histograms[x][v++];
        levels[x] = v;
    }
    return levels;
}

std::vector<double> smoothed(const std::vector<double> &values, int radius)
{
    std::vector<double> out(values.size(), 0.0);
    const int n = int(values.size());
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        int count = 0;
        for (int j = std::max(0, i - radius); j <= std::min(n - 1, i + radius); ++j, ++count)
            sum += values[j];
        out[i] = sum / count;
    }
    return out;
}

// The darkest paper column in [from, to) when it is clearly darker than the typical paper there;
// -1 otherwise.
int shadowColumn(const std::vector<double> &levels, int from, int to)
{
    std::vector<double> window(levels.begin() + from, levels.begin() + to);
    std::vector<double> sorted = window;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double typical = sorted[sorted.size() / 2];
    const auto darkest = std::min_element(window.begin(), window.end());
    // A shadow takes at least 12 % off the paper brightness, and 20 grey levels.
    if (typical - *darkest < std::max(20.0, 0.12 * typical))
        return -1;
    // The middle of the columns within 2 levels of the minimum: a flat-bottomed shadow is split
    // in its centre rather than at whichever end noise favours.
    const int first = int(darkest - window.begin());
    int lo = first, hi = first;
    while (lo > 0 && window[lo - 1] <= *darkest + 2.0)
        --lo;
    while (hi + 1 < int(window.size()) && window[hi + 1] <= *darkest + 2.0)
        ++hi;
    return from + (lo + hi) / 2;
}

// The middle of the widest run of blank columns in [from, to) of a 1-bit image; -1 when there
// is none. A column is blank when at most 0.2 % of its rows are black (specks, a stray mark).
int whiteGapColumn(PIX *binary, int top, int bottom, int from, int to)
{
    BoxPtr band(boxCreate(0, top, pixGetWidth(binary), bottom - top));
    PixPtr rows(pixClipRectangle(binary, band.get(), nullptr));
    if (!rows)
        return -1;
    NumaPtr counts(pixCountPixelsByColumn(rows.get()));
    if (!counts)
        return -1;
    const double allowed = 0.002 * (bottom - top);
    int bestStart = -1, bestLength = 0, runStart = -1;
    const double centre = 0.5 * (from + to);
    for (int x = from; x <= to; ++x) {
        l_float32 c = 0.0f;
        const bool blank = x < to && numaGetFValue(counts.get(), x, &c) == 0 && c <= allowed;
        if (blank && runStart < 0)
            runStart = x;
        if (!blank && runStart >= 0) {
            const int length = x - runStart;
            const bool wider = length > bestLength;
            const bool asWideButCloser =
                length == bestLength && std::fabs(runStart + length / 2.0 - centre) <
                                            std::fabs(bestStart + bestLength / 2.0 - centre);
            if (wider || asWideButCloser) {
                bestStart = runStart;
                bestLength = length;
            }
            runStart = -1;
        }
    }
    return bestLength > 0 ? bestStart + bestLength / 2 : -1;
}

} // namespace

Gutter find(PIX *spread, int dpi)
{
    Gutter gutter;
    if (!spread)
        return gutter;
    const int w = pixGetWidth(spread);
    const int h = pixGetHeight(spread);
    gutter.x = w / 2;
    if (w < 8 || h < 8)
        return gutter;

    // Rows near the top and bottom edges often hold the scanner's border; leave them out.
    const int top = h / 10;
    const int bottom = h - h / 10;

    if (pixGetDepth(spread) != 1) {
        // Reduced by 4 the search takes a few milliseconds; the shadow is tens of pixels wide.
        PixPtr grey = PageBinarization::toGrey(spread);
        int factor = 1;
        while (grey && pixGetWidth(grey.get()) >= 1200) {
            grey.reset(pixScaleAreaMap2(grey.get()));
            factor *= 2;
        }
        if (grey) {
            const int gw = pixGetWidth(grey.get());
            const std::vector<double> levels =
                smoothed(paperLevels(grey.get(), top / factor, bottom / factor), 1);
            const int column = shadowColumn(levels, int(0.3 * gw), int(0.7 * gw));
            if (column >= 0) {
                gutter.x = std::clamp(column * factor + factor / 2, 1, w - 1);
                gutter.evidence = Evidence::Shadow;
                return gutter;
            }
        }
    }

    PixPtr binary = PageBinarization::binarize(spread, dpi);
    if (!binary)
        return gutter;
    const int column = whiteGapColumn(binary.get(), top, bottom, int(0.3 * w), int(0.7 * w));
    if (column >= 0) {
        gutter.x = column;
        gutter.evidence = Evidence::WhiteGap;
    }
    return gutter;
}

Gutter find(PIX *spread, int dpi, const PixelRect &book)
{
    if (!spread || book.isEmpty() ||
        book == PixelRect{0, 0, int(pixGetWidth(spread)), int(pixGetHeight(spread))})
        return find(spread, dpi);
    BoxPtr box(boxCreate(book.x, book.y, book.w, book.h));
    BOX *clippedRaw = nullptr;
    PixPtr clip(pixClipRectangle(spread, box.get(), &clippedRaw));
    BoxPtr clipped(clippedRaw);
    if (!clip || !clipped)
        return find(spread, dpi);
    l_int32 left = 0;
    boxGetGeometry(clipped.get(), &left, nullptr, nullptr, nullptr);
    Gutter gutter = find(clip.get(), dpi);
    gutter.x += left;
    return gutter;
}

} // namespace GutterFinder
