#include "core/game_folder.h"

#include "platform/files.h"

namespace hostdeck {

std::string DefaultGameFolder() {
  return platform::ProgramFilesFolder() + platform::NativeRelativePath("\\Halvane\\ZARN");
}

std::string GetPathOfZarn(const platform::SettingsStore& store) {
  return store.Read(kApplication, kGameFolderReadSection, kGameFolderKey, DefaultGameFolder());
}

}  // namespace hostdeck
