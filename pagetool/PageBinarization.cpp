#include "PageBinarization.h"

#include <algorithm>
#include <cmath>

namespace PageBinarization {

PixPtr toGrey(PIX *page)
{
    if (!page)
        return nullptr;
    PixPtr plain(pixRemoveColormap(page, REMOVE_CMAP_BASED_ON_SRC));
    if (!plain)
        return nullptr;
    switch (pixGetDepth(plain.get())) {
    case 1:
        return PixPtr(pixConvert1To8(nullptr, plain.get(), 255, 0));
    case 8:
        return PixPtr(pixCopy(nullptr, plain.get()));
    case 32:
        return PixPtr(pixConvertRGBToLuminance(plain.get()));
    default:
        return PixPtr(pixConvertTo8(plain.get(), 0));
    }
}

PixPtr levelBackground(PIX *page, int paperLevel, int dpi)
{
    if (!page || (pixGetDepth(page) != 8 && pixGetDepth(page) != 32))
        return nullptr;
    // The paper is estimated as the brightest level around each point: a grey closing of a copy
    // reduced by 4, over about 12 mm, wider than any stroke or punched hole. Unlike averaging,
    // this keeps faint ink from passing for darker paper. The closing size must be odd.
    constexpr int reduction = 4;
    const int size = std::clamp(int(std::lround(12.0 * dpi / 25.4 / reduction)) | 1, 3, 101);
    return PixPtr(
        pixBackgroundNormMorph(page, nullptr, reduction, size, std::clamp(paperLevel, 128, 255)));
}

PixPtr binarize(PIX *page, int dpi, double inkFraction)
{
    if (!page)
        return nullptr;
    if (pixGetDepth(page) == 1)
        return PixPtr(pixCopy(nullptr, page));
    // Levelling leaves its input alone: a plain grey page needs no copy.
    PixPtr grey;
    if (pixGetDepth(page) != 8 || pixGetColormap(page)) {
        grey = toGrey(page);
        if (!grey)
            return nullptr;
    }
    constexpr int paper = 200;
    PixPtr level = levelBackground(grey ? grey.get() : page, paper, dpi);
    if (!level)
        return nullptr;
    const int threshold = std::clamp(int(std::lround(paper * inkFraction)), 1, paper);
    return PixPtr(pixThresholdToBinary(level.get(), threshold));
}

PixPtr removeSpecks(PIX *binary, int maxSize)
{
    if (!binary || pixGetDepth(binary) != 1)
        return nullptr;
    if (maxSize <= 0)
        return PixPtr(pixCopy(nullptr, binary));
    // Kept: components wider or taller than maxSize.
    return PixPtr(pixSelectBySize(binary, maxSize + 1, maxSize + 1, 8, L_SELECT_IF_EITHER,
                                  L_SELECT_IF_GTE, nullptr));
}

} // namespace PageBinarization
