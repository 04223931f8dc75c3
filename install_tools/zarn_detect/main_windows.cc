// ZARNDetect: probes the installation around its own folder, the game's maps
// folder, and shows Form1 only when it has a message for the operator.
#include <windows.h>

#include "core/installation_probe.h"
#include "platform/own_folder.h"
#include "zarn_detect/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string message = install_tools::ProbeInstallation(platform::OwnFolder());
  if (message.empty()) return 0;
  // The window is there until OK, Enter, Esc or its close box ends the program.
  return zarn_detect::Form1(message).ShowModal(nullptr) ? 0 : 1;
}
