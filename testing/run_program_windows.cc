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

}  // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments) {
  std::string path = program.string();
  std::string command_line = platform::CommandLineOf(path, arguments);
  std::vector<char> text(command_line.begin(), command_line.end());
  text.push_back('\0');
  TempDir printed;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = InheritableFile(printed.path() / "out");
  startup.hStdError = InheritableFile(printed.path() / "err");
  PROCESS_INFORMATION process = {};
  ProgramRun run;
  bool started = CreateProcessA(path.c_str(), text.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  if (!started) return run;
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

}  // namespace testing_support
