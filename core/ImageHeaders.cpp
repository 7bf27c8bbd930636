#include "core/ImageHeaders.h"

#include <QIODevice>

namespace {

quint32 readUnsigned(const QByteArray &bytes, qsizetype at, int size, bool bigEndian)
{
    if (at < 0 || at + size > bytes.size())
        return 0;
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<quint8>(bytes[at + (bigEndian ? i : size - 1 - i)]);
        value = (value << 8) | byte;
    }
    return value;
}

} // namespace

namespace ImageHeaders {

// JFIF APP0 density. Units 1 are dots per inch, 2 dots per centimetre; 0 only gives the
// aspect ratio and counts as no resolution.
QSizeF jpegResolution(const QByteArray &head)
{
    if (head.size() < 4 || static_cast<quint8>(head[0]) != 0xFF ||
        static_cast<quint8>(head[1]) != 0xD8)
        return {};
    qsizetype pos = 2;
    while (pos + 4 <= head.size()) {
        if (static_cast<quint8>(head[pos]) != 0xFF)
            return {};
        const auto marker = static_cast<quint8>(head[pos + 1]);
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return {};
        const qsizetype length = readUnsigned(head, pos + 2, 2, true);
        const qsizetype data = pos + 4;
        if (marker == 0xE0 && length >= 14 && head.mid(data, 5) == QByteArrayView("JFIF\0", 5)) {
            const quint32 units = readUnsigned(head, data + 7, 1, true);
            const double x = readUnsigned(head, data + 8, 2, true);
            const double y = readUnsigned(head, data + 10, 2, true);
            if (units == 1)
                return {x, y};
            if (units == 2)
                return {x * 2.54, y * 2.54};
            return {};
        }
        if (length < 2)
            return {};
        pos += 2 + length;
    }
    return {};
}

// XResolution, YResolution and ResolutionUnit of the first image directory. Unit 2 is the
// inch, 3 the centimetre; 1 (no absolute unit) counts as no resolution.
QSizeF tiffResolution(QIODevice &file)
{
    // Offsets come from the file: one past its end reads nothing, without asking the device to
    // go there.
    const auto seek = [&file](qint64 offset) {
        return offset <= file.size() && file.seek(offset);
    };
    const QByteArray header = file.read(8);
    if (header.size() < 8)
        return {};
    bool bigEndian = false;
    if (header.startsWith("MM"))
        bigEndian = true;
    else if (!header.startsWith("II"))
        return {};
    if (readUnsigned(header, 2, 2, bigEndian) != 42)
        return {};
    if (!seek(readUnsigned(header, 4, 4, bigEndian)))
        return {};
    const QByteArray countBytes = file.read(2);
    const quint32 count = readUnsigned(countBytes, 0, 2, bigEndian);
    const QByteArray entries = file.read(qint64(count) * 12);
    if (entries.size() < qsizetype(count) * 12)
        return {};

    auto rational = [&](quint32 offset) -> double {
        if (!seek(offset))
            return 0.0;
        const QByteArray value = file.read(8);
        const quint32 denominator = readUnsigned(value, 4, 4, bigEndian);
        return denominator == 0 ? 0.0 : double(readUnsigned(value, 0, 4, bigEndian)) / denominator;
    };

    double x = 0.0;
    double y = 0.0;
    quint32 unit = 2; // the format's default
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype at = qsizetype(i) * 12;
        const quint32 tag = readUnsigned(entries, at, 2, bigEndian);
        const quint32 type = readUnsigned(entries, at + 2, 2, bigEndian);
        if (tag == 282 && type == 5)
            x = rational(readUnsigned(entries, at + 8, 4, bigEndian));
        else if (tag == 283 && type == 5)
            y = rational(readUnsigned(entries, at + 8, 4, bigEndian));
        else if (tag == 296 && type == 3)
            unit = readUnsigned(entries, at + 8, 2, bigEndian);
    }
    if (unit == 2)
        return {x, y};
    if (unit == 3)
        return {x * 2.54, y * 2.54};
    return {};
}

JpegFrame jpegFrame(const QByteArray &jpeg)
{
    if (jpeg.size() < 4 || static_cast<quint8>(jpeg[0]) != 0xFF ||
        static_cast<quint8>(jpeg[1]) != 0xD8)
        return {};
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        if (static_cast<quint8>(jpeg[pos]) != 0xFF)
            return {};
        const auto marker = static_cast<quint8>(jpeg[pos + 1]);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return {};
        const qsizetype length = readUnsigned(jpeg, pos + 2, 2, true);
        if (length < 2)
            return {};
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame && length >= 8) {
            JpegFrame frame;
            const int height = int(readUnsigned(jpeg, pos + 5, 2, true));
            const int width = int(readUnsigned(jpeg, pos + 7, 2, true));
            frame.pixels = QSize(width, height);
            frame.components = int(readUnsigned(jpeg, pos + 9, 1, true));
            return frame.pixels.isEmpty() || frame.components == 0 ? JpegFrame() : frame;
        }
        pos += 2 + length;
    }
    return {};
}

} // namespace ImageHeaders
