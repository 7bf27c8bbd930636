#include "SyntheticPages.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace SyntheticPages {

InkLayer::InkLayer(int w, int h)
    : width(w)
    , height(h)
    , coverage(size_t(w) * h, 0.0f)
{
}

void InkLayer::fill(const PixelRect &r)
{
    for (int y = std::max(0, r.y); y < std::min(height, r.y + r.h); ++y)
        for (int x = std::max(0, r.x); x < std::min(width, r.x + r.w); ++x)
            coverage[size_t(y) * width + x] = 1.0f;
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

PixelRect drawText(InkLayer &ink, const PixelRect &block, unsigned seed)
{
    // A fixed linear congruential sequence: the same page on every machine.
    unsigned state = seed * 2654435761u + 1u;
    const auto next = [&state](int low, int high) {
        state = state * 1664525u + 1013904223u;
        return low + int((state >> 8) % unsigned(high - low + 1));
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
    for (int y = block.y; y + 22 <= block.y + block.h; y += 25) {
        const bool paragraphEnd = ++lines % 9 == 0;
        const int lineEnd = paragraphEnd ? block.x + block.w / 2 : blockRight;
        int x = block.x;
        while (x < lineEnd - 20) {
            int wordEnd = x + next(20, 110);
            if (wordEnd > lineEnd - 20)
                wordEnd = lineEnd;
            draw(x, y + 6, wordEnd, y + 17);
            const int stem = next(x, std::max(x, wordEnd - 4));
            if (next(0, 1))
                draw(stem, y, stem + 4, y + 6);
            else
                draw(stem, y + 17, stem + 4, y + 22);
            x = wordEnd + next(8, 12);
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
