#pragma once

#include <QString>
#include <QStringList>

// Runs an external program and waits for it in a local event loop, so the window keeps painting.
// The wait ends when the program finishes or when the time limit passes; the process object is
// destroyed afterwards, which ends a program still running. Exit codes are not judged here: the
// callers judge a run by the files it leaves.
class ToolRunner
{
public:
    // False when the program could not be started (then nothing was waited for).
    [[nodiscard]] static bool run(const QString &program, const QStringList &arguments,
                                  int timeoutMs, const QString &workingFolder = QString());
    // Standard error of the last run, kept for the log.
    static QString lastErrorOutput();
};
