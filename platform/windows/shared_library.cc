#include "platform/shared_library.h"

#include <windows.h>

#include <string>
#include <utility>

#include "windows/win_status.h"

namespace platform {

std::string SharedLibraryFileName(const std::string& stem) { return stem + ".dll"; }

Status SharedLibrary::Open(const std::string& path) {
  // Dependencies are searched beside the library first, as the engine
  // expects of its packages; that search needs a full path.
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    return WindowsErrorStatus("Cannot load " + path, GetLastError());
  }
  HMODULE module = LoadLibraryExA(full, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) return WindowsErrorStatus("Cannot load " + path, GetLastError());
  handle_ = module;
  return Status::Ok();
}

void* SharedLibrary::Symbol(const char* name) const {
  if (!handle_) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void SharedLibrary::Close() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(std::exchange(handle_, nullptr)));
}

}  // namespace platform
