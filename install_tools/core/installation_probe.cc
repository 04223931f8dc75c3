#include "core/installation_probe.h"

#include "core/config_rewrite.h"
#include "core/own_folder_cut.h"
#include "platform/files.h"

namespace install_tools {
namespace {

using platform::NativeRelativePath;

// The installed map lists, replaced by the one that fits the installation.
void InstallMapList(const std::string& source, const std::string& game) {
  platform::CopyFileReplacing(source, game + NativeRelativePath("\\system\\MapList.ini"));
  platform::CopyFileReplacing(source, game + NativeRelativePath("\\server\\MapList.ini"));
}

}  // namespace

std::string GameFolderOfMaps(std::string_view own_folder) { return CutEnd(own_folder, 5); }

std::string ProbeInstallation(const std::string& own_folder) {
  // Every Status below is dropped on purpose: a step that fails is skipped and
  // the next one runs; the operator only ever sees the two messages.
  const std::string game = GameFolderOfMaps(own_folder);
  auto in_maps = [&](std::string_view relative) {
    return own_folder + NativeRelativePath(relative);
  };
  auto in_game = [&](std::string_view relative) { return game + NativeRelativePath(relative); };

  if (platform::FileExist(in_maps("\\List\\ZARN.MSL"))) return {};

  std::string message;
  if (!platform::FileExist(in_game("\\SOUNDS\\PC\\USA02.hsc"))) {
    message = kMinimalInstallationMessage;
    InstallMapList(in_maps("\\MapListLite.zarn"), game);
    for (std::string_view map :
         {"\\dm_spads.unr", "\\dm_base.unr", "\\dm_testpath.unr", "\\dm_losttemple.unr"}) {
      platform::RemoveFile(in_maps(map));
    }
  }
  if (!platform::FileExist(in_maps("\\DM_Banque.unr"))) {
    message = kWrongFolderMessage;
    platform::RemoveFile(in_maps("\\MapInstaller.exe"));
    platform::RemoveFile(in_game("\\server\\zarned.exe"));
    platform::RemoveFile(in_game("\\server\\ucc.exe"));
  }
  if (!message.empty()) return message;

  InstallMapList(in_maps("\\MapListFull.ZARN"), game);
  // Tested under one spelling and written under another, which names the same
  // file and is the name the replaced file takes on Windows.
  constexpr std::string_view kConfigs[][2] = {{"\\SYSTEM\\ZARN.INI", "\\system\\ZARN.ini"},
                                              {"\\SYSTEM\\DEFAULT.INI", "\\system\\DEFAULT.ini"}};
  for (const auto& [tested, written] : kConfigs) {
    if (platform::FileExist(in_game(tested))) RewriteConfigFile(in_game(written));
  }
  return {};
}

}  // namespace install_tools
