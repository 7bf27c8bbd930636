#pragma once

#include "LeptHandles.h"

// Finding where a two-page spread is to be split.
namespace GutterFinder {

// How the gutter was found.
enum class Evidence {
    // The shadow of the binding: the darkest paper column near the middle.
    Shadow,
    // The middle of the widest blank band between the two pages' text.
    WhiteGap,
    // Nothing to go by: the middle of the image.
    Middle,
};

struct Gutter
{
    // Pixels from the left edge of the spread; the left page is the columns left of it.
    int x = 0;
    Evidence evidence = Evidence::Middle;
};

// The gutter of an upright (not skewed) two-page spread of any depth at `dpi`, searched between
// 30 % and 70 % of its width. A grey or colour scan shows the binding's shadow; a 1-bit spread has
// none, and is split in the blank band between the pages' text.
Gutter find(PIX *spread, int dpi);

// The same within `book` (pixels of the spread; empty is the whole spread): searched between
// 30 % and 70 % of the book's width, over its rows, so that the bed beside a small book never
// passes for the binding's shadow. x is still counted from the spread's left edge.
Gutter find(PIX *spread, int dpi, const PixelRect &book);

} // namespace GutterFinder
