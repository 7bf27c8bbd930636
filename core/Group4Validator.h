#pragma once

#include <QByteArray>
#include <QString>

// Checks CCITT Group 4 fax data (the /CCITTFaxDecode form with K < 0, first bit in the high bit
// of each byte) without making its pixels: every code of every line is read, and the data passes
// when it codes exactly width x height pixels. It never passes data that Group4Codec::decode()
// refuses, and refuses a little more of broken data (a vertical run of no pixels in mid-line, a
// pass past the line's end), at a fraction of the cost: for data that is kept as it is and only
// has to be known sound.
namespace Group4Validator {

// True when the data codes height lines of width pixels; false with the reason in error on a bad
// code, a run past the end of a line, uncompressed-mode data, or data ending (or an end-of-block
// mark) before the last line. Anything after the last line is not looked at.
bool validate(const QByteArray &group4, int width, int height, QString *error);

} // namespace Group4Validator
