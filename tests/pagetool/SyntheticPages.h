#pragma once

#include <vector>

#include "LeptHandles.h"

// Scanned-looking test pages drawn with a known truth. Angles in degrees, positive is clockwise.
namespace SyntheticPages {

// Ink coverage (0..1) of an upright page, drawn before the page is turned and shaded.
struct InkLayer
{
    int width = 0;
    int height = 0;
    std::vector<float> coverage;

    InkLayer(int w, int h);
    void fill(const PixelRect &rect, float value = 1.0f);
    // Bilinear; zero outside.
    float at(double x, double y) const;
};

// Lines of word-like blocks (x-height 11 px, line pitch 25 px, some ascenders and descenders)
// filling `block`, full lines justified to its right edge; `seed` varies the words. Every size is
// multiplied by `scale` (2 draws the same text at 300 dpi as 1 at 150). Returns the exact box of
// what was drawn.
PixelRect drawText(InkLayer &ink, const PixelRect &block, unsigned seed, double scale = 1.0);

// An 8 bpp page: `ink` turned clockwise by `skew` about the page centre, laid on paper of
// brightness `paper` at (x, y) (a function of the position), ink at `inkLevel`.
using PaperFunction = double (*)(int x, int y, int w, int h);
double evenPaper(int x, int y, int w, int h);
// Light from the top left: 235 there, 120 at the bottom right.
double unevenPaper(int x, int y, int w, int h);
PixPtr render(const InkLayer &ink, double skew, PaperFunction paper = evenPaper,
              double inkLevel = 30.0);

// Paints a rectangle of `value` (scanner border, lid shadow, speck) onto an 8 bpp page.
void paint(PIX *page, const PixelRect &rect, int value);
// Paints a filled circle (a punched hole).
void paintDisc(PIX *page, int cx, int cy, int radius, int value);

// The scanned scenes the page tool must cope with, drawn at any resolution.
enum class ScanKind {
    // A sheet filling the whole image, turned by 2 degrees: no paper edge in sight.
    CleanPage,
    // A sheet turned by 7 degrees on a black bed; two of its corners lie outside the image.
    DarkBedTilted,
    // A B5 sheet turned by -6 degrees on a grey, textured bed.
    GreyBedTilted,
    // A sheet reaching past the image's left and top edges; the bed shows right and below.
    SmallerOnTwoSides,
    // An A5 sheet with the grey bed all around it.
    SmallerOnFourSides,
    // Text, a figure as wide as the text block and a page number, on a black bed.
    FullWidthFigure,
    // A nearly empty sheet on a black bed: a title of two lines.
    TitleOnly,
    // An open book on a black bed: two pages, the binding's dark shadow between them.
    Spread,
    // An open book on the grey bed, its binding left of the image's middle.
    SpreadOnGreyBed,
    // A small open book (A5 pages) on a black bed, near the image's left edge.
    SmallSpreadOffCentre,
};

// Every kind, in the order above.
const std::vector<ScanKind> &allScanKinds();
const char *scanKindName(ScanKind kind);
bool isSpread(ScanKind kind);

// A drawn scan and what a perfect tool finds on it. Positions are in the upright frame: the
// image turned back by `skew` about its centre, the frame a deskewed scan is in.
struct Scan
{
    // 8 bpp grey, carrying its resolution.
    PixPtr pix;
    // Of the sheet and its print, degrees, positive is clockwise.
    double skew = 0.0;
    // The exact box of the printed content (text, figures, page numbers; no dust), one per page,
    // the left page first.
    std::vector<PixelRect> content;
    // Spreads: x of the binding; -1 for single pages.
    int gutter = -1;
    // The sheet, for a spread the whole book; it may reach beyond the image.
    PixelRect sheet;
};

// `kind` drawn at `dpi`. The same scene on every machine: noise and texture come from fixed
// seeds.
Scan drawScan(ScanKind kind, int dpi);

// An upright test chart of `size` x `size` pixels at 300 dpi: a grid of grey lines every
// 5 pixels around cells of 4 x 4, rows of cells alternately dark and bright, each cell one grey
// level lighter (or darker) than its left neighbour. It is the grey picture of SANE's test
// device, a pattern of fine lines with no text.
PixPtr drawTestChart(int size);

// Intersection over union of two boxes; 0 when either is empty.
double iou(const PixelRect &a, const PixelRect &b);
// The box of the pixels darker than 128 (any depth); empty for a blank page.
PixelRect darkBox(PIX *page);

} // namespace SyntheticPages
