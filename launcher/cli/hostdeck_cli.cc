#include "cli/hostdeck_cli.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "core/game_folder.h"
#include "core/main_window.h"
#include "core/map_dialog.h"
#include "core/mode_dialog.h"
#include "core/path_dialog.h"

namespace hostdeck {
namespace {

struct Command {
  std::string_view name;
  bool changes_settings;
  std::string_view synopsis;
  std::string_view description;
};

constexpr Command kCommands[] = {
    {"show", false, "show [--show-passwords]",
     "Prints every setting as KEY=VALUE, one a line, then PathOfZarn=<game folder>."},
    {"set", true, "set KEY=VALUE...",
     "Types each VALUE into the field named by its KEY, then saves as the Exit button does.\n"
     "Check boxes take 1 or 0. txtMap and txtMode are chosen with \"map\" and \"mode\"."},
    {"map", true, "map NAME | map --unofficial FILE",
     "Chooses an official map by its display name, or an unofficial map file from the game's\n"
     "maps/list folder, as the map dialog's OK does; then saves."},
    {"mode", true, "mode NAME", "Chooses a game mode listed by \"modes\", then saves."},
    {"path", true, "path FOLDER",
     "Sets the game folder, as the game folder dialog's OK does: it must hold system/zarn.exe\n"
     "and server/ucc.exe."},
    {"clear", true, "clear --yes",
     "Restores every setting to its default (\"Clear all\" answered Yes), then saves."},
    {"maps", false, "maps", "Lists the maps the map dialog offers."},
    {"modes", false, "modes", "Lists the game modes the mode dialog offers."},
    {"launch", true, "launch [KEY=VALUE...] [--dry-run] [--show-passwords]",
     "Types the given values, runs every check, saves, starts the dedicated server and prints\n"
     "its command line. --dry-run checks and prints without saving or starting anything.\n"
     "Exit status: 0 saved and started; 1 refused or failed, nothing saved or started;\n"
     "3 started, but the settings could not be saved; 4 saved, but the server could not be\n"
     "started (the reason is on stderr)."},
};

void PrintUsage(std::ostream& out) {
  out << "usage: hostdeck-cli COMMAND [ARGUMENTS]\n\n"
         "The dedicated server's settings, kept per user, and its start.\n\n";
  for (const Command& command : kCommands) out << "  hostdeck-cli " << command.synopsis << '\n';
  out << "\nKEY is the name of a field:";
  for (const Setting& setting : SettingsTable()) {
    if (!setting.locked) out << ' ' << setting.key;
  }
  out << ".\nPrinted passwords show as " << kPasswordMask
      << " unless --show-passwords is given.\n"
         "Exit status:\n"
         "  0  done (launch: the server started and the settings were saved)\n"
         "  1  refused or failed, the reason on stderr: nothing saved, nothing started\n"
         "  2  wrong usage: nothing done\n"
         "  3  launch only: the server started, but the settings could not be saved (the\n"
         "     reason is on stderr)\n"
         "  4  launch only: the settings were saved, but the server could not be started\n"
         "     (the reason is on stderr)\n"
         "Commands that change the settings wait for another one that is changing them.\n"
         "\"hostdeck-cli COMMAND --help\" describes one command.\n";
}

// Reports a wrong command line; the usage follows the reason.
class UsageError {
 public:
  explicit UsageError(std::string reason) : reason_(std::move(reason)) {}
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// The operator at the other end of the windows: messages go to stderr, the
// dialogs are answered from the command line.
class CliUi : public UiPort {
 public:
  CliUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void ShowMessage(const Message& message) override {
    err_ << (message.icon == Icon::kWarning ? "warning: " : "error: ") << message.text << '\n';
    refused_ = true;
  }

  bool AskYesNo(std::string_view question) override {
    if (yes_) return true;
    err_ << "error: " << question << " Answer Yes with --yes.\n";
    refused_ = true;
    return false;
  }

  void ShowMapDialog(MapDialog& dialog) override {
    if (listing_) {
      PrintList("Official maps:", dialog.lstOfficial());
      if (dialog.optUnofficial_enabled()) {
        PrintList("Unofficial maps:", dialog.filUnofficial());
      } else {
        out_ << "Unofficial maps: not offered without the patch maps\n";
      }
      return;
    }
    // Like a click, choosing a disabled kind does nothing.
    if (unofficial_ && dialog.optUnofficial_enabled()) dialog.optUnofficial_Click();
    (dialog.optOfficial() ? dialog.lstOfficial() : dialog.filUnofficial()).Select(choice_);
    dialog.cmdOk_Click();
  }

  void ShowModeDialog(ModeDialog& dialog) override {
    if (listing_) {
      for (const std::string& name : dialog.filModes().names()) out_ << name << '\n';
      return;
    }
    dialog.filModes().Select(choice_);
    dialog.cmdOk_Click();
  }

  void ShowPathDialog(PathDialog& dialog) override {
    dialog.txtPath() = choice_;
    dialog.cmdOk_Click();
  }

  void ShowAboutDialog() override {}

  // What the next dialog is answered with.
  void Choose(std::string choice, bool unofficial = false) {
    choice_ = std::move(choice);
    unofficial_ = unofficial;
  }
  void ListOnly() { listing_ = true; }
  void AnswerYes() { yes_ = true; }

  // Whether any message was shown: the run then ends as refused.
  bool refused() const { return refused_; }

 private:
  void PrintList(std::string_view heading, const FileList& list) {
    out_ << heading << '\n';
    for (const std::string& name : list.names()) out_ << "  " << name << '\n';
  }

  std::ostream& out_;
  std::ostream& err_;
  std::string choice_;
  bool unofficial_ = false;
  bool listing_ = false;
  bool yes_ = false;
  bool refused_ = false;
};

// Types KEY=VALUE into the window's field, within what the field takes.
void Type(ServerSettings& controls, std::string_view assignment) {
  size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) {
    throw UsageError("expected KEY=VALUE, got \"" + std::string(assignment) + "\"");
  }
  std::string key(assignment.substr(0, equals));
  std::string_view value = assignment.substr(equals + 1);
  const Setting* setting = FindSetting(key);
  if (setting == nullptr) throw UsageError("no field is named " + key);
  if (setting->locked) {
    throw UsageError(key + " cannot be typed into; choose it with \"hostdeck-cli " +
                     (setting->text == &ServerSettings::txtMap ? "map" : "mode") + "\"");
  }
  if (setting->tick != nullptr && value != "1" && value != "0") {
    throw UsageError(key + " is a check box: 1 or 0");
  }
  if (setting->input_limit != 0 && value.size() > setting->input_limit) {
    throw UsageError(key + " takes at most " + std::to_string(setting->input_limit) +
                     " characters");
  }
  SetSettingValue(controls, *setting, value);
}

std::string PrintedCommandLine(const PreparedLaunch& launch, bool show_passwords) {
  return ServerCommandLine(
      launch.game_folder,
      ServerUrl(show_passwords ? launch.values : WithPasswordsMasked(launch.values)));
}

class Run {
 public:
  Run(platform::SettingsStore& store, const std::string& own_folder, std::ostream& out,
      std::ostream& err)
      : store_(store), out_(out), ui_(out, err), window_(store, own_folder, ui_) {
    window_.Form_Load();
  }

  // REQUIRES: `name` is one of kCommands.
  void Dispatch(std::string_view name, std::vector<std::string_view> args) {
    auto take_flag = [&args](std::string_view flag) {
      auto found = std::find(args.begin(), args.end(), flag);
      if (found == args.end()) return false;
      args.erase(found);
      return true;
    };
    auto want = [&args](size_t count) {
      for (std::string_view arg : args) {
        if (arg.starts_with("--")) throw UsageError("unknown option " + std::string(arg));
      }
      if (args.size() != count) throw UsageError("wrong number of arguments");
    };

    if (name == "show") {
      bool show_passwords = take_flag("--show-passwords");
      want(0);
      Show(show_passwords);
    } else if (name == "set") {
      if (args.empty()) throw UsageError("nothing to set");
      want(args.size());
      for (std::string_view assignment : args) Type(window_.controls(), assignment);
      window_.cmdExit_Click();
    } else if (name == "map") {
      bool unofficial = take_flag("--unofficial");
      want(1);
      ui_.Choose(std::string(args[0]), unofficial);
      ActThenExit([this] { window_.cmdBrowseMaps_Click(); });
    } else if (name == "mode") {
      want(1);
      ui_.Choose(std::string(args[0]));
      ActThenExit([this] { window_.cmdMode_Click(); });
    } else if (name == "path") {
      want(1);
      ui_.Choose(std::string(args[0]));
      ActThenExit([this] { window_.cmdSetPath_Click(); });
    } else if (name == "clear") {
      if (take_flag("--yes")) ui_.AnswerYes();
      want(0);
      ActThenExit([this] { window_.lblClear_Click(); });
    } else if (name == "maps" || name == "modes") {
      want(0);
      ui_.ListOnly();
      if (name == "maps") {
        window_.cmdBrowseMaps_Click();
      } else {
        window_.cmdMode_Click();
      }
    } else {
      bool dry_run = take_flag("--dry-run");
      bool show_passwords = take_flag("--show-passwords");
      want(args.size());
      for (std::string_view assignment : args) Type(window_.controls(), assignment);
      std::optional<PreparedLaunch> launch;
      if (dry_run) {
        launch = window_.PrepareLaunch();
      } else {
        LaunchOutcome outcome = window_.cmdLaunch_Click();
        launch = std::move(outcome.started);
        if (outcome.checked && launch.has_value() != outcome.saved.ok()) {
          half_done_ = launch ? kCliStartedNotSaved : kCliSavedNotStarted;
        }
      }
      if (launch) out_ << PrintedCommandLine(*launch, show_passwords) << '\n';
    }
  }

  int exit_code() const {
    if (half_done_) return *half_done_;
    return ui_.refused() ? kCliRefused : kCliOk;
  }

  // Whether the load already refused (settings that cannot be read).
  bool refused() const { return ui_.refused(); }

 private:
  void Show(bool show_passwords) {
    for (const Setting& setting : SettingsTable()) {
      std::string value = SettingValue(window_.controls(), setting);
      if (setting.password && !value.empty() && !show_passwords) value = kPasswordMask;
      out_ << setting.key << '=' << value << '\n';
    }
    out_ << kGameFolderKey << '=' << GetPathOfZarn(store_) << '\n';
  }

  // A refused action leaves the settings as stored; otherwise the operator
  // leaves by the Exit button, which saves.
  template <typename Action>
  void ActThenExit(Action action) {
    action();
    if (!ui_.refused()) window_.cmdExit_Click();
  }

  platform::SettingsStore& store_;
  std::ostream& out_;
  CliUi ui_;
  MainWindow window_;
  // A launch that did one of saving and starting.
  std::optional<int> half_done_;
};

}  // namespace

int RunHostdeckCli(std::span<const std::string> args, platform::SettingsStore& store,
                   const std::string& own_folder, std::ostream& out, std::ostream& err,
                   std::chrono::milliseconds settings_wait) {
  const Command* command = nullptr;
  if (!args.empty()) {
    auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                              [&](const Command& c) { return c.name == args[0]; });
    if (found != std::end(kCommands)) command = &*found;
  }
  bool help = std::find(args.begin(), args.end(), "--help") != args.end();
  if (help) {
    if (command == nullptr) {
      PrintUsage(out);
    } else {
      out << "usage: hostdeck-cli " << command->synopsis << "\n\n" << command->description << '\n';
    }
    return kCliOk;
  }
  try {
    if (args.empty()) throw UsageError("no command given");
    if (command == nullptr) throw UsageError("unknown command \"" + args[0] + "\"");
    std::unique_ptr<platform::SettingsStore::UpdateLock> lock;
    if (command->changes_settings) {
      platform::Status status;
      lock = store.LockForUpdate(kApplication, settings_wait, &status);
      if (lock == nullptr) {
        err << "error: " << status.message() << '\n';
        return kCliRefused;
      }
    }
    Run run(store, own_folder, out, err);
    if (run.refused()) return kCliRefused;
    run.Dispatch(command->name, std::vector<std::string_view>(args.begin() + 1, args.end()));
    return run.exit_code();
  } catch (const UsageError& error) {
    err << "error: " << error.reason() << "\n\n";
    if (command == nullptr) {
      PrintUsage(err);
    } else {
      err << "usage: hostdeck-cli " << command->synopsis << '\n';
    }
    return kCliUsage;
  }
}

}  // namespace hostdeck
