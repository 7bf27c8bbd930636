#include "scan/ScanDefaults.h"

#include "core/Settings.h"

namespace ScanDefaults {

int dpi(const Quality &quality)
{
    return Settings::readInt(quality.key, quality.defaultDpi);
}

int autoScanSeconds()
{
    return Settings::readInt(SettingsKeys::AutoScanTime, AutoScanSeconds);
}

} // namespace ScanDefaults
