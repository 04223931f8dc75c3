// Form1: ZARNDetect's window, built from its design (form1_design.h). It shows
// the probe's message in lblPopis until the operator presses cmdOk (Enter and
// Esc press it too) or closes the window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/win32/form_window.h"

namespace zarn_detect {

class Form1 : public ui::win32::FormWindow {
 public:
  explicit Form1(std::string message);

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; }
  DWORD ExStyle() const override { return 0; }
  void OnLoad() override { SetText("lblPopis", message_); }
  void OnClick(std::string_view name) override;

 private:
  std::string message_;
};

}  // namespace zarn_detect
