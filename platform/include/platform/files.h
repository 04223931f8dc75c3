// Files: what the programs ask of the file system about game files. Every
// function finds a game path whatever its case (see ResolvePath).
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

// True when the length of the named file can be obtained; a file of length 0
// exists. Every failure (no such file or folder, a folder, a malformed path)
// yields false; nothing is ever reported.
bool FileExist(const std::string& path);

// True when the file exists and is not marked read-only: the read-only
// attribute on Windows; on POSIX a file without any write permission bit (which
// binds root too, as the attribute binds administrators) or one this user may
// not write.
bool FileWritable(const std::string& path);

// Replaces `to` with a copy of `from`, as a whole: the copy is written beside
// `to` and renamed over it, so a failure leaves `to` as it was. A `to` that
// exists but is not FileWritable is refused, as Windows refuses it.
Status CopyFileReplacing(const std::string& from, const std::string& to);

// Deletes a file. A folder and a file that is not FileWritable are refused, as
// Windows refuses them.
Status RemoveFile(const std::string& path);

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
