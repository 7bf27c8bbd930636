#pragma once

#include <QFileDevice>
#include <QString>

#include <ostream>
#include <streambuf>
#include <vector>

// The file PoDoFo writes a document to, as a std::ostream. PoDoFo hands over a few kilobytes at
// a time and does not look at write errors: the pieces are gathered here into large writes, and
// finish() tells whether all of them reached the file. PoDoFo also steps back a few bytes now
// and then to overwrite what it has just written, so the position can be set.
class DocumentFile : public std::streambuf
{
public:
    // file: open for writing, and empty. Not owned; it must outlive this object.
    explicit DocumentFile(QFileDevice &file);

    std::ostream *stream() { return &m_stream; }
    // Writes the rest and closes the file; false when anything did not get written. A stream
    // that failed once drops everything after, so its state counts too.
    [[nodiscard]] bool finish();
    // The reason of the first failure (a full disk, say), else the file's own.
    QString errorString() const;

protected:
    int_type overflow(int_type ch) override;
    // Large pieces (an embedded image) go to the file directly, without the copy into the buffer.
    std::streamsize xsputn(const char_type *data, std::streamsize count) override;
    int sync() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    static constexpr std::size_t bufferSize = 1024 * 1024;

    bool drain();
    bool writeAll(const char *data, qint64 count);
    void noteError();

    QFileDevice &m_file;
    std::vector<char> m_buffer;
    std::ostream m_stream;
    // File position of the buffer's first byte.
    qint64 m_bufferStart = 0;
    bool m_failed = false;
    QString m_error;
};
