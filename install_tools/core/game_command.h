// The command of the ZARN launcher, which lives in a folder with a six-character
// name directly in the game folder and starts the real game with its own
// arguments.
#pragma once

#include <string>
#include <string_view>

namespace install_tools {

struct GameCommand {
  std::string executable;  // the game program
  std::string arguments;   // its argument text, as the process start takes it
};

// The game root is `own_folder` less its last six characters, which keeps the
// separator before the launcher's folder (empty when the folder is shorter, so
// the game is then looked for relative to the current folder). The executable
// is the game root followed by "system\ZARN.exe"; the arguments are
// `arguments`, the launcher's own argument text, exactly as given, so the game
// receives exactly the launcher's arguments.
GameCommand BuildGameCommand(std::string_view own_folder, std::string_view arguments);

}  // namespace install_tools
