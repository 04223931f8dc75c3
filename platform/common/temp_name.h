// The one name pattern of the files an AtomicFileWriter writes before they
// replace their target: ".<target name>.<six letters or digits>.tmp", beside the
// target. A file of that pattern that no running writer holds is a leftover of
// a writer that died, and the next writer for the same target removes it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A fresh name of the pattern for a file named `target_name`.
std::string NewTempName(std::string_view target_name);

// Whether `name` has the pattern for a file named `target_name`, compared
// exactly (POSIX) or without regard to case (Windows, as its file names are).
bool IsTempNameFor(std::string_view name, std::string_view target_name, bool ignore_case);

}  // namespace platform
