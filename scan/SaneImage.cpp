#include "SaneImage.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int InfoHeaderSize = 40;

// Row length in the bitmap: padded up to a multiple of 32 bits.
qint64 dibStride(int width, int bitCount)
{
    return ((qint64(width) * bitCount + 31) / 32) * 4;
}

void putLe16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void putLe32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

// A zero-filled bitmap with its header and colour table written; the pixel rows are left to
// the caller. `tableEntries` is 0, 2 or 256 (the table is black to white in equal steps).
QByteArray newDib(int width, int height, int bitCount, int tableEntries, int pixelsPerMetre)
{
    const qint64 stride = dibStride(width, bitCount);
    const qint64 imageSize = stride * height;
    const qint64 offset = InfoHeaderSize + 4 * qint64(tableEntries);
    QByteArray dib(offset + imageSize, '\0');
    char *h = dib.data();
    putLe32(h, InfoHeaderSize);
    putLe32(h + 4, quint32(width));
    putLe32(h + 8, quint32(height)); // positive: bottom row first
    putLe16(h + 12, 1);
    putLe16(h + 14, quint16(bitCount));
    putLe32(h + 16, 0); // no compression
    // The image size field may be 0 for uncompressed bitmaps; used when it would not fit.
    putLe32(h + 20, imageSize <= std::numeric_limits<quint32>::max() ? quint32(imageSize) : 0);
    putLe32(h + 24, quint32(pixelsPerMetre));
    putLe32(h + 28, quint32(pixelsPerMetre));
    putLe32(h + 32, quint32(tableEntries));
    putLe32(h + 36, 0);
    for (int i = 0; i < tableEntries; ++i) {
        const auto level = char(tableEntries == 1 ? 0 : i * 255 / (tableEntries - 1));
        char *entry = h + InfoHeaderSize + 4 * i;
        entry[0] = level; // blue
        entry[1] = level; // green
        entry[2] = level; // red
    }
    return dib;
}

// Start of the bitmap's row that holds image row `y` (rows counted from the top).
char *dibRow(QByteArray &dib, int tableEntries, qint64 stride, int height, int y)
{
    return dib.data() + InfoHeaderSize + 4 * tableEntries + stride * (height - 1 - y);
}

// SANE sends 16-bit samples in the machine's own byte order.
quint16 sample16(const char *at)
{
    quint16 value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

int SaneImage::pixelsPerMetre(double dotsPerInch)
{
    return int(std::lround(dotsPerInch / 0.0254));
}

bool SaneImage::addFrame(const SANE_Parameters &params, QByteArray bytes)
{
    if (m_complete || params.pixels_per_line <= 0 || params.bytes_per_line <= 0)
        return false;
    const bool depthOk = params.depth == 8 || params.depth == 16 ||
                         (params.depth == 1 && params.format == SANE_FRAME_GRAY);
    if (!depthOk)
        return false;

    const int bitsPerPixel = params.depth * (params.format == SANE_FRAME_RGB ? 3 : 1);
    if (qint64(params.bytes_per_line) * 8 < qint64(params.pixels_per_line) * bitsPerPixel)
        return false;

    int plane = 0;
    bool colour = true;
    switch (params.format) {
    case SANE_FRAME_GRAY:
        colour = false;
        break;
    case SANE_FRAME_RGB:
        break;
    case SANE_FRAME_RED:
        plane = 0;
        break;
    case SANE_FRAME_GREEN:
        plane = 1;
        break;
    case SANE_FRAME_BLUE:
        plane = 2;
        break;
    default:
        return false;
    }
    const bool interleaved = params.format == SANE_FRAME_RGB;
    if (m_frames > 0 &&
        (colour != m_isColour || interleaved != m_interleaved ||
         params.pixels_per_line != m_width || params.depth != m_depth || m_hasPlane[plane]))
        return false;

    m_isColour = colour;
    m_interleaved = interleaved;
    m_width = params.pixels_per_line;
    m_depth = params.depth;
    const Plane frame{std::move(bytes), params.bytes_per_line};
    if (interleaved) {
        m_planes.fill(frame);
        m_hasPlane.fill(true);
    } else {
        m_planes[plane] = frame;
        m_hasPlane[plane] = true;
    }
    ++m_frames;
    m_complete = params.last_frame != 0;
    return true;
}

int SaneImage::height() const
{
    if (m_frames == 0)
        return 0;
    qint64 rows = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < m_planes.size(); ++i) {
        if (m_hasPlane[i])
            rows = std::min(rows, m_planes[i].bytes.size() / m_planes[i].bytesPerLine);
        else if (m_isColour)
            return 0;
        if (!m_isColour)
            break;
    }
    return int(rows);
}

QByteArray SaneImage::toDib(double dotsPerInch) const
{
    const int rows = height();
    if (!m_complete || rows <= 0)
        return {};
    const int ppm = pixelsPerMetre(dotsPerInch);
    if (m_isColour)
        return packColour(rows, ppm);
    return m_depth == 1 ? packLineArt(rows, ppm) : packGray(rows, ppm);
}

QByteArray SaneImage::packLineArt(int rows, int ppm) const
{
    constexpr int Entries = 2;
    QByteArray dib = newDib(m_width, rows, 1, Entries, ppm);
    const qint64 stride = dibStride(m_width, 1);
    const int usedBytes = (m_width + 7) / 8;
    // Bits past the right edge in the last byte stay clear.
    const auto lastMask = uchar(m_width % 8 == 0 ? 0xFF : 0xFF << (8 - m_width % 8));
    const Plane &plane = m_planes[0];
    for (int y = 0; y < rows; ++y) {
        const char *src = plane.bytes.constData() + qint64(y) * plane.bytesPerLine;
        char *dst = dibRow(dib, Entries, stride, rows, y);
        for (int i = 0; i < usedBytes; ++i)
            dst[i] = char(~uchar(src[i]));
        dst[usedBytes - 1] = char(uchar(dst[usedBytes - 1]) & lastMask);
    }
    return dib;
}

QByteArray SaneImage::packGray(int rows, int ppm) const
{
    constexpr int Entries = 256;
    QByteArray dib = newDib(m_width, rows, 8, Entries, ppm);
    const qint64 stride = dibStride(m_width, 8);
    const Plane &plane = m_planes[0];
    for (int y = 0; y < rows; ++y) {
        const char *src = plane.bytes.constData() + qint64(y) * plane.bytesPerLine;
        char *dst = dibRow(dib, Entries, stride, rows, y);
        if (m_depth == 8) {
            std::memcpy(dst, src, std::size_t(m_width));
        } else {
            for (int x = 0; x < m_width; ++x)
                dst[x] = char(sample16(src + 2 * x) >> 8);
        }
    }
    return dib;
}

QByteArray SaneImage::packColour(int rows, int ppm) const
{
    const int bitCount = m_depth == 8 ? 24 : 48;
    const int sampleBytes = m_depth / 8;
    QByteArray dib = newDib(m_width, rows, bitCount, 0, ppm);
    const qint64 stride = dibStride(m_width, bitCount);
    // Where channel c of pixel x sits within a source row.
    const int pixelStep = m_interleaved ? 3 * sampleBytes : sampleBytes;
    for (int y = 0; y < rows; ++y) {
        char *dst = dibRow(dib, 0, stride, rows, y);
        for (int c = 0; c < 3; ++c) {
            const Plane &plane = m_planes[std::size_t(c)];
            const char *src = plane.bytes.constData() + qint64(y) * plane.bytesPerLine +
                              (m_interleaved ? c * sampleBytes : 0);
            // The bitmap stores blue, green, red.
            char *out = dst + (2 - c) * sampleBytes;
            if (m_depth == 8) {
                for (int x = 0; x < m_width; ++x)
                    out[3 * x] = src[qint64(x) * pixelStep];
            } else {
                for (int x = 0; x < m_width; ++x)
                    putLe16(out + 6 * qint64(x), sample16(src + qint64(x) * pixelStep));
            }
        }
    }
    return dib;
}
