// Temporary folders and whole-file helpers for tests.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh, empty folder, removed with everything in it at destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the programs see it: a string without a trailing separator.
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Folders (relative, in native form) named as game installations may be: plain,
// with blanks as the default installation is, with other marks a shell or a
// command line would take for its own; on POSIX also with quotation marks,
// backslashes, a tab and a byte that is no UTF-8.
std::vector<std::string> InstallationFolders();

// Writes `content` to `path`, creating the folders on the way.
void WriteFile(const std::filesystem::path& path, const std::string& content);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// Waits until `path` exists (a started process writes it), at most `limit`.
bool WaitForFile(const std::filesystem::path& path,
                 std::chrono::milliseconds limit = std::chrono::seconds(20));

// Copies the record_args stand-in program to `path` (by default the build of
// this platform). When started it writes its arguments (argv[1] on, one a line)
// to <path>.args and, a Windows build, first its raw command line to
// <path>.cmdline and to <path>.console the number of processes attached to its
// console ("1": a console of its own); each file is complete once it appears.
void InstallRecordArgs(const std::filesystem::path& path,
                       const std::filesystem::path& stand_in = ZARN_RECORD_ARGS_PROGRAM);
// The arguments recorded by a stand-in installed at `path`, once it has run;
// "(not started)" when nothing was recorded within `limit`.
std::string RecordedArgs(const std::filesystem::path& path,
                         std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace testing_support
