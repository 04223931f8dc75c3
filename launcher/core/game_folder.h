// The game folder: where the game is installed, as the operator last set it.
#pragma once

#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace hostdeck {

// Where Hostdeck keeps its settings. The game folder is read from a section
// spelled with a lower-case "by" and written with the upper-case one; both name
// the same section because the store ignores case.
inline constexpr std::string_view kApplication = "LaunchdeckByKestrin";
inline constexpr std::string_view kSection = "LaunchdeckByKestrin";
inline constexpr std::string_view kGameFolderReadSection = "LaunchdeckbyKestrin";
inline constexpr std::string_view kGameFolderKey = "PathOfZarn";

// The game folder when none is stored: Halvane\ZARN in the Program Files folder
// (on POSIX, inside the Wine prefix).
std::string DefaultGameFolder();

// The stored game folder, read afresh on every call, or DefaultGameFolder().
// Neither checks nor changes the text, and never writes the default.
std::string GetPathOfZarn(const platform::SettingsStore& store);

}  // namespace hostdeck
