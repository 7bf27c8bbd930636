#include "BrightnessContrast.h"

#include <cmath>

namespace BrightnessContrast {

LookupTable makeTable(double brightness, double contrast)
{
    LookupTable table{};
    for (int i = 0; i < 256; ++i) {
        double v = (i - 128) * (contrast + 100.0) / 100.0 + 128.0 + brightness * 255.0 / 100.0;
        if (v >= 255.0)
            v = 255.0;
        if (v <= 0.0)
            v = 0.0;
        table[static_cast<size_t>(i)] = static_cast<uchar>(std::floor(v + 0.5));
    }
    return table;
}

bool applyLookupTable(QImage &image, const LookupTable &table)
{
    const int depth = image.depth();
    if (depth != 8 && depth != 24 && depth != 32)
        return false;
    const int bytesPerPixel = depth / 8;
    const int colourBytes = bytesPerPixel == 1 ? 1 : 3;
    for (int y = 0; y < image.height(); ++y) {
        uchar *pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += bytesPerPixel) {
            for (int b = 0; b < colourBytes; ++b)
                pixel[b] = table[pixel[b]];
        }
    }
    return true;
}

bool applyBrightnessContrast(QImage &image, double brightness, double contrast)
{
    return applyLookupTable(image, makeTable(brightness, contrast));
}

} // namespace BrightnessContrast
