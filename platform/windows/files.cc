#include "platform/files.h"

#include <windows.h>

namespace platform {

bool FileExist(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return !path.empty() && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
         (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string ResolvePath(const std::string& path) { return path; }

std::string NativeRelativePath(std::string_view relative) { return std::string(relative); }

std::string ProgramFilesFolder() { return "C:\\Program Files"; }

}  // namespace platform
