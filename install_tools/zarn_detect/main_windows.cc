// ZARNDetect: probes the installation around its own folder, the game's maps
// folder, and shows Form1 only when it has a message for the operator.
#include <windows.h>

#include "core/installation_probe.h"
#include "platform/own_folder.h"
#include "zarn_detect/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::string message = install_tools::ProbeInstallation(platform::OwnFolder());
  if (message.empty()) return 0;
  return zarn_detect::Form1::ShowMessage(instance, message);
}
