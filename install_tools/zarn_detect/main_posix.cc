// ZARNDetect without a window system: the message, when there is one, goes to
// standard output, where the installer that started it shows it.
#include <cstdio>

#include "core/installation_probe.h"
#include "platform/own_folder.h"

int main() {
  std::string message = install_tools::ProbeInstallation(platform::OwnFolder());
  if (!message.empty()) std::printf("%s\n", message.c_str());
  return 0;
}
