#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program away from the working folder: two copies would write
// their pages under the same names. The lock is a file in the data folder holding the owner's
// process id; a lock left by a crashed copy is taken over.
class InstanceLock
{
public:
    // folder: where the lock file lives (created if missing).
    explicit InstanceLock(const QString &folder);
    ~InstanceLock();

    // True when this process now holds the lock (or already did).
    [[nodiscard]] bool tryLock();
    bool isLocked() const;
    // Process id of the copy that holds the lock, or 0 when unknown.
    qint64 ownerPid() const;
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
