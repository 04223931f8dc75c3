#include <windows.h>

#include "platform/settings_store.h"
#include "windows/win_status.h"

namespace platform {
namespace {

std::string KeyPath(std::string_view application, std::string_view section) {
  return "Software\\VB and VBA Program Settings\\" + std::string(application) + "\\" +
         std::string(section);
}

class RegistrySettingsStore final : public SettingsStore {
 public:
  std::string Read(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view default_value) const override {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                      &handle) != ERROR_SUCCESS) {
      return std::string(default_value);
    }
    std::string name(key);
    std::string value;
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size);
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
      value.resize(size);
      result = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(value.data()), &size);
      if (result == ERROR_SUCCESS) break;
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::string(default_value);
    }
    value.resize(size);
    if (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
  }

 private:
  Status WriteChecked(std::string_view application, std::string_view section, std::string_view key,
                      std::string_view value) override {
    HKEY handle;
    LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0,
                                  nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (result != ERROR_SUCCESS) {
      return WindowsErrorStatus("Cannot open the settings of " + std::string(application),
                                static_cast<DWORD>(result));
    }
    std::string data(value);
    result = RegSetValueExA(handle, std::string(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1));
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) {
      return WindowsErrorStatus("Cannot store " + std::string(key), static_cast<DWORD>(result));
    }
    return Status::Ok();
  }
};

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForCurrentUser() {
  return std::make_unique<RegistrySettingsStore>();
}

}  // namespace platform
