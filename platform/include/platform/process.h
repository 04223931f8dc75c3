// Process start: a program started with an argument text, with a normal window
// that takes the focus, not waited for and outliving its starter.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

// Starts `executable` with `arguments`, an argument text by the Windows rules
// (what follows the program token of a command line; empty for none). The
// program receives exactly the arguments SplitArguments finds in the text,
// wherever `executable` lies and whatever its path holds:
// - Windows: the command line is CommandLineOf(executable, arguments), and
//   CreateProcess is named the executable apart, so a blank in its path cannot
//   start another program. A console program gets a console of its own, so
//   closing the starter's console or pressing Ctrl+C there does not end it.
// - POSIX: no shell. The program is the file ResolvePath finds for
//   `executable`; its first argument is that path itself (never read back from
//   a command-line text: no program token can carry a quote), the others are
//   SplitArguments(arguments). The child gets a session of its own,
//   default signal handling and the starter's standard streams. A Windows
//   executable is started through `wine` when that is on PATH, which hands it
//   a command line that splits into the same arguments.
// A start that fails (no such program, not executable) is reported with its
// reason; once started, the program is not watched.
Status StartProcess(const std::string& executable, std::string_view arguments);

}  // namespace platform
