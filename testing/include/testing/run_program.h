// Running a built program of ours to its end, as a user or an installer would.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace testing_support {

struct ProgramRun {
  bool ended = false;  // false when it was still running at the limit and was killed
  int exit_code = -1;
  // What it wrote on standard output and standard error, line ends as "\n"
  // (a Windows program's text output ends its lines in "\r\n").
  std::string output;
  std::string error;
};

// Starts `program` with `arguments`, a Windows argument text (on Windows the
// command line is the quoted program, a blank and this text; on POSIX the
// program gets the arguments that Windows would split from it), and waits up
// to 20 seconds for its end. The environment and the settings store are the
// caller's.
ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments);

// Starts `program` as RunProgram does, with its output discarded, and kills it
// (SIGKILL; TerminateProcess on Windows) once `delay` has passed since the
// start, unless it has ended by then. Returns once it has ended; true when the
// kill ended it.
bool RunProgramKilledAfter(const std::filesystem::path& program, const std::string& arguments,
                           std::chrono::microseconds delay);

}  // namespace testing_support
