#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

// Functions of newer Windows versions, looked up so that the program still
// starts where they are missing.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

int DpiOfWindow(HWND hwnd) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static auto get_dpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi != nullptr) {
    if (UINT dpi = get_dpi(hwnd); dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

Size OuterSize(const Size& client, DWORD style, DWORD ex_style, int dpi) {
  RECT rect = {0, 0, client.width, client.height};
  // The frame of a PerMonitorV2 window scales with its monitor's DPI, which
  // only the ForDpi form knows; the plain form gives the system DPI's frame.
  using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto adjust = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
  if (adjust != nullptr) {
    adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace ui::win32
