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

QString dialogStart(const QString &stored, StartKind kind)
{
    const QString trimmed = stored.trimmed();
    if (!trimmed.isEmpty() && trimmed != QLatin1String(".") && QDir::isAbsolutePath(trimmed))
        return trimmed;
    const QString place = QStandardPaths::writableLocation(kind == StartKind::Pictures
                                                               ? QStandardPaths::PicturesLocation
                                                               : QStandardPaths::DocumentsLocation);
    return place.isEmpty() ? QDir::homePath() : place;
}

} // namespace AppPaths
