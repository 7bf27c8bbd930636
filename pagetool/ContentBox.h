#pragma once

#include "LeptHandles.h"

// Finding the printed content of a page.
namespace ContentBox {

// The smallest box holding the page's printed content, in pixels of the page (any depth).
// Left out: dark areas touching the image edges (scanner borders, lid shadows), specks smaller
// than about 0.7 mm standing apart from the content, and solid round blobs of 4 to 10 mm near an
// edge (punch holes). `dpi` is the page's resolution, used to turn those sizes into pixels.
// Empty when nothing is printed on the page.
PixelRect find(PIX *page, int dpi);

// The same, searched only inside `paper` (the sheet on the page, in pixels of the page): what
// touches the sheet's edges (its cut edge, its shadow, the bed beyond) is left out like a
// scanner border. An empty `paper` is the whole page. `unscanned` (1 bpp, the page's size, may
// be null) marks pixels that were never scanned, such as the corners a turn brought in: they
// count as part of the image's border, and what touches them is left out with it.
PixelRect find(PIX *page, int dpi, const PixelRect &paper, PIX *unscanned = nullptr);

} // namespace ContentBox
