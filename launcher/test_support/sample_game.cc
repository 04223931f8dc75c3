#include "test_support/sample_game.h"

#include "core/game_folder.h"
#include "platform/files.h"

namespace hostdeck {

SampleGame::SampleGame(std::string_view folder) : folder_(dir_.str() + std::string(folder)) {
  for (std::string_view file :
       {"\\System\\ZARN.exe", "\\Server\\ucc.exe", "\\Maps\\DM_Amos.unr",
        "\\Maps\\DM_USA2_demo.unr", "\\Maps\\SB_USA2.unr", "\\Maps\\SB_Camp.unr",
        "\\Maps\\CTF_Snow.unr", "\\Maps\\dm_spads.unr", "\\Maps\\List\\DM-Arena.unr",
        "\\Maps\\List\\CTF_Bridge.unr"}) {
    Add(file);
  }
  testing_support::InstallRecordArgs(server());
}

std::filesystem::path SampleGame::File(std::string_view relative) const {
  return folder_ + platform::NativeRelativePath(relative);
}

void SampleGame::Add(std::string_view relative) const {
  testing_support::WriteFile(File(relative), "");
}

void SampleGame::Remove(std::string_view relative) const {
  std::filesystem::remove(File(relative));
}

void SampleGame::StoreAsGameFolder(platform::SettingsStore& store) const {
  store.Write(kApplication, kSection, kGameFolderKey, folder_);
}

}  // namespace hostdeck
