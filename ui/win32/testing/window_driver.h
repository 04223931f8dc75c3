// Window driver: what a test needs to work a program's windows as an operator
// would. StartedProgram starts a program of this build and finds its windows;
// OperatorFixture sends mouse and key presses through the system's input
// queue, each taken by the program before the next. The test runs on a screen
// of its own (scripts/xvfb-wine-run). The test owns what it starts: a program
// still running at the end is ended. A window that does not come is null
// after a wait, never a hang.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_design.h"

namespace testing_support {

// Polls `done` until it holds or `limit` has passed.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(10));

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
RECT RectOf(HWND window);
// The control `name` of a window built from `form`.
HWND ControlOf(HWND form_window, const ui::FormDesign& form, std::string_view name);
// A photograph of the window for the documentation, taken only when
// ZARN_SCREENSHOTS names a folder: <folder>/<name>.png.
void Photograph(HWND window, std::string_view name);

class StartedProgram {
 public:
  // Starts `program` (a full path) without arguments.
  explicit StartedProgram(const std::string& program);
  // Ends the program if it is still running.
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool started() const { return started_; }
  bool Ended(std::chrono::milliseconds limit = std::chrono::seconds(10)) const;
  // Its exit code once it has ended.
  DWORD ExitCode() const;

  // The visible top-level window of the program with that class and title.
  HWND Find(std::string_view window_class, std::string_view title) const;
  // Waits for that window and for the system to activate it: every window the
  // tests wait for takes the focus, and keys sent before that reach another.
  HWND WaitFor(std::string_view window_class, std::string_view title) const;
  HWND WaitForForm(const ui::FormDesign& form) const;

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

// A test that works the windows of one program. Input goes through the
// system's input queue like an operator's; before each step the program must
// have taken the previous one.
class OperatorFixture : public ::testing::Test {
 protected:
  // Waits for the program's window of `form` (as StartedProgram::WaitFor); it
  // becomes main_ and is returned.
  HWND WaitForMainWindow(const StartedProgram& program, const ui::FormDesign& form);
  // Returns once the thread of `main_` is back in its message loop.
  void Barrier() const;
  void Press(WORD vk) const;
  // Types each character with its key, and Shift where the layout needs it.
  void Type(std::string_view text) const;
  // Clicks the middle of `window` once its window can take the click: enabled
  // and active again after a dialog of the same program has closed.
  void Click(HWND window) const;
  void RightClick(HWND window) const;
  // Clicks into a text box and types `text` over what it holds.
  void TypeInto(HWND box, std::string_view text) const;
  // Double-clicks the entry `name` of a list box.
  void DoubleClickEntry(HWND list, std::string_view name) const;

  HWND main_ = nullptr;  // the program's main window, set by the test

 private:
  void Settle() const;
  void WaitUntilItTakesInput(HWND window) const;
  void SendInputs(const std::vector<INPUT>& inputs) const;
  void ClickAt(POINT point, bool right = false, int times = 1) const;
};

}  // namespace testing_support
