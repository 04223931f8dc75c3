#include "platform/settings_store.h"

#include <algorithm>
#include <string>

namespace platform {
namespace {

// Characters that neither the registry path nor an INI line could carry in a name.
bool IsAddressableName(std::string_view name) {
  if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '[' || c == ']' || c == '=';
  });
}

}  // namespace

Status SettingsStore::Write(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view value) {
  for (std::string_view name : {application, section, key}) {
    if (!IsAddressableName(name)) {
      return Status::Error("The settings name \"" + std::string(name) +
                           "\" cannot be stored: it must not be empty, start or end with a "
                           "blank, or contain control characters, \\, [, ] or =.");
    }
  }
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return Status::Error("The value of " + std::string(key) +
                         " cannot be stored: it contains a line break or a NUL character.");
  }
  return WriteChecked(application, section, key, value);
}

}  // namespace platform
