// Forms: the designs of Hostdeck's windows (ui/form_design.h). The windows are
// built from these tables and the GUI test finds controls by the same names
// and identifiers. What a setting's box accepts (input limit, password,
// locked) is the core's settings table.
#pragma once

#include <string_view>

#include "ui/form_design.h"

namespace hostdeck::gui {

// The Windows class of every Hostdeck form.
inline constexpr std::string_view kFormClass = "HostdeckForm";

// The caption of the main window, which every message box carries as title.
inline constexpr std::string_view kMainCaption = "Kestrin's Vireruzo ZARN Server Launcher";

const ui::FormDesign& InterfaceForm();  // frmInterface
const ui::FormDesign& MapForm();        // frmMap
const ui::FormDesign& ModesForm();      // frmModes
const ui::FormDesign& PathForm();       // frmPath
const ui::FormDesign& AboutForm();      // frmAbout

// The outer height of the About dialog once the authorship picture shows.
inline constexpr int kAboutRevealedHeightTwips = 7000;
// The banner's own size in pixels; it is drawn across the main window's width.
inline constexpr ui::Size kBannerPixels = {589, 99};

}  // namespace hostdeck::gui
