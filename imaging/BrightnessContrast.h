#pragma once

#include <QImage>

#include <array>

// The brightness/contrast change of a page: one 256-entry table applied to every colour byte.
namespace BrightnessContrast {

using LookupTable = std::array<uchar, 256>;

// Entry i = floor((i - 128) * (c + 100) / 100 + 128 + b * 255 / 100 + 0.5), clamped to 0..255.
// brightness and contrast run from -100 to 100; 0 and 0 give the identity.
LookupTable makeTable(double brightness, double contrast);
// Replaces the first three bytes of every pixel (the only byte of an 8-bit pixel, whose colour
// table stays as it is) by their table entries; a 32-bit pixel's fourth byte is left alone.
// False, leaving the image untouched, for depths other than 8, 24 and 32.
bool applyLookupTable(QImage &image, const LookupTable &table);
// makeTable followed by applyLookupTable.
bool applyBrightnessContrast(QImage &image, double brightness, double contrast);

} // namespace BrightnessContrast
