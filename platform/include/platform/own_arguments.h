// The arguments the running program was started with, as one command-line text.
#pragma once

#include <string>

namespace platform {

// On Windows the text after the program token of the raw command line, exactly
// as it arrived. On POSIX the arguments joined by the Windows quoting rules
// (JoinArguments), so that a Windows program handed the text sees the same
// arguments. Empty when there are none or the platform cannot tell.
std::string OwnArguments();

}  // namespace platform
