// Temporary folders and whole-file helpers for tests.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

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

// Writes `content` to `path`, creating the folders on the way.
void WriteFile(const std::filesystem::path& path, const std::string& content);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// How many entries `folder` holds, files and folders alike.
size_t EntriesIn(const std::filesystem::path& folder);
// Waits until `path` exists (a started process writes it), at most `limit`.
bool WaitForFile(const std::filesystem::path& path,
                 std::chrono::milliseconds limit = std::chrono::seconds(20));

// Copies the record_args stand-in program to `path`. When started it writes its
// arguments (argv[1] on, one a line) to <path>.args and, on Windows, its raw
// command line to <path>.cmdline, each file complete once it appears.
void InstallRecordArgs(const std::filesystem::path& path);
// The arguments recorded by a stand-in installed at `path`, once it has run.
std::string RecordedArgs(const std::filesystem::path& path);

}  // namespace testing_support
