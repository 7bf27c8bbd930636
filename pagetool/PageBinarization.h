#pragma once

#include "LeptHandles.h"

// Grey conversion, background levelling and thresholding shared by the page steps.
namespace PageBinarization {

// An 8 bpp grey copy without colour table of a page of any depth (colour by luminance, 1-bit
// black as 0 and white as 255). Null on failure.
PixPtr toGrey(PIX *page);

// The page (8 or 32 bpp, at `dpi`) with its paper levelled to `paperLevel` everywhere:
// shading, a yellowed sheet or uneven lighting are divided out while ink keeps its contrast to
// the paper, so faint strokes stay visible. Dark areas up to about 12 mm across count as ink
// (text, punched holes); wider ones as shaded paper. Null on failure.
PixPtr levelBackground(PIX *page, int paperLevel, int dpi);

// A 1-bit copy of a page of any depth at `dpi` (1 is black): the background is levelled
// first, so a shaded page is thresholded evenly. Ink at up to `inkFraction` of the local paper
// brightness is black. Null on failure.
PixPtr binarize(PIX *page, int dpi, double inkFraction = 0.75);

// A copy of a 1-bit image without the black 8-connected components that fit in a square of
// maxSize pixels: dust and scanner noise. Null on failure.
PixPtr removeSpecks(PIX *binary, int maxSize);

} // namespace PageBinarization
