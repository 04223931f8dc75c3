// PathDialogView: the game folder dialog (frmPath) on the screen, over its
// core model PathDialog.
#pragma once

#include "core/path_dialog.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class PathDialogView : public ui::win32::FormWindow {
 public:
  // REQUIRES: `dialog` is loaded and outlives the window.
  explicit PathDialogView(PathDialog& dialog);

 protected:
  void OnLoad() override { SetText("txtPath", dialog_.txtPath()); }
  void OnClick(std::string_view name) override;

 private:
  PathDialog& dialog_;
};

}  // namespace hostdeck::win32
