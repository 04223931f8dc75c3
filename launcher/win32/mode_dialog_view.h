// ModeDialogView: the game mode selection dialog (frmModes) on the screen, over
// its core model ModeDialog.
#pragma once

#include "core/mode_dialog.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class ModeDialogView : public ui::win32::FormWindow {
 public:
  // REQUIRES: `dialog` is loaded and outlives the window.
  explicit ModeDialogView(ModeDialog& dialog);

 protected:
  void OnLoad() override;
  void OnClick(std::string_view name) override;
  void OnListSelect(std::string_view name, int index) override;
  void OnListDoubleClick(std::string_view name, int index) override;

 private:
  void Ok();

  ModeDialog& dialog_;
};

}  // namespace hostdeck::win32
