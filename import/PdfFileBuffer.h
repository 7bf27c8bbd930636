#pragma once

#include <QString>

#include <streambuf>
#include <vector>

// A read-only stream buffer over a file, for PoDoFo's parser: it reads the file a block at a time
// with pread, and a seek or a position query inside the block in hand costs no system call. The
// parser seeks and asks its position for nearly every token, which through a C stream is a
// system call each time.
class PdfFileBuffer : public std::streambuf
{
public:
    PdfFileBuffer();
    ~PdfFileBuffer() override;
    PdfFileBuffer(const PdfFileBuffer &) = delete;
    PdfFileBuffer &operator=(const PdfFileBuffer &) = delete;

    // Opens the file for reading; false with the reason in error.
    bool open(const QString &path, QString *error);

protected:
    int_type underflow() override;
    std::streamsize xsgetn(char_type *out, std::streamsize count) override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    // The file offset of the next character.
    qint64 position() const { return m_blockStart + (gptr() - eback()); }
    // An empty block at offset: the next read fills it from there.
    void moveTo(qint64 offset);
    // Reads up to count bytes at offset into out; the count read, 0 at the end or on an error.
    qint64 readAt(qint64 offset, char *out, qint64 count) const;

    int m_descriptor = -1;
    qint64 m_size = 0;
    qint64 m_blockStart = 0;
    std::vector<char> m_block;
};
