#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/command_line.h"
#include "testing/run_program.h"
#include "testing/temp_dir.h"

extern char** environ;

namespace testing_support {

ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments) {
  std::vector<std::string> args = {program.string()};
  for (std::string& arg : platform::SplitArguments(arguments)) args.push_back(std::move(arg));
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  // Files rather than pipes: a program that starts another one (which inherits
  // them) must not keep the run from ending.
  TempDir printed;
  std::string out = (printed.path() / "out").string();
  std::string err = (printed.path() / "err").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid;
  int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ProgramRun run;
  if (error != 0) return run;

  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return run;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.ended = true;
  if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  run.output = ReadFile(out);
  run.error = ReadFile(err);
  return run;
}

}  // namespace testing_support
