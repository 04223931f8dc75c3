#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include "platform/command_line.h"
#include "testing/run_program.h"

extern char** environ;

namespace testing_support {

ProgramRun RunProgram(const std::filesystem::path& program, const std::string& arguments) {
  std::vector<std::string> args = platform::SplitCommandLine("program " + arguments);
  args[0] = program.string();
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  pid_t pid;
  int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  ProgramRun run;
  if (error != 0) {
    close(out[0]);
    return run;
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd poll_fd = {out[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&poll_fd, 1, static_cast<int>(left.count())) <= 0) {
      kill(pid, SIGKILL);
      break;
    }
    char buffer[4096];
    ssize_t got = read(out[0], buffer, sizeof(buffer));
    if (got <= 0) {
      run.ended = true;
      break;
    }
    run.output.append(buffer, static_cast<size_t>(got));
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (run.ended && WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  return run;
}

}  // namespace testing_support
