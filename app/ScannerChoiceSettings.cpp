#include "ScannerChoiceSettings.h"

#include "core/Settings.h"

QString ScannerChoiceSettings::device() const
{
    return Settings::readString(SettingsKeys::ScannerDevice, QString());
}

void ScannerChoiceSettings::setDevice(const QString &device)
{
    Settings::write(SettingsKeys::ScannerDevice, device);
}
