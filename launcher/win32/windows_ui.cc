#include "win32/windows_ui.h"

#include <windows.h>

#include <string>

#include "win32/about_dialog_view.h"
#include "win32/map_dialog_view.h"
#include "win32/mode_dialog_view.h"
#include "win32/path_dialog_view.h"

namespace hostdeck::win32 {
namespace {

int Box(std::string_view text, UINT type) {
  std::string caption(kCaption);
  return MessageBoxA(GetActiveWindow(), std::string(text).c_str(), caption.c_str(), type);
}

}  // namespace

void WindowsUi::ShowMessage(const Message& message) {
  Box(message.text,
      MB_OK | (message.icon == hostdeck::Icon::kWarning ? MB_ICONEXCLAMATION : MB_ICONSTOP));
}

bool WindowsUi::AskYesNo(std::string_view question) {
  return Box(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void WindowsUi::ShowMapDialog(MapDialog& dialog) {
  MapDialogView(dialog).ShowModal(GetActiveWindow());
}

void WindowsUi::ShowModeDialog(ModeDialog& dialog) {
  ModeDialogView(dialog).ShowModal(GetActiveWindow());
}

void WindowsUi::ShowPathDialog(PathDialog& dialog) {
  PathDialogView(dialog).ShowModal(GetActiveWindow());
}

void WindowsUi::ShowAboutDialog() { AboutDialogView().ShowModal(GetActiveWindow()); }

}  // namespace hostdeck::win32
