// SampleGame: a patched game installation in a temporary folder, named in mixed
// case as the game installs itself, with the record_args stand-in as its
// dedicated server; and the stored game folder pointing at it.
#pragma once

#include <filesystem>
#include <string>

#include "platform/settings_store.h"
#include "testing/temp_dir.h"

namespace hostdeck {

class SampleGame {
 public:
#ifdef _WIN32
  static constexpr std::string_view kDefaultFolder = "\\Program Files\\Halvane\\ZARN";
#else
  static constexpr std::string_view kDefaultFolder = "/Program Files/Halvane/ZARN";
#endif
  // Game executable, server package, stand-in server, the maps DM_Amos.unr,
  // DM_USA2_demo.unr, SB_USA2.unr, SB_Camp.unr, CTF_Snow.unr, the patch map
  // dm_spads.unr, and List/DM-Arena.unr, List/CTF_Bridge.unr. `folder` is the
  // installation's folder below the temporary one (native, relative; by default
  // with blanks, as the default installation's).
  explicit SampleGame(std::string_view folder = kDefaultFolder);

  const std::string& folder() const { return folder_; }
  // A file of the game, addressed as the game does ("\\maps\\x.unr").
  std::filesystem::path File(std::string_view relative) const;
  void Add(std::string_view relative) const;
  void Remove(std::string_view relative) const;

  // Stores the folder as the game folder dialog would.
  void StoreAsGameFolder(platform::SettingsStore& store) const;

  // The stand-in server's file, where its record appears once started.
  std::filesystem::path server() const { return File("\\System\\ucc.exe"); }

 private:
  testing_support::TempDir dir_;
  std::string folder_;
};

}  // namespace hostdeck
