// FormWindow: a window built from a form design (ui/form_design.h). It creates
// the controls in tab order with their captions, fonts and styles, places them
// at the monitor's DPI and again whenever the DPI changes, centres itself on
// the screen, lets Enter and Esc press the form's default and cancel buttons,
// and turns control notifications into named events for the window above it.
// It owns its window, controls and fonts; the design, a constant table, must
// outlive it. Opening fails only when Windows refuses to create the window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/form_design.h"
#include "ui/win32/handles.h"
#include "ui/win32/window.h"

namespace ui::win32 {

// What a text box accepts.
struct TextBoxInput {
  size_t limit = 0;       // characters; 0: no limit
  bool password = false;  // "•" for every character, in Verdana bold
  bool locked = false;    // takes the focus but not typing
};

class FormWindow : public Window {
 public:
  explicit FormWindow(const FormDesign& form);

  // Creates the form over `owner` (null for the main window), runs OnLoad,
  // centres and shows it. False when Windows refuses to create it.
  bool Open(HWND owner);
  // Opens the form with `owner` (if any) disabled and returns once it has
  // closed; false when it could not be opened.
  bool ShowModal(HWND owner);
  // Ends the form: a modal form returns from ShowModal.
  void Close();

 protected:
  HWND Control(std::string_view name) const;
  std::string Text(std::string_view name) const;
  void SetText(std::string_view name, std::string_view text);
  bool Ticked(std::string_view name) const;
  void SetTicked(std::string_view name, bool ticked);
  void Enable(std::string_view name, bool enabled);
  // Shows `names` in a list box (when they differ from what it shows) and
  // selects `selected` (-1: nothing).
  void ShowList(std::string_view name, const std::vector<std::string>& names, int selected);

  int dpi() const { return dpi_; }
  // Moves the window to the middle of its monitor's screen.
  void Centre();
  // Sets the outer height, in twips at the current DPI.
  void SetOuterHeight(int twips);

  virtual DWORD Style() const { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
  virtual DWORD ExStyle() const { return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT; }
  virtual TextBoxInput InputOf(std::string_view /*name*/) const { return {}; }

  // Fills the controls once they exist, before the form is shown.
  virtual void OnLoad() {}
  // A button, check box or option button was clicked (Enter and Esc click the
  // default and cancel buttons).
  virtual void OnClick(std::string_view /*name*/) {}
  virtual void OnListSelect(std::string_view /*name*/, int /*index*/) {}
  virtual void OnListDoubleClick(std::string_view /*name*/, int /*index*/) {}
  // The close box, the system menu or Alt+F4; the default closes the form.
  virtual void OnCloseBox() { Close(); }
  virtual void OnDrawPicture(std::string_view /*name*/, HDC /*dc*/, const RECT& /*area*/) {}

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  const ControlDesign* DesignOf(int id) const;
  std::string_view NameOf(int id) const;
  std::string_view NameOfRole(ButtonRole a, ButtonRole b) const;
  void CreateControls();
  // Fonts and control positions for the current DPI.
  void Layout();
  void OnCommand(int id, int code);

  const FormDesign& form_;
  std::vector<HWND> controls_;                         // by table row
  std::vector<std::vector<std::string>> shown_lists_;  // by table row
  int dpi_ = kDefaultDpi;
  Font window_font_;
  Font password_font_;
  HWND focus_ = nullptr;  // restored when the form is activated again
  bool open_ = false;
};

}  // namespace ui::win32
