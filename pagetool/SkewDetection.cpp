#include "SkewDetection.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "PageBinarization.h"

namespace SkewDetection {

namespace {

constexpr double radiansPerDegree = std::numbers::pi / 180.0;

// The black pixels of a 1-bit image, relative to its centre.
struct Points
{
    std::vector<float> x;
    std::vector<float> y;
};

Points blackPixels(PIX *binary)
{
    Points points;
    const int w = pixGetWidth(binary);
    const int h = pixGetHeight(binary);
    const l_int32 wpl = pixGetWpl(binary);
    const l_uint32 *data = pixGetData(binary);
    for (int y = 0; y < h; ++y) {
        const l_uint32 *line = data + y * wpl;
        for (int word = 0; word < wpl; ++word) {
            if (!line[word])
                continue;
            for (int bit = 0; bit < 32; ++bit) {
                const int x = word * 32 + bit;
                if (x < w && GET_DATA_BIT(line, x)) {
                    points.x.push_back(float(x - w / 2.0));
                    points.y.push_back(float(y - h / 2.0));
                }
            }
        }
    }
    return points;
}

// How sharply the text lines stand out when the page is turned back by `degrees`: the sum of
// squared differences between neighbouring rows of the row profile. Aligned lines give steep
// steps at their top and bottom edges; a residual skew smears them. Each pixel is shared
// between the two rows nearest to it, so the score changes smoothly with the angle and its peak
// can be placed between grid angles.
//
// Sharing alone would favour angles near 0: there every pixel falls at the same place between
// two rows, and the score swings with that place rather than with the alignment of the lines.
// Each pixel is therefore shifted by its own fixed fraction of a row (a low-discrepancy
// sequence), which evens the swing out at every angle.
double lineSharpness(const Points &points, double degrees, std::vector<double> &profile)
{
    const double c = std::cos(degrees * radiansPerDegree);
    const double s = std::sin(degrees * radiansPerDegree);
    const double offset = std::floor(profile.size() / 2.0);
    const int last = int(profile.size()) - 2;
    constexpr double goldenFraction = 0.6180339887498949;
    std::fill(profile.begin(), profile.end(), 0.0);
    for (size_t i = 0; i < points.x.size(); ++i) {
        const double dither = double(i) * goldenFraction;
        const double position =
            points.y[i] * c - points.x[i] * s + offset + (dither - std::floor(dither));
        const int row = int(position);
        if (row < 0 || row > last)
            continue;
        const double fraction = position - row;
        profile[row] += 1.0 - fraction;
        profile[row + 1] += fraction;
    }
    double sum = 0.0;
    for (size_t i = 1; i < profile.size(); ++i) {
        const double step = profile[i] - profile[i - 1];
        sum += step * step;
    }
    return sum;
}

// The skew within `estimate` +- `range` degrees that makes the lines sharpest, found on a grid
// of `step` and placed between grid points on the parabola through the best three.
double refine(const Points &points, int height, int width, double estimate, double range,
              double step)
{
    std::vector<double> profile(size_t(std::hypot(width, height)) + 4, 0.0);
    const int n = int(std::lround(range / step));
    std::vector<double> scores(2 * n + 1);
    int best = n;
    for (int i = 0; i <= 2 * n; ++i) {
        scores[i] = lineSharpness(points, estimate + (i - n) * step, profile);
        if (scores[i] > scores[best])
            best = i;
    }
    double angle = estimate + (best - n) * step;
    if (best > 0 && best < 2 * n) {
        const double left = scores[best - 1], middle = scores[best], right = scores[best + 1];
        const double curvature = left - 2.0 * middle + right;
        if (curvature < 0.0)
            angle += step * 0.5 * (left - right) / curvature;
    }
    return angle;
}

} // namespace

PixPtr textMask(PIX *page, int dpi, int reduceAbove)
{
    if (!page)
        return nullptr;
    const bool reduce = pixGetWidth(page) > reduceAbove;
    PixPtr binary;
    if (pixGetDepth(page) == 1) {
        // Rank 1: a reduced pixel is black when any of its four is, so thin strokes survive.
        binary.reset(reduce ? pixReduceRankBinary2(page, 1, nullptr) : pixCopy(nullptr, page));
    } else {
        PixPtr grey = PageBinarization::toGrey(page);
        if (grey && reduce)
            grey.reset(pixScaleAreaMap2(grey.get()));
        if (grey)
            binary = PageBinarization::binarize(grey.get(), reduce ? dpi / 2 : dpi);
    }
    if (!binary)
        return nullptr;
    return PixPtr(pixRemoveBorderConnComps(binary.get(), 8));
}

double findSkew(PIX *page, int dpi)
{
    PixPtr mask = textMask(page, dpi);
    if (!mask)
        return 0.0;
    l_int32 black = 0;
    pixCountPixels(mask.get(), &black, nullptr);
    if (black < 200)
        return 0.0;

    // A coarse sweep over the whole range on a copy reduced by 4, then a binary search for the
    // peak on the mask itself. Shearing about the centre keeps text near both edges weighed
    // alike.
    l_float32 angle = 0.0f;
    l_float32 confidence = 0.0f;
    l_float32 endScore = 0.0f;
    if (pixFindSkewSweepAndSearchScorePivot(mask.get(), &angle, &confidence, &endScore, 4, 2, 0.0f,
                                            float(maxSkewDegrees), 0.5f, 0.005f,
                                            L_SHEAR_ABOUT_CENTER) != 0)
        return 0.0;
    if (!std::isfinite(angle))
        return 0.0;
    // Leptonica reports the turn that straightens the page (positive clockwise); the skew is
    // its opposite. Its binary search stops short of the precision wanted here, so the
    // estimate is refined on the mask's own pixels, first coarsely, then finely.
    const Points points = blackPixels(mask.get());
    const int w = pixGetWidth(mask.get());
    const int h = pixGetHeight(mask.get());
    constexpr double coarseRange = 0.6;
    double skew = refine(points, h, w, -double(angle), coarseRange, 0.05);
    skew = refine(points, h, w, skew, 0.06, 0.01);

    // The sweep looks at a copy reduced by 4, in steps of half a degree. Fine periodic patterns
    // (test charts, rulings, screened pictures) alias there and can score best turned by
    // degrees, while their true peak, far sharper but only a tenth of a degree wide, stands
    // upright between the steps. Pages mostly lie nearly upright, so that neighbourhood is
    // searched on the mask itself as well, and the sharper of the two wins. On a skewed text
    // page the upright lines are smeared and never win.
    if (std::fabs(skew) > coarseRange) {
        // First judged on every seventh pixel, which keeps the cost to a few milliseconds: a
        // skewed text page loses there by orders of magnitude. Only when the upright side wins
        // is it searched on all pixels, since thinning a periodic pattern can alias too.
        Points sparse;
        for (size_t i = 0; i < points.x.size(); i += 7) {
            sparse.x.push_back(points.x[i]);
            sparse.y.push_back(points.y[i]);
        }
        std::vector<double> profile(size_t(std::hypot(w, h)) + 4, 0.0);
        const double sparseUpright = refine(sparse, h, w, 0.0, coarseRange, 0.05);
        // Best at the window's end is the flank of the peak already found, not a peak of its own.
        const bool ownPeak = std::fabs(sparseUpright) < coarseRange - 0.01;
        if (ownPeak &&
            lineSharpness(sparse, sparseUpright, profile) > lineSharpness(sparse, skew, profile)) {
            double upright = refine(points, h, w, 0.0, coarseRange, 0.05);
            upright = refine(points, h, w, upright, 0.06, 0.01);
            if (lineSharpness(points, upright, profile) > lineSharpness(points, skew, profile))
                skew = upright;
        }
    }
    return std::clamp(skew, -maxSkewDegrees, maxSkewDegrees);
}

PixPtr rotate(PIX *page, double degrees)
{
    if (!page)
        return nullptr;
    if (std::fabs(degrees) < 1e-4)
        return PixPtr(pixCopy(nullptr, page));
    const float radians = float(degrees * radiansPerDegree);
    if (std::fabs(radians) < 0.0012f) {
        // Leptonica's rotations return the page unturned below 0.001 radians (0.057 degrees),
        // which is more than the precision wanted. At such angles a horizontal and a vertical
        // shear about the centre are the rotation to within a millionth of a pixel per pixel.
        const int w = pixGetWidth(page);
        const int h = pixGetHeight(page);
        if (pixGetDepth(page) == 1) {
            PixPtr sheared(pixHShear(nullptr, page, h / 2, radians, L_BRING_IN_WHITE));
            return sheared
                       ? PixPtr(pixVShear(nullptr, sheared.get(), w / 2, radians, L_BRING_IN_WHITE))
                       : nullptr;
        }
        PixPtr sheared(pixHShearLI(page, h / 2, radians, L_BRING_IN_WHITE));
        return sheared ? PixPtr(pixVShearLI(sheared.get(), w / 2, radians, L_BRING_IN_WHITE))
                       : nullptr;
    }
    const l_int32 type = pixGetDepth(page) == 1 ? L_ROTATE_SAMPLING : L_ROTATE_AREA_MAP;
    return PixPtr(pixRotate(page, radians, type, L_BRING_IN_WHITE, 0, 0));
}

PixPtr broughtIn(int width, int height, double degrees)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    PixPtr mask(pixCreate(width, height, 1));
    if (!mask)
        return nullptr;
    // On each row, the points whose source lies on the page form one run: the source moves
    // along a straight line as x goes along the row. Everything outside the run, and one pixel
    // of its ends, was brought in. Leptonica's rotations turn about the centre in whole pixels.
    const double c = std::cos(degrees * radiansPerDegree);
    const double s = std::sin(degrees * radiansPerDegree);
    const double cx = double(width / 2);
    const double cy = double(height / 2);
    for (int y = 0; y < height; ++y) {
        const double dy = y - cy;
        // Source x = cx + (x - cx) c + dy s and source y = cy - (x - cx) s + dy c must lie in
        // [0, width - 1] and [0, height - 1].
        double low = -1e9, high = 1e9;
        const auto limit = [&](double slope, double offset, double maximum) {
            if (std::fabs(slope) < 1e-12) {
                if (offset < 0.0 || offset > maximum)
                    high = low - 1.0;
                return;
            }
            const double a = -offset / slope;
            const double b = (maximum - offset) / slope;
            low = std::max(low, std::min(a, b));
            high = std::min(high, std::max(a, b));
        };
        limit(c, cx - cx * c + dy * s, width - 1.0);
        limit(-s, cy + cx * s + dy * c, height - 1.0);
        if (high < low) {
            pixRasterop(mask.get(), 0, y, width, 1, PIX_SET, nullptr, 0, 0);
            continue;
        }
        const int first = low <= 0.0 ? 0 : int(std::ceil(low)) + 1;
        const int last = high >= width - 1.0 ? width - 1 : int(std::floor(high)) - 1;
        if (first > 0)
            pixRasterop(mask.get(), 0, y, std::min(first, width), 1, PIX_SET, nullptr, 0, 0);
        if (last < width - 1) {
            const int from = std::max(0, last + 1);
            pixRasterop(mask.get(), from, y, width - from, 1, PIX_SET, nullptr, 0, 0);
        }
    }
    return mask;
}

} // namespace SkewDetection
