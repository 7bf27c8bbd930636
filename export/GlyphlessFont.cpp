#include "export/GlyphlessFont.h"

#include <QList>
#include <QPair>
#include <QtEndian>

namespace {

// Big-endian writer for the font's tables.
class Table
{
public:
    Table &u16(quint16 value)
    {
        char bytes[2];
        qToBigEndian(value, bytes);
        m_bytes.append(bytes, 2);
        return *this;
    }
    Table &i16(qint16 value) { return u16(quint16(value)); }
    Table &u32(quint32 value)
    {
        char bytes[4];
        qToBigEndian(value, bytes);
        m_bytes.append(bytes, 4);
        return *this;
    }
    Table &zeros(int count)
    {
        m_bytes.append(count, '\0');
        return *this;
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The sum of the big-endian 32-bit words of data, zero-padded to a multiple of four.
quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < data.size(); i += 4) {
        char word[4] = {0, 0, 0, 0};
        for (qsizetype j = 0; j < 4 && i + j < data.size(); ++j)
            word[j] = data[i + j];
        sum += qFromBigEndian<quint32>(word);
    }
    return sum;
}

constexpr quint16 glyphCount = 2;
constexpr qint16 ascent = 800;
constexpr qint16 descent = -200;

} // namespace

QByteArray GlyphlessFont::trueType()
{
    using Tag = QByteArray;
    QList<QPair<Tag, QByteArray>> tables;

    // Format 4 with only the closing segment: no character maps to a glyph of its own; PDF
    // readers map codes to glyphs through the document's own map instead.
    tables.append({"cmap", Table()
                               .u16(0)
                               .u16(1) // version, one encoding
                               .u16(3)
                               .u16(1)
                               .u32(12) // Windows, Unicode BMP
                               .u16(4)
                               .u16(24)
                               .u16(0) // format, length, language
                               .u16(2)
                               .u16(2)
                               .u16(0)
                               .u16(0) // one segment
                               .u16(0xFFFF)
                               .u16(0) // end code, pad
                               .u16(0xFFFF)
                               .i16(1)
                               .u16(0) // start, delta, range offset
                               .bytes()});
    // Both glyphs are empty; glyf holds a few bytes so that no reader sees an empty table.
    tables.append({"glyf", Table().u32(0).bytes()});
    tables.append({"head", Table()
                               .u32(0x00010000)
                               .u32(0x00010000)
                               .u32(0) // checksum adjustment, set below
                               .u32(0x5F0F3CF5)
                               .u16(0x000B)
                               .u16(UnitsPerEm)
                               .zeros(16) // created, modified
                               .i16(0)
                               .i16(descent)
                               .i16(Advance)
                               .i16(ascent)
                               .u16(0)
                               .u16(3)
                               .i16(2)
                               .i16(0) // short loca offsets
                               .i16(0)
                               .bytes()});
    tables.append({"hhea", Table()
                               .u32(0x00010000)
                               .i16(ascent)
                               .i16(descent)
                               .i16(0)
                               .u16(Advance)
                               .i16(0)
                               .i16(0)
                               .i16(0)
                               .i16(1)
                               .i16(0)
                               .i16(0)
                               .zeros(8)
                               .i16(0)
                               .u16(glyphCount)
                               .bytes()});
    tables.append({"hmtx", Table().u16(Advance).i16(0).u16(Advance).i16(0).bytes()});
    tables.append({"loca", Table().u16(0).u16(0).u16(0).bytes()});
    tables.append({"maxp", Table()
                               .u32(0x00010000)
                               .u16(glyphCount)
                               .zeros(8)  // points and contours
                               .u16(2)    // zones
                               .zeros(16) // the rest
                               .bytes()});
    tables.append({"post", Table().u32(0x00030000).zeros(28).bytes()});

    const quint16 count = quint16(tables.size());
    quint16 searchRange = 1;
    quint16 selector = 0;
    while (searchRange * 2 <= count) {
        searchRange *= 2;
        ++selector;
    }
    Table directory;
    directory.u32(0x00010000)
        .u16(count)
        .u16(searchRange * 16)
        .u16(selector)
        .u16(count * 16 - searchRange * 16);
    quint32 offset = 12 + 16 * count;
    QByteArray body;
    qsizetype headOffset = 0;
    for (const auto &[tag, data] : tables) {
        directory.u32(qFromBigEndian<quint32>(tag.constData()))
            .u32(checksum(data))
            .u32(offset)
            .u32(quint32(data.size()));
        if (tag == "head")
            headOffset = 12 + 16 * count + body.size();
        QByteArray padded = data;
        padded.append((4 - data.size() % 4) % 4, '\0');
        body += padded;
        offset += quint32(padded.size());
    }
    QByteArray font = directory.bytes() + body;
    const quint32 adjustment = 0xB1B0AFBAU - checksum(font);
    qToBigEndian(adjustment, font.data() + headOffset + 8);
    return font;
}
