#include "core/server_command_line.h"

#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/process.h"

namespace hostdeck {
namespace {

std::string ServerArguments(std::string_view url) { return "server " + std::string(url); }

}  // namespace

std::string ServerUrl(const LaunchValues& v) {
  std::string password_piece;
  std::string private_piece = "IsPrivate=N";
  if (!v.server_password.empty()) {
    password_piece = "?Password=" + v.server_password;
    private_piece = "IsPrivate=Y?GamePassword=" + v.server_password;
  }
  return v.map_file + "?GameIdx=" + v.game_index + "?MapName=" + v.listing_name +
         "?NP=" + v.players + "?FF=" + v.friendly_fire + "?FR=" + v.points + "?TI=" + v.time +
         "?Game=" + v.game_class + "?AdminPassword=" + v.administrator_password + password_piece +
         "?SN=" + v.title + "?Mutator=" + v.mutator + "?GS=1?ServerName=" + v.title +
         "?GSAlias=" + v.account_name + "?GSPassword=" + v.account_password + "?" + private_piece +
         " -port=" + v.port;
}

LaunchValues WithPasswordsMasked(LaunchValues values) {
  for (std::string* password : {&values.administrator_password, &values.account_password}) {
    *password = kPasswordMask;
  }
  if (!values.server_password.empty()) values.server_password = kPasswordMask;
  return values;
}

std::string ServerExecutable(std::string_view game_folder) {
  return std::string(game_folder) + platform::NativeRelativePath("\\system\\ucc.exe");
}

std::string ServerCommandLine(std::string_view game_folder, std::string_view url) {
  return platform::CommandLineOf(ServerExecutable(game_folder), ServerArguments(url));
}

platform::Status StartServer(std::string_view game_folder, std::string_view url) {
  return platform::StartProcess(ServerExecutable(game_folder), ServerArguments(url));
}

}  // namespace hostdeck
