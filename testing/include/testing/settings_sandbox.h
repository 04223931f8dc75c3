// SettingsSandbox: a test's own view of the real per-user settings store, empty
// for `application` at the start and cleaned up at the end. POSIX points
// XDG_CONFIG_HOME at a temporary folder; Windows clears the application's
// registry key (the Wine prefix of the test run is the project's own).
#pragma once

#include <memory>
#include <string>

namespace testing_support {

class SettingsSandbox {
 public:
  explicit SettingsSandbox(std::string application);
  ~SettingsSandbox();
  SettingsSandbox(const SettingsSandbox&) = delete;
  SettingsSandbox& operator=(const SettingsSandbox&) = delete;

  // The folder that XDG_CONFIG_HOME names during the test; empty on Windows.
  std::string config_home() const;

  // Leaves the application's stored settings in a state the store cannot read:
  // a folder in the place of the POSIX settings file, a value that is not text
  // among the Windows registry values.
  void MakeUnreadable() const;

 private:
  struct State;
  std::string application_;
  std::unique_ptr<State> state_;
};

}  // namespace testing_support
