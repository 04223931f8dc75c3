// Window: the base of every window of ours. One window procedure finds the
// object (kept in the window's user data from WM_NCCREATE on) and forwards
// each message to its virtual HandleMessage; no window state lives in globals.
#pragma once

#include <windows.h>

namespace ui::win32 {

// The resource identifier of a program's own icon, which every window's class
// carries (a program without one gets the system's).
inline constexpr int kProgramIconId = 1;

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it is still there.
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers `class_name` with the program's icon on first use and creates a
  // top-level window. False when Windows refuses.
  bool CreateTopLevel(const char* class_name, const char* caption, DWORD style, DWORD ex_style,
                      HWND owner);

  // Gets every message from WM_NCCREATE to WM_NCDESTROY; the default passes it
  // on to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
};

}  // namespace ui::win32
