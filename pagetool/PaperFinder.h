#pragma once

#include "LeptHandles.h"

// Finding the sheet of paper on a scan that shows the scanner's bed around it.
namespace PaperFinder {

// The sheet on a scan of any depth at `dpi`, in pixels of the scan once it is turned upright
// (SkewDetection::rotate(scan, -skew), `skew` in degrees, positive is clockwise): the bright
// rectangle that a clearly darker bed (a black lid, an open scanner, a grey lid) surrounds.
// A side counts only where a sharp step from bed to paper runs along it; elsewhere, and when no
// bed shows at all (the sheet fills the image, or a white lid is as bright as the paper), the
// rectangle reaches the image's edge. The whole image on failure.
PixelRect find(PIX *scan, int dpi, double skew = 0.0);

} // namespace PaperFinder
