// MainWindowView: Hostdeck's main window (frmInterface) on the screen, over
// its core model MainWindow. Before a handler runs it copies what the operator
// typed into the model; afterwards it shows the model's texts and ticks again.
// It ends the program when the model says so: after a launch that started the
// server, on Exit, and on every kind of closing, which saves as Exit does.
#pragma once

#include "core/main_window.h"
#include "ui/win32/form_window.h"

namespace hostdeck::win32 {

class MainWindowView : public ui::win32::FormWindow {
 public:
  // REQUIRES: `model` outlives the window.
  explicit MainWindowView(MainWindow& model);

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }
  DWORD ExStyle() const override { return WS_EX_CONTROLPARENT | WS_EX_APPWINDOW; }
  ui::win32::TextBoxInput InputOf(std::string_view name) const override;
  void OnLoad() override;
  void OnClick(std::string_view name) override;
  void OnCloseBox() override;
  void OnDrawPicture(std::string_view name, HDC dc, const RECT& area) override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void ReadModel();
  void ShowModel();
  void SaveAndEnd();
  void End();

  MainWindow& model_;
  ui::win32::Bitmap banner_;
};

}  // namespace hostdeck::win32
