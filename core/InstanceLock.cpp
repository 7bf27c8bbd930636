#include "InstanceLock.h"

#include <QDir>

InstanceLock::InstanceLock(const QString &folder)
    : m_path(folder + QStringLiteral("/vellumo.lock"))
    , m_lock(std::make_unique<QLockFile>(m_path))
{
    QDir().mkpath(folder);
    // Staleness is judged by the owner's process id only, never by age: a copy that runs for
    // days keeps its lock.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryLock()
{
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}

bool InstanceLock::isLocked() const
{
    return m_lock->isLocked();
}

qint64 InstanceLock::ownerPid() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return 0;
    return pid;
}
