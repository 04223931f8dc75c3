#include "platform/files.h"

#include <windows.h>

#include "windows/win_status.h"

namespace platform {

bool FileExist(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return !path.empty() && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
         (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileWritable(const std::string& path) {
  DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

Status RemoveFile(const std::string& path) {
  if (!FileWritable(path)) return Status::Error("Cannot delete " + path + ": missing or read-only");
  if (!DeleteFileA(path.c_str()))
    return WindowsErrorStatus("Cannot delete " + path, GetLastError());
  return Status::Ok();
}

std::string ResolvePath(const std::string& path) { return path; }

std::string NativeRelativePath(std::string_view relative) { return std::string(relative); }

std::string ProgramFilesFolder() { return "C:\\Program Files"; }

}  // namespace platform
