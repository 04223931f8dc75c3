// FormDesign: a window's design as a table, one row per control, with its
// name, kind, caption, position in twips, tab order and the buttons that Enter
// and Esc press. The tables are constant data of each program; the window built
// from one (ui/win32/form_window.h) and the tests find its controls by the
// same names and identifiers. Looking up a name the table lacks is a fault of
// the program and aborts it.
#pragma once

#include <span>
#include <string_view>

#include "ui/layout.h"

namespace ui {

enum class ControlKind {
  kLabel,
  kCentredLabel,
  kTextBox,
  kButton,
  kCheckBox,
  kOptionButton,
  kFileList,
  kFrame,
  kPicture,
};

// What Enter and Esc press.
enum class ButtonRole { kNone, kDefault, kCancel, kDefaultAndCancel };

struct ControlDesign {
  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  Rect twips;          // from the client area's top left corner
  int tab_index = -1;  // -1: never takes the focus
  ButtonRole role = ButtonRole::kNone;
  bool multiline = false;  // a label that wraps
};

struct FormDesign {
  std::string_view name;
  std::string_view window_class;  // the Windows class of its window, as tests look for it
  std::string_view caption;
  Size client_twips;
  std::span<const ControlDesign> controls;

  // The control's window identifier: its row in the table plus kFirstControlId.
  // REQUIRES: the form has a control of that name.
  int IdOf(std::string_view control_name) const;
  // REQUIRES: as for IdOf.
  const ControlDesign& Find(std::string_view control_name) const;
};

inline constexpr int kFirstControlId = 100;

// Every form's font (Tahoma 8.25 pt) and its password boxes' (Verdana bold 8.25 pt).
inline constexpr std::string_view kWindowFontFace = "Tahoma";
inline constexpr std::string_view kPasswordFontFace = "Verdana";
inline constexpr int kFontHundredthsOfPoint = 825;

}  // namespace ui
