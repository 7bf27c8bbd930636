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
    void fill(const PixelRect &rect);
    // Bilinear; zero outside.
    float at(double x, double y) const;
};

// Lines of word-like blocks (x-height 11 px, line pitch 25 px, some ascenders and descenders)
// filling `block`, full lines justified to its right edge; `seed` varies the words. Returns the
// exact box of what was drawn.
PixelRect drawText(InkLayer &ink, const PixelRect &block, unsigned seed);

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

// Intersection over union of two boxes; 0 when either is empty.
double iou(const PixelRect &a, const PixelRect &b);
// The box of the pixels darker than 128 (any depth); empty for a blank page.
PixelRect darkBox(PIX *page);

} // namespace SyntheticPages
