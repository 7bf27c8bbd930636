#pragma once

#include <QLatin1StringView>

#include "core/Version.h"

// Names and numbers that identify the program.
namespace ProgramInfo {

// Scope of the settings store and of the per-user folders.
inline constexpr QLatin1StringView OrganizationName{"Leafkin"};
inline constexpr QLatin1StringView ApplicationName{"Vellumo"};

// Written to the settings at every start and compared with the update server's version.
inline constexpr QLatin1StringView Version = ProgramVersion::Text;

// Host of the program's web pages, the default of the AppUrl setting.
inline constexpr QLatin1StringView WebHost{"vellumo.leafkin.com"};
// The same for Russian and the languages of its family.
inline constexpr QLatin1StringView WebHostRussian{"ru.vellumo.leafkin.com"};

// Largest image, in megabytes of decoded pixels, that the program takes: a colour A4 page at
// 1200 dpi needs about 560 MB; anything past this limit is refused as absurd.
inline constexpr int ImageAllocationLimitMb = 1024;

// JPEG quality of stored page images: written to the settings at every start, and the default
// wherever the JpegQuality setting is read.
inline constexpr int JpegQuality = 85;

} // namespace ProgramInfo
