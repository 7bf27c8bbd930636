#include "SyntheticPages.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace SyntheticPages {

InkLayer::InkLayer(int w, int h)
    : width(w)
    , height(h)
    , coverage(size_t(w) * h, 0.0f)
{
}

void InkLayer::fill(const PixelRect &r, float value)
{
    for (int y = std::max(0, r.y); y < std::min(height, r.y + r.h); ++y)
        for (int x = std::max(0, r.x); x < std::min(width, r.x + r.w); ++x)
            coverage[size_t(y) * width + x] = value;
}

float InkLayer::at(double x, double y) const
{
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    const auto get = [this](int xi, int yi) {
        return xi < 0 || yi < 0 || xi >= width || yi >= height
                   ? 0.0
                   : double(coverage[size_t(yi) * width + xi]);
    };
    return float((1 - fy) * ((1 - fx) * get(x0, y0) + fx * get(x0 + 1, y0)) +
                 fy * ((1 - fx) * get(x0, y0 + 1) + fx * get(x0 + 1, y0 + 1)));
}

PixelRect drawText(InkLayer &ink, const PixelRect &block, unsigned seed, double scale)
{
    // A fixed linear congruential sequence: the same page on every machine.
    unsigned state = seed * 2654435761u + 1u;
    const auto next = [&state](int low, int high) {
        state = state * 1664525u + 1013904223u;
        return low + int((state >> 8) % unsigned(high - low + 1));
    };
    // Sizes in pixels at scale 1.
    const auto px = [scale](int size) {
        return int(std::lround(size * scale));
    };
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    const auto draw = [&](int x0, int y0, int x1, int y1) {
        ink.fill({x0, y0, x1 - x0, y1 - y0});
        left = std::min(left, x0);
        top = std::min(top, y0);
        right = std::max(right, x1);
        bottom = std::max(bottom, y1);
    };
    const int blockRight = block.x + block.w;
    int lines = 0;
    for (int y = block.y; y + px(22) <= block.y + block.h; y += px(25)) {
        const bool paragraphEnd = ++lines % 9 == 0;
        const int lineEnd = paragraphEnd ? block.x + block.w / 2 : blockRight;
        int x = block.x;
        while (x < lineEnd - px(20)) {
            int wordEnd = x + px(next(20, 110));
            if (wordEnd > lineEnd - px(20))
                wordEnd = lineEnd;
            draw(x, y + px(6), wordEnd, y + px(17));
            const int stem = next(x, std::max(x, wordEnd - px(4)));
            if (next(0, 1))
                draw(stem, y, stem + px(4), y + px(6));
            else
                draw(stem, y + px(17), stem + px(4), y + px(22));
            x = wordEnd + px(next(8, 12));
        }
    }
    if (right < 0)
        return {};
    return {left, top, right - left, bottom - top};
}

double evenPaper(int, int, int, int)
{
    return 235.0;
}

double unevenPaper(int x, int y, int w, int h)
{
    return 235.0 - 115.0 * (double(x) / w + double(y) / h) / 2.0;
}

PixPtr render(const InkLayer &ink, double skew, PaperFunction paper, double inkLevel)
{
    const int w = ink.width;
    const int h = ink.height;
    PixPtr pix(pixCreate(w, h, 8));
    const double radians = skew * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // The upright point that a clockwise turn by `skew` brings here.
            const double dx = x - cx;
            const double dy = y - cy;
            const double a = ink.at(cx + dx * c + dy * s, cy - dx * s + dy * c);
            const double p = paper(x, y, w, h);
            const double v = p - a * (p - inkLevel);
            pixSetPixel(pix.get(), x, y, l_uint32(std::clamp(std::lround(v), 0L, 255L)));
        }
    }
    pixSetResolution(pix.get(), 150, 150);
    return pix;
}

void paint(PIX *page, const PixelRect &r, int value)
{
    pixSetInRectArbitrary(page, BoxPtr(boxCreate(r.x, r.y, r.w, r.h)).get(), l_uint32(value));
}

void paintDisc(PIX *page, int cx, int cy, int radius, int value)
{
    for (int y = cy - radius; y <= cy + radius; ++y)
        for (int x = cx - radius; x <= cx + radius; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                pixSetPixel(page, x, y, l_uint32(value));
}

namespace {

enum class Bed {
    // The sheet covers the whole image.
    None,
    // A black lid or an open scanner: nearly black, a little noise.
    Dark,
    // A grey lid with a blotchy texture and grain.
    GreyTextured,
};

// A rectangle in millimetres.
struct MmRect
{
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
};

// What lies on the glass: a sheet, or a book of two pages meeting at `gutterMm`.
struct Scene
{
    double widthMm = 216.0;
    double heightMm = 297.0;
    Bed bed = Bed::None;
    double skew = 0.0;
    // In the upright frame; may reach beyond the image.
    MmRect sheet;
    // Spreads: x of the binding; negative for a single sheet.
    double gutterMm = -1.0;
};

int toPixels(double millimetres, int dpi)
{
    return int(std::lround(millimetres * dpi / 25.4));
}

PixelRect toPixels(const MmRect &r, int dpi)
{
    return {toPixels(r.x, dpi), toPixels(r.y, dpi), toPixels(r.w, dpi), toPixels(r.h, dpi)};
}

PixelRect unite(const PixelRect &a, const PixelRect &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return {left, top, std::max(a.x + a.w, b.x + b.w) - left, std::max(a.y + a.h, b.y + b.h) - top};
}

// Noise in [-1, 1] that depends only on the position and a seed: the same on every machine and
// in every drawing order.
double noise(int x, int y, unsigned seed)
{
    unsigned v = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
    v = (v ^ (v >> 13)) * 1274126177u;
    v ^= v >> 16;
    return (v & 0xffffu) / 32767.5 - 1.0;
}

// The bed's brightness at image pixel (x, y), before the sheet's shadow falls on it.
double bedLevel(Bed bed, int x, int y, int dpi)
{
    if (bed == Bed::Dark)
        return 24.0 + 4.0 * noise(x, y, 1);
    // Blotches a few centimetres across, and grain.
    const double X = x * 25.4 / dpi;
    const double Y = y * 25.4 / dpi;
    constexpr double twoPi = 2.0 * std::numbers::pi;
    const double blotches =
        14.0 * std::sin(twoPi * X / 37.0 + 0.7) * std::sin(twoPi * Y / 53.0 + 1.9) +
        8.0 * std::sin(twoPi * (X + Y) / 23.0);
    return 130.0 + blotches + 10.0 * noise(x, y, 2);
}

// Draws the scene's sheet and `ink` on its bed, turned clockwise by the scene's skew.
PixPtr renderScene(const Scene &scene, const InkLayer &ink, int dpi)
{
    const int w = ink.width;
    const int h = ink.height;
    PixPtr pix(pixCreate(w, h, 8));
    const double radians = scene.skew * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    const double perMm = dpi / 25.4;
    const double left = scene.sheet.x * perMm;
    const double top = scene.sheet.y * perMm;
    const double right = left + scene.sheet.w * perMm;
    const double bottom = top + scene.sheet.h * perMm;
    const double gutter = scene.gutterMm * perMm;
    // The sheet's cut edge catches less light over 0.4 mm; its shadow on the bed is 1.5 mm wide.
    const double rim = 0.4 * perMm;
    const double shadow = 1.5 * perMm;
    l_uint32 *data = pixGetData(pix.get());
    const l_int32 wpl = pixGetWpl(pix.get());
    for (int y = 0; y < h; ++y) {
        l_uint32 *line = data + y * wpl;
        for (int x = 0; x < w; ++x) {
            // The upright point that a clockwise turn by the skew brings here.
            const double dx = x - cx;
            const double dy = y - cy;
            const double ux = cx + dx * c + dy * s;
            const double uy = cy - dx * s + dy * c;
            // Positive inside the sheet: the distance to its nearest edge.
            const double inside =
                scene.bed == Bed::None
                    ? 1e9
                    : std::min(std::min(ux - left, right - ux), std::min(uy - top, bottom - uy));
            double paper = 233.0 - 10.0 * x / w - 8.0 * y / h;
            if (inside < rim)
                paper *= 0.8 + 0.2 * std::max(0.0, inside) / rim;
            if (scene.gutterMm >= 0.0) {
                const double sigma = (ux < gutter ? 6.0 : 4.0) * perMm;
                paper *= 1.0 - 0.5 * std::exp(-std::pow((ux - gutter) / sigma, 2));
            }
            const double printed = paper - ink.at(ux, uy) * (paper - 25.0);
            double v = printed;
            if (inside < 0.5) {
                double bed = bedLevel(scene.bed, x, y, dpi);
                if (-inside < shadow)
                    bed *= 0.55 + 0.45 * (-inside) / shadow;
                const double cover = std::clamp(inside + 0.5, 0.0, 1.0);
                v = cover * printed + (1.0 - cover) * bed;
            }
            v += 2.5 * noise(x, y, 3);
            SET_DATA_BYTE(line, x, int(std::clamp(std::lround(v), 0L, 255L)));
        }
    }
    pixSetResolution(pix.get(), dpi, dpi);
    return pix;
}

// A text block at `block` (mm) with a page number of three digits centred 10 mm below it.
PixelRect drawTextPage(InkLayer &ink, const MmRect &block, unsigned seed, int dpi)
{
    const PixelRect text = drawText(ink, toPixels(block, dpi), seed, dpi / 150.0);
    const double numberTop = (text.y + text.h) * 25.4 / dpi + 10.0;
    const double numberLeft = block.x + block.w / 2.0 - 3.0;
    PixelRect number;
    for (int digit = 0; digit < 3; ++digit) {
        const PixelRect r = toPixels({numberLeft + 2.2 * digit, numberTop, 1.6, 2.6}, dpi);
        ink.fill(r);
        number = unite(number, r);
    }
    return unite(text, number);
}

// A framed picture: a line of 0.5 mm around a photograph of middle greys.
PixelRect drawFigure(InkLayer &ink, const MmRect &figure, int dpi)
{
    const PixelRect r = toPixels(figure, dpi);
    const int frame = std::max(1, toPixels(0.5, dpi));
    ink.fill(r);
    for (int y = r.y + frame; y < r.y + r.h - frame; ++y)
        for (int x = r.x + frame; x < r.x + r.w - frame; ++x) {
            const double u = double(x - r.x) / r.w;
            const double v = double(y - r.y) / r.h;
            const double tone = 0.45 + 0.3 * std::sin(7.0 * u + 2.0 * v) * std::cos(5.0 * v - u);
            ink.coverage[size_t(y) * ink.width + x] = float(tone);
        }
    return r;
}

// A centred title line of solid words `height` mm tall; lengths in mm, gaps of a third of the
// height.
PixelRect drawTitleLine(InkLayer &ink, double centreMm, double topMm, double height,
                        const std::vector<double> &lengths, int dpi)
{
    const double gap = height / 3.0;
    double total = -gap;
    for (double length : lengths)
        total += length + gap;
    double x = centreMm - total / 2.0;
    PixelRect line;
    for (double length : lengths) {
        const PixelRect word = toPixels({x, topMm, length, height}, dpi);
        ink.fill(word);
        line = unite(line, word);
        x += length + gap;
    }
    return line;
}

// Dust of 0.3 mm: on the sheet's margins (part of the ink, never of the content).
void drawDust(InkLayer &ink, const std::vector<std::pair<double, double>> &spots, int dpi)
{
    const int side = std::max(1, toPixels(0.3, dpi));
    for (const auto &[x, y] : spots)
        ink.fill({toPixels(x, dpi), toPixels(y, dpi), side, side});
}

} // namespace

const std::vector<ScanKind> &allScanKinds()
{
    static const std::vector<ScanKind> kinds{
        ScanKind::CleanPage,          ScanKind::DarkBedTilted,
        ScanKind::GreyBedTilted,      ScanKind::SmallerOnTwoSides,
        ScanKind::SmallerOnFourSides, ScanKind::FullWidthFigure,
        ScanKind::TitleOnly,          ScanKind::Spread,
        ScanKind::SpreadOnGreyBed,    ScanKind::SmallSpreadOffCentre};
    return kinds;
}

const char *scanKindName(ScanKind kind)
{
    switch (kind) {
    case ScanKind::CleanPage:
        return "clean page";
    case ScanKind::DarkBedTilted:
        return "dark bed, tilted";
    case ScanKind::GreyBedTilted:
        return "grey bed, tilted";
    case ScanKind::SmallerOnTwoSides:
        return "bed on two sides";
    case ScanKind::SmallerOnFourSides:
        return "bed on four sides";
    case ScanKind::FullWidthFigure:
        return "full-width figure";
    case ScanKind::TitleOnly:
        return "title only";
    case ScanKind::Spread:
        return "spread, dark bed";
    case ScanKind::SpreadOnGreyBed:
        return "spread, grey bed";
    case ScanKind::SmallSpreadOffCentre:
        return "small spread, aside";
    }
    return "";
}

bool isSpread(ScanKind kind)
{
    return kind == ScanKind::Spread || kind == ScanKind::SpreadOnGreyBed ||
           kind == ScanKind::SmallSpreadOffCentre;
}

Scan drawScan(ScanKind kind, int dpi)
{
    Scene scene;
    Scan scan;
    std::vector<std::pair<double, double>> dust;
    const auto image = [&]() {
        return InkLayer(toPixels(scene.widthMm, dpi), toPixels(scene.heightMm, dpi));
    };
    std::optional<InkLayer> ink;
    switch (kind) {
    case ScanKind::CleanPage:
        scene = {210.0, 297.0, Bed::None, 2.0, {-50.0, -50.0, 310.0, 397.0}};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {25.0, 28.0, 160.0, 228.0}, 31, dpi));
        dust = {{12.0, 40.0}, {196.0, 150.0}, {100.0, 283.0}};
        break;
    case ScanKind::DarkBedTilted:
        scene = {216.0, 297.0, Bed::Dark, 7.0, {13.0, 16.0, 190.0, 265.0}};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {33.0, 38.0, 150.0, 205.0}, 32, dpi));
        dust = {{22.0, 60.0}, {192.0, 200.0}, {60.0, 272.0}};
        break;
    case ScanKind::GreyBedTilted:
        scene = {216.0, 297.0, Bed::GreyTextured, -6.0, {20.0, 23.5, 176.0, 250.0}};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {38.0, 43.0, 140.0, 195.0}, 33, dpi));
        dust = {{28.0, 100.0}, {186.0, 40.0}};
        break;
    case ScanKind::SmallerOnTwoSides:
        scene = {216.0, 297.0, Bed::Dark, 0.6, {-12.0, -12.0, 207.0, 289.0}};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {20.0, 22.0, 155.0, 225.0}, 34, dpi));
        dust = {{185.0, 120.0}, {8.0, 200.0}};
        break;
    case ScanKind::SmallerOnFourSides:
        scene = {216.0, 297.0, Bed::GreyTextured, -2.5, {34.0, 43.5, 148.0, 210.0}};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {49.0, 60.0, 118.0, 160.0}, 35, dpi));
        dust = {{40.0, 50.0}, {176.0, 240.0}};
        break;
    case ScanKind::FullWidthFigure: {
        scene = {216.0, 297.0, Bed::Dark, 3.0, {13.0, 13.5, 190.0, 270.0}};
        ink = image();
        const double scale = dpi / 150.0;
        PixelRect all = drawText(*ink, toPixels(MmRect{33.0, 33.0, 150.0, 60.0}, dpi), 36, scale);
        all = unite(all, drawFigure(*ink, {33.0, 100.0, 150.0, 80.0}, dpi));
        all = unite(all, drawTextPage(*ink, {33.0, 188.0, 150.0, 62.0}, 37, dpi));
        scan.content.push_back(all);
        dust = {{20.0, 140.0}, {194.0, 60.0}};
        break;
    }
    case ScanKind::TitleOnly: {
        scene = {216.0, 297.0, Bed::Dark, -1.5, {13.0, 13.5, 190.0, 270.0}};
        ink = image();
        const PixelRect title =
            drawTitleLine(*ink, 108.0, 60.0, 6.0, {34.0, 18.0, 42.0, 24.0}, dpi);
        scan.content.push_back(
            unite(title, drawTitleLine(*ink, 108.0, 72.0, 3.5, {22.0, 31.0, 16.0}, dpi)));
        dust = {{60.0, 200.0}, {150.0, 250.0}};
        break;
    }
    case ScanKind::Spread:
        scene = {460.0, 330.0, Bed::Dark, 1.2, {18.0, 20.0, 410.0, 290.0}, 223.0};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {38.0, 45.0, 160.0, 232.0}, 38, dpi));
        scan.content.push_back(drawTextPage(*ink, {248.0, 45.0, 160.0, 232.0}, 39, dpi));
        dust = {{30.0, 300.0}, {420.0, 30.0}};
        break;
    case ScanKind::SpreadOnGreyBed:
        scene = {460.0, 330.0, Bed::GreyTextured, -0.8, {12.0, 18.0, 410.0, 292.0}, 217.0};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {32.0, 42.0, 160.0, 236.0}, 40, dpi));
        scan.content.push_back(drawTextPage(*ink, {242.0, 42.0, 160.0, 236.0}, 41, dpi));
        dust = {{22.0, 25.0}, {410.0, 296.0}};
        break;
    case ScanKind::SmallSpreadOffCentre:
        scene = {460.0, 330.0, Bed::Dark, 0.9, {12.0, 40.0, 300.0, 212.0}, 162.0};
        ink = image();
        scan.content.push_back(drawTextPage(*ink, {27.0, 58.0, 115.0, 160.0}, 42, dpi));
        scan.content.push_back(drawTextPage(*ink, {182.0, 58.0, 115.0, 160.0}, 43, dpi));
        dust = {{20.0, 245.0}, {305.0, 48.0}};
        break;
    }
    drawDust(*ink, dust, dpi);
    scan.pix = renderScene(scene, *ink, dpi);
    scan.skew = scene.skew;
    scan.sheet = toPixels(scene.sheet, dpi);
    if (scene.gutterMm >= 0.0)
        scan.gutter = toPixels(scene.gutterMm, dpi);
    return scan;
}

PixPtr drawTestChart(int size)
{
    PixPtr pix(pixCreate(size, size, 8));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int v = 85;
            if (x % 5 != 0 && y % 5 != 0) {
                const int level = (x / 5) % 256;
                v = (y / 5) % 2 == 0 ? level : 255 - level;
            }
            pixSetPixel(pix.get(), x, y, l_uint32(v));
        }
    }
    pixSetResolution(pix.get(), 300, 300);
    return pix;
}

double iou(const PixelRect &a, const PixelRect &b)
{
    if (a.isEmpty() || b.isEmpty())
        return 0.0;
    const int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    const double common = w > 0 && h > 0 ? double(w) * h : 0.0;
    return common / (double(a.w) * a.h + double(b.w) * b.h - common);
}

PixelRect darkBox(PIX *page)
{
    PixPtr grey(pixConvertTo8(page, 0));
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    for (int y = 0; y < int(pixGetHeight(grey.get())); ++y) {
        for (int x = 0; x < int(pixGetWidth(grey.get())); ++x) {
            l_uint32 v = 0;
            pixGetPixel(grey.get(), x, y, &v);
            if (v < 128) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    if (right < 0)
        return {};
    return {left, top, right - left, bottom - top};
}

} // namespace SyntheticPages
