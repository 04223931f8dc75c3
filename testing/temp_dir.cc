#include "testing/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace testing_support {

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (;;) {
    path_ = std::filesystem::temp_directory_path() / ("zarn-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Read-only entries that a test made must not keep the folder alive.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> InstallationFolders() {
#ifdef _WIN32
  return {"\\ZARN", "\\Program Files\\Halvane\\ZARN",
          "\\Games  2\\Kestrin's ZARN & co;%PATH% (1.4)"};
#else
  return {"/ZARN", "/Program Files/Halvane/ZARN", "/Games  2/Kestrin's ZARN & co;$HOME (1.4)",
          "/My \"Games\"/ZARN", "/a\\\"/ZARN\\\\\" \t/Gr\xfcn"};
#endif
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool WaitForFile(const std::filesystem::path& path, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void InstallRecordArgs(const std::filesystem::path& path, const std::filesystem::path& stand_in) {
  std::filesystem::create_directories(path.parent_path());
  std::filesystem::copy_file(stand_in, path, std::filesystem::copy_options::overwrite_existing);
}

std::string RecordedArgs(const std::filesystem::path& path, std::chrono::milliseconds limit) {
  std::filesystem::path record = path.string() + ".args";
  auto deadline = std::chrono::steady_clock::now() + limit;
  // Wine renames a file while still holding it without read sharing, so the
  // record can show under its name a moment before it can be opened.
  for (;;) {
    std::ifstream in(record, std::ios::binary);
    if (in.is_open()) {
      std::ostringstream content;
      content << in.rdbuf();
      return content.str();
    }
    if (std::chrono::steady_clock::now() > deadline) return "(not started)";
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace testing_support
