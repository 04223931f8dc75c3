#include "core/message.h"

namespace hostdeck {

Message ServerStartFailed(std::string_view reason) {
  return {"Starting the dedicated server failed.\n" + std::string(reason), Icon::kCritical};
}

Message SettingsNotSaved(std::string_view reason) {
  return {"Saving the settings failed.\n" + std::string(reason), Icon::kCritical};
}

Message SettingsUnreadable(std::string_view reason) {
  return {
      "The stored settings cannot be read; they are left as they are and nothing is saved "
      "over them.\n" +
          std::string(reason),
      Icon::kCritical};
}

}  // namespace hostdeck
