// hostdeck-cli: the headless front end over Hostdeck's main window model, for
// operators without a desktop. Each run opens the window model, loads the
// settings, acts as the operator would in the window, and saves only where the
// window saves. Refusals print the window's message on stderr, prefixed
// "warning: " or "error: " by its icon.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "platform/settings_store.h"

namespace hostdeck {

// Exit codes.
inline constexpr int kCliOk = 0;
inline constexpr int kCliRefused = 1;  // a check or a dialog refused; a failure
inline constexpr int kCliUsage = 2;    // the command line itself is wrong

// Runs one command; `args` are the arguments after the program name and
// `own_folder` is the folder with MapList and Modes.
int RunHostdeckCli(std::span<const std::string> args, platform::SettingsStore& store,
                   const std::string& own_folder, std::ostream& out, std::ostream& err);

}  // namespace hostdeck
