#include "ScanSettings.h"

#include "core/Settings.h"

ScanSettings ScanSettings::read()
{
    ScanSettings s;
    s.paperSource = Settings::readInt(SettingsKeys::PaperSource, 0);
    s.allImages = Settings::readInt(SettingsKeys::AcquireImage, 0) != 0;
    s.autoDeskew = Settings::readBool(SettingsKeys::AutoDeskew, true);
    s.autoContrast = Settings::readBool(SettingsKeys::AutoContrast, true);
    s.preview = Settings::readBool(SettingsKeys::Preview, false);
    s.colourMode = Settings::readInt(SettingsKeys::Grayscale, 2);
    s.autoCrop = Settings::readBool(SettingsKeys::AutoCrop, true);
    s.autoUpright = Settings::readBool(SettingsKeys::AutoUpright, false);
    s.bookScan = Settings::readBool(SettingsKeys::BookScan, false);
    s.splitSpread = Settings::readBool(SettingsKeys::SplitSpread, false);
    s.rotateMode = Settings::readInt(SettingsKeys::RotateMode, 0);
    s.rotateAngle = Settings::readInt(SettingsKeys::RotateAngle, 0);
    return s;
}
