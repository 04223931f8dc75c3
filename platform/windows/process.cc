#include "platform/process.h"

#include <windows.h>

#include <vector>

#include "platform/command_line.h"
#include "windows/win_status.h"

namespace platform {

Status StartProcess(const std::string& executable, std::string_view arguments) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  // CreateProcess may write into the command line it is given.
  std::string command_line = CommandLineOf(executable, arguments);
  std::vector<char> text(command_line.begin(), command_line.end());
  text.push_back('\0');
  // A console of its own: closing the starter's or Ctrl+C in it must not end a server.
  if (!CreateProcessA(executable.c_str(), text.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                      nullptr, nullptr, &startup, &process)) {
    return WindowsErrorStatus("Cannot start " + executable, GetLastError());
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return Status::Ok();
}

}  // namespace platform
