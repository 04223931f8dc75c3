#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "common/ascii.h"
#include "posix/errno_status.h"

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` whose name equals `name` without regard to case, or "".
std::string FindIgnoringCase(const std::string& folder, std::string_view name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  std::string found;
  while (dirent* entry = readdir(dir)) {
    if (EqualsIgnoringCase(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  if (path.empty() || Exists(path)) return path;
  std::string resolved;
  size_t start = 0;
  if (path.front() == '/') {
    resolved = "/";
    start = 1;
  }
  bool matching = true;
  while (start <= path.size()) {
    size_t end = std::min(path.find('/', start), path.size());
    std::string component = path.substr(start, end - start);
    if (matching && !component.empty() && component != "." && component != "..") {
      std::string candidate = resolved + component;
      if (!Exists(candidate)) {
        std::string match = FindIgnoringCase(resolved.empty() ? "." : resolved, component);
        if (match.empty()) {
          matching = false;
        } else {
          component = match;
        }
      }
    }
    resolved += component;
    if (end < path.size()) resolved += '/';
    start = end + 1;
  }
  return resolved;
}

bool FileExist(const std::string& path) {
  struct stat info;
  return !path.empty() && stat(ResolvePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FileWritable(const std::string& path) {
  std::string resolved = ResolvePath(path);
  struct stat info;
  return !path.empty() && stat(resolved.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
         (info.st_mode & 0222) != 0 && access(resolved.c_str(), W_OK) == 0;
}

Status RemoveFile(const std::string& path) {
  if (!FileWritable(path)) return Status::Error("Cannot delete " + path + ": missing or read-only");
  if (unlink(ResolvePath(path).c_str()) != 0) return ErrnoStatus("Cannot delete " + path, errno);
  return Status::Ok();
}

std::string NativeRelativePath(std::string_view relative) {
  std::string native(relative);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string ProgramFilesFolder() {
  const char* prefix = std::getenv("WINEPREFIX");
  if (prefix != nullptr && prefix[0] != '\0') return std::string(prefix) + "/drive_c/Program Files";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.wine/drive_c/Program Files";
}

}  // namespace platform
