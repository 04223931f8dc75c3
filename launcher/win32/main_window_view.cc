#include "win32/main_window_view.h"

#include "gui/forms.h"
#include "win32/picture.h"
#include "win32/resources.h"

namespace hostdeck::win32 {
namespace {

// The buttons whose handlers only need the controls read before and shown after.
struct Handler {
  std::string_view control;
  void (MainWindow::*handler)();
};

constexpr Handler kHandlers[] = {
    {"cmdBrowseMaps", &MainWindow::cmdBrowseMaps_Click},
    {"cmdManage", &MainWindow::cmdManage_Click},
    {"cmdMode", &MainWindow::cmdMode_Click},
    {"cmdSetPath", &MainWindow::cmdSetPath_Click},
    {"cmdAbout", &MainWindow::cmdAbout_Click},
    {"lblClear", &MainWindow::lblClear_Click},
};

}  // namespace

MainWindowView::MainWindowView(MainWindow& model)
    : ui::win32::FormWindow(gui::InterfaceForm()),
      model_(model),
      banner_(LoadBitmapResource(IDB_BANNER)) {}

ui::win32::TextBoxInput MainWindowView::InputOf(std::string_view name) const {
  const Setting* setting = FindSetting(name);
  if (setting == nullptr) return {};
  return {setting->input_limit, setting->password, setting->locked};
}

void MainWindowView::OnLoad() {
  model_.Form_Load();
  ShowModel();
}

void MainWindowView::ReadModel() {
  ServerSettings& controls = model_.controls();
  for (const Setting& setting : SettingsTable()) {
    if (setting.text != nullptr) controls.*setting.text = Text(setting.key);
    if (setting.tick != nullptr) controls.*setting.tick = Ticked(setting.key);
  }
}

void MainWindowView::ShowModel() {
  const ServerSettings& controls = model_.controls();
  for (const Setting& setting : SettingsTable()) {
    if (setting.text != nullptr) SetText(setting.key, controls.*setting.text);
    if (setting.tick != nullptr) SetTicked(setting.key, controls.*setting.tick);
  }
}

void MainWindowView::OnClick(std::string_view name) {
  ReadModel();
  if (name == "cmdLaunch") {
    bool started = model_.cmdLaunch_Click().has_value();
    ShowModel();
    if (started) End();  // saved by the launch itself
    return;
  }
  if (name == "cmdExit") {
    model_.cmdExit_Click();
    return End();
  }
  for (const Handler& handler : kHandlers) {
    if (handler.control == name) (model_.*handler.handler)();
  }
  ShowModel();
}

void MainWindowView::OnCloseBox() { SaveAndEnd(); }

void MainWindowView::SaveAndEnd() {
  ReadModel();
  model_.Form_QueryUnload();
  End();
}

void MainWindowView::End() { DestroyWindow(hwnd()); }

void MainWindowView::OnDrawPicture(std::string_view name, HDC dc, const RECT& area) {
  if (name == "Image1") DrawStretched(dc, area, banner_);
}

LRESULT MainWindowView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ENDSESSION:
      // Logging off or shutting down closes the window without WM_CLOSE.
      if (wparam) SaveAndEnd();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return ui::win32::FormWindow::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace hostdeck::win32
