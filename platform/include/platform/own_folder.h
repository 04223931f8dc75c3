// The folder that holds the running program.
#pragma once

#include <string>

namespace platform {

// Absolute, without a trailing separator. Empty when the platform cannot tell.
std::string OwnFolder();

}  // namespace platform
