// MapDialogView: the map selection dialog (frmMap) on the screen, over its
// core model MapDialog.
#pragma once

#include "core/map_dialog.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class MapDialogView : public ui::win32::FormWindow {
 public:
  // REQUIRES: `dialog` is loaded and outlives the window.
  explicit MapDialogView(MapDialog& dialog);

 protected:
  void OnLoad() override { ShowModel(); }
  void OnClick(std::string_view name) override;
  void OnListSelect(std::string_view name, int index) override;
  void OnListDoubleClick(std::string_view name, int index) override;

 private:
  FileList& List(std::string_view name);
  void ShowModel();
  void Ok();

  MapDialog& dialog_;
};

}  // namespace hostdeck::win32
