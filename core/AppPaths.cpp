#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace AppPaths {

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString workingFolder()
{
    return dataFolder() + QStringLiteral("/Current");
}

QString configFolder()
{
    return dataFolder() + QStringLiteral("/Config");
}

QString processingFolder()
{
    return dataFolder() + QStringLiteral("/Processing");
}

QString tempFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/tmp");
}

bool ensureTempFolder()
{
    return QDir().mkpath(tempFolder());
}

void createDataFolders()
{
    QDir dir;
    dir.mkpath(dataFolder());
    dir.mkpath(workingFolder());
    dir.mkpath(configFolder());
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace AppPaths
