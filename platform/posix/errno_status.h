// Turns errno into a Status for the POSIX implementations.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/status.h"

namespace platform {

inline Status ErrnoStatus(const std::string& what, int error_number) {
  return Status::Error(what + ": " + std::strerror(error_number));
}

}  // namespace platform
