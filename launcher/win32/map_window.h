// MapWindow: the map selection dialog (frmMap) over its core model.
#pragma once

#include "core/map_dialog.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class MapWindow : public ui::win32::FormWindow {
 public:
  // REQUIRES: `dialog` is loaded and outlives the window.
  explicit MapWindow(MapDialog& dialog);

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
