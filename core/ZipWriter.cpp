#include "core/ZipWriter.h"

#include <QFile>

#include <zlib.h>

namespace {

constexpr quint32 LocalHeaderSignature = 0x04034b50u;
constexpr quint32 DirectorySignature = 0x02014b50u;
constexpr quint32 EndSignature = 0x06054b50u;
constexpr quint32 Zip64EndSignature = 0x06064b50u;
constexpr quint32 Zip64LocatorSignature = 0x07064b50u;
constexpr quint16 NeedsBasic = 20;
constexpr quint16 NeedsZip64 = 45;
// Made on Unix, to the 2.0 level of the format: unzip then gives the files rw-r--r--.
constexpr quint16 MadeBy = (3 << 8) | NeedsBasic;
constexpr quint32 RegularFileMode = 0100644u << 16;
constexpr quint16 Utf8NameFlag = 0x0800;
constexpr quint32 Max32 = 0xFFFFFFFFu;
constexpr qint64 BlockSize = 1 << 20;

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

void put64(QByteArray &out, quint64 value)
{
    put32(out, quint32(value & Max32));
    put32(out, quint32(value >> 32));
}

// MS-DOS time and date, as zip keeps them: two-second steps, years from 1980.
std::pair<quint16, quint16> dosTimeAndDate(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const QDate date = local.date();
    if (!local.isValid() || date.year() < 1980)
        return {0, quint16((1 << 5) | 1)}; // 1 January 1980, midnight
    const QTime time = local.time();
    const quint16 dosTime =
        quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    const quint16 dosDate =
        quint16(((std::min(date.year(), 2107) - 1980) << 9) | (date.month() << 5) | date.day());
    return {dosTime, dosDate};
}

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

} // namespace

// A raw deflate stream (no zlib header), as zip entries hold it.
class ZipWriter::Deflater
{
public:
    Deflater()
    {
        m_ok = deflateInit2(&m_stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                            Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater() { deflateEnd(&m_stream); }
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    bool isReady() const { return m_ok; }

    // Compresses the data and hands every produced block to sink; with last, ends the stream.
    template <typename Sink> bool run(const char *data, qint64 length, bool last, Sink sink)
    {
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        m_stream.avail_in = uInt(length);
        const int flush = last ? Z_FINISH : Z_NO_FLUSH;
        while (true) {
            m_stream.next_out = reinterpret_cast<Bytef *>(m_out.data());
            m_stream.avail_out = uInt(m_out.size());
            const int result = deflate(&m_stream, flush);
            if (result == Z_STREAM_ERROR)
                return false;
            const qint64 produced = m_out.size() - m_stream.avail_out;
            if (produced > 0 && !sink(m_out.constData(), produced))
                return false;
            if (last ? result == Z_STREAM_END : m_stream.avail_in == 0)
                return true;
        }
    }

private:
    z_stream m_stream{};
    QByteArray m_out = QByteArray(256 * 1024, Qt::Uninitialized);
    bool m_ok = false;
};

ZipWriter::ZipWriter(QFile &file)
    : m_file(file)
{
}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::add(const QString &name, QIODevice &source, const QDateTime &modified, bool deflate)
{
    m_sourceFailed = false;
    if (!beginEntry(name, modified, deflate))
        return false;
    QByteArray block(BlockSize, Qt::Uninitialized);
    while (true) {
        const qint64 got = source.read(block.data(), block.size());
        if (got < 0) {
            m_error = source.errorString();
            m_sourceFailed = true;
            return false;
        }
        if (!feed(block.constData(), got, got == 0))
            return false;
        if (got == 0)
            break;
    }
    return endEntry();
}

bool ZipWriter::beginEntry(const QString &name, const QDateTime &modified, bool deflate)
{
    m_name = name.toUtf8();
    m_method = deflate ? Z_DEFLATED : 0;
    std::tie(m_dosTime, m_dosDate) = dosTimeAndDate(modified);
    m_written = {};
    m_headerOffset = quint64(m_file.pos());
    if (deflate) {
        m_deflater = std::make_unique<Deflater>();
        if (!m_deflater->isReady()) {
            m_error = tr("Can't compress %1.").arg(name);
            return false;
        }
    } else {
        m_deflater.reset();
    }
    // Checksum and sizes are zero until endEntry() writes them in.
    QByteArray header;
    put32(header, LocalHeaderSignature);
    put16(header, NeedsBasic);
    put16(header, isAscii(name) ? 0 : Utf8NameFlag);
    put16(header, m_method);
    put16(header, m_dosTime);
    put16(header, m_dosDate);
    put32(header, 0);
    put32(header, 0);
    put32(header, 0);
    put16(header, quint16(m_name.size()));
    put16(header, 0);
    header += m_name;
    return writeAll(header);
}

bool ZipWriter::feed(const char *data, qint64 length, bool last)
{
    if (length > 0) {
        m_written.crc = quint32(
            crc32_z(m_written.crc, reinterpret_cast<const Bytef *>(data), z_size_t(length)));
        m_written.size += quint64(length);
    }
    if (m_written.size >= Max32) {
        m_error = tr("%1 is too large for a project.").arg(QString::fromUtf8(m_name));
        m_sourceFailed = true;
        return false;
    }
    if (!m_deflater) {
        m_written.packed += quint64(length);
        return length == 0 || writeAll(data, length);
    }
    return m_deflater->run(data, length, last, [this](const char *out, qint64 produced) {
        m_written.packed += quint64(produced);
        return writeAll(out, produced);
    });
}

bool ZipWriter::endEntry()
{
    const qint64 end = m_file.pos();
    QByteArray sizes;
    put32(sizes, m_written.crc);
    put32(sizes, quint32(m_written.packed));
    put32(sizes, quint32(m_written.size));
    if (!m_file.seek(qint64(m_headerOffset) + 14) || !writeAll(sizes) || !m_file.seek(end))
        return failWrite();

    const bool farOffset = m_headerOffset >= Max32;
    QByteArray &d = m_directory;
    put32(d, DirectorySignature);
    put16(d, MadeBy);
    put16(d, farOffset ? NeedsZip64 : NeedsBasic);
    put16(d, isAscii(QString::fromUtf8(m_name)) ? 0 : Utf8NameFlag);
    put16(d, m_method);
    put16(d, m_dosTime);
    put16(d, m_dosDate);
    d += sizes;
    put16(d, quint16(m_name.size()));
    put16(d, farOffset ? 12 : 0); // the ZIP64 field: its tag, its size and the offset
    put16(d, 0);                  // comment
    put16(d, 0);                  // disk
    put16(d, 0);                  // internal attributes
    put32(d, RegularFileMode);
    put32(d, farOffset ? Max32 : quint32(m_headerOffset));
    d += m_name;
    if (farOffset) {
        put16(d, 0x0001);
        put16(d, 8);
        put64(d, m_headerOffset);
    }
    ++m_entries;
    m_deflater.reset();
    return true;
}

bool ZipWriter::finish()
{
    const quint64 directoryOffset = quint64(m_file.pos());
    const quint64 directorySize = quint64(m_directory.size());
    if (!writeAll(m_directory))
        return false;
    QByteArray end;
    const bool zip64 = m_entries >= 0xFFFF || directoryOffset >= Max32 || directorySize >= Max32;
    if (zip64) {
        const quint64 recordOffset = directoryOffset + directorySize;
        put32(end, Zip64EndSignature);
        put64(end, 44); // the size of the rest of this record
        put16(end, MadeBy);
        put16(end, NeedsZip64);
        put32(end, 0);
        put32(end, 0);
        put64(end, m_entries);
        put64(end, m_entries);
        put64(end, directorySize);
        put64(end, directoryOffset);
        put32(end, Zip64LocatorSignature);
        put32(end, 0);
        put64(end, recordOffset);
        put32(end, 1);
    }
    const quint16 count = zip64 ? 0xFFFF : quint16(m_entries);
    put32(end, EndSignature);
    put16(end, 0);
    put16(end, 0);
    put16(end, count);
    put16(end, count);
    put32(end, zip64 ? Max32 : quint32(directorySize));
    put32(end, zip64 ? Max32 : quint32(directoryOffset));
    put16(end, 0);
    return writeAll(end);
}

bool ZipWriter::writeAll(const char *data, qint64 length)
{
    // A short write says nothing of its cause; writing on until the system refuses does.
    qint64 done = 0;
    while (done < length) {
        const qint64 written = m_file.write(data + done, length - done);
        if (written <= 0)
            return failWrite();
        done += written;
    }
    return true;
}

bool ZipWriter::failWrite()
{
    m_error = m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                     : tr("the file could not be written");
    return false;
}
