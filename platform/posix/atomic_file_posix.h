// How the POSIX AtomicFileWriter keeps the new content until its commit: in an
// unnamed file (O_TMPFILE) where the file system has them, which a crash cannot
// leave behind, else in a named file of the temp-name pattern. Open uses the
// first; tests ask for the second, which file systems without unnamed files get.
#pragma once

#include <memory>
#include <string>

#include "platform/atomic_file.h"

namespace platform {

enum class TempFileKind { kUnnamedWhereSupported, kNamed };

std::unique_ptr<AtomicFileWriter> OpenAtomicFileWriter(const std::string& path,
                                                       AtomicFileWriter::Permissions permissions,
                                                       TempFileKind kind, Status* status);

}  // namespace platform
