#include "zarn_detect/form1_design.h"

namespace zarn_detect {
namespace {

using enum ui::ControlKind;
using ui::ButtonRole;

constexpr ui::ControlDesign kForm1Controls[] = {
    {"lblPopis", kLabel, "", {120, 120, 4335, 1455}, -1, ButtonRole::kNone, true},
    {"cmdOk", kButton, "OK", {1560, 1680, 1575, 375}, 1, ButtonRole::kDefaultAndCancel},
};

constexpr ui::FormDesign kForm1{"Form1", "ZARNDetectForm1", "ZARN", {4590, 2175}, kForm1Controls};

}  // namespace

const ui::FormDesign& Form1Design() { return kForm1; }

}  // namespace zarn_detect
