#pragma once

#include <QString>

class QSaveFile;

// The file operations of the start-up clean-up, behind a seam: the real ones act on the disk,
// tests derive from this class to make a deletion or a rename fail and to skip the pauses.
class FileOperations
{
public:
    virtual ~FileOperations() = default;

    // Deletes a file; false if it is still there.
    virtual bool remove(const QString &path);
    // Renames a file; false if the target exists or the move fails.
    virtual bool rename(const QString &from, const QString &to);
    virtual bool exists(const QString &path);
    // Blocks the calling thread for the given time in milliseconds.
    virtual void pause(int milliseconds);

    // Deletes every file of the folder, read-only ones too, but not its subfolders. False when
    // a file stayed.
    static bool removeFilesIn(const QString &folder);
    // The file's inode number, which renames keep and a rewrite through a new file changes;
    // 0 when the file does not exist.
    static quint64 identity(const QString &path);

    // Writes out what the file still buffers, then commits it. Qt's own commit() reports
    // success when only its last flush falls short (a disk that fills up on the final bytes)
    // and renames the truncated file into place; this one cancels instead and returns false
    // with the system's reason in error.
    static bool commit(QSaveFile &file, QString *error);
};
