#pragma once

#include <QString>

// Where the scanner layer keeps the user's choice of scanner between runs of the program: the
// SANE device name, or empty for "the first scanner found".
class ScannerChoice
{
public:
    virtual ~ScannerChoice() = default;
    virtual QString device() const = 0;
    virtual void setDevice(const QString &device) = 0;
};
