// The page tool's analysis on the synthetic scans of its tests (tests/pagetool/SyntheticPages):
// per kind of scan, the content box's overlap with the truth (IoU), the residual skew and, for
// spreads, the gutter error, each checked against its goal, and the time the analysis took.
//
//   pagetool_quality [--dpi <dots per inch>] [--write <folder>]
//
// --dpi draws the scans at another resolution than 300. --write also saves every scan as
// <folder>/<name>.pgm and lists them in <folder>/scans.tsv (name, "single" or "spread", width,
// height), for bench/pagetool_bench.sh to time the tool and unpaper on the same files.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PageTool.h"
#include "SyntheticPages.h"

using namespace SyntheticPages;

namespace {

constexpr double goalIou = 0.98;
constexpr double goalSkew = 0.1;
constexpr double goalGutterPercent = 1.0;

struct Row
{
    std::string kind;
    double skew = 0.0;
    double residual = 0.0;
    std::vector<double> ious;
    double gutterPercent = -1.0;
    double milliseconds = 0.0;
};

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// A file name for a kind: its name with blanks and commas as underscores.
std::string fileName(ScanKind kind)
{
    std::string name = scanKindName(kind);
    std::string out;
    for (char c : name) {
        if (c == ' ' || c == ',' || c == '-') {
            if (!out.empty() && out.back() != '_')
                out += '_';
        } else {
            out += c;
        }
    }
    return out;
}

Row measure(ScanKind kind, const Scan &scan, int dpi)
{
    Row row;
    row.kind = scanKindName(kind);
    row.skew = scan.skew;
    const auto start = std::chrono::steady_clock::now();
    if (!isSpread(kind)) {
        const PageLayout layout = PageTool::analysePage(scan.pix.get(), dpi, true);
        row.milliseconds = millisecondsSince(start);
        row.residual = layout.skew - scan.skew;
        row.ious.push_back(iou(layout.content, scan.content.at(0)));
        return row;
    }
    const SpreadSplit split = PageTool::splitSpread(scan.pix.get(), true, dpi);
    std::vector<PageLayout> halves;
    for (size_t i = 0; i < split.pages.size(); ++i)
        halves.push_back(
            PageTool::analysePage(split.pages[i].get(), dpi, true, split.papers.at(i)));
    row.milliseconds = millisecondsSince(start);
    const int width = pixGetWidth(scan.pix.get());
    row.gutterPercent = 100.0 * std::abs(split.gutter - scan.gutter) / width;
    for (size_t i = 0; i < halves.size() && i < scan.content.size(); ++i) {
        // Each page is turned by the spread's skew and then by its own.
        const double residual = split.skew + halves[i].skew - scan.skew;
        if (std::fabs(residual) > std::fabs(row.residual))
            row.residual = residual;
        PixelRect truth = scan.content[i];
        if (i == 1)
            truth.x -= split.gutter;
        row.ious.push_back(iou(halves[i].content, truth));
    }
    if (halves.size() != 2)
        row.ious.assign(2, 0.0);
    return row;
}

} // namespace

int main(int argc, char **argv)
{
    setMsgSeverity(L_SEVERITY_NONE);
    int dpi = 300;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dpi" && i + 1 < argc) {
            dpi = std::atoi(argv[++i]);
        } else if (arg == "--write" && i + 1 < argc) {
            folder = argv[++i];
        } else {
            std::fprintf(stderr, "usage: pagetool_quality [--dpi N] [--write <folder>]\n");
            return 2;
        }
    }
    if (dpi < 50 || dpi > 1200) {
        std::fprintf(stderr, "pagetool_quality: --dpi must lie in 50..1200\n");
        return 2;
    }
    FILE *list = nullptr;
    if (!folder.empty()) {
        list = std::fopen((folder + "/scans.tsv").c_str(), "w");
        if (!list) {
            std::fprintf(stderr, "pagetool_quality: cannot write to %s\n", folder.c_str());
            return 1;
        }
    }

    std::printf("page tool analysis on synthetic scans at %d dpi (%s build)\n", dpi,
                VELLUMO_BENCH_BUILD_TYPE);
    std::printf("%-20s %11s %6s %7s %15s %7s %8s\n", "scan", "size", "skew", "resid", "IoU",
                "gutter", "ms");
    std::vector<Row> rows;
    for (ScanKind kind : allScanKinds()) {
        const Scan scan = drawScan(kind, dpi);
        if (list) {
            const std::string name = fileName(kind);
            if (pixWrite((folder + "/" + name + ".pgm").c_str(), scan.pix.get(), IFF_PNM) != 0) {
                std::fprintf(stderr, "pagetool_quality: cannot write %s\n", name.c_str());
                return 1;
            }
            std::fprintf(list, "%s\t%s\t%d\t%d\n", name.c_str(),
                         isSpread(kind) ? "spread" : "single", int(pixGetWidth(scan.pix.get())),
                         int(pixGetHeight(scan.pix.get())));
        }
        const Row row = measure(kind, scan, dpi);
        std::string ious;
        for (double value : row.ious) {
            char text[16];
            std::snprintf(text, sizeof text, "%s%.4f", ious.empty() ? "" : " ", value);
            ious += text;
        }
        char gutter[16] = "-";
        if (row.gutterPercent >= 0.0)
            std::snprintf(gutter, sizeof gutter, "%.2f%%", row.gutterPercent);
        char size[24];
        std::snprintf(size, sizeof size, "%dx%d", int(pixGetWidth(scan.pix.get())),
                      int(pixGetHeight(scan.pix.get())));
        std::printf("%-20s %11s %6.2f %7.3f %15s %7s %8.0f\n", row.kind.c_str(), size, row.skew,
                    row.residual, ious.c_str(), gutter, row.milliseconds);
        std::fflush(stdout);
        rows.push_back(row);
    }
    if (list && std::fclose(list) != 0) {
        std::fprintf(stderr, "pagetool_quality: cannot write the list of scans\n");
        return 1;
    }

    double worstIou = 1.0, worstSkew = 0.0, worstGutter = 0.0;
    for (const Row &row : rows) {
        for (double value : row.ious)
            worstIou = std::min(worstIou, value);
        worstSkew = std::max(worstSkew, std::fabs(row.residual));
        worstGutter = std::max(worstGutter, row.gutterPercent);
    }
    std::printf("\nworst: IoU %.4f, residual skew %.3f deg, gutter error %.2f %% of the width\n",
                worstIou, worstSkew, worstGutter);
    const struct
    {
        const char *text;
        bool met;
    } goals[] = {
        {"content box IoU >= 0.98 on every page and half", worstIou >= goalIou},
        {"residual skew <= 0.1 deg on every page", worstSkew <= goalSkew},
        {"gutter within 1 % of the spread's width", worstGutter <= goalGutterPercent},
    };
    bool allMet = true;
    for (const auto &goal : goals) {
        std::printf("goal %-50s %s\n", goal.text, goal.met ? "met" : "NOT MET");
        allMet = allMet && goal.met;
    }
    return allMet ? 0 : 3;
}
