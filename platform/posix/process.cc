#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/command_line.h"
#include "platform/files.h"
#include "posix/errno_status.h"

extern char** environ;

namespace platform {
namespace {

bool IsWindowsExecutable(const std::string& path) {
  char magic[2] = {};
  std::ifstream in(path, std::ios::binary);
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = std::min(folders.find(':', start), folders.size());
    std::string candidate = folders.substr(start, end - start) + "/" + program;
    if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

}  // namespace

Status StartProcess(const std::string& executable, std::string_view arguments) {
  std::string program = ResolvePath(executable);
  std::vector<std::string> args = {program};
  for (std::string& arg : SplitArguments(arguments)) args.push_back(std::move(arg));
  if (IsWindowsExecutable(program)) {
    std::string wine = FindOnPath("wine");
    if (!wine.empty()) {
      args.insert(args.begin(), "wine");
      program = wine;
    }
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Its own session, default signal handling: the child must outlive us and
  // not inherit what we ignore.
  sigset_t all_signals;
  sigfillset(&all_signals);
  posix_spawnattr_setsigdefault(&attributes, &all_signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF);
  pid_t pid;
  int error = posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return ErrnoStatus("Cannot start " + executable, error);
  return Status::Ok();
}

}  // namespace platform
