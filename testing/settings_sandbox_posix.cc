#include <cstdlib>

#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"

namespace testing_support {

struct SettingsSandbox::State {
  TempDir config_home;
  bool had_previous = false;
  std::string previous;
};

SettingsSandbox::SettingsSandbox(std::string application)
    : application_(std::move(application)), state_(std::make_unique<State>()) {
  if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
    state_->had_previous = true;
    state_->previous = previous;
  }
  setenv("XDG_CONFIG_HOME", state_->config_home.str().c_str(), 1);
}

SettingsSandbox::~SettingsSandbox() {
  if (state_->had_previous) {
    setenv("XDG_CONFIG_HOME", state_->previous.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

std::string SettingsSandbox::config_home() const { return state_->config_home.str(); }

void SettingsSandbox::MakeUnreadable() const {
  std::filesystem::path file = state_->config_home.path() / application_ / "settings.ini";
  std::filesystem::remove(file);
  std::filesystem::create_directories(file);
}

}  // namespace testing_support
