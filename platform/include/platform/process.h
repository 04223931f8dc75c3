// Process start: a new program with a normal window that takes the focus, not
// waited for and outliving its starter.
#pragma once

#include <string>

#include "platform/status.h"

namespace platform {

// Starts `executable` with `command_line` as its whole command line (its first
// token names the program, as on Windows). The executable travels apart from the
// command line, so blanks in its path can never start another program, and the
// command-line text reaches the program exactly as built. On POSIX no shell is
// involved: the text is split into arguments by the Windows rules, the child gets
// a session of its own, and a Windows executable is started through `wine` when
// that is on PATH. A failed start is reported with its reason.
Status StartProcess(const std::string& executable, const std::string& command_line);

}  // namespace platform
