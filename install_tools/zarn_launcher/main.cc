// The ZARN launcher: starts the game in the game folder with this program's own
// arguments and ends at once, silently, whatever happens. Built without a
// console or window on Windows.
#include "core/game_command.h"
#include "platform/own_arguments.h"
#include "platform/own_folder.h"
#include "platform/process.h"

int main() {
  install_tools::GameCommand command =
      install_tools::BuildGameCommand(platform::OwnFolder(), platform::OwnArguments());
  platform::StartProcess(command.executable, command.arguments);
  return 0;
}
