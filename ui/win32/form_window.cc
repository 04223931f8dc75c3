#include "ui/win32/form_window.h"

#include <algorithm>

#include "ui/win32/dpi.h"

namespace ui::win32 {
namespace {

constexpr wchar_t kPasswordCharacter = L'\x2022';  // "•"

Font MakeFont(std::string_view face, int weight, int dpi) {
  std::string name(face);
  return Font(CreateFontA(FontHeightPixels(kFontHundredthsOfPoint, dpi), 0, 0, 0, weight, FALSE,
                          FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, name.c_str()));
}

struct ControlClass {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const ControlDesign& design) {
  using enum ControlKind;
  bool is_default =
      design.role == ButtonRole::kDefault || design.role == ButtonRole::kDefaultAndCancel;
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
std::vector<size_t> CreationOrder(const FormDesign& form) {
  std::vector<size_t> order(form.controls.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  auto rank = [&](size_t row) {
    const ControlDesign& design = form.controls[row];
    bool behind = design.kind == ControlKind::kFrame || design.kind == ControlKind::kPicture;
    return std::pair(behind ? 1 : 0, design.tab_index);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return rank(a) < rank(b); });
  return order;
}

}  // namespace

FormWindow::FormWindow(const FormDesign& form)
    : form_(form), controls_(form.controls.size()), shown_lists_(form.controls.size()) {}

bool FormWindow::Open(HWND owner) {
  std::string window_class(form_.window_class), caption(form_.caption);
  if (!CreateTopLevel(window_class.c_str(), caption.c_str(), Style(), ExStyle(), owner)) {
    return false;
  }
  dpi_ = DpiOfWindow(hwnd());
  CreateControls();
  Layout();
  Size outer = OuterSize(TwipsToPixels(form_.client_twips, dpi_), Style(), ExStyle(), dpi_);
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER);
  OnLoad();
  Centre();
  open_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
  return true;
}

bool FormWindow::ShowModal(HWND owner) {
  if (owner != nullptr) EnableWindow(owner, FALSE);
  bool opened = Open(owner);
  if (opened) {
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
  return opened;
}

void FormWindow::Close() { open_ = false; }

HWND FormWindow::Control(std::string_view name) const {
  return controls_[static_cast<size_t>(form_.IdOf(name) - kFirstControlId)];
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
  size_t row = static_cast<size_t>(form_.IdOf(name) - kFirstControlId);
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
  Rect centred =
      Centred({screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top},
              {window.right - window.left, window.bottom - window.top});
  SetWindowPos(hwnd(), nullptr, centred.left, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void FormWindow::SetOuterHeight(int twips) {
  RECT window;
  GetWindowRect(hwnd(), &window);
  SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, TwipsToPixels(twips, dpi_),
               SWP_NOMOVE | SWP_NOZORDER);
}

const ControlDesign* FormWindow::DesignOf(int id) const {
  int row = id - kFirstControlId;
  if (row < 0 || row >= static_cast<int>(form_.controls.size())) return nullptr;
  return &form_.controls[static_cast<size_t>(row)];
}

std::string_view FormWindow::NameOf(int id) const {
  const ControlDesign* design = DesignOf(id);
  return design != nullptr ? design->name : std::string_view();
}

std::string_view FormWindow::NameOfRole(ButtonRole a, ButtonRole b) const {
  for (const ControlDesign& design : form_.controls) {
    if (design.role == a || design.role == b) return design.name;
  }
  return {};
}

void FormWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t row : CreationOrder(form_)) {
    const ControlDesign& design = form_.controls[row];
    ControlClass control_class = ClassOf(design);
    DWORD style = WS_CHILD | WS_VISIBLE | control_class.style;
    auto* id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row));
    std::string caption(design.caption);
    TextBoxInput input =
        design.kind == ControlKind::kTextBox ? InputOf(design.name) : TextBoxInput{};
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
  window_font_ = MakeFont(kWindowFontFace, FW_NORMAL, dpi_);
  password_font_ = MakeFont(kPasswordFontFace, FW_BOLD, dpi_);
  for (size_t row = 0; row < controls_.size(); ++row) {
    const ControlDesign& design = form_.controls[row];
    Rect at = TwipsToPixels(design.twips, dpi_);
    SetWindowPos(controls_[row], nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    bool password = design.kind == ControlKind::kTextBox && InputOf(design.name).password;
    HFONT font = password ? password_font_.get() : window_font_.get();
    SendMessageA(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void FormWindow::OnCommand(int id, int code) {
  // Enter and Esc arrive as IDOK and IDCANCEL from the dialog manager.
  if (id == IDOK) {
    OnClick(NameOfRole(ButtonRole::kDefault, ButtonRole::kDefaultAndCancel));
    return;
  }
  if (id == IDCANCEL) {
    OnClick(NameOfRole(ButtonRole::kCancel, ButtonRole::kDefaultAndCancel));
    return;
  }
  const ControlDesign* design = DesignOf(id);
  if (design == nullptr) return;
  if (design->kind == ControlKind::kFileList) {
    int index = static_cast<int>(SendMessageA(Control(design->name), LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE) OnListSelect(design->name, index);
    if (code == LBN_DBLCLK && index >= 0) OnListDoubleClick(design->name, index);
  } else if (code == BN_CLICKED &&
             (design->kind == ControlKind::kButton || design->kind == ControlKind::kCheckBox ||
              design->kind == ControlKind::kOptionButton)) {
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
      const ControlDesign* focused = IsChild(hwnd(), GetFocus()) ? DesignOf(focus_id) : nullptr;
      int id = focused != nullptr && focused->kind == ControlKind::kButton
                   ? focus_id
                   : form_.IdOf(NameOfRole(ButtonRole::kDefault, ButtonRole::kDefaultAndCancel));
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

}  // namespace ui::win32
