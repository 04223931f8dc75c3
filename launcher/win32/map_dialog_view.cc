#include "win32/map_dialog_view.h"

#include "gui/forms.h"

namespace hostdeck::win32 {

MapDialogView::MapDialogView(MapDialog& dialog)
    : ui::win32::FormWindow(gui::MapForm()), dialog_(dialog) {}

FileList& MapDialogView::List(std::string_view name) {
  return name == "lstOfficial" ? dialog_.lstOfficial() : dialog_.filUnofficial();
}

void MapDialogView::ShowModel() {
  SetTicked("optOfficial", dialog_.optOfficial());
  SetTicked("optUnofficial", !dialog_.optOfficial());
  Enable("optUnofficial", dialog_.optUnofficial_enabled());
  for (std::string_view name : {"lstOfficial", "filUnofficial"}) {
    ShowList(name, List(name).names(), List(name).selected_index());
    Enable(name, List(name).enabled());
  }
}

void MapDialogView::Ok() {
  if (dialog_.cmdOk_Click()) {
    Close();
  } else {
    ShowModel();
  }
}

void MapDialogView::OnClick(std::string_view name) {
  if (name == "optOfficial") {
    dialog_.optOfficial_Click();
  } else if (name == "optUnofficial" && dialog_.optUnofficial_enabled()) {
    dialog_.optUnofficial_Click();
  } else if (name == "cmdOk") {
    return Ok();
  } else if (name == "cmdCancel") {
    return Close();
  }
  ShowModel();
}

void MapDialogView::OnListSelect(std::string_view name, int index) { List(name).Select(index); }

void MapDialogView::OnListDoubleClick(std::string_view name, int index) {
  List(name).Select(index);
  Ok();
}

}  // namespace hostdeck::win32
