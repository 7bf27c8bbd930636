#include "export/DocumentFile.h"

DocumentFile::DocumentFile(QFileDevice &file)
    : m_file(file)
    , m_buffer(bufferSize)
    , m_stream(this)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

bool DocumentFile::finish()
{
    bool written = !m_stream.fail() && drain();
    if (written && !m_file.flush()) {
        noteError();
        written = false;
    }
    m_file.close();
    return written && m_file.error() == QFileDevice::NoError;
}

QString DocumentFile::errorString() const
{
    return m_error.isEmpty() ? m_file.errorString() : m_error;
}

void DocumentFile::noteError()
{
    // Kept now: a later seek or the close clears the file's own error.
    if (m_error.isEmpty() && m_file.error() != QFileDevice::NoError)
        m_error = m_file.errorString();
}

bool DocumentFile::writeAll(const char *data, qint64 count)
{
    // A short write says nothing of its cause; writing on until the system refuses does.
    while (count > 0) {
        const qint64 written = m_file.write(data, count);
        if (written <= 0) {
            noteError();
            return false;
        }
        data += written;
        count -= written;
    }
    return true;
}

DocumentFile::int_type DocumentFile::overflow(int_type ch)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

std::streamsize DocumentFile::xsputn(const char_type *data, std::streamsize count)
{
    constexpr std::streamsize direct = 64 * 1024;
    if (count < direct)
        return std::streambuf::xsputn(data, count);
    if (!drain())
        return 0;
    m_failed = !writeAll(data, count);
    m_bufferStart += count;
    return m_failed ? 0 : count;
}

int DocumentFile::sync()
{
    return drain() ? 0 : -1;
}

DocumentFile::pos_type DocumentFile::seekoff(off_type offset, std::ios_base::seekdir direction,
                                             std::ios_base::openmode which)
{
    const qint64 here = m_bufferStart + (pptr() - pbase());
    if (direction == std::ios_base::cur)
        return seekpos(pos_type(here + offset), which);
    if (direction == std::ios_base::beg)
        return seekpos(pos_type(offset), which);
    return pos_type(off_type(-1));
}

DocumentFile::pos_type DocumentFile::seekpos(pos_type position, std::ios_base::openmode which)
{
    const qint64 to = position;
    if (!(which & std::ios_base::out) || to < 0)
        return pos_type(off_type(-1));
    if (to == m_bufferStart + (pptr() - pbase()))
        return position;
    if (!drain() || !m_file.seek(to)) {
        noteError();
        m_failed = true;
        return pos_type(off_type(-1));
    }
    m_bufferStart = to;
    return position;
}

bool DocumentFile::drain()
{
    const qint64 size = pptr() - pbase();
    if (size > 0 && !m_failed) {
        m_failed = !writeAll(pbase(), size);
        m_bufferStart += size;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return !m_failed;
}
