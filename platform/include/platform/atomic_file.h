// AtomicFileWriter: replaces a file's content as a whole. The new bytes go to a
// file in the target's folder, which Commit() flushes and renames over the
// target, so a crash, a full disk or a failed write never leaves a torn or empty
// file: the target holds either its old or its new content.
//
// Nothing is left beside the target either. On Linux the new bytes go to an
// unnamed file, which a crash takes with it, and get a name only for the rename;
// elsewhere the file is named ".<target name>.<six letters or digits>.tmp" from
// the start. A crashed writer's file of that pattern is removed by the next
// writer for the same target; a file that a running writer still holds is not.
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

  // Removes the leftovers of crashed writers for `path`, then creates the file
  // for the new content. On failure *status says why and the result is null.
  static std::unique_ptr<AtomicFileWriter> Open(const std::string& path, Permissions permissions,
                                                Status* status);

  // Removes the new content unless Commit() succeeded.
  virtual ~AtomicFileWriter() = default;

  virtual Status Append(std::string_view data) = 0;
  // Flushes the new content to disk and renames it over the target.
  // REQUIRES: called at most once.
  virtual Status Commit() = 0;
};

}  // namespace platform
