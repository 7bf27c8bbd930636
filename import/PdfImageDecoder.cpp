#include "import/PdfImageDecoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/Group4Codec.h"
#include "core/Group4Validator.h"
#include "core/LogCategories.h"
#include "import/PdfBilevelDecoders.h"

namespace {

// No side of a page picture is longer than this many pixels (a metre and a half at 600 dpi is
// a third of it); larger values are taken for a broken dictionary.
constexpr qint64 maxSide = 100000;

PdfDecodedImage skipped(const QString &reason)
{
    PdfDecodedImage result;
    result.reason = reason;
    return result;
}

bool isImageCodec(const QByteArray &name)
{
    return name == "DCTDecode" || name == "CCITTFaxDecode" || name == "JBIG2Decode" ||
           name == "JPXDecode";
}

QString colourSpaceText(const PdfImageInfo &info)
{
    return info.colourSpaceName.isEmpty() ? QStringLiteral("(none)")
                                          : QString::fromLatin1(info.colourSpaceName);
}

// One component of a sample value through the /Decode range [dmin, dmax], as 0..255.
unsigned char scaled(double dmin, double dmax, int sample, int maxSample)
{
    const double value = dmin + sample * (dmax - dmin) / maxSample;
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// Sample number index of a row of samples of the given bit depth (1, 2, 4, 8 or 16; 16-bit
// samples come as their high byte).
int sampleAt(const unsigned char *row, qsizetype index, int bits)
{
    switch (bits) {
    case 8:
        return row[index];
    case 16:
        return row[2 * index]; // reduced to 8 bits: the high byte
    default: {
        const qsizetype bit = index * bits;
        return (row[bit / 8] >> (8 - bits - int(bit % 8))) & ((1 << bits) - 1);
    }
    }
}

void cmykToRgb(const unsigned char *cmyk, unsigned char *rgb)
{
    const int white = 255 - cmyk[3];
    for (int i = 0; i < 3; ++i)
        rgb[i] = static_cast<unsigned char>((255 - cmyk[i]) * white / 255);
}

// Whether an indexed 1-bit image's two colours are black and white; inverted is set when
// index 0 is the white one.
bool isBlackAndWhitePalette(const PdfImageInfo &info, bool *inverted)
{
    const int n = info.base == PdfImageInfo::ColourSpace::Gray  ? 1
                  : info.base == PdfImageInfo::ColourSpace::Rgb ? 3
                                                                : 0;
    if (n == 0 || info.hival < 1 || info.palette.size() < 2 * n)
        return false;
    const auto all = [&](int entry, char value) {
        for (int i = 0; i < n; ++i) {
            if (info.palette.at(entry * n + i) != value)
                return false;
        }
        return true;
    };
    if (all(0, '\0') && all(1, '\xff')) {
        *inverted = false;
        return true;
    }
    if (all(0, '\xff') && all(1, '\0')) {
        *inverted = true;
        return true;
    }
    return false;
}

} // namespace

qsizetype PdfImageDecoder::jpegEnd(const QByteArray &data, JpegFrame *frame)
{
    const auto *d = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype size = data.size();
    if (size < 4 || d[0] != 0xff || d[1] != 0xd8)
        return 0;
    qsizetype pos = 2;
    bool haveFrame = false;
    while (pos + 1 < size) {
        if (d[pos] != 0xff)
            return 0;
        while (pos + 1 < size && d[pos + 1] == 0xff)
            ++pos; // fill bytes before a marker
        if (pos + 1 >= size)
            return 0;
        const int marker = d[pos + 1];
        pos += 2;
        if (marker == 0xd9)
            return haveFrame ? pos : 0;
        if ((marker >= 0xd0 && marker <= 0xd7) || marker == 0x01)
            continue;
        if (pos + 2 > size)
            return 0;
        const int length = d[pos] << 8 | d[pos + 1];
        if (length < 2 || pos + length > size)
            return 0;
        const bool isFrame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (isFrame) {
            if (length < 8)
                return 0;
            if (frame && !haveFrame) {
                frame->height = d[pos + 3] << 8 | d[pos + 4];
                frame->width = d[pos + 5] << 8 | d[pos + 6];
                frame->components = d[pos + 7];
            }
            haveFrame = true;
        }
        pos += length;
        if (marker == 0xda) {
            if (!haveFrame)
                return 0;
            // Entropy-coded data runs to the next marker that is not a stuffed zero or a
            // restart marker.
            while (pos + 1 < size) {
                if (d[pos] == 0xff && d[pos + 1] != 0x00 && d[pos + 1] != 0xff &&
                    !(d[pos + 1] >= 0xd0 && d[pos + 1] <= 0xd7))
                    break;
                ++pos;
            }
        }
    }
    return 0;
}

QString PdfImageDecoder::sizeProblem(qint64 width, qint64 height) const
{
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return QStringLiteral("the image size %1 x %2 makes no sense").arg(width).arg(height);
    // Three bytes a pixel, what the largest decoded form (RGB) takes.
    if (width * height * 3 > m_limitBytes)
        return QStringLiteral("the image of %1 x %2 pixels is larger than the limit")
            .arg(width)
            .arg(height);
    return {};
}

PdfDecodedImage PdfImageDecoder::decode(const PdfImageInfo &info, const QByteArray &data,
                                        const QByteArray &globals) const
{
    // Undo the general filters; an image codec may only come last. Without a codec the last
    // filter gives the samples, and nothing past the rows the image needs is decoded.
    const bool hasCodec = !info.filters.isEmpty() && isImageCodec(info.filters.last().name);
    // JPEG data carries its own size, which decides (fromJpeg); every other image is as large
    // as its dictionary says.
    if (!(hasCodec && info.filters.last().name == "DCTDecode")) {
        if (const QString wrong = sizeProblem(info.width, info.height); !wrong.isEmpty())
            return skipped(wrong);
    }
    const int sampleBits = info.imageMask ? 1 : std::clamp(info.bitsPerComponent, 1, 16);
    const qint64 samplesNeeded =
        (info.width * std::max(1, info.components()) * sampleBits + 7) / 8 * info.height;
    QByteArray bytes = data;
    QByteArray codec;
    for (qsizetype i = 0; i < info.filters.size(); ++i) {
        const PdfImageInfo::Filter &filter = info.filters.at(i);
        if (filter.name == "Crypt")
            continue;
        if (isImageCodec(filter.name)) {
            if (i + 1 != info.filters.size())
                return skipped(QStringLiteral("%1 is followed by more filters")
                                   .arg(QString::fromLatin1(filter.name)));
            codec = filter.name;
            break;
        }
        if (!PdfStreamFilters::isStreamFilter(filter.name))
            return skipped(QStringLiteral("the filter %1 is not supported")
                               .arg(QString::fromLatin1(filter.name)));
        QByteArray out;
        QString error;
        const bool givesSamples = !hasCodec && i + 1 == info.filters.size();
        if (!PdfStreamFilters::decode(filter.name, bytes, filter.params,
                                      givesSamples ? samplesNeeded : m_limitBytes, &out, &error))
            return skipped(error);
        bytes = std::move(out);
    }

    if (codec.isEmpty())
        return fromSamples(info, bytes);
    if (codec == "DCTDecode")
        return fromJpeg(info, bytes);
    if (codec == "JPXDecode")
        return skipped(QStringLiteral("JPEG 2000 images (JPXDecode) are not supported"));
    if (codec == "CCITTFaxDecode") {
        const PdfImageInfo::Filter &params = info.filters.last();
        const bool inverted = params.blackIs1 != info.decodeInverted();
        // The common case needs no external decoder: Group 4 lines of exactly the image's size.
        if (params.k < 0 && !params.encodedByteAlign && params.columns == info.width &&
            (params.rows <= 0 || params.rows == info.height)) {
            QString error;
            PdfDecodedImage result;
            if (m_group4Pictures) {
                result = fromBilevel(
                    info, Group4Codec::decode(bytes, int(info.width), int(info.height), &error),
                    inverted);
                if (result.kind == PdfDecodedImage::Kind::Skipped)
                    return skipped(error);
            } else if (Group4Validator::validate(bytes, int(info.width), int(info.height),
                                                 &error)) {
                result.kind = PdfDecodedImage::Kind::Bilevel;
            } else {
                return skipped(error);
            }
            result.group4 = bytes;
            result.group4Size = QSize(int(info.width), int(info.height));
            result.group4RunsWhite = inverted;
            return result;
        }
    }
    if (!m_externalTools)
        return skipped(QStringLiteral("%1 needs an external decoder, switched off")
                           .arg(QString::fromLatin1(codec)));
    QString error;
    if (codec == "CCITTFaxDecode") {
        const PdfImageInfo::Filter &params = info.filters.last();
        QImage decoded = PdfBilevelDecoders::ccitt(bytes, params, &error);
        if (decoded.isNull())
            return skipped(error);
        return fromBilevel(info, decoded, params.blackIs1 != info.decodeInverted());
    }
    QImage decoded = PdfBilevelDecoders::jbig2(bytes, globals, m_limitBytes, &error);
    if (decoded.isNull())
        return skipped(error);
    return fromBilevel(info, decoded, info.decodeInverted());
}

PdfDecodedImage PdfImageDecoder::fromBilevel(const PdfImageInfo &info, QImage decoded,
                                             bool inverted) const
{
    // The decoders give black as black; the picture must have exactly the promised size.
    if (decoded.width() < info.width || decoded.height() < info.height)
        return skipped(QStringLiteral("the decoded image of %1 x %2 pixels is smaller than the "
                                      "%3 x %4 the file gives")
                           .arg(decoded.width())
                           .arg(decoded.height())
                           .arg(info.width)
                           .arg(info.height));
    if (decoded.width() != info.width || decoded.height() != info.height)
        decoded = decoded.copy(0, 0, int(info.width), int(info.height));
    if (inverted)
        decoded.invertPixels();
    PdfDecodedImage result;
    result.kind = PdfDecodedImage::Kind::Bilevel;
    result.image = std::move(decoded);
    return result;
}

PdfDecodedImage PdfImageDecoder::fromJpeg(const PdfImageInfo &info, const QByteArray &data) const
{
    JpegFrame frame;
    const qsizetype end = jpegEnd(data, &frame);
    if (end == 0)
        return skipped(QStringLiteral("the JPEG data is broken or ends early"));
    // The JPEG's own frame decides the picture's size: a dictionary that says otherwise is
    // wrong about it, as other tools that copy JPEG data take it.
    if (const QString wrong = sizeProblem(frame.width, frame.height); !wrong.isEmpty())
        return skipped(wrong);
    if (frame.width != info.width || frame.height != info.height)
        qCInfo(lcImport) << "JPEG image of" << frame.width << "x" << frame.height
                         << "pixels where its dictionary says" << info.width << "x" << info.height;
    PdfImageInfo sized = info;
    sized.width = frame.width;
    sized.height = frame.height;
    const int components = frame.components;
    // Bytes after the end marker (a /Length that runs past the data) are not part of it.
    const QByteArray jpeg = data.left(end);
    const bool inverted = sized.decodeInverted();
    if (components != 4 && !inverted) {
        PdfDecodedImage result;
        result.kind = PdfDecodedImage::Kind::Jpeg;
        result.jpeg = jpeg;
        return result;
    }
    // CMYK cannot be a page JPEG as it is. Qt reads it as Adobe's inverted CMYK, which is how
    // CMYK JPEG data is written (and which such a file's /Decode [1 0 1 0 1 0 1 0] undoes), so
    // that array is not applied again.
    QImage image = QImage::fromData(jpeg, "JPEG");
    if (image.isNull() || image.width() != sized.width || image.height() != sized.height)
        return skipped(QStringLiteral("the JPEG data cannot be decoded"));
    if (components != 4)
        image.invertPixels();
    PdfDecodedImage result;
    result.kind = PdfDecodedImage::Kind::Picture;
    result.image =
        image.convertToFormat(components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    return result;
}

PdfDecodedImage PdfImageDecoder::fromSamples(const PdfImageInfo &info,
                                             const QByteArray &samples) const
{
    using Space = PdfImageInfo::ColourSpace;
    const int components = info.components();
    if (components == 0)
        return skipped(
            QStringLiteral("the colour space %1 is not supported").arg(colourSpaceText(info)));
    const int bits = info.imageMask ? 1 : info.bitsPerComponent;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
        return skipped(QStringLiteral("%1 bits per component is not supported").arg(bits));
    const int width = int(info.width);
    const int height = int(info.height);
    const qsizetype rowBytes = (qsizetype(width) * components * bits + 7) / 8;
    const qsizetype needed = rowBytes * height;
    if (samples.size() < needed)
        return skipped(QStringLiteral("the image data ends early (%1 of %2 bytes)")
                           .arg(samples.size())
                           .arg(needed));
    const auto *data = reinterpret_cast<const unsigned char *>(samples.constData());

    bool paletteInverted = false;
    const bool bilevel =
        bits == 1 &&
        (info.imageMask || info.colourSpace == Space::Gray ||
         (info.colourSpace == Space::Indexed && isBlackAndWhitePalette(info, &paletteInverted)));
    PdfDecodedImage result;
    if (bilevel) {
        // 0 is black for grey samples and for stencil masks (where 0 paints); the same in the
        // picture's colour table, so the rows are copied as they are.
        QImage image(width, height, QImage::Format_Mono);
        if (image.isNull())
            return skipped(QStringLiteral("no memory for the image"));
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), data + y * rowBytes, size_t(rowBytes));
        if (info.decodeInverted() != paletteInverted)
            image.invertPixels();
        result.kind = PdfDecodedImage::Kind::Bilevel;
        result.image = std::move(image);
        return result;
    }

    // A table per component from sample value to 0..255 (or, for an index, to the entry).
    const int maxSample = (1 << std::min(bits, 8)) - 1;
    std::vector<std::vector<unsigned char>> tables(static_cast<size_t>(components));
    std::vector<int> indexTable;
    if (info.colourSpace == Space::Indexed) {
        const double dmin = info.decode.size() >= 2 ? info.decode.at(0) : 0;
        const double dmax = info.decode.size() >= 2 ? info.decode.at(1) : maxSample;
        indexTable.resize(size_t(maxSample) + 1);
        for (int s = 0; s <= maxSample; ++s) {
            const double index = dmin + s * (dmax - dmin) / maxSample;
            indexTable[size_t(s)] = int(std::clamp(std::lround(index), 0L, long(info.hival)));
        }
    } else {
        for (int c = 0; c < components; ++c) {
            const bool hasRange = info.decode.size() >= 2 * (c + 1);
            const double dmin = hasRange ? info.decode.at(2 * c) : 0.0;
            const double dmax = hasRange ? info.decode.at(2 * c + 1) : 1.0;
            tables[size_t(c)].resize(size_t(maxSample) + 1);
            for (int s = 0; s <= maxSample; ++s)
                tables[size_t(c)][size_t(s)] = scaled(dmin, dmax, s, maxSample);
        }
    }
    const Space space = info.colourSpace == Space::Indexed ? info.base : info.colourSpace;
    const int spaceComponents = space == Space::Gray ? 1 : space == Space::Rgb ? 3 : 4;
    if (space != Space::Gray && space != Space::Rgb && space != Space::Cmyk)
        return skipped(QStringLiteral("the indexed colour space's base is not supported"));
    const bool grey = space == Space::Gray;
    QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull())
        return skipped(QStringLiteral("no memory for the image"));
    // The colour table padded with black, so that a short one is read safely.
    QByteArray palette = info.palette;
    if (info.colourSpace == Space::Indexed)
        palette.append(QByteArray(
            qMax<qsizetype>(0, (info.hival + 1) * spaceComponents - palette.size()), '\0'));
    const auto *entries = reinterpret_cast<const unsigned char *>(palette.constData());
    std::array<unsigned char, 4> pixel{};
    for (int y = 0; y < height; ++y) {
        const unsigned char *row = data + y * rowBytes;
        unsigned char *out = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (!indexTable.empty()) {
                const int entry = indexTable[size_t(sampleAt(row, x, bits))];
                std::memcpy(pixel.data(), entries + entry * spaceComponents,
                            size_t(spaceComponents));
            } else {
                for (int c = 0; c < components; ++c)
                    pixel[size_t(c)] =
                        tables[size_t(c)]
                              [size_t(sampleAt(row, qsizetype(x) * components + c, bits))];
            }
            if (grey) {
                out[x] = pixel[0];
            } else if (space == Space::Rgb) {
                std::memcpy(out + 3 * x, pixel.data(), 3);
            } else {
                cmykToRgb(pixel.data(), out + 3 * x);
            }
        }
    }
    result.kind = PdfDecodedImage::Kind::Picture;
    result.image = std::move(image);
    return result;
}
