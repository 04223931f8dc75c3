// The installation probe of ZARNDetect, which the patch installer runs once
// from the game's maps folder: it recognises a minimal game installation and a
// wrong target folder, removes the patch files that do not fit, installs the
// matching map list and switches map downloads on in the configuration files.
// Every file operation that fails is skipped silently and the next one runs.
#pragma once

#include <string>
#include <string_view>

namespace install_tools {

inline constexpr std::string_view kMinimalInstallationMessage =
    "The patch installer has detected that you have installed ZARN with minimal installation. "
    "That means no new maps support. To enable the new maps support, please reinstall ZARN with "
    "full installation and apply this patch again.";
inline constexpr std::string_view kWrongFolderMessage =
    "You have entered an incorrect path for the ZARN Patch 1.4 installation. Please restart the "
    "ZARN Patch 1.4 installer and select the right directory that contains the ZARN game.";

// The game folder of a program in its maps folder: the own folder less its last
// five characters (the "\maps" or "/maps" ending).
std::string GameFolderOfMaps(std::string_view own_folder);

// Probes and adapts the installation around `own_folder`, the folder of the
// running ZARNDetect. Returns the message to show the operator, empty when
// there is none (then the configuration files have been rewritten).
std::string ProbeInstallation(const std::string& own_folder);

}  // namespace install_tools
