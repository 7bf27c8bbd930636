#include "StaleFileCleanup.h"

#include <QDir>
#include <QFileInfo>

#include "core/FileOperations.h"
#include "core/LogCategories.h"

StaleFileCleanup::StaleFileCleanup(const QString &tempFolder, FileOperations &operations)
    : m_tempFolder(tempFolder)
    , m_operations(operations)
{
}

QString StaleFileCleanup::parentFolder() const
{
    QDir temp(m_tempFolder);
    if (!temp.exists() || temp.isRoot())
        return {};
    QDir parent = temp;
    if (!parent.cdUp())
        return {};
    return parent.absolutePath();
}

QStringList StaleFileCleanup::staleFiles(const QString &folder) const
{
    // Files only: folders, hidden files and anything that is not a plain file stay.
    return QDir(folder).entryList({QStringLiteral("Temp*")},
                                  QDir::Files | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                  QDir::Unsorted);
}

bool StaleFileCleanup::removeOrMoveAside(const QString &path)
{
    bool removed = m_operations.remove(path);
    for (int retry = 0; !removed && retry < RetryCount; ++retry) {
        m_operations.pause(RetryPauseMs);
        removed = m_operations.remove(path);
    }
    if (!removed) {
        const QString aside = path + QStringLiteral(".tmp");
        m_operations.remove(aside);
        m_operations.rename(path, aside);
    }
    return !m_operations.exists(path);
}

bool StaleFileCleanup::run()
{
    QDir().mkpath(m_tempFolder);
    QDir temp(m_tempFolder);
    if (!temp.exists() || temp.isRoot())
        return false;
    const QString parent = parentFolder();
    if (parent.isEmpty())
        return false;
    if (QDir(parent).isRoot()) {
        qCWarning(lcStartup) << "not cleaning" << parent << ": it is a file-system root";
        return true;
    }
    const QStringList names = staleFiles(parent);
    for (const QString &name : names) {
        const QString path = parent + QLatin1Char('/') + name;
        if (!removeOrMoveAside(path)) {
            qCWarning(lcStartup) << "cannot delete or move aside" << path;
            return false;
        }
    }
    return true;
}

void StaleFileCleanup::runLenient()
{
    const QString parent = parentFolder();
    if (parent.isEmpty() || QDir(parent).isRoot())
        return;
    const QStringList names = staleFiles(parent);
    for (const QString &name : names) {
        if (name.size() > LenientNameLength)
            m_operations.remove(parent + QLatin1Char('/') + name);
    }
}
