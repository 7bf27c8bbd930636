#include "core/StderrProgress.h"

#include <cstdio>

void StderrProgress::report(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

void StderrProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void StderrProgress::setValue(int value)
{
    report(QStringLiteral("page %1 of %2").arg(value - m_minimum).arg(m_maximum - m_minimum));
}
