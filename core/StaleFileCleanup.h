#pragma once

#include <QString>
#include <QStringList>

class FileOperations;

// Removes stale "Temp*" files from the parent of the program's temporary folder before the
// program starts. The parent is the program's own cache folder (~/.cache/Leafkin/Vellumo); a
// temporary folder whose parent is a file-system root is never cleaned, so the clean-up can
// never act on "/" even when the cache folder is misconfigured.
class StaleFileCleanup
{
public:
    // tempFolder: the program's temporary folder; created if missing.
    explicit StaleFileCleanup(const QString &tempFolder, FileOperations &operations);

    // The strict pass before any window exists. Each "Temp*" file is deleted, retried five
    // times 500 ms apart (this blocks), then moved aside to its name + ".tmp". Returns false,
    // leaving the later files untouched, as soon as one file can be neither deleted nor moved,
    // and when the temporary folder is missing or has no parent.
    [[nodiscard]] bool run();

    // The lenient pass during the main window's construction: deletes each "Temp*" file whose
    // name is longer than 32 characters, once, ignoring failures.
    void runLenient();

    static constexpr int RetryCount = 5;
    static constexpr int RetryPauseMs = 500;
    static constexpr int LenientNameLength = 32;

private:
    // The folder to clean, or an empty string when there is none or it must not be touched.
    QString parentFolder() const;
    // Plain, visible files matching "Temp*", unsorted.
    QStringList staleFiles(const QString &folder) const;
    bool removeOrMoveAside(const QString &path);

    QString m_tempFolder;
    FileOperations &m_operations;
};
