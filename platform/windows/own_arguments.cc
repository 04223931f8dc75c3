#include "platform/own_arguments.h"

#include <windows.h>

#include "platform/command_line.h"

namespace platform {

std::string OwnArguments() { return std::string(ArgumentsOf(GetCommandLineA())); }

}  // namespace platform
