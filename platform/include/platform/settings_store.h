// SettingsStore: the per-user store of string values addressed by application,
// section and key, whose names compare without regard to case.
//
// Windows keeps them in the registry under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// where earlier tools kept them, so an operator's settings carry over. POSIX keeps
// one INI file per application, ${XDG_CONFIG_HOME:-$HOME/.config}/<application>/settings.ini,
// replaced atomically on every write and readable only by its owner.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The store of the user running this program.
  static std::unique_ptr<SettingsStore> ForCurrentUser();

  // The stored value, byte for byte, or default_value when the key is absent or
  // the store cannot be read.
  virtual std::string Read(std::string_view application, std::string_view section,
                           std::string_view key, std::string_view default_value) const = 0;

  // Stores value under the key. A value the store cannot hold whole (a line break
  // or a NUL) and a name it cannot address are refused; nothing is then written.
  Status Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value);

 private:
  // Called with names and value already checked.
  virtual Status WriteChecked(std::string_view application, std::string_view section,
                              std::string_view key, std::string_view value) = 0;
};

}  // namespace platform
