#include <windows.h>

#include <string>

#include "testing/run_program.h"
#include "testing/temp_dir.h"

namespace testing_support {
namespace {

// Quotes one argument so that the C runtime of the child splits it back out whole.
std::string Quoted(const std::string& arg) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

std::string TextOf(const std::string& path) {
  std::string text = ReadFile(path);
  std::erase(text, '\r');
  return text;
}

HANDLE InheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  TempDir output;
  std::string out = output.str() + "\\out", err = output.str() + "\\err";
  std::string command_line = Quoted(program);
  for (const std::string& arg : args) command_line += " " + Quoted(arg);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = InheritableFile(out);
  startup.hStdError = InheritableFile(err);
  PROCESS_INFORMATION process = {};
  ProgramRun run;
  if (CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exit_code = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  run.out = TextOf(out);
  run.err = TextOf(err);
  return run;
}

}  // namespace testing_support
