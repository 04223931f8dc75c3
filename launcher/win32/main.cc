// Hostdeck.exe: the main window over the core, and the message loop.
#include <windows.h>

#include <memory>

#include "core/main_window.h"
#include "platform/own_folder.h"
#include "platform/settings_store.h"
#include "win32/main_window_view.h"
#include "win32/windows_ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::unique_ptr<platform::SettingsStore> store = platform::SettingsStore::ForCurrentUser();
  hostdeck::win32::WindowsUi ui;
  hostdeck::MainWindow model(*store, platform::OwnFolder(), ui);
  hostdeck::win32::MainWindowView window(model);
  if (!window.Open(nullptr)) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window.hwnd() == nullptr || !IsDialogMessageA(window.hwnd(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
