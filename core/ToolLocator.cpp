#include "ToolLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/AppPaths.h"

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

QString notFoundMessage(const QString &name)
{
    return QCoreApplication::translate("ToolLocator",
                                       "%1 was not found. Vellumo looked for it in %2 and on "
                                       "the PATH; please reinstall Vellumo.")
        .arg(name, searchFolders(AppPaths::programFolder()).join(QStringLiteral(", ")));
}

} // namespace ToolLocator
