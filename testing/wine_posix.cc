#include <cstdlib>
#include <filesystem>

#include "testing/wine.h"

namespace testing_support {

std::string ReadyWine() {
  if (!std::filesystem::exists(WindowsRecordArgs())) {
    return "no Windows build of record_args: install the MinGW-w64 compiler "
           "(g++-mingw-w64-x86-64-posix) and configure again";
  }
  if (std::system("command -v wine >/dev/null 2>&1") != 0) return "wine is not on PATH";
  const char* own = std::getenv("ZARN_WINEPREFIX");
  setenv("WINEPREFIX", own != nullptr ? own : ZARN_PROJECT_WINEPREFIX, 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
  return {};
}

std::filesystem::path WindowsRecordArgs() { return ZARN_WINDOWS_RECORD_ARGS_PROGRAM; }

}  // namespace testing_support
