// hostdeck-cli: the headless front end over Hostdeck's main window model, for
// operators without a desktop. Each run opens the window model, loads the
// settings, acts as the operator would in the window, and saves only where the
// window saves. Refusals print the window's message on stderr, prefixed
// "warning: " or "error: " by its icon.
#pragma once

#include <chrono>
#include <iosfwd>
#include <span>
#include <string>

#include "platform/settings_store.h"

namespace hostdeck {

// Exit codes, each with one meaning.
inline constexpr int kCliOk = 0;               // done; for launch: started and saved
inline constexpr int kCliRefused = 1;          // refused or failed: nothing saved, nothing started
inline constexpr int kCliUsage = 2;            // the command line itself is wrong; nothing done
inline constexpr int kCliStartedNotSaved = 3;  // launch: the server started, the save failed
inline constexpr int kCliSavedNotStarted = 4;  // launch: the settings saved, the start failed

// How long a command that changes the settings waits for another program that
// is changing them.
inline constexpr std::chrono::milliseconds kSettingsWait{10000};

// Runs one command; `args` are the arguments after the program name and
// `own_folder` is the folder with MapList and Modes. A command that changes the
// settings holds them locked from its load to its save (waiting up to
// `settings_wait` for another program), so that no update is lost.
int RunHostdeckCli(std::span<const std::string> args, platform::SettingsStore& store,
                   const std::string& own_folder, std::ostream& out, std::ostream& err,
                   std::chrono::milliseconds settings_wait = kSettingsWait);

}  // namespace hostdeck
