#pragma once

#include <QByteArray>

#include <istream>
#include <streambuf>

// A seekable std::istream that reads a QByteArray in place, without the copy that a
// std::istringstream makes. The bytes are shared with the caller's array (implicitly shared, so
// they stay valid for the stream's life whatever the caller does with its copy).
class ByteArrayStream : public std::istream
{
public:
    explicit ByteArrayStream(const QByteArray &bytes);

private:
    class Buffer : public std::streambuf
    {
    public:
        explicit Buffer(const QByteArray &bytes);

    protected:
        pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                         std::ios_base::openmode which) override;
        pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

    private:
        QByteArray m_bytes;
    };

    Buffer m_buffer;
};
