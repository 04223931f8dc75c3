// Windows programs started through `wine` by a POSIX test: the Windows build of
// the record_args stand-in, and the project's own Wine prefix.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// Readies this process's environment so that the programs it starts run
// Windows programs through `wine` in the project's own prefix (ZARN_WINEPREFIX,
// else build/wineprefix of the source tree, as scripts/wine-run does; never
// the user's), quiet and without installer dialogs. Answers why that cannot be
// done here (no Windows build of the stand-in, no `wine` on PATH), or empty.
std::string ReadyWine();

// The Windows build of the stand-in, for InstallRecordArgs, once ReadyWine
// answered empty.
std::filesystem::path WindowsRecordArgs();

}  // namespace testing_support
