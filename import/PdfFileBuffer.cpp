#include "import/PdfFileBuffer.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that the parser's hops between the objects of a page mostly stay in one block.
constexpr std::size_t blockSize = 64 * 1024;

} // namespace

PdfFileBuffer::PdfFileBuffer()
    : m_block(blockSize)
{
    setg(m_block.data(), m_block.data(), m_block.data());
}

PdfFileBuffer::~PdfFileBuffer()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

bool PdfFileBuffer::open(const QString &path, QString *error)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error = QStringLiteral("not a file that can be read");
        ::close(descriptor);
        return false;
    }
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = descriptor;
    m_size = qint64(status.st_size);
    moveTo(0);
    return true;
}

void PdfFileBuffer::moveTo(qint64 offset)
{
    m_blockStart = offset;
    setg(m_block.data(), m_block.data(), m_block.data());
}

qint64 PdfFileBuffer::readAt(qint64 offset, char *out, qint64 count) const
{
    if (m_descriptor < 0 || offset >= m_size)
        return 0;
    for (;;) {
        const ssize_t read = ::pread(m_descriptor, out, std::size_t(count), off_t(offset));
        if (read >= 0)
            return qint64(read);
        if (errno != EINTR)
            return 0;
    }
}

PdfFileBuffer::int_type PdfFileBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    const qint64 offset = position();
    const qint64 read = readAt(offset, m_block.data(), qint64(m_block.size()));
    m_blockStart = offset;
    setg(m_block.data(), m_block.data(), m_block.data() + read);
    return read > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
}

std::streamsize PdfFileBuffer::xsgetn(char_type *out, std::streamsize count)
{
    std::streamsize done = 0;
    while (done < count) {
        const std::streamsize inHand = egptr() - gptr();
        if (inHand > 0) {
            const std::streamsize take = std::min(inHand, count - done);
            std::memcpy(out + done, gptr(), std::size_t(take));
            gbump(int(take));
            done += take;
            continue;
        }
        // A long read, a stream's data say, goes straight into the caller's memory.
        if (count - done >= std::streamsize(m_block.size())) {
            const qint64 offset = position();
            const qint64 read = readAt(offset, out + done, count - done);
            if (read <= 0)
                break;
            done += read;
            moveTo(offset + read);
            continue;
        }
        if (traits_type::eq_int_type(underflow(), traits_type::eof()))
            break;
    }
    return done;
}

PdfFileBuffer::pos_type PdfFileBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                               std::ios_base::openmode which)
{
    qint64 base = 0;
    if (direction == std::ios_base::cur)
        base = position();
    else if (direction == std::ios_base::end)
        base = m_size;
    return seekpos(pos_type(off_type(base) + offset), which);
}

PdfFileBuffer::pos_type PdfFileBuffer::seekpos(pos_type position, std::ios_base::openmode which)
{
    const qint64 target = qint64(off_type(position));
    if (!(which & std::ios_base::in) || target < 0)
        return pos_type(off_type(-1));
    // Inside the block in hand only the read pointer moves.
    const qint64 inBlock = target - m_blockStart;
    if (inBlock >= 0 && inBlock <= egptr() - eback())
        setg(eback(), eback() + inBlock, egptr());
    else
        moveTo(target);
    return position;
}
