// AboutDialogView: the About dialog (frmAbout) on the screen; it needs no core
// model, for it gives nothing back. Its one secret is the reveal of the
// authorship picture, when the code word is typed into the unseen text box and
// Close is pressed with the right mouse button.
#pragma once

#include <string>

#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class AboutDialogView : public ui::win32::FormWindow {
 public:
  AboutDialogView();

 protected:
  void OnLoad() override;
  void OnClick(std::string_view name) override;
  void OnDrawPicture(std::string_view name, HDC dc, const RECT& area) override;

 private:
  static LRESULT CALLBACK CloseButtonProcedure(HWND button, UINT message, WPARAM wparam,
                                               LPARAM lparam, UINT_PTR id, DWORD_PTR self);
  // The loading steps, run when the dialog opens and again after a reveal.
  void Load();
  void Reveal();

  std::string code_word_;
  ui::win32::Bitmap authorship_;
};

}  // namespace hostdeck::win32
