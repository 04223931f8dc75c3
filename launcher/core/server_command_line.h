// The dedicated server's command line: the launch values a launch fills from
// the main window, the server URL made of them, and the start of the server
// (the game folder's \system\ucc.exe) with that URL.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace hostdeck {

// Given to a server whose operator left the administrator password empty.
inline constexpr std::string_view kBuiltInAdministratorPassword = "kw3pqzrvmtb";

// Shown instead of each password when a command line is printed.
inline constexpr std::string_view kPasswordMask = "***";

struct LaunchValues {
  std::string map_file;       // "DM_Base2.unr"
  std::string listing_name;   // "AFM-10", or derived: "Arena_*"
  std::string players;        // as typed, "06" included
  std::string friendly_fire;  // "1" or "0"
  std::string points;
  std::string time;  // "0" for an empty box
  std::string game_index;
  std::string game_class;
  std::string mutator;  // may be empty
  std::string administrator_password;
  std::string server_password;  // empty: a public server
  std::string title;
  std::string account_name;
  std::string account_password;
  std::string port;
};

// The 32 pieces joined with nothing between them and nothing escaped or quoted,
// ending in " -port=" and the port.
std::string ServerUrl(const LaunchValues& values);

// `values` with every password (the built-in one too) replaced by kPasswordMask.
LaunchValues WithPasswordsMasked(LaunchValues values);

// The dedicated server program of the game folder.
std::string ServerExecutable(std::string_view game_folder);

// The command line the server is started with, as it is shown: ServerExecutable
// in quotation marks, then " server " and the URL. The server receives exactly
// three arguments, "server", the URL up to its blank, and "-port=" with the
// port, as long as no piece of the URL holds a blank, a tab or a quotation mark
// (the launch refuses or tidies such pieces).
std::string ServerCommandLine(std::string_view game_folder, std::string_view url);

// Starts the server with that command line, not waited for; it outlives us.
platform::Status StartServer(std::string_view game_folder, std::string_view url);

}  // namespace hostdeck
