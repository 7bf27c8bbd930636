#pragma once

#include <leptonica/allheaders.h>
#include <memory>

// Owning handles for Leptonica objects, taken at the call that creates them. A null handle is a
// failed call.
struct PixDeleter
{
    void operator()(PIX *pix) const { pixDestroy(&pix); }
};
struct BoxDeleter
{
    void operator()(BOX *box) const { boxDestroy(&box); }
};
struct BoxaDeleter
{
    void operator()(BOXA *boxa) const { boxaDestroy(&boxa); }
};
struct PixaDeleter
{
    void operator()(PIXA *pixa) const { pixaDestroy(&pixa); }
};
struct NumaDeleter
{
    void operator()(NUMA *numa) const { numaDestroy(&numa); }
};

using PixPtr = std::unique_ptr<PIX, PixDeleter>;
using BoxPtr = std::unique_ptr<BOX, BoxDeleter>;
using BoxaPtr = std::unique_ptr<BOXA, BoxaDeleter>;
using PixaPtr = std::unique_ptr<PIXA, PixaDeleter>;
using NumaPtr = std::unique_ptr<NUMA, NumaDeleter>;

// A rectangle in pixels, left/top inclusive, of width w and height h.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool isEmpty() const { return w <= 0 || h <= 0; }
    bool operator==(const PixelRect &) const = default;
};
