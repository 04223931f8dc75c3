#include "win32/path_dialog_view.h"

#include "gui/forms.h"

namespace hostdeck::win32 {

PathDialogView::PathDialogView(PathDialog& dialog)
    : ui::win32::FormWindow(gui::PathForm()), dialog_(dialog) {}

void PathDialogView::OnClick(std::string_view name) {
  if (name == "cmdOk") {
    dialog_.txtPath() = Text("txtPath");
    bool stored = dialog_.cmdOk_Click();
    SetText("txtPath", dialog_.txtPath());  // the operator sees a cut separator
    if (stored) Close();
  }
  if (name == "cmdCancel") Close();
}

}  // namespace hostdeck::win32
