// AtomicFileWriter: replaces a file's content as a whole. The new bytes go to a
// temporary file in the target's folder, which Commit() flushes and renames over
// the target, so a crash, a full disk or a failed write never leaves a torn or
// empty file: the target holds either its old or its new content.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

class AtomicFileWriter {
 public:
  enum class Permissions {
    kOwnerOnly,   // readable and writable by the owner alone (files with passwords)
    kLikeTarget,  // those of the file being replaced, else the usual ones
  };

  // Creates the temporary file beside `path`. On failure *status says why and
  // the result is null.
  static std::unique_ptr<AtomicFileWriter> Open(const std::string& path, Permissions permissions,
                                                Status* status);

  // Removes the temporary file unless Commit() succeeded.
  virtual ~AtomicFileWriter() = default;

  virtual Status Append(std::string_view data) = 0;
  // Flushes the temporary file to disk and renames it over the target.
  // REQUIRES: called at most once.
  virtual Status Commit() = 0;
};

}  // namespace platform
