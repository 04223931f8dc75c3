// RunProgram: runs a program of the build to its end as a shell would start it
// (the arguments as given, the environment and settings store of the test),
// and hands back its exit code and everything it printed, line ends as "\n"
// (a Windows program's text output ends its lines in "\r\n").
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int exit_code = -1;  // -1 when the program could not be started
  std::string out;
  std::string err;
};

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace testing_support
