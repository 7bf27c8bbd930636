#include "export/DjvuCommand.h"

#include <QFileInfo>

#include <cstdio>

#include "core/ExportProgress.h"
#include "core/StderrProgress.h"
#include "export/DjvuExportSettings.h"
#include "export/DjvuGenerator.h"

namespace DjvuCommand {

namespace {

int usageError(const QString &problem)
{
    StderrProgress::report(QStringLiteral("vellumo-cli: %1\n%2").arg(problem, usage()));
    return 2;
}

} // namespace

QString usage()
{
    return QStringLiteral("\n       vellumo-cli djvu -o OUT.djvu [--compression N] FILE...   (the "
                          "pages in a DjVu document; N from 0 to 95, default 50)");
}

int run(const QStringList &arguments)
{
    QString target;
    QStringList files;
    int compression = DjvuExportSettings().compression;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (!optionsEnded && argument == QLatin1String("-o") && hasValue && target.isEmpty()) {
            target = arguments.at(++i);
        } else if (!optionsEnded && argument == QLatin1String("--compression") && hasValue) {
            bool ok = false;
            compression = arguments.at(++i).toInt(&ok);
            if (!ok || compression < DjvuExportSettings::MinCompression ||
                compression > DjvuExportSettings::MaxCompression)
                return usageError(
                    QStringLiteral("the compression must be a whole number from %1 to %2")
                        .arg(DjvuExportSettings::MinCompression)
                        .arg(DjvuExportSettings::MaxCompression));
        } else if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-'))) {
            return usageError(QStringLiteral("unknown option %1").arg(argument));
        } else {
            files << argument;
        }
    }
    if (target.isEmpty() || files.isEmpty())
        return usageError(QStringLiteral("djvu needs -o OUT.djvu and at least one page image"));
    // The window skips a page file that has gone; here a missing file is a mistyped name.
    for (const QString &file : std::as_const(files)) {
        if (!QFileInfo(file).isFile()) {
            StderrProgress::report(QStringLiteral("vellumo-cli: no such file: %1").arg(file));
            return 2;
        }
    }
    StderrProgress progress;
    DjvuGenerator generator(&progress);
    generator.setFiles(files);
    generator.setCompression(compression);
    if (!generator.generate(target)) {
        StderrProgress::report(QStringLiteral("vellumo-cli: the DjVu document was not written: %1")
                                   .arg(generator.errorString()));
        return 1;
    }
    return 0;
}

} // namespace DjvuCommand
