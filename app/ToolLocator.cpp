#include "ToolLocator.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/AppPaths.h"

namespace ToolLocator {

QStringList searchFolders(const QString &programFolder)
{
    const QDir program(programFolder);
    return {
        QDir::cleanPath(program.absolutePath()),
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("djvu"))),
        // <prefix>/bin/vellumo finds <prefix>/libexec/vellumo/<tool>
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../") +
                                                 QLatin1StringView(VELLUMO_LIBEXEC_SUBDIR))),
    };
}

QString find(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QStringList folders = searchFolders(AppPaths::programFolder());
    const QString local = QStandardPaths::findExecutable(name, folders);
    if (!local.isEmpty())
        return QDir::cleanPath(local);
    return QStandardPaths::findExecutable(name);
}

} // namespace ToolLocator
