#include "platform/process.h"

#include <windows.h>

#include <vector>

#include "windows/win_status.h"

namespace platform {

Status StartProcess(const std::string& executable, const std::string& command_line) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  // CreateProcess may write into the command line it is given.
  std::vector<char> text(command_line.begin(), command_line.end());
  text.push_back('\0');
  if (!CreateProcessA(executable.c_str(), text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return WindowsErrorStatus("Cannot start " + executable, GetLastError());
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return Status::Ok();
}

}  // namespace platform
