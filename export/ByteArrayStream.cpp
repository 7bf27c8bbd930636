#include "export/ByteArrayStream.h"

ByteArrayStream::Buffer::Buffer(const QByteArray &bytes)
    : m_bytes(bytes)
{
    // The get area is the whole array; std::streambuf never writes through it.
    char *begin = const_cast<char *>(m_bytes.constData());
    setg(begin, begin, begin + m_bytes.size());
}

ByteArrayStream::Buffer::pos_type ByteArrayStream::Buffer::seekoff(off_type offset,
                                                                   std::ios_base::seekdir direction,
                                                                   std::ios_base::openmode which)
{
    off_type base = 0;
    if (direction == std::ios_base::cur)
        base = gptr() - eback();
    else if (direction == std::ios_base::end)
        base = egptr() - eback();
    return seekpos(pos_type(base + offset), which);
}

ByteArrayStream::Buffer::pos_type ByteArrayStream::Buffer::seekpos(pos_type position,
                                                                   std::ios_base::openmode which)
{
    const off_type to = position;
    if (!(which & std::ios_base::in) || to < 0 || to > egptr() - eback())
        return pos_type(off_type(-1));
    setg(eback(), eback() + to, egptr());
    return position;
}

ByteArrayStream::ByteArrayStream(const QByteArray &bytes)
    : std::istream(nullptr)
    , m_buffer(bytes)
{
    rdbuf(&m_buffer);
}
