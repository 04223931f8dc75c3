#include "zarn_detect/form1.h"

#include <utility>

#include "zarn_detect/form1_design.h"

namespace zarn_detect {

Form1::Form1(std::string message) : FormWindow(Form1Design()), message_(std::move(message)) {}

void Form1::OnClick(std::string_view name) {
  if (name == "cmdOk") Close();
}

}  // namespace zarn_detect
