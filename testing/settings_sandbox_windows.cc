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

void SettingsSandbox::MakeUnreadable() const {
  std::string path = "Software\\VB and VBA Program Settings\\" + application_ + "\\" + application_;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  DWORD number = 7777;
  RegSetValueExA(key, "txtPort", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof(number));
  RegCloseKey(key);
}

}  // namespace testing_support
