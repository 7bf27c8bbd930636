#include "CommandLine.h"

#include <QCoreApplication>
#include <QDir>

#include "core/ProgramInfo.h"

CommandLine CommandLine::parse(const QStringList &arguments, const QString &workingFolder)
{
    CommandLine line;
    const QDir base(workingFolder);
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (argument == QLatin1String("--"))
                optionsEnded = true;
            else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
                line.help = true;
            else if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
                line.version = true;
            else if (argument == QLatin1String("--demo-scanner"))
                line.demoScanner = true;
            // Qt's own options (-style, -platform, ...) are taken by QApplication before this.
            else if (line.error.isEmpty())
                line.error =
                    QCoreApplication::translate("CommandLine", "unknown option %1").arg(argument);
            continue;
        }
        line.files << QDir::cleanPath(base.absoluteFilePath(argument));
    }
    return line;
}

QString CommandLine::helpText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: vellumo [OPTION...] [FILE...]\n"
        "Scan paper and save it as PDF, DjVu, Word or image files.\n"
        "\n"
        "Files are opened as if dropped onto the window: a project (.vlmpj) replaces the open\n"
        "document, images and the images of PDF files are added as pages. When Vellumo is already\n"
        "running, the files go to its window.\n"
        "\n"
        "Options:\n"
        "  -h, --help        show this help and exit\n"
        "  -v, --version     show the version and exit\n"
        "      --demo-scanner  use SANE's test device instead of the scanners found\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("vellumo ") + QString(ProgramInfo::Version) + QLatin1Char('\n');
}
