#include "scan/HImage.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/LogCategories.h"

namespace {

using Failure = HImage::Failure;

constexpr qint64 kHeaderBytes = 40;
constexpr qint64 kMaskBytes = 12;
constexpr qint64 kEntryBytes = 4;
constexpr quint32 kMaxEntries = 256;

constexpr quint32 kPlain = 0;
constexpr quint32 kRunLength4 = 2;
constexpr quint32 kBitFields = 3;

// Where everything sits in one block; every offset and length has been checked against the block.
struct Layout
{
    int width = 0;
    int height = 0; // the number of rows, always positive
    bool topFirst = false;
    int bitCount = 0;
    quint32 compression = kPlain;
    quint32 masks[3] = {}; // red, green, blue; only with bit fields
    qint32 pixelsPerMetreX = 0;
    qint32 pixelsPerMetreY = 0;
    const uchar *table = nullptr;
    int entries = 0;
    const uchar *rows = nullptr;
    qint64 rowBytes = 0;
    qint64 dataBytes = 0; // from rows on: height rows, or the run-length stream
};

quint16 le16(const uchar *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 le32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

qint32 le32s(const uchar *p)
{
    return qFromLittleEndian<qint32>(p);
}

bool hasMasks(const Layout &l, quint32 red, quint32 green, quint32 blue)
{
    return l.masks[0] == red && l.masks[1] == green && l.masks[2] == blue;
}

bool isCovered(const Layout &l)
{
    switch (l.bitCount) {
    case 1:
    case 8:
    case 24:
    case 48:
        return l.compression == kPlain;
    case 4:
        return l.compression == kPlain || l.compression == kRunLength4;
    case 16:
        return l.compression == kPlain || l.compression == kBitFields;
    case 32:
        // Other masks would need real bit-field decoding; no scanner layer of ours writes them.
        return l.compression == kPlain ||
               (l.compression == kBitFields && hasMasks(l, 0xFF0000, 0xFF00, 0xFF));
    default:
        return false;
    }
}

Failure readLayout(const QByteArray &dib, Layout &l)
{
    const qint64 size = dib.size();
    if (size < kHeaderBytes)
        return Failure::Truncated;
    const auto *base = reinterpret_cast<const uchar *>(dib.constData());
    if (le32(base) != kHeaderBytes || le16(base + 12) != 1)
        return Failure::BadHeader;

    // 64-bit from here on: the height's magnitude may be 2^31 and products of sizes are large.
    const qint64 width = le32s(base + 4);
    const qint64 signedHeight = le32s(base + 8);
    const qint64 height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || width > HImage::MaxSide || height == 0 || height > HImage::MaxSide ||
        width * height > HImage::MaxPixels)
        return Failure::BadSize;
    l.width = int(width);
    l.height = int(height);
    l.topFirst = signedHeight < 0;
    l.bitCount = le16(base + 14);
    l.compression = le32(base + 16);
    const qint64 imageSize = le32(base + 20);
    l.pixelsPerMetreX = le32s(base + 24);
    l.pixelsPerMetreY = le32s(base + 28);
    const quint32 coloursUsed = le32(base + 32);

    qint64 tableOffset = kHeaderBytes;
    if (l.compression == kBitFields) {
        if (size < kHeaderBytes + kMaskBytes)
            return Failure::BadColourTable;
        for (int i = 0; i < 3; ++i)
            l.masks[i] = le32(base + kHeaderBytes + 4 * i);
        tableOffset += kMaskBytes;
    }
    if (!isCovered(l))
        return Failure::Unsupported;

    if (coloursUsed > kMaxEntries)
        return Failure::BadColourTable;
    qint64 entries = coloursUsed;
    if (entries == 0 && l.bitCount <= 8)
        entries = qint64(1) << l.bitCount;
    const qint64 rowsOffset = tableOffset + kEntryBytes * entries;
    if (rowsOffset > size)
        return Failure::BadColourTable;
    l.table = base + tableOffset;
    l.entries = int(entries);
    l.rows = base + rowsOffset;
    l.rowBytes = (width * l.bitCount + 31) / 32 * 4;

    if (l.compression == kRunLength4) {
        // The image size field is the length of the stream; zero means "up to the block's end".
        l.dataBytes = imageSize != 0 ? imageSize : size - rowsOffset;
        if (rowsOffset + l.dataBytes > size)
            return Failure::BadRunLength;
    } else {
        l.dataBytes = l.rowBytes * height;
        if (rowsOffset + l.dataBytes > size)
            return Failure::ShortRows;
    }
    return Failure::None;
}

QImage::Format imageFormat(const Layout &l)
{
    switch (l.bitCount) {
    case 1:
    case 8:
        return QImage::Format_Indexed8;
    case 4:
        return l.compression == kRunLength4 ? QImage::Format_Indexed8 : QImage::Format_RGB888;
    case 16:
        if (l.compression == kBitFields && hasMasks(l, 0xF800, 0x07E0, 0x001F))
            return QImage::Format_RGB16;
        if (l.compression == kBitFields && hasMasks(l, 0x0F00, 0x00F0, 0x000F))
            return QImage::Format_RGB444;
        return QImage::Format_RGB555;
    case 32:
        return QImage::Format_RGB32;
    default: // 24 and 48
        return QImage::Format_RGB888;
    }
}

QRgb tableColour(const Layout &l, int index)
{
    if (index >= l.entries)
        return qRgb(0, 0, 0);
    const uchar *entry = l.table + kEntryBytes * index; // blue, green, red, reserved
    return qRgb(entry[2], entry[1], entry[0]);
}

QList<QRgb> colourTable(const Layout &l)
{
    QList<QRgb> table;
    if (l.bitCount == 1) {
        table.reserve(256);
        for (int i = 0; i < 256; ++i)
            table.append(qRgb(i, i, i));
    } else {
        table.reserve(l.entries);
        for (int i = 0; i < l.entries; ++i)
            table.append(tableColour(l, i));
    }
    return table;
}

// Maps 16-bit samples to bytes over the range [lo, hi] that the page really uses, so that a scan
// that only fills part of the 16-bit range keeps its contrast.
class Stretch
{
public:
    explicit Stretch(const Layout &l)
        : m_bytes(65536)
    {
        quint32 lo = 0xFFFF;
        quint32 hi = 0;
        for (int y = 0; y < l.height; ++y) {
            const uchar *row = l.rows + l.rowBytes * y;
            for (qint64 i = 0; i < qint64(l.width) * 3; ++i) {
                const quint32 sample = le16(row + 2 * i);
                lo = std::min(lo, sample);
                hi = std::max(hi, sample);
            }
        }
        // Only samples within [lo, hi] occur, so only those entries are filled.
        const quint32 range = hi - lo + 1;
        for (quint32 s = lo; s <= hi; ++s) {
            if (lo == hi) // a flat page: the 12-bit reading of the value, kept to its low byte
                m_bytes[s] = uchar((hi * 255 / 4096) & 0xFF);
            else if (range <= 256)
                m_bytes[s] = uchar(s - lo);
            else // round((s - lo) * 256 / range), in integers, capped at 255
                m_bytes[s] = uchar(
                    std::min<quint64>((quint64(s - lo) * 512 + range) / (quint64(2) * range), 255));
        }
    }

    uchar operator()(const uchar *sample) const { return m_bytes[le16(sample)]; }

private:
    std::vector<uchar> m_bytes;
};

// One stored row (src) into one image row (dst); dst holds width pixels of the image's format.
void convertRow(const Layout &l, const Stretch *stretch, const uchar *src, uchar *dst)
{
    const int w = l.width;
    switch (l.bitCount) {
    case 1:
        for (int x = 0; x < w; ++x)
            dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
        break;
    case 4:
        for (int x = 0; x < w; ++x) {
            const int index = x & 1 ? src[x >> 1] & 0x0F : src[x >> 1] >> 4;
            const QRgb c = tableColour(l, index);
            dst[3 * x] = uchar(qRed(c));
            dst[3 * x + 1] = uchar(qGreen(c));
            dst[3 * x + 2] = uchar(qBlue(c));
        }
        break;
    case 8:
        std::memcpy(dst, src, size_t(w));
        break;
    case 16: {
        // Qt wants the bits that the format does not use cleared.
        const QImage::Format format = imageFormat(l);
        const quint16 used = format == QImage::Format_RGB16    ? 0xFFFF
                             : format == QImage::Format_RGB444 ? 0x0FFF
                                                               : 0x7FFF;
        auto *out = reinterpret_cast<quint16 *>(dst);
        for (int x = 0; x < w; ++x)
            out[x] = le16(src + 2 * x) & used;
        break;
    }
    case 24: // stored blue, green, red
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
        break;
    case 32: {
        auto *out = reinterpret_cast<QRgb *>(dst);
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
        break;
    }
    case 48: // stored blue, green, red, 16 bits each
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = (*stretch)(src + 6 * x + 4);
            dst[3 * x + 1] = (*stretch)(src + 6 * x + 2);
            dst[3 * x + 2] = (*stretch)(src + 6 * x);
        }
        break;
    }
}

// Decodes 4-bit run-length data into an 8-bit indexed image that the caller filled with index 0,
// which is also what the pixels skipped by a delta or an early end of line keep. Pixels past the
// right edge or the last row are dropped. The stream may end without its end-of-bitmap code only
// when every row has been ended; ending inside a code is a failure.
bool decodeRunLength4(const Layout &l, QImage &image)
{
    const uchar *data = l.rows;
    const qint64 size = l.dataBytes;
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    qint64 pos = 0;
    qint64 x = 0;
    qint64 line = 0; // in stored order: the first line decoded is the first row stored
    auto put = [&](int index) {
        if (x < l.width && line < l.height) {
            const qint64 y = l.topFirst ? line : l.height - 1 - line;
            bits[y * bytesPerLine + x] = uchar(index);
        }
        ++x;
    };

    for (;;) {
        if (pos + 2 > size)
            return pos == size && line >= l.height;
        const int count = data[pos];
        const int value = data[pos + 1];
        pos += 2;
        if (count > 0) { // a run: the two nibbles alternate, high one first
            for (int i = 0; i < count; ++i)
                put(i & 1 ? value & 0x0F : value >> 4);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++line;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // delta: right, then up (onwards in stored order)
            if (pos + 2 > size)
                return false;
            x += data[pos];
            line += data[pos + 1];
            pos += 2;
            break;
        default: { // absolute: value pixels, two to a byte, the bytes padded to a whole word
            const qint64 bytes = (value + 3) / 4 * 2;
            if (pos + bytes > size)
                return false;
            for (int i = 0; i < value; ++i) {
                const uchar byte = data[pos + i / 2];
                put(i & 1 ? byte & 0x0F : byte >> 4);
            }
            pos += bytes;
            break;
        }
        }
    }
}

Failure decode(const Layout &l, QImage &result)
{
    QImage image(l.width, l.height, imageFormat(l));
    if (image.isNull())
        return Failure::OutOfMemory;
    if (image.format() == QImage::Format_Indexed8)
        image.setColorTable(colourTable(l));

    if (l.compression == kRunLength4) {
        image.fill(0);
        if (!decodeRunLength4(l, image))
            return Failure::BadRunLength;
    } else {
        std::unique_ptr<Stretch> stretch;
        if (l.bitCount == 48)
            stretch = std::make_unique<Stretch>(l);
        for (int y = 0; y < l.height; ++y) {
            const int stored = l.topFirst ? y : l.height - 1 - y;
            convertRow(l, stretch.get(), l.rows + l.rowBytes * stored, image.scanLine(y));
        }
    }

    // QImage keeps its default for zero; a negative resolution means nothing either.
    if (l.pixelsPerMetreX > 0)
        image.setDotsPerMeterX(l.pixelsPerMetreX);
    if (l.pixelsPerMetreY > 0)
        image.setDotsPerMeterY(l.pixelsPerMetreY);
    result = std::move(image);
    return Failure::None;
}

const char *describe(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return "none";
    case Failure::Truncated:
        return "shorter than its header";
    case Failure::BadHeader:
        return "bad header size or planes";
    case Failure::BadSize:
        return "bad or too large width or height";
    case Failure::Unsupported:
        return "unsupported bit count or compression";
    case Failure::BadColourTable:
        return "bad colour masks or table";
    case Failure::ShortRows:
        return "pixel rows run past the block";
    case Failure::BadRunLength:
        return "bad run-length data";
    case Failure::OutOfMemory:
        return "out of memory";
    }
    return "unknown";
}

} // namespace

HImage::HImage(const QByteArray &dib)
{
    Layout layout;
    m_failure = readLayout(dib, layout);
    if (m_failure == Failure::None)
        m_failure = decode(layout, *this);
    if (m_failure != Failure::None)
        qCDebug(lcScan) << "bitmap of" << dib.size() << "bytes not decoded:" << describe(m_failure);
}
