#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestPaths {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString binDir()
{
    return qEnvironmentVariable("VELLUMO_BIN_DIR");
}

} // namespace TestPaths
