#pragma once

#include <QByteArray>
#include <QString>

// The general-purpose PDF stream filters, undone in memory: ASCIIHexDecode, ASCII85Decode,
// FlateDecode and LZWDecode (with their PNG and TIFF predictors) and RunLengthDecode. The image
// codecs (DCT, CCITT fax, JBIG2, JPX) are not among them. Every decoder stops at an output
// limit, so a small stream that expands without end (a "zip bomb") costs at most that much.
namespace PdfStreamFilters {

// The PDF's white-space characters, and the value of a hexadecimal digit (-1 for none).
bool isPdfWhitespace(char c);
int hexValue(char c);

// The /DecodeParms entries that the filters here read.
struct Params
{
    int predictor = 1;        // 1 none, 2 TIFF, 10..15 PNG
    int colors = 1;           // samples per pixel, for the predictors
    int bitsPerComponent = 8; // 1, 2, 4, 8 or 16, for the predictors
    int columns = 1;          // pixels per row, for the predictors
    int earlyChange = 1;      // LZW code width grows one code early (the usual case)
};

// True for the filters this namespace decodes (full names and the inline-image abbreviations).
bool isStreamFilter(const QByteArray &name);
// The full filter name for an abbreviation ("Fl" -> "FlateDecode"); other names unchanged.
QByteArray fullName(const QByteArray &name);

// Undoes one filter. At most limit bytes are produced: output past it is dropped and is not an
// error. A stream that breaks off (a Flate stream without its end, an ASCII85 group cut short)
// gives what was decoded before the break, since the caller checks the amount it needs; false
// with the reason in error only when the filter is unknown or nothing could be decoded at all.
[[nodiscard]] bool decode(const QByteArray &name, const QByteArray &input, const Params &params,
                          qsizetype limit, QByteArray *output, QString *error);

// Undoes a predictor on its own (after Flate or LZW). Rows that are incomplete at the end are
// dropped. False when the parameters make no sense (zero columns, a bit depth not listed).
[[nodiscard]] bool unpredict(const QByteArray &input, const Params &params, QByteArray *output,
                             QString *error);

} // namespace PdfStreamFilters
