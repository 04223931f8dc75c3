// WindowsUi: the core's UiPort as Windows shows it: message boxes titled with
// the main window's caption, and the dialogs as modal windows over whichever
// of our windows is active.
#pragma once

#include "core/ui_port.h"

namespace hostdeck::win32 {

class WindowsUi : public UiPort {
 public:
  void ShowMessage(const Message& message) override;
  bool AskYesNo(std::string_view question) override;
  void ShowMapDialog(MapDialog& dialog) override;
  void ShowModeDialog(ModeDialog& dialog) override;
  void ShowPathDialog(PathDialog& dialog) override;
  void ShowAboutDialog() override;
};

}  // namespace hostdeck::win32
