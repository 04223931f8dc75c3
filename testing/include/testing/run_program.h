// Running a built program of ours to its end, as a user or an installer would.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

struct ProgramRun {
  bool ended = false;  // false when it was still running at the limit and was killed
  int exit_code = -1;
  std::string output;  // what it wrote on standard output (POSIX only)
};

// Starts `program` with `arguments`, a Windows argument text (on Windows the
// command line is the quoted program, a blank and this text; on POSIX the
// program gets the arguments that Windows would split from it), and waits up
// to 20 seconds for its end.
ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments);

}  // namespace testing_support
