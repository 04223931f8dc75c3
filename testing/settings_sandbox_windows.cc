#include <windows.h>

#include "testing/settings_sandbox.h"

namespace testing_support {
namespace {

void DeleteApplicationKey(const std::string& application) {
  std::string path = "Software\\VB and VBA Program Settings\\" + application;
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

}  // namespace

struct SettingsSandbox::State {};

SettingsSandbox::SettingsSandbox(std::string application)
    : application_(std::move(application)), state_(std::make_unique<State>()) {
  DeleteApplicationKey(application_);
}

SettingsSandbox::~SettingsSandbox() { DeleteApplicationKey(application_); }

std::string SettingsSandbox::config_home() const { return {}; }

}  // namespace testing_support
