#include "import/PdfStreamFilters.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>
#include <zlib.h>

namespace PdfStreamFilters {

bool isPdfWhitespace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

namespace {

// Appends while there is room under the limit; false once the limit is reached.
class LimitedOutput
{
public:
    LimitedOutput(QByteArray *out, qsizetype limit)
        : m_out(out)
        , m_limit(limit)
    {
        m_out->clear();
    }
    bool full() const { return m_out->size() >= m_limit; }
    bool append(char c)
    {
        if (full())
            return false;
        m_out->append(c);
        return true;
    }
    bool append(const char *data, qsizetype size)
    {
        const qsizetype room = m_limit - m_out->size();
        m_out->append(data, std::min(room, size));
        return size <= room;
    }

private:
    QByteArray *m_out;
    qsizetype m_limit;
};

bool asciiHex(const QByteArray &in, LimitedOutput &out)
{
    int high = -1;
    for (const char c : in) {
        if (c == '>')
            break;
        if (isPdfWhitespace(c))
            continue;
        const int value = hexValue(c);
        if (value < 0)
            return false;
        if (high < 0) {
            high = value;
            continue;
        }
        if (!out.append(char(high << 4 | value)))
            return true;
        high = -1;
    }
    // An odd final digit stands for its high half, the low half being 0.
    if (high >= 0)
        out.append(char(high << 4));
    return true;
}

bool ascii85(const QByteArray &in, LimitedOutput &out)
{
    quint64 group = 0;
    int count = 0;
    qsizetype i = 0;
    if (in.startsWith("<~"))
        i = 2;
    for (; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '~')
            break;
        if (isPdfWhitespace(c))
            continue;
        if (c == 'z' && count == 0) {
            if (!out.append("\0\0\0\0", 4))
                return true;
            continue;
        }
        if (c < '!' || c > 'u')
            return false;
        group = group * 85 + quint64(c - '!');
        if (++count < 5)
            continue;
        if (group > 0xffffffffULL)
            return false;
        const char bytes[4] = {char(group >> 24), char(group >> 16), char(group >> 8), char(group)};
        if (!out.append(bytes, 4))
            return true;
        group = 0;
        count = 0;
    }
    // A final group of n characters (2 to 4) stands for n - 1 bytes, padded with 'u'.
    if (count >= 2) {
        for (int pad = count; pad < 5; ++pad)
            group = group * 85 + 84;
        if (group > 0xffffffffULL)
            return false;
        const char bytes[4] = {char(group >> 24), char(group >> 16), char(group >> 8), char(group)};
        out.append(bytes, count - 1);
    }
    return true;
}

bool flate(const QByteArray &in, LimitedOutput &out, qsizetype limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = uInt(std::min<qsizetype>(in.size(), 0x7fffffff));
    std::array<char, 65536> buffer;
    int status = Z_OK;
    qsizetype produced = 0;
    while (status == Z_OK && produced < limit) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const qsizetype got = qsizetype(buffer.size() - stream.avail_out);
        produced += got;
        if (!out.append(buffer.data(), got))
            break;
        if (status == Z_BUF_ERROR && got == 0)
            break; // the input ends before the stream does
    }
    inflateEnd(&stream);
    // A broken or cut-off stream still gives what came before the break.
    return produced > 0 || status == Z_STREAM_END;
}

bool lzw(const QByteArray &in, LimitedOutput &out, int earlyChange)
{
    // Codes 0-255 stand for themselves, 256 clears the table, 257 ends the data; each new
    // entry is an earlier entry plus one byte, kept as (prefix code, last byte, length).
    constexpr int clearCode = 256;
    constexpr int endCode = 257;
    constexpr int maxCodes = 4096;
    struct Entry
    {
        int prefix = -1;
        unsigned char last = 0;
        int length = 0;
    };
    std::vector<Entry> table(maxCodes);
    for (int i = 0; i < 256; ++i)
        table[i] = {-1, static_cast<unsigned char>(i), 1};
    int next = 258;
    int width = 9;
    int previous = -1;
    quint32 bits = 0;
    int bitCount = 0;
    std::vector<unsigned char> string;
    const auto output = [&](int code) {
        string.resize(size_t(table[code].length));
        for (int c = code, pos = table[code].length - 1; c >= 0 && pos >= 0;
             c = table[c].prefix, --pos)
            string[size_t(pos)] = table[c].last;
        return out.append(reinterpret_cast<const char *>(string.data()), qsizetype(string.size()));
    };
    for (const char byte : in) {
        bits = bits << 8 | static_cast<unsigned char>(byte);
        bitCount += 8;
        while (bitCount >= width) {
            const int code = int(bits >> (bitCount - width)) & ((1 << width) - 1);
            bitCount -= width;
            if (code == clearCode) {
                next = 258;
                width = 9;
                previous = -1;
                continue;
            }
            if (code == endCode)
                return true;
            if (code > next || (code == next && previous < 0))
                return true; // a code not defined yet: the data is broken from here on
            if (previous >= 0 && next < maxCodes) {
                // The new entry is the previous string plus the first byte of this one (of
                // the previous string itself when the code is the one being defined).
                int first = code == next ? previous : code;
                while (table[first].prefix >= 0)
                    first = table[first].prefix;
                table[next] = {previous, table[first].last, table[previous].length + 1};
                ++next;
            }
            if (!output(code))
                return true;
            previous = code;
            if (next + earlyChange >= (1 << width) && width < 12)
                ++width;
        }
    }
    return true;
}

bool runLength(const QByteArray &in, LimitedOutput &out)
{
    qsizetype i = 0;
    while (i < in.size()) {
        const int length = static_cast<unsigned char>(in.at(i++));
        if (length == 128)
            break;
        if (length < 128) {
            const qsizetype count = std::min<qsizetype>(length + 1, in.size() - i);
            if (!out.append(in.constData() + i, count))
                return true;
            i += count;
        } else if (i < in.size()) {
            const char c = in.at(i++);
            for (int n = 0; n < 257 - length; ++n) {
                if (!out.append(c))
                    return true;
            }
        }
    }
    return true;
}

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// TIFF predictor 2: each sample is stored as the difference to the same component of the pixel
// before it in the row.
void undoTiffPredictor(unsigned char *row, qsizetype columns, int colors, int bits)
{
    if (bits == 8) {
        for (qsizetype i = colors; i < columns * colors; ++i)
            row[i] = static_cast<unsigned char>(row[i] + row[i - colors]);
        return;
    }
    if (bits == 16) {
        for (qsizetype i = colors; i < columns * colors; ++i) {
            const int value = (row[2 * i] << 8 | row[2 * i + 1]) +
                              (row[2 * (i - colors)] << 8 | row[2 * (i - colors) + 1]);
            row[2 * i] = static_cast<unsigned char>(value >> 8);
            row[2 * i + 1] = static_cast<unsigned char>(value);
        }
        return;
    }
    // 1, 2 and 4 bits: samples packed from the high bit down.
    const int mask = (1 << bits) - 1;
    const auto sample = [&](qsizetype index) {
        const qsizetype bit = index * bits;
        return (row[bit / 8] >> (8 - bits - int(bit % 8))) & mask;
    };
    for (qsizetype i = colors; i < columns * colors; ++i) {
        const int value = (sample(i) + sample(i - colors)) & mask;
        const qsizetype bit = i * bits;
        const int shift = 8 - bits - int(bit % 8);
        row[bit / 8] =
            static_cast<unsigned char>((row[bit / 8] & ~(mask << shift)) | (value << shift));
    }
}

} // namespace

bool isStreamFilter(const QByteArray &name)
{
    const QByteArray full = fullName(name);
    return full == "ASCIIHexDecode" || full == "ASCII85Decode" || full == "FlateDecode" ||
           full == "LZWDecode" || full == "RunLengthDecode";
}

QByteArray fullName(const QByteArray &name)
{
    static const std::array<std::pair<const char *, const char *>, 9> abbreviations = {{
        {"AHx", "ASCIIHexDecode"},
        {"A85", "ASCII85Decode"},
        {"Fl", "FlateDecode"},
        {"LZW", "LZWDecode"},
        {"RL", "RunLengthDecode"},
        {"DCT", "DCTDecode"},
        {"CCF", "CCITTFaxDecode"},
        {"JBIG2", "JBIG2Decode"},
        {"JPX", "JPXDecode"},
    }};
    for (const auto &[shortName, longName] : abbreviations) {
        if (name == shortName)
            return QByteArray(longName);
    }
    return name;
}

bool unpredict(const QByteArray &input, const Params &params, QByteArray *output, QString *error)
{
    const int bits = params.bitsPerComponent;
    if (params.columns < 1 || params.colors < 1 || params.colors > 32 ||
        (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)) {
        *error = QStringLiteral("predictor parameters out of range");
        return false;
    }
    const qsizetype rowBytes = (qsizetype(params.columns) * params.colors * bits + 7) / 8;
    if (params.predictor == 2) {
        *output = input.left(input.size() / rowBytes * rowBytes);
        auto *data = reinterpret_cast<unsigned char *>(output->data());
        for (qsizetype at = 0; at < output->size(); at += rowBytes)
            undoTiffPredictor(data + at, params.columns, params.colors, bits);
        return true;
    }
    if (params.predictor < 10) {
        *output = input;
        return true;
    }
    // PNG predictors: every row starts with its own filter type byte.
    const int pixelBytes = std::max(1, params.colors * bits / 8);
    const qsizetype rows = input.size() / (rowBytes + 1);
    output->resize(rows * rowBytes);
    auto *out = reinterpret_cast<unsigned char *>(output->data());
    const auto *in = reinterpret_cast<const unsigned char *>(input.constData());
    std::vector<unsigned char> zeroRow(size_t(rowBytes), 0);
    for (qsizetype r = 0; r < rows; ++r) {
        const int type = in[r * (rowBytes + 1)];
        const unsigned char *src = in + r * (rowBytes + 1) + 1;
        unsigned char *row = out + r * rowBytes;
        const unsigned char *above = r > 0 ? row - rowBytes : zeroRow.data();
        for (qsizetype i = 0; i < rowBytes; ++i) {
            const int left = i >= pixelBytes ? row[i - pixelBytes] : 0;
            const int upLeft = i >= pixelBytes ? above[i - pixelBytes] : 0;
            int predicted = 0;
            switch (type) {
            case 1:
                predicted = left;
                break;
            case 2:
                predicted = above[i];
                break;
            case 3:
                predicted = (left + above[i]) / 2;
                break;
            case 4:
                predicted = paeth(left, above[i], upLeft);
                break;
            default: // 0, and unknown types taken as none
                break;
            }
            row[i] = static_cast<unsigned char>(src[i] + predicted);
        }
    }
    return true;
}

bool decode(const QByteArray &name, const QByteArray &input, const Params &params, qsizetype limit,
            QByteArray *output, QString *error)
{
    const QByteArray full = fullName(name);
    const bool predicted = (full == "FlateDecode" || full == "LZWDecode") && params.predictor > 1;
    // With a PNG predictor every row carries one more byte than it gives.
    qsizetype rawLimit = limit;
    if (predicted && params.predictor >= 10 && params.columns > 0) {
        const qsizetype rowBytes = (qsizetype(params.columns) * std::clamp(params.colors, 1, 32) *
                                        std::clamp(params.bitsPerComponent, 1, 16) +
                                    7) /
                                   8;
        rawLimit = limit / rowBytes * (rowBytes + 1) + rowBytes + 1;
    }
    QByteArray raw;
    LimitedOutput out(predicted ? &raw : output, rawLimit);
    bool ok = false;
    if (full == "ASCIIHexDecode")
        ok = asciiHex(input, out);
    else if (full == "ASCII85Decode")
        ok = ascii85(input, out);
    else if (full == "FlateDecode")
        ok = flate(input, out, rawLimit);
    else if (full == "LZWDecode")
        ok = lzw(input, out, params.earlyChange ? 1 : 0);
    else if (full == "RunLengthDecode")
        ok = runLength(input, out);
    else {
        *error = QStringLiteral("the filter %1 is not supported").arg(QString::fromLatin1(full));
        return false;
    }
    if (!ok) {
        *error = QStringLiteral("the %1 data cannot be decoded").arg(QString::fromLatin1(full));
        return false;
    }
    if (!predicted)
        return true;
    if (!unpredict(raw, params, output, error))
        return false;
    if (output->size() > limit)
        output->truncate(limit);
    return true;
}

} // namespace PdfStreamFilters
