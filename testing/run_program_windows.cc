#include <windows.h>

#include <vector>

#include "testing/run_program.h"

namespace testing_support {

ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments) {
  std::string path = program.string();
  std::string command_line = "\"" + path + "\" " + arguments;
  std::vector<char> text(command_line.begin(), command_line.end());
  text.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  ProgramRun run;
  if (!CreateProcessA(path.c_str(), text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return run;
  }
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.ended = true;
    run.exit_code = static_cast<int>(code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

}  // namespace testing_support
