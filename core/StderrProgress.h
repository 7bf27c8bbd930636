#pragma once

#include <QString>

#include "core/ExportProgress.h"

// The command line's progress: "page i of n" on standard error for each page, never cancelled.
// report() writes any line there at once, for whoever reads the lines as they come.
class StderrProgress : public ExportProgress
{
public:
    static void report(const QString &line);

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() override { return false; }

private:
    int m_minimum = 0;
    int m_maximum = 0;
};
