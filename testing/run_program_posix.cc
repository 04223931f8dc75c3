#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "testing/run_program.h"
#include "testing/temp_dir.h"

extern char** environ;

namespace testing_support {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  TempDir output;
  std::string out = output.str() + "/out", err = output.str() + "/err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> words = args;
  words.insert(words.begin(), program);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  ProgramRun run;
  pid_t pid;
  int status = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0 &&
      waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    run.exit_code = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  return run;
}

}  // namespace testing_support
