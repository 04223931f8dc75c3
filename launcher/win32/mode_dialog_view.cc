#include "win32/mode_dialog_view.h"

#include "gui/forms.h"

namespace hostdeck::win32 {

ModeDialogView::ModeDialogView(ModeDialog& dialog)
    : ui::win32::FormWindow(gui::ModesForm()), dialog_(dialog) {}

void ModeDialogView::OnLoad() {
  ShowList("filModes", dialog_.filModes().names(), dialog_.filModes().selected_index());
}

void ModeDialogView::Ok() {
  if (dialog_.cmdOk_Click()) Close();
}

void ModeDialogView::OnClick(std::string_view name) {
  if (name == "cmdOk") Ok();
  if (name == "cmdCancel") Close();
}

void ModeDialogView::OnListSelect(std::string_view, int index) { dialog_.filModes().Select(index); }

void ModeDialogView::OnListDoubleClick(std::string_view, int index) {
  dialog_.filModes().Select(index);
  Ok();
}

}  // namespace hostdeck::win32
