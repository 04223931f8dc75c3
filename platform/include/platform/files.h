// Files: what the programs ask of the file system about game files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when the length of the named file can be obtained; a file of length 0
// exists. Every failure (no such file or folder, a folder, a malformed path)
// yields false; nothing is ever reported.
bool FileExist(const std::string& path);

// The names (without folder) of the files directly in `folder`, folders left
// out, in no particular order. Empty when the folder cannot be read. On POSIX
// the folder is found whatever its case, as by ResolvePath.
std::vector<std::string> FileNamesIn(const std::string& folder);

// The path under which the file system finds `path`. On POSIX every component
// that is absent under its exact name is matched without regard to case, as
// Windows and Wine do, so "System/ZARN.exe" answers for "system/zarn.exe".
// Components that match nothing are kept as written. Unchanged on Windows.
std::string ResolvePath(const std::string& path);

// A game-relative path, written as the game addresses it ("\\system\\zarn.exe"),
// in the form this platform appends to a game folder ("/system/zarn.exe" on POSIX).
std::string NativeRelativePath(std::string_view relative);

// The folder where Windows programs are installed: "C:\\Program Files" on
// Windows, the same folder inside the Wine prefix on POSIX
// (${WINEPREFIX:-$HOME/.wine}/drive_c/Program Files).
std::string ProgramFilesFolder();

}  // namespace platform
