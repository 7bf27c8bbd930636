#include "export/DocxCommand.h"

#include <QFileInfo>

#include <cstdio>

#include "core/ExportProgress.h"
#include "core/StderrProgress.h"
#include "export/DocxGenerator.h"

namespace DocxCommand {

namespace {

} // namespace

QString usage()
{
    return QStringLiteral("\n       vellumo-cli docx -o OUT.docx FILE...   (the pages, one picture "
                          "a page, in a Word document)");
}

int run(const QStringList &arguments)
{
    QString target;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("-o") && i + 1 < arguments.size() &&
            target.isEmpty()) {
            target = arguments.at(++i);
        } else if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-'))) {
            StderrProgress::report(
                QStringLiteral("vellumo-cli: unknown option %1\n%2").arg(argument, usage()));
            return 2;
        } else {
            files << argument;
        }
    }
    if (target.isEmpty() || files.isEmpty()) {
        StderrProgress::report(
            QStringLiteral("vellumo-cli: docx needs -o OUT.docx and at least one page "
                           "image\n%1")
                .arg(usage()));
        return 2;
    }
    // The window skips a page file that has gone; here a missing file is a mistyped name.
    for (const QString &file : std::as_const(files)) {
        if (!QFileInfo(file).isFile()) {
            StderrProgress::report(QStringLiteral("vellumo-cli: no such file: %1").arg(file));
            return 2;
        }
    }
    StderrProgress progress;
    DocxGenerator generator(&progress);
    generator.setFiles(files);
    if (!generator.generate(target)) {
        StderrProgress::report(QStringLiteral("vellumo-cli: the Word document was not written: %1")
                                   .arg(generator.errorString()));
        return 1;
    }
    return 0;
}

} // namespace DocxCommand
