#include <windows.h>

#include <string>
#include <vector>

#include "platform/command_line.h"
#include "testing/run_program.h"
#include "testing/temp_dir.h"

namespace testing_support {
namespace {

HANDLE InheritableFile(const std::filesystem::path& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  return CreateFileA(path.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string TextOf(const std::filesystem::path& path) {
  std::string text = ReadFile(path);
  std::erase(text, '\r');
  return text;
}

// Starts the program with standard output and error going to the named files,
// or to nowhere when `printed` is empty; false when it cannot be started.
bool Start(const std::filesystem::path& program, const std::string& arguments,
           const std::filesystem::path& printed, PROCESS_INFORMATION* process) {
  std::string path = program.string();
  std::string command_line = platform::CommandLineOf(path, arguments);
  std::vector<char> text(command_line.begin(), command_line.end());
  text.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  bool capture = !printed.empty();
  if (capture) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = InheritableFile(printed / "out");
    startup.hStdError = InheritableFile(printed / "err");
  }
  bool started = CreateProcessA(path.c_str(), text.data(), nullptr, nullptr, capture, 0, nullptr,
                                nullptr, &startup, process);
  if (capture) {
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
  }
  return started;
}

}  // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments) {
  TempDir printed;
  PROCESS_INFORMATION process = {};
  ProgramRun run;
  if (!Start(program, arguments, printed.path(), &process)) return run;
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.ended = true;
    run.exit_code = static_cast<int>(code);
    run.output = TextOf(printed.path() / "out");
    run.error = TextOf(printed.path() / "err");
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

bool RunProgramKilledAfter(const std::filesystem::path& program, const std::string& arguments,
                           std::chrono::microseconds delay) {
  PROCESS_INFORMATION process = {};
  if (!Start(program, arguments, {}, &process)) return false;
  auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(delay).count();
  bool killed =
      WaitForSingleObject(process.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_TIMEOUT &&
      TerminateProcess(process.hProcess, 137);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return killed;
}

}  // namespace testing_support
