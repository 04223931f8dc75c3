#include "core/main_window.h"

#include <vector>

#include "core/field_checks.h"
#include "core/game_folder.h"
#include "core/game_modes.h"
#include "core/map_dialog.h"
#include "core/mode_dialog.h"
#include "core/official_maps.h"
#include "core/path_dialog.h"
#include "platform/files.h"
#include "platform/process.h"

namespace hostdeck {
namespace {

bool IsValidGameFolder(const std::string& game_folder) {
  return platform::FileExist(game_folder + platform::NativeRelativePath("\\system\\zarn.exe"));
}

// The server reads its URL as one token that ends at the first blank and splits
// options at "?"; a quotation mark changes where the token ends.
bool FitsInServerUrl(std::string_view text) {
  return text.find_first_of(" \t?\"") == std::string_view::npos;
}

}  // namespace

MainWindow::MainWindow(platform::SettingsStore& store, std::string own_folder, UiPort& ui)
    : store_(store), own_folder_(std::move(own_folder)), ui_(ui) {}

void MainWindow::Form_Load() {
  platform::Status readable = store_.CheckReadable(kApplication);
  if (!readable.ok()) ui_.ShowMessage(SettingsUnreadable(readable.message()));
  NacistNastaveni();
}

std::nullopt_t MainWindow::Refuse(const Message& message) {
  ui_.ShowMessage(message);
  return std::nullopt;
}

std::optional<PreparedLaunch> MainWindow::PrepareLaunch() {
  ServerSettings& c = controls_;
  PreparedLaunch launch;
  LaunchValues& v = launch.values;
  launch.game_folder = GetPathOfZarn(store_);
  if (!IsValidGameFolder(launch.game_folder)) return Refuse(kInvalidGameFolder);
  if (!platform::FileExist(launch.game_folder +
                           platform::NativeRelativePath("\\server\\ucc.exe"))) {
    return Refuse(kPatchMissing);
  }

  // "Docks" has a deathmatch and a sabotage file; exactly the sabotage modes
  // begin with "S".
  bool sabotage = c.txtMode.starts_with('S');
  if (sabotage && c.txtMap == "DM_USA2_demo.unr") c.txtMap = "SB_USA2.unr";
  if (!sabotage && c.txtMap == "SB_USA2.unr") c.txtMap = "DM_USA2_demo.unr";

  if (!CheckNumberOfPlayers(c.txtNumberOfPlayers)) return Refuse(kInvalidPlayers);
  v.players = c.txtNumberOfPlayers;
  if (!CheckPointsLimit(c.txtPointsLimit)) return Refuse(kInvalidPoints);
  v.points = c.txtPointsLimit;
  if (!CheckPort(c.txtPort)) return Refuse(kInvalidPort);
  v.port = c.txtPort;
  if (!CheckServerName(c.txtServerName)) return Refuse(kInvalidTitle);
  v.title = c.txtServerName;
  if (!CheckTimeLimit(c.txtTimeLimit)) return Refuse(kInvalidTime);
  v.time = c.txtTimeLimit.empty() ? "0" : c.txtTimeLimit;

  if (c.txtAccountName.empty()) return Refuse(kInvalidAccountName);
  if (!FitsInServerUrl(c.txtAccountName)) return Refuse(kUnsafeAccountName);
  v.account_name = c.txtAccountName;
  if (c.txtAccountPassword.empty()) return Refuse(kInvalidAccountPassword);
  if (!FitsInServerUrl(c.txtAccountPassword)) return Refuse(kUnsafeAccountPassword);
  v.account_password = c.txtAccountPassword;

  if (!FitsInServerUrl(c.txtServerPassword)) return Refuse(kUnsafeServerPassword);
  if (!FitsInServerUrl(c.txtAdministratorPassword)) return Refuse(kUnsafeAdministratorPassword);
  v.server_password = c.txtServerPassword;
  v.administrator_password = c.txtAdministratorPassword.empty()
                                 ? std::string(kBuiltInAdministratorPassword)
                                 : c.txtAdministratorPassword;

  if (c.txtMap.empty()) return Refuse(kNoMap);
  if (!FitsInServerUrl(c.txtMap) || c.txtMap.starts_with('-')) return Refuse(kUnsafeMapFile);
  if (!platform::FileExist(launch.game_folder + platform::NativeRelativePath("\\maps\\") +
                           c.txtMap)) {
    return Refuse(kMapFileMissing);
  }
  v.map_file = c.txtMap;
  v.friendly_fire = c.chkFriendlyFire ? "1" : "0";

  ModeLookup mode = LookUpMode(c.txtMode, c.txtMap);
  if (mode.result == ModeLookup::kRefusedByMap) return Refuse(kVarovani);
  if (mode.result == ModeLookup::kNotInCatalogue) return Refuse(kInvalidGameType);
  v.game_index = mode.mode->game_index;
  v.game_class = mode.mode->game_class;
  v.mutator = mode.mode->mutator;

  v.listing_name = MapListingName(v.map_file);
  return launch;
}

LaunchOutcome MainWindow::cmdLaunch_Click() {
  LaunchOutcome outcome;
  std::optional<PreparedLaunch> launch = PrepareLaunch();
  if (!launch) return outcome;
  // No server is started whose settings the store would refuse to save.
  for (const platform::SettingsStore::Entry& entry : SavedEntries()) {
    platform::Status storable = platform::SettingsStore::CheckValue(entry.key, entry.value);
    if (!storable.ok()) {
      ui_.ShowMessage(SettingsNotSaved(storable.message()));
      return outcome;
    }
  }
  outcome.checked = true;
  // Saved first, as the earlier tool did: a server that fails to start leaves
  // the settings kept, and one whose save failed still starts.
  outcome.saved = UlozitNastaveni();
  if (!outcome.saved.ok()) ui_.ShowMessage(SettingsNotSaved(outcome.saved.message()));
  platform::Status started = StartServer(launch->game_folder, ServerUrl(launch->values));
  if (!started.ok()) {
    ui_.ShowMessage(ServerStartFailed(started.message()));
    return outcome;
  }
  outcome.started = std::move(launch);
  return outcome;
}

void MainWindow::cmdExit_Click() {
  platform::Status saved = UlozitNastaveni();
  if (!saved.ok()) ui_.ShowMessage(SettingsNotSaved(saved.message()));
}

void MainWindow::lblClear_Click() {
  if (ui_.AskYesNo(kClearAllQuestion)) SmazatNastaveni();
}

void MainWindow::cmdBrowseMaps_Click() {
  if (!IsValidGameFolder(GetPathOfZarn(store_))) {
    ui_.ShowMessage(kInvalidGameFolder);
    return;
  }
  MapDialog dialog(store_, own_folder_, ui_);
  dialog.Form_Load();
  ui_.ShowMapDialog(dialog);
  if (dialog.accepted()) controls_.txtMap = dialog.chosen_map();
}

void MainWindow::cmdMode_Click() {
  ModeDialog dialog(own_folder_, ui_);
  dialog.Form_Load();
  ui_.ShowModeDialog(dialog);
  if (dialog.accepted()) controls_.txtMode = dialog.chosen_mode();
}

void MainWindow::cmdSetPath_Click() {
  PathDialog dialog(store_, ui_);
  dialog.Form_Load();
  ui_.ShowPathDialog(dialog);
}

void MainWindow::cmdManage_Click() {
  std::string manager =
      GetPathOfZarn(store_) + platform::NativeRelativePath("\\maps\\mapinstaller.exe");
  if (!platform::StartProcess(manager, "").ok()) ui_.ShowMessage(kMapManagerFailed);
}

void MainWindow::cmdAbout_Click() { ui_.ShowAboutDialog(); }

void MainWindow::NacistNastaveni() {
  for (const Setting& setting : SettingsTable()) {
    SetSettingValue(controls_, setting,
                    store_.Read(kApplication, kSection, setting.key, setting.default_value));
  }
}

std::vector<platform::SettingsStore::Entry> MainWindow::SavedEntries() const {
  std::vector<platform::SettingsStore::Entry> entries;
  auto write = [&](std::string_view key, std::string_view value) {
    entries.push_back({kSection, key, value});
  };
  for (const Setting& setting : SettingsTable()) {
    if (setting.text != nullptr && !setting.password) write(setting.key, controls_.*setting.text);
  }
  // Without the tick, passwords stored by an earlier run are wiped.
  for (const Setting& setting : SettingsTable()) {
    if (setting.password) {
      write(setting.key, controls_.chkSavePasswords ? std::string_view(controls_.*setting.text)
                                                    : std::string_view());
    }
  }
  write("chkSavePasswords", controls_.chkSavePasswords ? "1" : "0");
  write("chkFriendlyFire", controls_.chkFriendlyFire ? "1" : "0");
  return entries;
}

platform::Status MainWindow::UlozitNastaveni() {
  return store_.WriteAll(kApplication, SavedEntries());
}

void MainWindow::SmazatNastaveni() { controls_ = DefaultSettings(); }

}  // namespace hostdeck
