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

} // namespace ContentBox
