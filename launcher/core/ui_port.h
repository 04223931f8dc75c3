// UiPort: how the models reach the operator. The Win32 windows implement it
// with message boxes and modal dialogs, hostdeck-cli with stderr and its
// arguments. Every call is modal: it returns once the operator is done.
#pragma once

#include <string_view>

#include "core/message.h"

namespace hostdeck {

class MapDialog;
class ModeDialog;
class PathDialog;

class UiPort {
 public:
  virtual ~UiPort() = default;

  // A message box with kCaption as title, the message's icon and OK.
  virtual void ShowMessage(const Message& message) = 0;
  // A question with kCaption as title, the question icon, Yes and No; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;

  // Each dialog arrives loaded. The front end shows it, mirrors its controls,
  // forwards clicks to it and closes it when an OK handler says so; Cancel and
  // the close box just close it.
  virtual void ShowMapDialog(MapDialog& dialog) = 0;
  virtual void ShowModeDialog(ModeDialog& dialog) = 0;
  virtual void ShowPathDialog(PathDialog& dialog) = 0;
  virtual void ShowAboutDialog() = 0;
};

}  // namespace hostdeck
