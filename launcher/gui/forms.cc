#include "gui/forms.h"

namespace hostdeck::gui {
namespace {

using enum ui::ControlKind;
using ui::ButtonRole;
using ui::ControlDesign;
using ui::FormDesign;
using ui::Rect;

// Five equal buttons along the bottom, with equal gaps at the sides.
constexpr int kBottomButtonTop = 7590;
constexpr Rect BottomButton(int index) { return {110 + index * 1685, kBottomButtonTop, 1575, 375}; }

// Hostdeck's main window. Inside the frame: two columns (left from 360, right
// from 4500, both ending near 8175), then rows across the full width.
constexpr ControlDesign kInterfaceControls[] = {
    {"Image1", kPicture, "", {0, 0, 8535, 1435}},
    {"fraRam", kFrame, "", {120, 1500, 8295, 5850}},
    {"lblServerName", kLabel, "Server title:", {360, 1770, 3900, 225}},
    {"txtServerName", kTextBox, "", {360, 2010, 3900, 285}, 0},
    {"lblMode", kLabel, "Game mode:", {4500, 1770, 3675, 225}},
    {"txtMode", kTextBox, "", {4500, 2010, 3675, 285}, 21},
    {"lblMap", kLabel, "Map:", {360, 2520, 3900, 225}},
    {"txtMap", kTextBox, "", {360, 2760, 3900, 285}, 19},
    {"cmdMode", kButton, "Choose mode...", {4500, 2490, 1830, 375}, 3},
    {"chkFriendlyFire", kCheckBox, "Friendly fire", {4500, 3030, 2400, 255}, 4},
    {"cmdBrowseMaps", kButton, "Choose map...", {360, 3225, 1830, 375}, 1},
    {"cmdManage", kButton, "Manage unofficial maps", {2310, 3225, 1950, 375}, 2},
    {"lblNumber", kLabel, "Number of players:", {360, 3930, 1770, 225}},
    {"txtNumberOfPlayers", kTextBox, "", {360, 4170, 1770, 285}, 5},
    {"lblPoints", kLabel, "Points limit:", {2370, 3930, 1770, 225}},
    {"txtPointsLimit", kTextBox, "", {2370, 4170, 1770, 285}, 6},
    {"lblTime", kLabel, "Time limit (minutes):", {4380, 3930, 1770, 225}},
    {"txtTimeLimit", kTextBox, "", {4380, 4170, 1770, 285}, 7},
    {"lblPort", kLabel, "Port:", {6390, 3930, 1785, 225}},
    {"txtPort", kTextBox, "", {6390, 4170, 1785, 285}, 8},
    {"lblAccountName", kLabel, "Vantor account user name:", {360, 4830, 2640, 225}},
    {"txtAccountName", kTextBox, "", {3120, 4800, 5055, 285}, 9},
    {"lblAccountPassword", kLabel, "Vantor account password:", {360, 5280, 2640, 225}},
    {"txtAccountPassword", kTextBox, "", {3120, 5250, 5055, 285}, 10},
    {"chkSavePasswords",
     kCheckBox,
     "Save passwords (Warning: saved passwords are not encoded)",
     {360, 5790, 7815, 255},
     11},
    {"lblAServerPassword",
     kLabel,
     "Server password (if you are not going to launch a provate server, leave the following text "
     "field blank):",
     {360, 6285, 3900, 480},
     -1,
     ButtonRole::kNone,
     true},
    {"lblAdministratorPassword", kLabel, "Server administrator password:", {4500, 6540, 3675, 225}},
    {"txtServerPassword", kTextBox, "", {360, 6825, 3900, 285}, 12},
    {"txtAdministratorPassword", kTextBox, "", {4500, 6825, 3675, 285}, 13},
    {"cmdLaunch", kButton, "Launch server", BottomButton(0), 14, ButtonRole::kDefault},
    {"cmdSetPath", kButton, "Set ZARN path...", BottomButton(1), 15, ButtonRole::kCancel},
    {"lblClear", kButton, "Clear all", BottomButton(2), 16},
    {"cmdAbout", kButton, "About...", BottomButton(3), 17},
    {"cmdExit", kButton, "Exit", BottomButton(4), 18},
};

constexpr ControlDesign kMapControls[] = {
    {"optOfficial", kOptionButton, "Official map", {120, 120, 2175, 315}, 0},
    {"lstOfficial", kFileList, "", {120, 480, 3135, 3210}, 1},
    {"optUnofficial", kOptionButton, "Unofficial map", {3480, 120, 2175, 315}, 2},
    {"filUnofficial", kFileList, "", {3480, 480, 3135, 3210}, 3},
    {"cmdOk", kButton, "OK", {120, 3840, 1335, 375}, 4, ButtonRole::kDefault},
    {"cmdCancel", kButton, "Cancel", {1560, 3840, 1335, 375}, 5, ButtonRole::kCancel},
};

constexpr ControlDesign kModesControls[] = {
    {"filModes", kFileList, "", {120, 120, 3975, 3405}, 0},
    {"cmdOk", kButton, "OK", {120, 3720, 1335, 375}, 1, ButtonRole::kDefault},
    {"cmdCancel", kButton, "Cancel", {1560, 3720, 1335, 375}, 2, ButtonRole::kCancel},
};

// The text box sits in the frame at (120, 360) of the frame's corner.
constexpr ControlDesign kPathControls[] = {
    {"fraRam", kFrame, "Path to ZARN", {120, 120, 4455, 855}},
    {"txtPath", kTextBox, "", {240, 480, 4095, 285}, 1},
    {"cmdOk", kButton, "OK", {120, 1200, 1335, 375}, 2, ButtonRole::kDefault},
    {"cmdCancel", kButton, "Cancel", {1560, 1200, 1335, 375}, 3, ButtonRole::kCancel},
};

constexpr ControlDesign kAboutControls[] = {
    {"imgIkona", kPicture, "", {2280, 120, 720, 720}},
    {"lblOne", kCentredLabel, kMainCaption, {120, 960, 5175, 255}},
    {"lblTwo", kCentredLabel, "Version 1.0", {120, 1200, 5175, 255}},
    {"lblThree", kCentredLabel, "Copyright 2006 Kestrin", {120, 1680, 5175, 255}},
    {"lblFour", kCentredLabel, "http://kestrin.example/zarn", {120, 1920, 5175, 255}},
    {"lblFive", kCentredLabel, "", {120, 2280, 5175, 255}},
    {"lblSix",
     kCentredLabel,
     "If you need help or you want to report a bug, send me an e-mail in the Contact Me "
     "section. Thank you.",
     {120, 2520, 5175, 375},
     -1,
     ButtonRole::kNone,
     true},
    {"cmdOk", kButton, "Close", {1920, 3240, 1575, 375}, 6, ButtonRole::kDefaultAndCancel},
    // Below the lower edge on purpose: the code word is typed unseen.
    {"txtNeviditelny", kTextBox, "", {1680, 9240, 1695, 285}, 7},
    {"imgPravost", kPicture, "", {1920, 3960, 1500, 1500}},
};

constexpr FormDesign kInterface{
    "frmInterface", kFormClass, kMainCaption, {8535, 8205}, kInterfaceControls};
constexpr FormDesign kMap{"frmMap", kFormClass, "Map selection", {6735, 4305}, kMapControls};
constexpr FormDesign kModes{
    "frmModes", kFormClass, "Game mode selection", {4260, 4230}, kModesControls};
constexpr FormDesign kPath{
    "frmPath", kFormClass, "ZARN path settings", {4665, 1740}, kPathControls};
constexpr FormDesign kAbout{"frmAbout",
                            kFormClass,
                            "About Kestrin's Vireruzo ZARN Server Launcher",
                            {5370, 3810},
                            kAboutControls};

}  // namespace

const ui::FormDesign& InterfaceForm() { return kInterface; }
const ui::FormDesign& MapForm() { return kMap; }
const ui::FormDesign& ModesForm() { return kModes; }
const ui::FormDesign& PathForm() { return kPath; }
const ui::FormDesign& AboutForm() { return kAbout; }

}  // namespace hostdeck::gui
