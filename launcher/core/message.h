// Message: what Hostdeck tells the operator in a modal message box, and every
// fixed text it can tell. All boxes carry kCaption as their title and an OK
// button; the one question ("Clear all") is asked through UiPort::AskYesNo.
#pragma once

#include <string>
#include <string_view>

namespace hostdeck {

// The main window's caption, the title of every message box.
inline constexpr std::string_view kCaption = "Kestrin's Vireruzo ZARN Server Launcher";

enum class Icon {
  kWarning,   // the exclamation icon: input the operator can correct
  kCritical,  // the stop icon: missing files, unknown game types, failures
};

struct Message {
  std::string text;
  Icon icon;

  bool operator==(const Message&) const = default;
};

// Game folder and installation.
inline const Message kInvalidGameFolder{"Please set a valid path to ZARN game first.",
                                        Icon::kWarning};
inline const Message kPatchMissing{"This application requires ZARN Patch 1.4 by Kestrin.",
                                   Icon::kCritical};

// The launch, in the order of its checks.
inline const Message kInvalidPlayers{"Please enter a valid number of players (from 1 to 20).",
                                     Icon::kWarning};
inline const Message kInvalidPoints{"Please enter a valid points limit (from 10 to 500).",
                                    Icon::kWarning};
inline const Message kInvalidPort{"Please enter a valid port number.", Icon::kWarning};
inline const Message kInvalidTitle{"Please enter a valid server title.", Icon::kWarning};
inline const Message kInvalidTime{
    "Please enter a valid time limit value (from 5 minutes to 60 minutes).", Icon::kWarning};
inline const Message kInvalidAccountName{"Please enter a valid Vantor account user name.",
                                         Icon::kWarning};
inline const Message kInvalidAccountPassword{"Please enter a valid Vantor account password.",
                                             Icon::kWarning};
// The server URL is neither quoted nor escaped: a blank would end it there and
// a "?" or a quotation mark would start or hide options of the operator's making.
inline const Message kUnsafeAccountName{
    "Please enter a Vantor account user name without blanks, question marks or quotation marks.",
    Icon::kWarning};
inline const Message kUnsafeAccountPassword{
    "Please enter a Vantor account password without blanks, question marks or quotation marks.",
    Icon::kWarning};
inline const Message kUnsafeServerPassword{
    "Please enter a server password without blanks, question marks or quotation marks.",
    Icon::kWarning};
inline const Message kUnsafeAdministratorPassword{
    "Please enter a server administrator password without blanks, question marks or quotation "
    "marks.",
    Icon::kWarning};
inline const Message kNoMap{"Please choose a map first.", Icon::kWarning};
// The map file opens the server URL: a blank, tab or quotation mark would end
// or split it, a "?" start an option, a leading "-" make it an option itself.
inline const Message kUnsafeMapFile{
    "The map file name must not contain blanks, quotes or question marks, nor begin with a minus "
    "sign. Please rename the map file and choose it again.",
    Icon::kWarning};
inline const Message kMapFileMissing{
    "Map file not found. Please select another map from the list and try again.", Icon::kCritical};
// `Varovani`: the chosen mode is refused by the map's prefix.
inline const Message kVarovani{"The selected mode is not supported by this map.", Icon::kWarning};
inline const Message kInvalidGameType{"Invalid game type.", Icon::kCritical};

// Other buttons of the main window.
inline constexpr std::string_view kClearAllQuestion =
    "Are you sure you want to restore all server settings to default?";
inline const Message kMapManagerFailed{"Opening Map Manager failed.", Icon::kCritical};

// The dialogs.
inline const Message kNoMapSelected{"Please select a map from the list and try again.",
                                    Icon::kWarning};
inline const Message kNoModeSelected{"Please choose a game mode from the list.", Icon::kWarning};
inline const Message kInvalidPath{"Please enter a valid path to ZARN game and try again.",
                                  Icon::kWarning};
inline const Message kPatchMissingForPath{
    "This application requires the final version of ZARN Patch 1.4 by Kestrin.", Icon::kCritical};

// Failures of the platform, with the reason it gave.
Message ServerStartFailed(std::string_view reason);
Message SettingsNotSaved(std::string_view reason);

}  // namespace hostdeck
