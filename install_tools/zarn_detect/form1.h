// Form1: ZARNDetect's window. It shows the probe's message in lblPopis until
// the operator presses cmdOk (Enter and Esc press it too) or closes the window.
// Sizes follow the DPI of the monitor the window is on (see form1_layout.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace zarn_detect {

class Form1 {
 public:
  // Shows `message` and returns once the window is closed; the result is the
  // program's exit code.
  static int ShowMessage(HINSTANCE instance, const std::string& message);

 private:
  explicit Form1(std::string message) : message_(std::move(message)) {}

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  // Creates the controls, lays them out and centres the window.
  void Form_Load();
  void cmdOk_Click();
  // Sizes the window and its controls for `dpi`.
  void Layout(int dpi);

  struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
  };

  std::string message_;
  HWND window_ = nullptr;
  HWND lblPopis_ = nullptr;
  HWND cmdOk_ = nullptr;
  std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
};

}  // namespace zarn_detect
