#include <QApplication>
#include <QDir>

#include <cstdio>

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "core/FileOperations.h"

int main(int argc, char *argv[])
{
    // --help and --version answer in a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    if (line.help || line.version) {
        std::fputs(qPrintable(line.help ? CommandLine::helpText() : CommandLine::versionText()),
                   stdout);
        return 0;
    }
    QApplication app(argc, argv);
    FileOperations operations;
    return StartUp::run(app, operations);
}
