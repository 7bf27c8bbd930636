#include "imaging/Group4Codec.h"

#include <QtEndian>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <tiffio.h>

namespace Group4Codec {

namespace {

enum TiffType : quint16 { Short = 3, Long = 4, Rational = 5 };

struct Entry
{
    quint16 tag;
    quint16 type;
    quint32 value;
};

void putShort(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putLong(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The file being read, with its read position.
struct MemoryFile
{
    const QByteArray *bytes = nullptr;
    toff_t position = 0;
    QString complaint;
};

tsize_t readMemory(thandle_t handle, tdata_t buffer, tsize_t size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    const toff_t length = toff_t(file->bytes->size());
    if (size <= 0 || file->position >= length)
        return 0;
    const tsize_t count = tsize_t(std::min<toff_t>(toff_t(size), length - file->position));
    std::memcpy(buffer, file->bytes->constData() + file->position, size_t(count));
    file->position += toff_t(count);
    return count;
}

tsize_t writeNothing(thandle_t, tdata_t, tsize_t)
{
    return 0;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence)
{
    auto *file = static_cast<MemoryFile *>(handle);
    const toff_t length = toff_t(file->bytes->size());
    toff_t target = offset;
    if (whence == SEEK_CUR)
        target = file->position + offset;
    else if (whence == SEEK_END)
        target = length + offset;
    file->position = target;
    return target;
}

int closeNothing(thandle_t)
{
    return 0;
}

toff_t memorySize(thandle_t handle)
{
    return toff_t(static_cast<MemoryFile *>(handle)->bytes->size());
}

// Every warning or error of the decoder makes the data suspect; the first one is kept.
int complain(TIFF *, void *user, const char *module, const char *format, va_list arguments)
{
    auto *file = static_cast<MemoryFile *>(user);
    if (file->complaint.isEmpty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        file->complaint = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(module ? module : ""),
                                                       QString::fromLocal8Bit(text));
    }
    return 1;
}

} // namespace

QByteArray tiffFile(const QByteArray &group4, int width, int height, bool runsShowWhite,
                    double dpiX, double dpiY)
{
    const bool resolution = dpiX > 0 && dpiY > 0;
    const quint32 entryCount = resolution ? 13 : 10;
    const quint32 ifdOffset = 8;
    const quint32 rationalOffset = ifdOffset + 2 + entryCount * 12 + 4;
    const quint32 dataOffset = rationalOffset + (resolution ? 16 : 0);

    QList<Entry> entries{
        {256, Long, quint32(width)},
        {257, Long, quint32(height)},
        {258, Short, 1},
        {259, Short, COMPRESSION_CCITTFAX4},
        {262, Short, quint32(runsShowWhite ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_MINISWHITE)},
        {273, Long, dataOffset},
        {277, Short, 1},
        {278, Long, quint32(height)},
        {279, Long, quint32(group4.size())}};
    if (resolution) {
        entries << Entry{282, Rational, rationalOffset} << Entry{283, Rational, rationalOffset + 8};
        entries << Entry{293, Long, 0} << Entry{296, Short, RESUNIT_INCH};
    } else {
        entries << Entry{293, Long, 0};
    }
    Q_ASSERT(quint32(entries.size()) == entryCount);
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.tag < b.tag; });

    QByteArray out;
    out.reserve(qsizetype(dataOffset) + group4.size());
    out.append("II*\0", 4);
    putLong(out, ifdOffset);
    putShort(out, quint16(entries.size()));
    for (const Entry &entry : std::as_const(entries)) {
        putShort(out, entry.tag);
        putShort(out, entry.type);
        putLong(out, 1);
        if (entry.type == Short) {
            // A short value sits in the first two of the four value bytes.
            putShort(out, quint16(entry.value));
            putShort(out, 0);
        } else {
            putLong(out, entry.value);
        }
    }
    putLong(out, 0);
    if (resolution) {
        for (const double dpi : {dpiX, dpiY}) {
            putLong(out, quint32(std::lround(std::min(dpi, 1.0e6) * 100)));
            putLong(out, 100);
        }
    }
    out.append(group4);
    return out;
}

QImage decode(const QByteArray &group4, int width, int height, QString *error)
{
    if (width < 1 || height < 1) {
        *error = QStringLiteral("a fax image of %1 x %2 pixels").arg(width).arg(height);
        return {};
    }
    QImage image(width, height, QImage::Format_Mono);
    if (image.isNull()) {
        *error =
            QStringLiteral("no memory for a fax image of %1 x %2 pixels").arg(width).arg(height);
        return {};
    }
    const QByteArray file = tiffFile(group4, width, height, false, 0, 0);
    MemoryFile memory;
    memory.bytes = &file;
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, complain, &memory);
    TIFFOpenOptionsSetWarningHandlerExtR(options, complain, &memory);
    TIFF *tiff = TIFFClientOpenExt("fax", "rm", &memory, readMemory, writeNothing, seekMemory,
                                   closeNothing, memorySize, nullptr, nullptr, options);
    TIFFOpenOptionsFree(options);
    // libtiff sets a bit for each black pixel; the picture's index 0 is black, so each line is
    // flipped while it is still in the cache.
    const qsizetype words = image.bytesPerLine() / qsizetype(sizeof(quint32));
    bool decoded = tiff != nullptr;
    for (int y = 0; decoded && y < height; ++y) {
        uchar *line = image.scanLine(y);
        decoded = TIFFReadScanline(tiff, line, quint32(y), 0) == 1 && memory.complaint.isEmpty();
        auto *word = reinterpret_cast<quint32 *>(line);
        for (qsizetype i = 0; i < words; ++i)
            word[i] = ~word[i];
    }
    if (tiff)
        TIFFClose(tiff);
    if (!decoded || !memory.complaint.isEmpty()) {
        *error = memory.complaint.isEmpty()
                     ? QStringLiteral("libtiff cannot decode the fax data")
                     : QStringLiteral("the fax data is broken (%1)").arg(memory.complaint);
        return {};
    }
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return image;
}

} // namespace Group4Codec
