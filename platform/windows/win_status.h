// Turns a Windows error code into a Status for the Windows implementations.
#pragma once

#include <windows.h>

#include <string>

#include "platform/status.h"

namespace platform {

inline Status WindowsErrorStatus(const std::string& what, DWORD error) {
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason = length > 0 ? std::string(text, length) : "error " + std::to_string(error);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.')) {
    reason.pop_back();
  }
  return Status::Error(what + ": " + reason);
}

}  // namespace platform
