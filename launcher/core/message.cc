#include "core/message.h"

namespace hostdeck {

Message ServerStartFailed(std::string_view reason) {
  return {"Starting the dedicated server failed.\n" + std::string(reason), Icon::kCritical};
}

Message SettingsNotSaved(std::string_view reason) {
  return {"Saving the settings failed.\n" + std::string(reason), Icon::kCritical};
}

}  // namespace hostdeck
