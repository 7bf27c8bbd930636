#pragma once

#include <QString>
#include <QStringList>

// What the window program was asked to do on its command line: show its help or version, use
// SANE's test device, and open files (projects, images, PDF files), given relative to the
// folder it was started in.
struct CommandLine
{
    bool help = false;
    bool version = false;
    bool demoScanner = false;
    // Absolute paths, in the order given.
    QStringList files;
    // Set when the arguments make no sense (an unknown option): the message for the user.
    QString error;

    // arguments: the whole command line, the program's name first.
    static CommandLine parse(const QStringList &arguments, const QString &workingFolder);
    // The text of --help.
    static QString helpText();
    // The text of --version.
    static QString versionText();
};
