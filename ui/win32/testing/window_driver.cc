#include "ui/win32/testing/window_driver.h"

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "testing/temp_dir.h"

namespace testing_support {
namespace {

using namespace std::chrono_literals;

INPUT Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// A mouse event that carries its position, so that it lands there whenever
// the pointer itself gets there.
INPUT Mouse(DWORD flags, POINT at) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (at.x * 65536 + width - 1) / width;
  input.mi.dy = (at.y * 65536 + height - 1) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

POINT CentreOf(HWND window) {
  RECT rect = RectOf(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

HWND ControlOf(HWND form_window, const ui::FormDesign& form, std::string_view name) {
  return GetDlgItem(form_window, form.IdOf(name));
}

// Wine starts the Unix tools itself but cannot wait for them, so the picture
// is taken under a temporary name and waited for under its own.
void Photograph(HWND window, std::string_view name) {
  const char* folder = std::getenv("ZARN_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  std::this_thread::sleep_for(700ms);  // let the window finish painting
  RECT r = RectOf(window);
  std::string picture = std::string(folder) + "/" + std::string(name) + ".png";
  std::string command = "/bin/sh -c \"import -window root -crop " +
                        std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) +
                        "+" + std::to_string(r.left) + "+" + std::to_string(r.top) + " +repage " +
                        picture + ".part.png && mv " + picture + ".part.png " + picture + "\"";
  std::filesystem::remove(picture);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA("/bin/sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << command;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_TRUE(WaitForFile(picture)) << command;
}

StartedProgram::StartedProgram(const std::string& program) {
  std::string command_line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  started_ = CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process_) != 0;
  if (started_) CloseHandle(process_.hThread);
}

StartedProgram::~StartedProgram() {
  if (!started_) return;
  if (!Ended(0ms)) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hProcess);
}

bool StartedProgram::Ended(std::chrono::milliseconds limit) const {
  return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

DWORD StartedProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND StartedProgram::Find(std::string_view window_class, std::string_view title) const {
  struct Search {
    DWORD process;
    std::string_view window_class;
    std::string_view title;
    HWND found;
  } search{process_.dwProcessId, window_class, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == s->process && IsWindowVisible(window) &&
            ClassOf(window) == s->window_class && TextOf(window) == s->title) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND StartedProgram::WaitFor(std::string_view window_class, std::string_view title) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = Find(window_class, title)) != nullptr; });
  if (found != nullptr) {
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == found; }))
        << window_class << " \"" << title << "\" was not activated";
  }
  return found;
}

HWND StartedProgram::WaitForForm(const ui::FormDesign& form) const {
  return WaitFor(form.window_class, form.caption);
}

HWND OperatorFixture::WaitForMainWindow(const StartedProgram& program, const ui::FormDesign& form) {
  main_ = program.WaitForForm(form);
  EXPECT_NE(main_, nullptr) << form.name;
  return main_;
}

// Two messages sent to the window return only once its thread is back in a
// message loop.
void OperatorFixture::Barrier() const {
  for (int i = 0; i < 2; ++i) {
    SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
  }
}

// Also lets the system finish what goes through the X server (activation,
// pointer moves).
void OperatorFixture::Settle() const {
  std::this_thread::sleep_for(100ms);
  Barrier();
}

// Each input is sent on its own and taken before the next.
void OperatorFixture::SendInputs(const std::vector<INPUT>& inputs) const {
  Settle();
  for (INPUT input : inputs) {
    SendInput(1, &input, sizeof(INPUT));
    Barrier();
  }
}

void OperatorFixture::Press(WORD vk) const { SendInputs({Key(vk, false), Key(vk, true)}); }

void OperatorFixture::Type(std::string_view text) const {
  std::vector<INPUT> inputs;
  for (char c : text) {
    SHORT key = VkKeyScanA(c);
    bool shift = (key >> 8) & 1;
    if (shift) inputs.push_back(Key(VK_SHIFT, false));
    inputs.push_back(Key(static_cast<WORD>(key & 0xFF), false));
    inputs.push_back(Key(static_cast<WORD>(key & 0xFF), true));
    if (shift) inputs.push_back(Key(VK_SHIFT, true));
  }
  SendInputs(inputs);
}

// The presses of a double click go in one batch, so that they come within the
// double-click time.
void OperatorFixture::ClickAt(POINT point, bool right, int times) const {
  std::vector<INPUT> inputs;
  for (int i = 0; i < times; ++i) {
    inputs.push_back(Mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, point));
    inputs.push_back(Mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, point));
  }
  Settle();
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Settle();
}

// A click on a window still disabled by a closing dialog is lost.
void OperatorFixture::WaitUntilItTakesInput(HWND window) const {
  HWND top = GetAncestor(window, GA_ROOT);
  EXPECT_TRUE(WaitUntil([&] {
    return IsWindowEnabled(top) && IsWindowEnabled(window) && GetForegroundWindow() == top;
  })) << "the window to click did not become active";
}

void OperatorFixture::Click(HWND window) const {
  WaitUntilItTakesInput(window);
  ClickAt(CentreOf(window));
}

void OperatorFixture::RightClick(HWND window) const {
  WaitUntilItTakesInput(window);
  ClickAt(CentreOf(window), true);
}

// The barrier cannot tell whether the thread has taken the keys yet (a sent
// message may pass them), so the box is also watched until it shows the text;
// a box that cuts or refuses it is given a moment.
void OperatorFixture::TypeInto(HWND box, std::string_view text) const {
  Click(box);
  SendMessageA(box, EM_SETSEL, 0, -1);
  Type(text);
  WaitUntil([&] { return TextOf(box) == text; }, 1s);
}

void OperatorFixture::DoubleClickEntry(HWND list, std::string_view name) const {
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Wine hands another process the text of an entry in UTF-16.
    wchar_t entry[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
    if (std::wstring(entry) != std::wstring(name.begin(), name.end())) continue;
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(i), 0);
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT client{};
    GetClientRect(list, &client);
    POINT point = {client.right / 2, (i - top) * height + height / 2};
    ClientToScreen(list, &point);
    ClickAt(point, false, 2);
    return;
  }
  ADD_FAILURE() << "no entry " << name;
}

}  // namespace testing_support
