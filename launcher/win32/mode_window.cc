#include "win32/mode_window.h"

#include "gui/forms.h"

namespace hostdeck::win32 {

ModeWindow::ModeWindow(ModeDialog& dialog)
    : ui::win32::FormWindow(gui::ModesForm()), dialog_(dialog) {}

void ModeWindow::OnLoad() {
  ShowList("filModes", dialog_.filModes().names(), dialog_.filModes().selected_index());
}

void ModeWindow::Ok() {
  if (dialog_.cmdOk_Click()) Close();
}

void ModeWindow::OnClick(std::string_view name) {
  if (name == "cmdOk") Ok();
  if (name == "cmdCancel") Close();
}

void ModeWindow::OnListSelect(std::string_view, int index) { dialog_.filModes().Select(index); }

void ModeWindow::OnListDoubleClick(std::string_view, int index) {
  dialog_.filModes().Select(index);
  Ok();
}

}  // namespace hostdeck::win32
