// PathWindow: the game folder dialog (frmPath) over its core model.
#pragma once

#include "core/path_dialog.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class PathWindow : public ui::win32::FormWindow {
 public:
  // REQUIRES: `dialog` is loaded and outlives the window.
  explicit PathWindow(PathDialog& dialog);

 protected:
  void OnLoad() override { SetText("txtPath", dialog_.txtPath()); }
  void OnClick(std::string_view name) override;

 private:
  PathDialog& dialog_;
};

}  // namespace hostdeck::win32
