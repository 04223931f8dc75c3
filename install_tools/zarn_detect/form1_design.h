// The design of ZARNDetect's window Form1 (ui/form_design.h): the message in
// a label that wraps it, and one OK button that Enter and Esc press too.
#pragma once

#include "ui/form_design.h"

namespace zarn_detect {

const ui::FormDesign& Form1Design();

}  // namespace zarn_detect
