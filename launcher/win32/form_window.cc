#include "win32/form_window.h"

#include <algorithm>

namespace hostdeck::win32 {
namespace {

constexpr char kFormClass[] = "HostdeckForm";
constexpr wchar_t kPasswordCharacter = L'\x2022';  // "•"

// Functions of newer Windows versions, looked up so that the program still
// starts where they are missing (it then keeps the system DPI).
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

int DpiOfWindow(HWND hwnd) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static auto get_dpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi != nullptr) {
    if (UINT dpi = get_dpi(hwnd); dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : gui::kDefaultDpi;
}

SIZE OuterSize(const gui::Size& client, DWORD style, DWORD ex_style, int dpi) {
  gui::Size pixels = gui::TwipsToPixels(client, dpi);
  RECT rect = {0, 0, pixels.width, pixels.height};
  using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto adjust = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
  if (adjust != nullptr) {
    adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

Font MakeFont(std::string_view face, int weight, int dpi) {
  std::string name(face);
  return Font(CreateFontA(gui::FontHeightPixels(gui::kFontHundredthsOfPoint, dpi), 0, 0, 0, weight,
                          FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                          name.c_str()));
}

struct ControlClass {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const gui::ControlDesign& design) {
  using enum gui::ControlKind;
  bool is_default =
      design.role == gui::ButtonRole::kDefault || design.role == gui::ButtonRole::kDefaultAndCancel;
  switch (design.kind) {
    case kLabel:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case kCentredLabel:
      return {"STATIC", SS_CENTER | SS_NOPREFIX, 0};
    case kTextBox:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case kButton:
      return {"BUTTON",
              static_cast<DWORD>(is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0};
    case kCheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case kOptionButton:
      // Not automatic: the dialog's model decides which one is selected.
      return {"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case kFileList:
      return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case kFrame:
      return {"BUTTON", BS_GROUPBOX, 0};
    case kPicture:
      return {"STATIC", SS_OWNERDRAW, 0};
  }
  return {"STATIC", 0, 0};
}

// Each new control goes below those made before it, and Tab walks them from
// the top: the controls come in tab order, then frames and pictures, which so
// lie below the controls they hold and never catch their clicks.
std::vector<size_t> CreationOrder(const gui::FormDesign& form) {
  std::vector<size_t> order(form.controls.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  auto rank = [&](size_t row) {
    const gui::ControlDesign& design = form.controls[row];
    bool behind =
        design.kind == gui::ControlKind::kFrame || design.kind == gui::ControlKind::kPicture;
    return std::pair(behind ? 1 : 0, design.tab_index);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return rank(a) < rank(b); });
  return order;
}

}  // namespace

FormWindow::FormWindow(const gui::FormDesign& form)
    : form_(form), controls_(form.controls.size()), shown_lists_(form.controls.size()) {}

bool FormWindow::Open(HWND owner) {
  std::string caption(form_.caption);
  if (!CreateTopLevel(kFormClass, caption.c_str(), Style(), ExStyle(), owner)) return false;
  dpi_ = DpiOfWindow(hwnd());
  CreateControls();
  Layout();
  SIZE outer = OuterSize(form_.client_twips, Style(), ExStyle(), dpi_);
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
  OnLoad();
  Centre();
  open_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
  return true;
}

void FormWindow::ShowModal(HWND owner) {
  if (owner != nullptr) EnableWindow(owner, FALSE);
  if (Open(owner)) {
    MSG message;
    while (open_) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
        break;
      }
      if (!IsDialogMessageA(hwnd(), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }
  // The owner is enabled before this window goes, so that it gets the activation.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

void FormWindow::Close() { open_ = false; }

HWND FormWindow::Control(std::string_view name) const {
  return controls_[static_cast<size_t>(form_.IdOf(name) - gui::kFirstControlId)];
}

std::string FormWindow::Text(std::string_view name) const {
  HWND control = Control(name);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void FormWindow::SetText(std::string_view name, std::string_view text) {
  if (Text(name) != text) SetWindowTextA(Control(name), std::string(text).c_str());
}

bool FormWindow::Ticked(std::string_view name) const {
  return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormWindow::SetTicked(std::string_view name, bool ticked) {
  SendMessageA(Control(name), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FormWindow::Enable(std::string_view name, bool enabled) {
  EnableWindow(Control(name), enabled ? TRUE : FALSE);
}

void FormWindow::ShowList(std::string_view name, const std::vector<std::string>& names,
                          int selected) {
  size_t row = static_cast<size_t>(form_.IdOf(name) - gui::kFirstControlId);
  HWND list = controls_[row];
  if (shown_lists_[row] != names) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : names) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    shown_lists_[row] = names;
  }
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FormWindow::Centre() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT window;
  GetWindowRect(hwnd(), &window);
  const RECT& screen = monitor.rcMonitor;
  gui::Rect centred = gui::Centred(
      {screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top},
      {window.right - window.left, window.bottom - window.top});
  SetWindowPos(hwnd(), nullptr, centred.left, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void FormWindow::SetOuterHeight(int twips) {
  RECT window;
  GetWindowRect(hwnd(), &window);
  SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, gui::TwipsToPixels(twips, dpi_),
               SWP_NOMOVE | SWP_NOZORDER);
}

const gui::ControlDesign* FormWindow::DesignOf(int id) const {
  int row = id - gui::kFirstControlId;
  if (row < 0 || row >= static_cast<int>(form_.controls.size())) return nullptr;
  return &form_.controls[static_cast<size_t>(row)];
}

std::string_view FormWindow::NameOf(int id) const {
  const gui::ControlDesign* design = DesignOf(id);
  return design != nullptr ? design->name : std::string_view();
}

std::string_view FormWindow::NameOfRole(gui::ButtonRole a, gui::ButtonRole b) const {
  for (const gui::ControlDesign& design : form_.controls) {
    if (design.role == a || design.role == b) return design.name;
  }
  return {};
}

void FormWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t row : CreationOrder(form_)) {
    const gui::ControlDesign& design = form_.controls[row];
    ControlClass control_class = ClassOf(design);
    DWORD style = WS_CHILD | WS_VISIBLE | control_class.style;
    auto* id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(gui::kFirstControlId + row));
    std::string caption(design.caption);
    TextBoxInput input =
        design.kind == gui::ControlKind::kTextBox ? InputOf(design.name) : TextBoxInput{};
    if (input.locked) style |= ES_READONLY;
    if (input.password) {
      // A Unicode control, so that "•" shows whatever the 8-bit code page.
      style |= ES_PASSWORD;
      controls_[row] = CreateWindowExW(control_class.ex_style, L"EDIT", L"", style, 0, 0, 0, 0,
                                       hwnd(), id, instance, nullptr);
      SendMessageW(controls_[row], EM_SETPASSWORDCHAR, kPasswordCharacter, 0);
    } else {
      controls_[row] = CreateWindowExA(control_class.ex_style, control_class.name, caption.c_str(),
                                       style, 0, 0, 0, 0, hwnd(), id, instance, nullptr);
    }
    if (input.limit > 0) SendMessageA(controls_[row], EM_LIMITTEXT, input.limit, 0);
  }
}

void FormWindow::Layout() {
  window_font_ = MakeFont(gui::kWindowFontFace, FW_NORMAL, dpi_);
  password_font_ = MakeFont(gui::kPasswordFontFace, FW_BOLD, dpi_);
  for (size_t row = 0; row < controls_.size(); ++row) {
    const gui::ControlDesign& design = form_.controls[row];
    gui::Rect at = gui::TwipsToPixels(design.twips, dpi_);
    SetWindowPos(controls_[row], nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    bool password = design.kind == gui::ControlKind::kTextBox && InputOf(design.name).password;
    HFONT font = password ? password_font_.get() : window_font_.get();
    SendMessageA(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void FormWindow::OnCommand(int id, int code) {
  // Enter and Esc arrive as IDOK and IDCANCEL from the dialog manager.
  if (id == IDOK) {
    OnClick(NameOfRole(gui::ButtonRole::kDefault, gui::ButtonRole::kDefaultAndCancel));
    return;
  }
  if (id == IDCANCEL) {
    OnClick(NameOfRole(gui::ButtonRole::kCancel, gui::ButtonRole::kDefaultAndCancel));
    return;
  }
  const gui::ControlDesign* design = DesignOf(id);
  if (design == nullptr) return;
  if (design->kind == gui::ControlKind::kFileList) {
    int index = static_cast<int>(SendMessageA(Control(design->name), LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE) OnListSelect(design->name, index);
    if (code == LBN_DBLCLK && index >= 0) OnListDoubleClick(design->name, index);
  } else if (code == BN_CLICKED && (design->kind == gui::ControlKind::kButton ||
                                    design->kind == gui::ControlKind::kCheckBox ||
                                    design->kind == gui::ControlKind::kOptionButton)) {
    OnClick(design->name);
  }
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case DM_GETDEFID: {
      // Enter presses the focused button, else the form's default button.
      int focus_id = GetDlgCtrlID(GetFocus());
      const gui::ControlDesign* focused =
          IsChild(hwnd(), GetFocus()) ? DesignOf(focus_id) : nullptr;
      int id = focused != nullptr && focused->kind == gui::ControlKind::kButton
                   ? focus_id
                   : form_.IdOf(
                         NameOfRole(gui::ButtonRole::kDefault, gui::ButtonRole::kDefaultAndCancel));
      return MAKELRESULT(id, DC_HASDEFID);
    }
    case WM_CLOSE:
      OnCloseBox();
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      OnDrawPicture(NameOf(static_cast<int>(item->CtlID)), item->hDC, item->rcItem);
      return TRUE;
    }
    case WM_ACTIVATE:
      // Keep the focus on its control across message boxes and dialogs.
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd(), focus)) focus_ = focus;
      } else if (focus_ != nullptr && IsWindow(focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      dpi_ = LOWORD(wparam);
      Layout();
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace hostdeck::win32
