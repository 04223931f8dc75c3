// SharedLibrary: a shared library loaded into the process by path (a DLL on
// Windows, a shared object on POSIX), with its exported symbols. Closing (or
// destroying) the object unloads it when nothing else holds it.
#pragma once

#include <string>

#include "platform/status.h"

namespace platform {

// The file name of the library `stem` on this platform: "Core.dll" on Windows,
// "Core.so" on POSIX (our libraries carry no "lib" prefix).
std::string SharedLibraryFileName(const std::string& stem);

class SharedLibrary {
 public:
  SharedLibrary() = default;
  ~SharedLibrary();
  SharedLibrary(SharedLibrary&& other) noexcept;
  // Closes the library this one held.
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // Loads the library at `path` (which must name a file, not a bare name
  // searched for on the system path). A failure says which file and why.
  // REQUIRES: nothing is open.
  Status Open(const std::string& path);
  // Address of the exported symbol `name` (an unmangled, extern "C" name),
  // or null when the library exports none by that name or nothing is open.
  void* Symbol(const char* name) const;
  // Unloads; does nothing when nothing is open.
  void Close();
  bool is_open() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace platform
