#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

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
    int exitCode = 0;
    {
        QApplication app(argc, argv);
        FileOperations operations;
        exitCode = StartUp::run(app, operations);
    }
    // Some scanner backends cancel their reader threads asynchronously; one that is stopped
    // inside the C library's locale code leaves its lock taken, and the exit handlers of other
    // libraries then wait for it forever. The pages, the settings and SANE are closed by now.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
