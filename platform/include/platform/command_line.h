// Splitting a Windows command line into arguments, the way the Microsoft C
// runtime does, so POSIX children see what a Windows program would.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The first argument (the program) ends at the first blank or tab outside
// quotes and takes quotes literally otherwise; the rest follow the runtime's
// backslash and quote rules ("" inside quotes is a quote).
std::vector<std::string> SplitCommandLine(std::string_view command_line);

}  // namespace platform
