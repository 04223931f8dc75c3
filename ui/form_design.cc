#include "ui/form_design.h"

#include <cstdlib>

namespace ui {

int FormDesign::IdOf(std::string_view control_name) const {
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == control_name) return kFirstControlId + static_cast<int>(i);
  }
  std::abort();
}

const ControlDesign& FormDesign::Find(std::string_view control_name) const {
  return controls[static_cast<size_t>(IdOf(control_name) - kFirstControlId)];
}

}  // namespace ui
