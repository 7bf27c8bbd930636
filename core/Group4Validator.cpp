#include "core/Group4Validator.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace Group4Validator {

namespace {

// One entry of a code table: the run length (or mode) and the code's length in bits; a length
// of 0 marks bits that start no code.
struct TableEntry
{
    quint16 value = 0;
    quint8 bits = 0;
};

struct Code
{
    quint16 value;
    const char *bits;
};

// Run lengths of white pixels (ITU-T T.4): terminating codes for 0 to 63, then make-up codes.
constexpr Code whiteCodes[] = {
    {0, "00110101"},     {1, "000111"},       {2, "0111"},         {3, "1000"},
    {4, "1011"},         {5, "1100"},         {6, "1110"},         {7, "1111"},
    {8, "10011"},        {9, "10100"},        {10, "00111"},       {11, "01000"},
    {12, "001000"},      {13, "000011"},      {14, "110100"},      {15, "110101"},
    {16, "101010"},      {17, "101011"},      {18, "0100111"},     {19, "0001100"},
    {20, "0001000"},     {21, "0010111"},     {22, "0000011"},     {23, "0000100"},
    {24, "0101000"},     {25, "0101011"},     {26, "0010011"},     {27, "0100100"},
    {28, "0011000"},     {29, "00000010"},    {30, "00000011"},    {31, "00011010"},
    {32, "00011011"},    {33, "00010010"},    {34, "00010011"},    {35, "00010100"},
    {36, "00010101"},    {37, "00010110"},    {38, "00010111"},    {39, "00101000"},
    {40, "00101001"},    {41, "00101010"},    {42, "00101011"},    {43, "00101100"},
    {44, "00101101"},    {45, "00000100"},    {46, "00000101"},    {47, "00001010"},
    {48, "00001011"},    {49, "01010010"},    {50, "01010011"},    {51, "01010100"},
    {52, "01010101"},    {53, "00100100"},    {54, "00100101"},    {55, "01011000"},
    {56, "01011001"},    {57, "01011010"},    {58, "01011011"},    {59, "01001010"},
    {60, "01001011"},    {61, "00110010"},    {62, "00110011"},    {63, "00110100"},
    {64, "11011"},       {128, "10010"},      {192, "010111"},     {256, "0110111"},
    {320, "00110110"},   {384, "00110111"},   {448, "01100100"},   {512, "01100101"},
    {576, "01101000"},   {640, "01100111"},   {704, "011001100"},  {768, "011001101"},
    {832, "011010010"},  {896, "011010011"},  {960, "011010100"},  {1024, "011010101"},
    {1088, "011010110"}, {1152, "011010111"}, {1216, "011011000"}, {1280, "011011001"},
    {1344, "011011010"}, {1408, "011011011"}, {1472, "010011000"}, {1536, "010011001"},
    {1600, "010011010"}, {1664, "011000"},    {1728, "010011011"},
};

// Run lengths of black pixels.
constexpr Code blackCodes[] = {
    {0, "0000110111"},
    {1, "010"},
    {2, "11"},
    {3, "10"},
    {4, "011"},
    {5, "0011"},
    {6, "0010"},
    {7, "00011"},
    {8, "000101"},
    {9, "000100"},
    {10, "0000100"},
    {11, "0000101"},
    {12, "0000111"},
    {13, "00000100"},
    {14, "00000111"},
    {15, "000011000"},
    {16, "0000010111"},
    {17, "0000011000"},
    {18, "0000001000"},
    {19, "00001100111"},
    {20, "00001101000"},
    {21, "00001101100"},
    {22, "00000110111"},
    {23, "00000101000"},
    {24, "00000010111"},
    {25, "00000011000"},
    {26, "000011001010"},
    {27, "000011001011"},
    {28, "000011001100"},
    {29, "000011001101"},
    {30, "000001101000"},
    {31, "000001101001"},
    {32, "000001101010"},
    {33, "000001101011"},
    {34, "000011010010"},
    {35, "000011010011"},
    {36, "000011010100"},
    {37, "000011010101"},
    {38, "000011010110"},
    {39, "000011010111"},
    {40, "000001101100"},
    {41, "000001101101"},
    {42, "000011011010"},
    {43, "000011011011"},
    {44, "000001010100"},
    {45, "000001010101"},
    {46, "000001010110"},
    {47, "000001010111"},
    {48, "000001100100"},
    {49, "000001100101"},
    {50, "000001010010"},
    {51, "000001010011"},
    {52, "000000100100"},
    {53, "000000110111"},
    {54, "000000111000"},
    {55, "000000100111"},
    {56, "000000101000"},
    {57, "000001011000"},
    {58, "000001011001"},
    {59, "000000101011"},
    {60, "000000101100"},
    {61, "000001011010"},
    {62, "000001100110"},
    {63, "000001100111"},
    {64, "0000001111"},
    {128, "000011001000"},
    {192, "000011001001"},
    {256, "000001011011"},
    {320, "000000110011"},
    {384, "000000110100"},
    {448, "000000110101"},
    {512, "0000001101100"},
    {576, "0000001101101"},
    {640, "0000001001010"},
    {704, "0000001001011"},
    {768, "0000001001100"},
    {832, "0000001001101"},
    {896, "0000001110010"},
    {960, "0000001110011"},
    {1024, "0000001110100"},
    {1088, "0000001110101"},
    {1152, "0000001110110"},
    {1216, "0000001110111"},
    {1280, "0000001010010"},
    {1344, "0000001010011"},
    {1408, "0000001010100"},
    {1472, "0000001010101"},
    {1536, "0000001011010"},
    {1600, "0000001011011"},
    {1664, "0000001100100"},
    {1728, "0000001100101"},
};

// Make-up codes of long runs, the same for both colours.
constexpr Code extendedCodes[] = {
    {1792, "00000001000"},  {1856, "00000001100"},  {1920, "00000001101"},  {1984, "000000010010"},
    {2048, "000000010011"}, {2112, "000000010100"}, {2176, "000000010101"}, {2240, "000000010110"},
    {2304, "000000010111"}, {2368, "000000011100"}, {2432, "000000011101"}, {2496, "000000011110"},
    {2560, "000000011111"},
};

// The two-dimensional coding modes. The vertical modes are numbered by a1's offset from b1 plus
// three, so that the mode's value less three is the offset.
enum Mode : quint16 {
    VerticalLeft3,
    VerticalLeft2,
    VerticalLeft1,
    Vertical0,
    VerticalRight1,
    VerticalRight2,
    VerticalRight3,
    Pass,
    Horizontal,
    Escape
};

constexpr Code modeCodes[] = {
    {Vertical0, "1"},
    {VerticalRight1, "011"},
    {VerticalLeft1, "010"},
    {Horizontal, "001"},
    {Pass, "0001"},
    {VerticalRight2, "000011"},
    {VerticalLeft2, "000010"},
    {VerticalRight3, "0000011"},
    {VerticalLeft3, "0000010"},
    // Seven zero bits or six and a one start an end-of-line or an extension code, both looked
    // at more closely.
    {Escape, "0000001"},
    {Escape, "0000000"},
};

constexpr int modeBits = 7;
constexpr int whiteBits = 12;
constexpr int blackBits = 13;
constexpr quint32 endOfLine = 0x001; // twelve bits: eleven zeros and a one

// A lookup table indexed by the next width bits of the data: every index that starts with a code
// holds that code's entry.
template <int width> class CodeTable
{
public:
    template <typename... Lists> explicit CodeTable(const Lists &...lists) { (add(lists), ...); }

    TableEntry operator[](quint32 index) const { return m_entries[index]; }

private:
    template <std::size_t size> void add(const Code (&codes)[size])
    {
        for (const Code &code : codes) {
            const int length = int(std::strlen(code.bits));
            quint32 value = 0;
            for (int i = 0; i < length; ++i)
                value = value << 1 | quint32(code.bits[i] == '1');
            const quint32 first = value << (width - length);
            const quint32 count = 1u << (width - length);
            std::fill_n(m_entries.begin() + first, count, TableEntry{code.value, quint8(length)});
        }
    }

    std::array<TableEntry, 1u << width> m_entries{};
};

struct Tables
{
    CodeTable<modeBits> modes{modeCodes};
    CodeTable<whiteBits> white{whiteCodes, extendedCodes};
    CodeTable<blackBits> black{blackCodes, extendedCodes};
};

const Tables &tables()
{
    static const Tables built;
    return built;
}

// Reads the data a few bits at a time, first bit in the high bit, through a 64-bit window that
// is topped up eight bytes at a time. The copy ends in zero bytes, so reading never leaves the
// buffer: a run of zero bits is no code, and reading stops there.
class BitReader
{
public:
    explicit BitReader(const QByteArray &data)
        : m_bytes(std::size_t(data.size()) + padding, 0)
        , m_dataBits(quint64(data.size()) * 8)
        , m_next(m_bytes.data())
    {
        std::memcpy(m_bytes.data(), data.constData(), std::size_t(data.size()));
    }

    // The next count bits (at most 32) as a number.
    quint32 peek(int count)
    {
        if (m_count < 32) {
            // The window's empty low bits take the next bytes; the whole bytes taken move on.
            m_window |= qFromBigEndian<quint64>(m_next) >> m_count;
            m_next += (63 - m_count) >> 3;
            m_count |= 56;
        }
        return quint32(m_window >> (64 - count));
    }

    void skip(int count)
    {
        m_window <<= count;
        m_count -= count;
    }

    bool pastEnd() const
    {
        return quint64(m_next - m_bytes.data()) * 8 - quint64(m_count) > m_dataBits;
    }

private:
    // More than the window reads beyond the furthest place a bad code stops the reading.
    static constexpr std::size_t padding = 32;
    std::vector<uchar> m_bytes;
    quint64 m_dataBits;
    const uchar *m_next;
    quint64 m_window = 0;
    int m_count = 0;
};

// The length of a run of one colour: make-up codes and a terminating code. -1 for bits that
// are no code of the colour, or a run longer than limit.
// Kept inline, so that the reader stays in registers.
template <int width>
[[gnu::always_inline]] inline int readRun(BitReader &reader, const CodeTable<width> &table,
                                          int limit)
{
    int total = 0;
    for (;;) {
        const TableEntry entry = table[reader.peek(width)];
        if (entry.bits == 0)
            return -1;
        reader.skip(entry.bits);
        total += entry.value;
        if (entry.value < 64)
            return total;
        if (total > limit)
            return -1;
    }
}

} // namespace

bool validate(const QByteArray &group4, int width, int height, QString *error)
{
    if (width < 1 || height < 1) {
        *error = QStringLiteral("a fax image of %1 x %2 pixels").arg(width).arg(height);
        return false;
    }
    const Tables &codes = tables();
    BitReader reader(group4);
    // The colour changes of the line above and of the line being read, in order: at an even
    // index white turns black, at an odd index black turns white. A run of no pixels gives two
    // changes at one place, as libtiff keeps it, so that a line is read the way libtiff reads
    // it. Three copies of the width follow the last change of the line above, so that its
    // changes right of any place of the line can always be read.
    // A vertical code's change lies right of the last one, so there are at most width of them;
    // horizontal codes can give runs of no pixels and are held to a limit.
    const int horizontalLimit = 2 * width + 8;
    const std::size_t size = std::size_t(horizontalLimit) + std::size_t(width) + 8;
    // The line above the first one is white: it has no change.
    std::vector<int> above(size, width);
    std::vector<int> below(size, width);
    int *reference = above.data();
    int *coding = below.data();
    const auto broken = [error](const QString &what, int line) {
        *error = QStringLiteral("the fax data is broken (%1 in line %2)").arg(what).arg(line + 1);
        return false;
    };
    for (int line = 0; line < height; ++line) {
        // a0 is where the next run starts, of colour (0 white, 1 black). The next change lies at
        // lowest or right of it: right of a0 once the line has a change, else at a0 or right of
        // it (a line may start black). b1 is reference[b]: the first change right of a0 to the
        // other colour, which is the first change of colour's parity right of a0.
        int a0 = 0;
        int lowest = 0;
        int colour = 0;
        int b = 0;
        int count = 0;
        while (a0 < width) {
            const TableEntry mode = codes.modes[reader.peek(modeBits)];
            if (mode.value <= VerticalRight3) {
                reader.skip(mode.bits);
                const int offset = int(mode.value) - Vertical0;
                const int a1 = reference[b] + offset;
                if (unsigned(a1 - lowest) > unsigned(width - lowest))
                    return broken(QStringLiteral("a change outside the line"), line);
                if (a1 == width)
                    break;
                coding[count++] = a1;
                a0 = a1;
                lowest = a1 + 1;
                colour ^= 1;
                // Only the change left of b1 can lie right of a1, and only when a1 is left of b1.
                // Step on from there over the changes not right of a0: mostly none or one,
                // taken without a branch, which would guess wrong half of the time.
                b += 1 - 2 * (int(offset < 0) & int(b > 0));
                b += reference[b] <= a0 ? 2 : 0;
                while (reference[b] <= a0)
                    b += 2;
            } else if (mode.value == Pass) {
                reader.skip(mode.bits);
                // A pass ends on a change of the line above; the line's end is none.
                a0 = reference[b + 1];
                if (a0 >= width)
                    return broken(QStringLiteral("a pass past the end"), line);
                lowest = a0 + int(count > 0);
                b += 2;
                // Like libtiff, b1 stays where it is until the line has a change: it only
                // differs when the line above has a run of no pixels.
                while (count > 0 && reference[b] <= a0)
                    b += 2;
            } else if (mode.value == Horizontal) {
                reader.skip(mode.bits);
                const int first = colour == 0 ? readRun(reader, codes.white, width)
                                              : readRun(reader, codes.black, width);
                const int second = colour == 0 ? readRun(reader, codes.black, width)
                                               : readRun(reader, codes.white, width);
                if (first < 0 || second < 0)
                    return broken(QStringLiteral("a bad run code"), line);
                const int a1 = a0 + first;
                const int a2 = a1 + second;
                if (a2 > width)
                    return broken(QStringLiteral("a run past the end"), line);
                if (count > horizontalLimit)
                    return broken(QStringLiteral("too many changes"), line);
                if (a1 < width)
                    coding[count++] = a1;
                if (a2 < width)
                    coding[count++] = a2;
                a0 = a2;
                lowest = a2 + 1;
                while (a0 < width && reference[b] <= a0)
                    b += 2;
            } else if (reader.peek(12) == endOfLine) {
                *error =
                    QStringLiteral("the fax data ends after %1 of %2 lines").arg(line).arg(height);
                return false;
            } else {
                return broken(reader.peek(modeBits) == 0 ? QStringLiteral("a bad code")
                                                         : QStringLiteral("uncompressed data"),
                              line);
            }
        }
        if (reader.pastEnd()) {
            *error = QStringLiteral("the fax data ends after %1 of %2 lines").arg(line).arg(height);
            return false;
        }
        std::fill_n(coding + count, 3, width);
        std::swap(reference, coding);
    }
    return true;
}

} // namespace Group4Validator
