#include "platform/own_arguments.h"

#include <fstream>
#include <vector>

#include "platform/command_line.h"

namespace platform {

std::string OwnArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::vector<std::string> args;
  std::string arg;
  while (std::getline(in, arg, '\0')) args.push_back(arg);
  if (args.empty()) return {};
  args.erase(args.begin());
  return JoinArguments(args);
}

}  // namespace platform
