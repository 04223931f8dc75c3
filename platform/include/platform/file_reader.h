// FileReader: reads a regular file from start to end in pieces, so a file of any
// size needs no more memory than the caller's buffer. Open refuses whatever is
// not a regular file (a folder, a pipe, a device), so no read ever waits for a
// writer. Game paths are found whatever their case, as by FileExist.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>

#include "platform/status.h"

namespace platform {

class FileReader {
 public:
  // On failure *status says why and the result is null.
  static std::unique_ptr<FileReader> Open(const std::string& path, Status* status);

  // Closes the file.
  virtual ~FileReader() = default;

  // Reads the next bytes into `buffer`, at most its size; *count is 0 at the end.
  virtual Status Read(std::span<char> buffer, size_t* count) = 0;
};

}  // namespace platform
