#pragma once

#include <QByteArray>

// A TrueType font whose glyphs have no outline: two glyphs (.notdef and one empty glyph of half
// an em), enough for a PDF reader to load it for text that is never drawn (an invisible text
// layer). Built in code, so nothing outside the program is needed.
namespace GlyphlessFont {

// Units per em of the font; every glyph advances half of it.
constexpr int UnitsPerEm = 1000;
constexpr int Advance = 500;

// The font file (the bytes of an sfnt with head, hhea, maxp, hmtx, loca, glyf, cmap and post).
QByteArray trueType();

} // namespace GlyphlessFont
