#pragma once

#include "LeptHandles.h"

// Finding and removing the skew of a page's text lines.
//
// Angles are in degrees, positive is clockwise: on a page skewed by +2 a text line running to
// the right goes down the page by tan(2°) of its length.
namespace SkewDetection {

// Skews beyond this are not searched for.
constexpr double maxSkewDegrees = 15.0;

// The skew of the text lines on a page of any depth (1, 8 or 32 bpp) at `dpi`, in degrees,
// positive is clockwise. Dark areas touching the image edges (scanner borders, lid shadows) are
// left out. 0 when the page has too little text to tell.
double findSkew(PIX *page, int dpi);

// A binarized copy of the page as findSkew sees it, reduced by two when the page is wider than
// reduceAbove pixels: text black, borders touching the edges removed. Null on failure.
PixPtr textMask(PIX *page, int dpi, int reduceAbove = 2000);

// The page turned by `degrees` (positive is clockwise) about its centre, same size, with white
// brought in at the corners. Grey and colour are interpolated (area mapping); 1-bit pages are
// turned by sampling. Null on failure.
PixPtr rotate(PIX *page, double degrees);

// The pixels that rotate() brings in at the corners of a `width` x `height` page turned by
// `degrees`, widened by the one-pixel seam where the turn blends the page with the white: set
// in a 1-bit image. Null on failure.
PixPtr broughtIn(int width, int height, double degrees);

} // namespace SkewDetection
