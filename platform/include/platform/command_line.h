// Windows command lines: splitting one into arguments the way the Microsoft C
// runtime does, so POSIX children see what a Windows program would, and the
// way back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The first argument (the program) ends at the first blank or tab outside
// quotes and takes quotes literally otherwise; the rest follow the runtime's
// backslash and quote rules ("" inside quotes is a quote).
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// The arguments of a command line as one text, as the program received them:
// everything after the program token and the blanks that follow it.
std::string_view ArgumentsOf(std::string_view command_line);

// The arguments written as one text, quoted so that SplitCommandLine of a
// program token followed by a blank and this text gives them back unchanged.
std::string JoinArguments(const std::vector<std::string>& args);

}  // namespace platform
