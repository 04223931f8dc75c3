#include "win32/about_dialog_view.h"

#include <commctrl.h>

#include "gui/code_word.h"
#include "gui/forms.h"
#include "win32/picture.h"
#include "win32/resources.h"

namespace hostdeck::win32 {

AboutDialogView::AboutDialogView()
    : ui::win32::FormWindow(gui::AboutForm()), authorship_(LoadBitmapResource(IDB_AUTHORSHIP)) {}

void AboutDialogView::OnLoad() {
  ShowWindow(Control("imgPravost"), SW_HIDE);
  SetWindowSubclass(Control("cmdOk"), &AboutDialogView::CloseButtonProcedure, 0,
                    reinterpret_cast<DWORD_PTR>(this));
  Load();
}

void AboutDialogView::Load() {
  Centre();
  code_word_ = gui::BuildCodeWord(Text("lblThree"));
}

void AboutDialogView::Reveal() {
  if (Text("txtNeviditelny") != code_word_) return;
  SetOuterHeight(gui::kAboutRevealedHeightTwips);
  ShowWindow(Control("imgPravost"), SW_SHOW);
  Load();
}

void AboutDialogView::OnClick(std::string_view name) {
  if (name == "cmdOk") Close();
}

void AboutDialogView::OnDrawPicture(std::string_view name, HDC dc, const RECT& area) {
  if (name == "imgIkona") DrawProgramIcon(dc, area);
  if (name == "imgPravost") DrawStretched(dc, area, authorship_);
}

LRESULT CALLBACK AboutDialogView::CloseButtonProcedure(HWND button, UINT message, WPARAM wparam,
                                                       LPARAM lparam, UINT_PTR id, DWORD_PTR self) {
  if (message == WM_RBUTTONDOWN) reinterpret_cast<AboutDialogView*>(self)->Reveal();
  if (message == WM_NCDESTROY) RemoveWindowSubclass(button, &CloseButtonProcedure, id);
  return DefSubclassProc(button, message, wparam, lparam);
}

}  // namespace hostdeck::win32
