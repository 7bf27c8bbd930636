#pragma once

#include <QByteArray>
#include <QImage>

// A scanned page decoded from a packed device-independent bitmap, the form in which the scanner
// layer hands over each page: a 40-byte information header, the three colour masks when the
// compression is 3 (bit fields), the colour table, then the pixel rows, each padded to 4 bytes.
// A positive height stores the bottom row first, a negative one the top row first.
//
// The image is a deep copy: the byte buffer may be reused or dropped as soon as the constructor
// returns, and nothing here keeps a pointer into it. Its first row is always the top of the page,
// and its dots per metre are the bitmap's pixels per metre (a field of zero or below leaves
// QImage's default).
//
// Resulting formats, by bits per pixel:
//   1       Indexed8 with a grey table; a set bit is 255 (white), a clear one 0, whatever the
//           bitmap's own table says
//   4       RGB888, each pixel looked up in the colour table (an index past the table is black)
//   4 RLE   Indexed8 with the bitmap's colour table (compression 2, run-length encoded)
//   8       Indexed8 with the bitmap's colour table, every entry opaque
//   16      RGB555; with bit fields RGB16 for the masks F800/07E0/001F and RGB444 for
//           0F00/00F0/000F (other masks are read as 5-5-5); the unused top bits are cleared
//   24      RGB888
//   32      RGB32, the fourth byte ignored (bit fields only with the masks FF0000/FF00/FF)
//   48      RGB888, the 16-bit samples stretched to 8 bits over the range the page really uses
//
// Anything else, and any malformed or truncated block, gives a null image and a failure() other
// than None; no byte outside the buffer is ever read.
//
// QImage has no virtual destructor: never delete an HImage through a QImage pointer. Hand out a
// QImage pointer for reading only and keep ownership as an HImage.
class HImage : public QImage
{
public:
    enum class Failure {
        None,           // decoded (or default-constructed)
        Truncated,      // the block is shorter than the information header
        BadHeader,      // header size other than 40, or planes other than 1
        BadSize,        // width or height zero, negative width, or a page too large
        Unsupported,    // a bit count and compression outside the list above
        BadColourTable, // colours used over 256, or the masks or the table run past the block
        ShortRows,      // the pixel rows run past the block
        BadRunLength,   // run-length data ends early or runs past the block
        OutOfMemory,    // the image could not be allocated
    };

    // Largest width and height accepted, and the largest page in pixels (about 268 million: more
    // than a 1200 dpi scan of a whole A4 page).
    static constexpr qint64 MaxSide = 65535;
    static constexpr qint64 MaxPixels = qint64(1) << 28;

    HImage() = default;
    // Decodes the packed bitmap in dib; on failure the image is null.
    explicit HImage(const QByteArray &dib);

    bool isValid() const { return !isNull(); }
    Failure failure() const { return m_failure; }

private:
    Failure m_failure = Failure::None;
};
