// Forms: the design of Hostdeck's windows as tables, one row per control, with
// its name, kind, caption, position in twips, tab order and the buttons that
// Enter and Esc press. The windows are built from these tables and the GUI test
// finds controls by the same names and identifiers. What a setting's box
// accepts (input limit, password, locked) is the core's settings table.
#pragma once

#include <span>
#include <string_view>

#include "gui/layout.h"

namespace hostdeck::gui {

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

// The window font (Tahoma 8.25 pt) and the password font (Verdana bold 8.25 pt).
inline constexpr std::string_view kWindowFontFace = "Tahoma";
inline constexpr std::string_view kPasswordFontFace = "Verdana";
inline constexpr int kFontHundredthsOfPoint = 825;

// The caption of the main window, which every message box carries as title.
inline constexpr std::string_view kMainCaption = "Kestrin's Vireruzo ZARN Server Launcher";

const FormDesign& InterfaceForm();  // frmInterface
const FormDesign& MapForm();        // frmMap
const FormDesign& ModesForm();      // frmModes
const FormDesign& PathForm();       // frmPath
const FormDesign& AboutForm();      // frmAbout

// The outer height of the About dialog once the authorship picture shows.
inline constexpr int kAboutRevealedHeightTwips = 7000;
// The banner's own size in pixels; it is drawn across the main window's width.
inline constexpr Size kBannerPixels = {589, 99};

}  // namespace hostdeck::gui
