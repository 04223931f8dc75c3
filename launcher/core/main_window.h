// MainWindow: the model of Hostdeck's main window (frmInterface). It holds the
// texts and ticks of the setting controls and runs every handler; the Win32
// window and hostdeck-cli only mirror the controls, forward clicks, and end the
// program when a handler says so. Messages, the "Clear all" question and the
// dialogs reach the operator through the UiPort.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/server_command_line.h"
#include "core/server_settings.h"
#include "core/ui_port.h"
#include "platform/settings_store.h"
#include "platform/status.h"

namespace hostdeck {

// A launch whose every check passed: the game folder it was checked against
// and the values its server URL is made of.
struct PreparedLaunch {
  std::string game_folder;
  LaunchValues values;
};

// What "Launch server" came to.
struct LaunchOutcome {
  // Every check passed, so the settings were saved and the server's start was
  // tried; false when a check refused, and then nothing was saved or started.
  bool checked = false;
  // The save before the start; a failure has been reported.
  platform::Status saved;
  // The launch whose server started; nothing when it was refused or the start
  // failed (reported).
  std::optional<PreparedLaunch> started;
};

class MainWindow {
 public:
  // `own_folder`: the folder that holds the running program (MapList, Modes).
  MainWindow(platform::SettingsStore& store, std::string own_folder, UiPort& ui);

  // The controls. Front ends write what the operator types and show what the
  // handlers leave; the map and mode boxes are locked against typing.
  ServerSettings& controls() { return controls_; }
  const ServerSettings& controls() const { return controls_; }

  // Loads the settings; settings that cannot be read are reported first (the
  // controls then show the defaults, and the store refuses every save).
  void Form_Load();

  // The launch up to the save: every check in its order, the first failing
  // one reporting; fills the launch values. Control texts that a step tidies
  // (the sabotage map, the title, a time of "00") keep their new texts even
  // when a later step refuses. Saves and starts nothing.
  std::optional<PreparedLaunch> PrepareLaunch();

  // "Launch server": PrepareLaunch, then save and start the server. Once the
  // server has started the program ends without saving again; when a check
  // refused or a value could not be stored, the window stays and nothing is
  // saved; when the start failed (reported), the window stays with the
  // settings saved.
  LaunchOutcome cmdLaunch_Click();

  // "Exit", and any closing of the window: saves; the caller then ends the
  // program. A failed save is reported first.
  void cmdExit_Click();
  void Form_QueryUnload() { cmdExit_Click(); }

  // "Clear all": asks, and on Yes puts every control back to its default.
  void lblClear_Click();

  // "Choose map...": the map dialog, once the game folder is valid.
  void cmdBrowseMaps_Click();
  // "Choose mode...": the mode dialog; nothing is tested first.
  void cmdMode_Click();
  // "Set ZARN path...": the game folder dialog.
  void cmdSetPath_Click();
  // "Manage unofficial maps": starts the game's map manager, untested.
  void cmdManage_Click();
  // "About...".
  void cmdAbout_Click();

  // The settings store, read into and written from the controls; a save is
  // one WriteAll of every key.
  void NacistNastaveni();
  platform::Status UlozitNastaveni();
  void SmazatNastaveni();

 private:
  // Shows `message` and answers nothing, for the refusing steps.
  std::nullopt_t Refuse(const Message& message);
  // What UlozitNastaveni writes: every control into its key, in the store's order.
  std::vector<platform::SettingsStore::Entry> SavedEntries() const;

  platform::SettingsStore& store_;
  std::string own_folder_;
  UiPort& ui_;
  ServerSettings controls_;
};

}  // namespace hostdeck
