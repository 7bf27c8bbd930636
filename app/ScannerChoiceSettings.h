#pragma once

#include "scan/ScannerChoice.h"

// The scanner choice kept in the settings store under ScannerDevice.
class ScannerChoiceSettings : public ScannerChoice
{
public:
    QString device() const override;
    void setDevice(const QString &device) override;
};
