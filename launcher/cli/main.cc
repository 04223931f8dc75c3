#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/hostdeck_cli.h"
#include "platform/own_folder.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::unique_ptr<platform::SettingsStore> store = platform::SettingsStore::ForCurrentUser();
  return hostdeck::RunHostdeckCli(args, *store, platform::OwnFolder(), std::cout, std::cerr);
}
