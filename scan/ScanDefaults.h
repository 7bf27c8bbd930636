#pragma once

#include <array>

#include "core/SettingsKeys.h"

// The scanning settings that have a default, each written once here: the resolutions of the three
// qualities (the ribbon's chooser and the options), and the automatic scan's countdown, which
// the wizard's first page shows and its timer page counts.
namespace ScanDefaults {

struct Quality
{
    SettingsKeys::Key key;
    int defaultDpi;
};

inline constexpr Quality Middle{SettingsKeys::MiddleQuality, 200};
inline constexpr Quality Good{SettingsKeys::GoodQuality, 300};
inline constexpr Quality High{SettingsKeys::HighQuality, 600};
// In the choosers' order.
inline constexpr std::array<Quality, 3> Qualities{Middle, Good, High};

// The quality's resolution from the settings.
int dpi(const Quality &quality);

// Seconds between two automatic scans.
inline constexpr int AutoScanSeconds = 10;
int autoScanSeconds();

} // namespace ScanDefaults
