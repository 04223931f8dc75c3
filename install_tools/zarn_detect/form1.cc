#include "zarn_detect/form1.h"

#include "zarn_detect/form1_layout.h"

namespace zarn_detect {
namespace {

constexpr char kClassName[] = "ZARNDetectForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The DPI of the window's monitor where Windows can tell it (Windows 10 on),
// else that of the screen.
int DpiOf(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static auto get_dpi_for_window = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (get_dpi_for_window != nullptr) {
    if (UINT dpi = get_dpi_for_window(window); dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void Place(HWND control, const PixelRect& rect) {
  MoveWindow(control, rect.left, rect.top, rect.width, rect.height, TRUE);
}

}  // namespace

int Form1::ShowMessage(HINSTANCE instance, const std::string& message) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);

  Form1 form(message);
  if (CreateWindowExA(0, kClassName, "ZARN", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, nullptr, nullptr, instance, &form) == nullptr) {
    return 1;
  }
  ShowWindow(form.window_, SW_SHOWNORMAL);
  SetFocus(form.cmdOk_);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Gives Enter and Esc to the buttons, as in a dialog.
    if (!IsDialogMessageA(form.window_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return 0;
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return form->HandleMessage(message, wparam, lparam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      Form_Load();
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) cmdOk_Click();
      return 0;
    case WM_DPICHANGED: {
      Layout(HIWORD(wparam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window_, message, wparam, lparam);
  }
}

void Form1::Form_Load() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
  lblPopis_ = CreateWindowExA(0, "STATIC", message_.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0,
                              0, 0, window_, nullptr, instance, nullptr);
  cmdOk_ = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                           0, 0, 0, 0, window_, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
  int dpi = DpiOf(window_);
  Layout(dpi);
  RECT frame;
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr,
               CentredStart(GetSystemMetrics(SM_CXSCREEN), frame.right - frame.left),
               CentredStart(GetSystemMetrics(SM_CYSCREEN), frame.bottom - frame.top), 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void Form1::cmdOk_Click() { DestroyWindow(window_); }

void Form1::Layout(int dpi) {
  Form1Layout layout = LayoutForm1(dpi);
  font_.reset(CreateFontA(layout.font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, "Tahoma"));
  RECT frame = {0, 0, layout.client_width, layout.client_height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  for (HWND control : {lblPopis_, cmdOk_}) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  Place(lblPopis_, layout.lblPopis);
  Place(cmdOk_, layout.cmdOk);
}

}  // namespace zarn_detect
