// Synthetic scanned pages with a known truth, and an independent measure of processed pages,
// for bench/pagetool_bench.sh.
//
//   make_test_pages make <folder> <single pages> <spreads>
//       writes single_NN.pgm (A4, 300 dpi, grey) and spread_NN.pgm (two A4 pages side by side)
//       and truth.tsv: name, kind, skew (degrees, positive is clockwise), content box left, top,
//       width, height (in the upright page), gutter x (spreads), image width, height.
//   make_test_pages measure <image>
//       prints "skew <degrees> box <left> <top> <width> <height> size <width> <height>": the
//       skew of the dark (< 128) pixels' rows by a brute-force projection search, and their
//       bounding box. It shares no code with the tool.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <leptonica/allheaders.h>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// A small fixed-seed generator, so every run draws the same pages on every machine.
class Random
{
public:
    explicit Random(uint64_t seed)
        : m_state(seed * 6364136223846793005ULL + 1442695040888963407ULL)
    {
    }
    double uniform(double low, double high)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + (high - low) * double(m_state >> 11) / double(1ULL << 53);
    }
    int integer(int low, int high) { return int(std::floor(uniform(low, high + 1 - 1e-9))); }

private:
    uint64_t m_state;
};

struct Box
{
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    void add(int x0, int y0, int x1, int y1)
    {
        left = std::min(left, x0);
        top = std::min(top, y0);
        right = std::max(right, x1);
        bottom = std::max(bottom, y1);
    }
};

// Ink coverage 0..1 of an upright page.
struct Raster
{
    int w, h;
    std::vector<float> v;
    Raster(int width, int height)
        : w(width)
        , h(height)
        , v(size_t(width) * height, 0.0f)
    {
    }
    void fill(int x0, int y0, int x1, int y1, float value = 1.0f)
    {
        for (int y = std::max(0, y0); y < std::min(h, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(w, x1); ++x)
                v[size_t(y) * w + x] = value;
    }
    float at(double x, double y) const
    {
        // Bilinear, zero outside.
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = x - x0, fy = y - y0;
        auto get = [&](int xi, int yi) {
            return (xi < 0 || yi < 0 || xi >= w || yi >= h) ? 0.0f : v[size_t(yi) * w + xi];
        };
        return float((1 - fy) * ((1 - fx) * get(x0, y0) + fx * get(x0 + 1, y0)) +
                     fy * ((1 - fx) * get(x0, y0 + 1) + fx * get(x0 + 1, y0 + 1)));
    }
};

// Lines of word-like blocks filling [left, right) x [top, bottom): an x-height body with
// ascenders and descenders; full lines are justified to the right edge.
void drawText(Raster &ink, Random &rnd, int left, int top, int right, int bottom, Box &truth)
{
    const int pitch = 50;
    int linesInParagraph = rnd.integer(6, 12);
    for (int y = top; y + 44 <= bottom; y += pitch) {
        const bool lastOfParagraph = --linesInParagraph == 0;
        const int lineEnd =
            lastOfParagraph ? left + int((right - left) * rnd.uniform(0.3, 0.8)) : right;
        int x = left;
        while (x < lineEnd - 40) {
            int wordEnd = x + rnd.integer(40, 220);
            if (wordEnd > lineEnd - 40)
                wordEnd = lineEnd;
            ink.fill(x, y + 12, wordEnd, y + 34);
            truth.add(x, y + 12, wordEnd, y + 34);
            for (int k = 0; k < (wordEnd - x) / 45 + 1; ++k) {
                const int sx = rnd.integer(x, std::max(x, wordEnd - 8));
                if (rnd.uniform(0, 1) < 0.5) {
                    ink.fill(sx, y, sx + 7, y + 12);
                    truth.add(sx, y, sx + 7, y + 12);
                } else if (rnd.uniform(0, 1) < 0.4) {
                    ink.fill(sx, y + 34, sx + 7, y + 44);
                    truth.add(sx, y + 34, sx + 7, y + 44);
                }
            }
            x = wordEnd + rnd.integer(16, 24);
        }
        if (lastOfParagraph) {
            y += pitch;
            linesInParagraph = rnd.integer(6, 12);
        }
    }
}

bool writePgm(const std::string &path, const std::vector<uint8_t> &grey, int w, int h)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "P5\n%d %d\n255\n", w, h);
    const bool ok = std::fwrite(grey.data(), 1, grey.size(), f) == grey.size();
    return std::fclose(f) == 0 && ok;
}

uint8_t clampByte(double v)
{
    return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

void makeSingle(const std::string &folder, int index, int count, FILE *truthFile)
{
    const int w = 2480, h = 3508;
    Random rnd(1000 + index);
    // Skews spread evenly over -10..+10 degrees, with a little jitter.
    const double skew =
        count > 1 ? -10.0 + 20.0 * index / (count - 1) + rnd.uniform(-0.3, 0.3) : 3.0;
    Raster ink(w, h);
    Box truth;
    drawText(ink, rnd, rnd.integer(280, 420), rnd.integer(300, 450), w - rnd.integer(280, 420),
             h - rnd.integer(300, 450), truth);

    const double c = std::cos(skew * degree), s = std::sin(skew * degree);
    const double cx = w / 2.0, cy = h / 2.0;
    std::vector<uint8_t> grey(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Paper with uneven light, and a little sensor noise.
            const double paper =
                234.0 - 28.0 * (double(x) / w) * (double(y) / h) + rnd.uniform(-3.0, 3.0);
            // The upright point that lands here when the page is turned clockwise by skew.
            const double dx = x - cx, dy = y - cy;
            const double a = ink.at(cx + dx * c + dy * s, cy - dx * s + dy * c);
            grey[size_t(y) * w + x] = clampByte(paper - a * (paper - 28.0));
        }
    }
    // Scanner artefacts in the scanner's own frame: a dark strip along one edge or a lid
    // shadow, specks in the margins and on some pages a punched hole.
    if (index % 2 == 0) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 25; ++x)
                grey[size_t(y) * w + x] = 30;
    } else {
        for (int y = h - 70; y < h; ++y)
            for (int x = 0; x < w; ++x)
                grey[size_t(y) * w + x] =
                    clampByte(grey[size_t(y) * w + x] * (1.0 - 0.7 * (y - (h - 70)) / 70.0));
    }
    for (int k = 0; k < 6; ++k) {
        const int sx = k % 2 ? rnd.integer(40, 90) : w - rnd.integer(40, 90);
        const int sy = rnd.integer(100, h - 100);
        for (int y = sy; y < sy + 3; ++y)
            for (int x = sx; x < sx + 3; ++x)
                grey[size_t(y) * w + x] = 40;
    }
    if (index % 3 == 0) {
        const int hx = 110, hy = h / 2 + rnd.integer(-400, 400), r = 38;
        for (int y = hy - r; y <= hy + r; ++y)
            for (int x = hx - r; x <= hx + r; ++x)
                if ((x - hx) * (x - hx) + (y - hy) * (y - hy) <= r * r)
                    grey[size_t(y) * w + x] = 25;
    }
    char name[64];
    std::snprintf(name, sizeof name, "single_%02d", index);
    writePgm(folder + "/" + name + ".pgm", grey, w, h);
    std::fprintf(truthFile, "%s\tsingle\t%.4f\t%d\t%d\t%d\t%d\t0\t%d\t%d\n", name, skew, truth.left,
                 truth.top, truth.right - truth.left, truth.bottom - truth.top, w, h);
}

void makeSpread(const std::string &folder, int index, FILE *truthFile)
{
    const int w = 4960, h = 3508;
    Random rnd(5000 + index);
    const double skew = rnd.uniform(-1.5, 1.5);
    const int offset = (index % 2 ? 1 : -1) * rnd.integer(120, 280);
    const int gutter = w / 2 + offset;
    Raster ink(w, h);
    Box left, right;
    drawText(ink, rnd, 300, 380, gutter - rnd.integer(200, 260), h - 420, left);
    drawText(ink, rnd, gutter + rnd.integer(200, 260), 380, w - 300, h - 420, right);

    // The book, upright: two sheets, the binding's shadow (wider on the left, where the page
    // curves away), and ink.
    std::vector<float> book(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double sigma = x < gutter ? 70.0 : 45.0;
            const double shade = 1.0 - 0.5 * std::exp(-std::pow((x - gutter) / sigma, 2));
            const double paper = (x < gutter ? 228.0 : 236.0) * shade;
            const double a = ink.v[size_t(y) * w + x];
            book[size_t(y) * w + x] = float(paper - a * (paper - 28.0));
        }
    }
    const double c = std::cos(skew * degree), s = std::sin(skew * degree);
    const double cx = w / 2.0, cy = h / 2.0;
    std::vector<uint8_t> grey(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = x - cx, dy = y - cy;
            const double ux = cx + dx * c + dy * s, uy = cy - dx * s + dy * c;
            double v = 245.0;
            const int x0 = int(std::floor(ux)), y0 = int(std::floor(uy));
            if (x0 >= 0 && y0 >= 0 && x0 + 1 < w && y0 + 1 < h) {
                const double fx = ux - x0, fy = uy - y0;
                const auto b = [&](int xi, int yi) {
                    return double(book[size_t(yi) * w + xi]);
                };
                v = (1 - fy) * ((1 - fx) * b(x0, y0) + fx * b(x0 + 1, y0)) +
                    fy * ((1 - fx) * b(x0, y0 + 1) + fx * b(x0 + 1, y0 + 1));
            }
            grey[size_t(y) * w + x] = clampByte(v + rnd.uniform(-3.0, 3.0));
        }
    }
    char name[64];
    std::snprintf(name, sizeof name, "spread_%02d", index);
    writePgm(folder + "/" + name + ".pgm", grey, w, h);
    std::fprintf(truthFile, "%s\tspread\t%.4f\t0\t0\t0\t0\t%d\t%d\t%d\n", name, skew, gutter, w, h);
}

int measure(const char *path)
{
    setMsgSeverity(L_SEVERITY_NONE);
    PIX *pix = pixRead(path);
    if (!pix) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    PIX *grey = pixConvertTo8(pix, 0);
    const int w = pixGetWidth(grey), h = pixGetHeight(grey);
    std::vector<float> xs, ys;
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            l_uint32 v = 0;
            pixGetPixel(grey, x, y, &v);
            if (v < 128) {
                xs.push_back(float(x - w / 2.0));
                ys.push_back(float(y - h / 2.0));
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    pixDestroy(&grey);
    pixDestroy(&pix);

    // Sharpness of the row profile of the points turned by -angle: the sum of squared counts
    // over rows of one pixel. Each point gets its own random offset of up to one row before it
    // is binned; without it, near 0 degrees all points share one position between two rows and
    // the peak is pulled to one side by the binning rather than by the lines.
    const int rows = int(std::hypot(w, h)) + 4;
    std::vector<double> histogram(rows);
    std::vector<float> jitter(xs.size());
    Random random(42);
    for (float &j : jitter)
        j = float(random.uniform(0.0, 1.0));
    const auto score = [&](double angle, size_t step) {
        std::fill(histogram.begin(), histogram.end(), 0.0);
        const double c = std::cos(angle * degree), s = std::sin(angle * degree);
        for (size_t i = 0; i < xs.size(); i += step) {
            const int r = int(std::floor(ys[i] * c - xs[i] * s + rows / 2.0 + jitter[i]));
            if (r >= 0 && r < rows)
                histogram[r] += 1.0;
        }
        double sum = 0.0;
        for (double v : histogram)
            sum += v * v;
        return sum;
    };
    double best = 0.0;
    if (xs.size() > 1000) {
        const size_t coarseStep = std::max<size_t>(1, xs.size() / 150000);
        double bestScore = -1.0;
        for (double a = -15.0; a <= 15.0; a += 0.1) {
            const double sc = score(a, coarseStep);
            if (sc > bestScore) {
                bestScore = sc;
                best = a;
            }
        }
        const double centre = best;
        bestScore = -1.0;
        for (double a = centre - 0.15; a <= centre + 0.15; a += 0.002) {
            const double sc = score(a, 1);
            if (sc > bestScore) {
                bestScore = sc;
                best = a;
            }
        }
        // Parabola through the peak and its neighbours.
        const double sm = score(best - 0.002, 1), s0 = bestScore, sp = score(best + 0.002, 1);
        const double denominator = sm - 2 * s0 + sp;
        if (denominator < 0)
            best += 0.002 * 0.5 * (sm - sp) / denominator;
    }
    std::printf("skew %.4f box %d %d %d %d size %d %d\n", best, left, top,
                right < 0 ? 0 : right - left, bottom < 0 ? 0 : bottom - top, w, h);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "measure" && argc == 3)
        return measure(argv[2]);
    if (mode == "make" && argc == 5) {
        const std::string folder = argv[2];
        const int singles = std::atoi(argv[3]);
        const int spreads = std::atoi(argv[4]);
        FILE *truth = std::fopen((folder + "/truth.tsv").c_str(), "w");
        if (!truth)
            return 1;
        for (int i = 0; i < singles; ++i)
            makeSingle(folder, i, singles, truth);
        for (int i = 0; i < spreads; ++i)
            makeSpread(folder, i, truth);
        return std::fclose(truth) == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "usage: make_test_pages make <folder> <single pages> <spreads>\n"
                         "       make_test_pages measure <image>\n");
    return 2;
}
