#include "win32/windows_ui.h"

#include <windows.h>

#include <string>

#include "win32/about_window.h"
#include "win32/map_window.h"
#include "win32/mode_window.h"
#include "win32/path_window.h"

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

void WindowsUi::ShowMapDialog(MapDialog& dialog) { MapWindow(dialog).ShowModal(GetActiveWindow()); }

void WindowsUi::ShowModeDialog(ModeDialog& dialog) {
  ModeWindow(dialog).ShowModal(GetActiveWindow());
}

void WindowsUi::ShowPathDialog(PathDialog& dialog) {
  PathWindow(dialog).ShowModal(GetActiveWindow());
}

void WindowsUi::ShowAboutDialog() { AboutWindow().ShowModal(GetActiveWindow()); }

}  // namespace hostdeck::win32
