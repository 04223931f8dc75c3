// Windows command lines: the program as one quoted token followed by the
// argument text; that text split into arguments the way the Microsoft C
// runtime splits it, so POSIX children see what a Windows program would; and
// the way back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// `program` in quotation marks as one token (a Windows path cannot hold one),
// then a blank and `arguments` when there are any: the command line a Windows
// program is started with.
std::string CommandLineOf(std::string_view program, std::string_view arguments);

// The arguments of an argument text (what follows the program token of a
// command line) by the runtime's rules: blanks and tabs outside quotes
// separate; backslashes are literal unless a quote follows them; "" inside
// quotes is a quote.
std::vector<std::string> SplitArguments(std::string_view arguments);

// The argument text of a command line, as the program received it: everything
// after the program token and the blanks that follow it. The program token ends
// at the first blank or tab outside quotes; quotes in it only group.
std::string_view ArgumentsOf(std::string_view command_line);

// The arguments written as one text, quoted so that SplitArguments gives them
// back unchanged.
std::string JoinArguments(const std::vector<std::string>& args);

}  // namespace platform
