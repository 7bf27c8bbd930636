#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>

class QFile;
class QIODevice;

// Writes a zip archive entry by entry into a file open for writing, without encryption: each
// entry stored as it is (JPEG pages, which do not shrink) or deflated. Data goes through in
// large blocks with its checksum taken on the way; each entry's checksum and sizes are written
// into its local header once its data is out. An archive that grows past 4 GiB, or past 65535
// entries, gets the ZIP64 records; a single entry of 4 GiB or more is refused.
//
// Every failed write keeps the system's reason (a full disk, say) in errorString().
class ZipWriter
{
    Q_DECLARE_TR_FUNCTIONS(ZipWriter)

public:
    explicit ZipWriter(QFile &file);
    ~ZipWriter();

    // What the source (open for reading) holds, to its end, as the entry `name`.
    [[nodiscard]] bool add(const QString &name, QIODevice &source, const QDateTime &modified,
                           bool deflate);
    // Writes the central directory and the end records. The file stays open.
    [[nodiscard]] bool finish();

    // The reason of the last failure: the system's words for a failed read or write.
    QString errorString() const { return m_error; }
    // True when the last failure was the source's, not the archive's.
    bool sourceFailed() const { return m_sourceFailed; }

private:
    class Deflater;
    struct Written
    {
        quint32 crc = 0;
        quint64 packed = 0;
        quint64 size = 0;
    };

    bool beginEntry(const QString &name, const QDateTime &modified, bool deflate);
    bool feed(const char *data, qint64 length, bool last);
    bool endEntry();
    bool writeAll(const char *data, qint64 length);
    bool writeAll(const QByteArray &bytes) { return writeAll(bytes.constData(), bytes.size()); }
    bool failWrite();

    QFile &m_file;
    QString m_error;
    bool m_sourceFailed = false;
    QByteArray m_directory;
    quint64 m_entries = 0;
    // The entry being written.
    QByteArray m_name;
    quint64 m_headerOffset = 0;
    quint16 m_method = 0;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
    Written m_written;
    std::unique_ptr<Deflater> m_deflater;
};
