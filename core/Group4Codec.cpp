#include "core/Group4Codec.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <tiffio.h>

#include "core/LogCategories.h"

namespace Group4Codec {

namespace {

constexpr double metresPerInch = 0.0254;

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

// A TIFF file in memory, with the read and write position. Reading reads bytes; writing needs
// written, and bytes pointing at it too, since libtiff reads back what it wrote.
struct MemoryFile
{
    const QByteArray *bytes = nullptr;
    QByteArray *written = nullptr;
    toff_t position = 0;
    // The first warning or error libtiff gave; failed when one of them was an error.
    QString complaint;
    bool failed = false;
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

tsize_t writeMemory(thandle_t handle, tdata_t buffer, tsize_t size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    if (!file->written || size < 0)
        return 0;
    // A seek past the end leaves a gap, which is filled with zeros like a file's hole.
    const toff_t end = file->position + toff_t(size);
    if (file->position > toff_t(std::numeric_limits<qsizetype>::max() / 2) ||
        end > toff_t(std::numeric_limits<qsizetype>::max() / 2))
        return 0;
    if (qsizetype(end) > file->written->size())
        file->written->resize(qsizetype(end), '\0');
    std::memcpy(file->written->data() + file->position, buffer, size_t(size));
    file->position = end;
    return size;
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

// libtiff's warnings and errors are kept here instead of going to standard error; the first
// one is kept. Returning 1 keeps libtiff's global handlers quiet.
void keepComplaint(MemoryFile *file, const char *module, const char *format, va_list arguments)
{
    if (file->complaint.isEmpty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        file->complaint = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(module ? module : ""),
                                                       QString::fromLocal8Bit(text));
    }
}

int complain(TIFF *, void *user, const char *module, const char *format, va_list arguments)
{
    keepComplaint(static_cast<MemoryFile *>(user), module, format, arguments);
    return 1;
}

int fail(TIFF *, void *user, const char *module, const char *format, va_list arguments)
{
    auto *file = static_cast<MemoryFile *>(user);
    file->failed = true;
    keepComplaint(file, module, format, arguments);
    return 1;
}

// Opens the memory file with libtiff; name shows in its complaints, mode is TIFFOpen's (memory
// mapping is always off).
TIFF *openMemory(MemoryFile &memory, const char *name, const char *mode)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, fail, &memory);
    TIFFOpenOptionsSetWarningHandlerExtR(options, complain, &memory);
    TIFF *tiff = TIFFClientOpenExt(name, mode, &memory, readMemory, writeMemory, seekMemory,
                                   closeNothing, memorySize, nullptr, nullptr, options);
    TIFFOpenOptionsFree(options);
    return tiff;
}

struct TiffCloser
{
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// How a line of the picture's bits becomes a line of the file's (1 is black).
enum class LineBits { Same, Flipped, AllBlack, AllWhite };

LineBits lineBits(const QImage &mono)
{
    // Qt's own conversion puts white at index 0, a fresh Format_Mono picture black; only the
    // colour table says which it is. A missing entry counts as Qt's default, index 0 black.
    const QList<QRgb> table = mono.colorTable();
    const auto isBlack = [&table](int index) {
        return index < table.size() ? qGray(table.at(index)) < 128 : index == 0;
    };
    const bool black0 = isBlack(0);
    const bool black1 = isBlack(1);
    if (black0 == black1)
        return black0 ? LineBits::AllBlack : LineBits::AllWhite;
    return black1 ? LineBits::Same : LineBits::Flipped;
}

// A single-strip Group 4 TIFF of the picture, written by libtiff's encoder in memory. Empty with
// the reason in why on failure.
QByteArray writeGroup4Tiff(const QImage &image, QString *why)
{
    if (image.isNull()) {
        *why = QStringLiteral("the picture is empty");
        return {};
    }
    const QImage mono =
        image.format() == QImage::Format_Mono ? image : image.convertToFormat(QImage::Format_Mono);
    if (mono.isNull()) {
        *why = QStringLiteral("no memory for a black-and-white copy of the picture");
        return {};
    }
    const int width = mono.width();
    const int height = mono.height();
    QByteArray file;
    MemoryFile memory;
    memory.bytes = &file;
    memory.written = &file;
    bool written = false;
    {
        // "l": little endian whatever the machine's order.
        const TiffHandle tiff(openMemory(memory, "picture", "wl"));
        if (tiff) {
            TIFFSetField(tiff.get(), TIFFTAG_IMAGEWIDTH, quint32(width));
            TIFFSetField(tiff.get(), TIFFTAG_IMAGELENGTH, quint32(height));
            TIFFSetField(tiff.get(), TIFFTAG_BITSPERSAMPLE, 1);
            TIFFSetField(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, 1);
            TIFFSetField(tiff.get(), TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
            TIFFSetField(tiff.get(), TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
            TIFFSetField(tiff.get(), TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
            TIFFSetField(tiff.get(), TIFFTAG_ROWSPERSTRIP, quint32(height));
            if (mono.dotsPerMeterX() > 0 && mono.dotsPerMeterY() > 0) {
                TIFFSetField(tiff.get(), TIFFTAG_XRESOLUTION, mono.dotsPerMeterX() * metresPerInch);
                TIFFSetField(tiff.get(), TIFFTAG_YRESOLUTION, mono.dotsPerMeterY() * metresPerInch);
                TIFFSetField(tiff.get(), TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
            }
            const LineBits bits = lineBits(mono);
            const qsizetype lineBytes = (qsizetype(width) + 7) / 8;
            QByteArray line(lineBytes, Qt::Uninitialized);
            if (bits == LineBits::AllBlack || bits == LineBits::AllWhite)
                line.fill(bits == LineBits::AllBlack ? '\xff' : '\0');
            written = true;
            for (int y = 0; written && y < height; ++y) {
                if (bits == LineBits::Same || bits == LineBits::Flipped) {
                    std::memcpy(line.data(), mono.constScanLine(y), size_t(lineBytes));
                    if (bits == LineBits::Flipped) {
                        for (char &byte : line)
                            byte = char(~byte);
                    }
                }
                written = TIFFWriteScanline(tiff.get(), line.data(), quint32(y), 0) == 1;
            }
            written = written && TIFFWriteDirectory(tiff.get()) == 1;
        }
    }
    if (!written || memory.failed || file.isEmpty()) {
        *why = memory.complaint.isEmpty() ? QStringLiteral("libtiff cannot write the picture")
                                          : memory.complaint;
        return {};
    }
    return file;
}

// The strip of a TIFF file in memory when it is one black-and-white Group 4 picture in a single
// strip, as readStrip() takes it; nothing, with the reason in why, for any other file.
std::optional<Strip> stripOf(const QByteArray &file, QString *why)
{
    MemoryFile memory;
    memory.bytes = &file;
    const TiffHandle tiff(openMemory(memory, "file", "rm"));
    if (!tiff) {
        *why = memory.complaint.isEmpty() ? QStringLiteral("not a TIFF file") : memory.complaint;
        return std::nullopt;
    }
    TIFF *const t = tiff.get();
    quint32 width = 0;
    quint32 height = 0;
    quint16 bitsPerSample = 0;
    quint16 samplesPerPixel = 0;
    quint16 compression = 0;
    quint16 fillOrder = 0;
    quint16 orientation = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bitsPerSample);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &samplesPerPixel);
    TIFFGetFieldDefaulted(t, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(t, TIFFTAG_FILLORDER, &fillOrder);
    TIFFGetFieldDefaulted(t, TIFFTAG_ORIENTATION, &orientation);
    // A file without the tag is taken as a fax file, where a 1 bit is black.
    quint16 photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photometric);
    QString reason;
    if (TIFFNumberOfDirectories(t) != 1)
        reason = QStringLiteral("more than one page");
    else if (compression != COMPRESSION_CCITTFAX4)
        reason = QStringLiteral("compression %1, not Group 4").arg(compression);
    else if (bitsPerSample != 1 || samplesPerPixel != 1)
        reason = QStringLiteral("%1 samples of %2 bits").arg(samplesPerPixel).arg(bitsPerSample);
    else if (photometric != PHOTOMETRIC_MINISWHITE && photometric != PHOTOMETRIC_MINISBLACK)
        reason = QStringLiteral("photometric interpretation %1").arg(photometric);
    else if (fillOrder != FILLORDER_MSB2LSB)
        reason = QStringLiteral("the first pixel in the low bit");
    // Another orientation would show the picture turned or mirrored against the strip's order.
    else if (orientation != ORIENTATION_TOPLEFT)
        reason = QStringLiteral("orientation %1").arg(orientation);
    else if (width < 1 || height < 1 || width > quint32(std::numeric_limits<int>::max()) ||
             height > quint32(std::numeric_limits<int>::max()))
        reason = QStringLiteral("a picture of %1 x %2 pixels").arg(width).arg(height);
    else if (TIFFIsTiled(t) || TIFFNumberOfStrips(t) != 1)
        reason = QStringLiteral("not a single strip");
    if (!reason.isEmpty()) {
        *why = reason;
        return std::nullopt;
    }

    uint64_t *byteCounts = nullptr;
    if (TIFFGetField(t, TIFFTAG_STRIPBYTECOUNTS, &byteCounts) != 1 || !byteCounts ||
        byteCounts[0] == 0 || byteCounts[0] > uint64_t(file.size())) {
        *why = QStringLiteral("no strip size, or one larger than the file");
        return std::nullopt;
    }
    Strip strip;
    strip.group4.resize(qsizetype(byteCounts[0]));
    if (TIFFReadRawStrip(t, 0, strip.group4.data(), strip.group4.size()) != strip.group4.size() ||
        memory.failed) {
        *why = memory.complaint.isEmpty() ? QStringLiteral("the strip cannot be read")
                                          : memory.complaint;
        return std::nullopt;
    }
    strip.width = int(width);
    strip.height = int(height);
    strip.blackIs1 = photometric == PHOTOMETRIC_MINISBLACK;
    float dpiX = 0;
    float dpiY = 0;
    quint16 unit = RESUNIT_INCH;
    if (TIFFGetField(t, TIFFTAG_XRESOLUTION, &dpiX) == 1 &&
        TIFFGetField(t, TIFFTAG_YRESOLUTION, &dpiY) == 1 && dpiX > 0 && dpiY > 0) {
        TIFFGetFieldDefaulted(t, TIFFTAG_RESOLUTIONUNIT, &unit);
        // Without a unit the numbers only give the pixels' aspect ratio.
        if (unit == RESUNIT_INCH)
            strip.dpi = QSizeF(dpiX, dpiY);
        else if (unit == RESUNIT_CENTIMETER)
            strip.dpi = QSizeF(dpiX * 2.54, dpiY * 2.54);
    }
    return strip;
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
    TIFF *tiff = openMemory(memory, "fax", "rm");
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

QByteArray encode(const QImage &image)
{
    QString why;
    const QByteArray file = writeGroup4Tiff(image, &why);
    std::optional<Strip> strip;
    if (!file.isEmpty())
        strip = stripOf(file, &why);
    if (!strip) {
        qCWarning(lcPages) << "Group 4 encoding failed:" << why;
        return {};
    }
    return strip->group4;
}

QByteArray encodeTiff(const QImage &image)
{
    QString why;
    const QByteArray file = writeGroup4Tiff(image, &why);
    if (file.isEmpty())
        qCWarning(lcPages) << "Group 4 encoding failed:" << why;
    return file;
}

std::optional<Strip> readStrip(const QString &tiffPath)
{
    QFile file(tiffPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcExport) << "No Group 4 strip in" << tiffPath << ":" << file.errorString();
        return std::nullopt;
    }
    // Mapped, only the header and the strip are read from disk, which keeps refusing a large
    // colour file cheap.
    const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    const QByteArray bytes =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size())
               : file.readAll();
    QString why;
    std::optional<Strip> strip = stripOf(bytes, &why);
    if (!strip)
        qCDebug(lcExport) << "No Group 4 strip in" << tiffPath << ":" << why;
    return strip;
}

} // namespace Group4Codec
