#include "core/game_command.h"

#include "core/own_folder_cut.h"
#include "platform/files.h"

namespace install_tools {

GameCommand BuildGameCommand(std::string_view own_folder, std::string_view arguments) {
  return {CutEnd(own_folder, 6) + platform::NativeRelativePath("system\\ZARN.exe"),
          std::string(arguments)};
}

}  // namespace install_tools
