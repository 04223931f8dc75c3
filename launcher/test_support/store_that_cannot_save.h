// StoreThatCannotSave: the real settings store as tests see it, except that
// every save fails as on a full disk, so a test can reach what follows a failed
// save. Its lock is its own and keeps nobody out.
#pragma once

#include <memory>
#include <string>

#include "platform/settings_store.h"

namespace hostdeck {

class StoreThatCannotSave final : public platform::SettingsStore {
 public:
  explicit StoreThatCannotSave(platform::SettingsStore& real) : real_(real) {}

 private:
  platform::Status CheckReadableChecked(std::string_view application) const override {
    return real_.CheckReadable(application);
  }
  std::string ReadChecked(std::string_view application, std::string_view section,
                          std::string_view key, std::string_view default_value) const override {
    return real_.Read(application, section, key, default_value);
  }
  platform::Status WriteAllChecked(std::string_view, std::span<const Entry>) override {
    return platform::Status::Error("Cannot write settings.ini: No space left on device");
  }
  std::unique_ptr<SystemLock> TryLockChecked(std::string_view, platform::Status* status) override {
    *status = platform::Status::Ok();
    return std::make_unique<SystemLock>();
  }

  platform::SettingsStore& real_;
};

}  // namespace hostdeck
