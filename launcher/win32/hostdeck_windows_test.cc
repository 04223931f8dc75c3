// End-to-end test of Hostdeck.exe: starts the real program (beside this test in
// the build) and drives its windows as an operator would, with mouse clicks
// and key presses, then checks what the operator would see and what the
// program left behind: control texts, message boxes, the registry, and the
// arguments of the stand-in server. Run by scripts/xvfb-wine-run, which gives
// it a screen; with ZARN_SCREENSHOTS set, it photographs each window there.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gui/code_word.h"
#include "gui/forms.h"
#include "platform/own_folder.h"
#include "platform/settings_store.h"
#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"

namespace hostdeck::gui {
namespace {

using namespace std::chrono_literals;
using testing_support::TempDir;
using testing_support::WriteFile;

constexpr std::string_view kApplication = "LaunchdeckByKestrin";
constexpr char kFormClass[] = "HostdeckForm";
constexpr char kMessageBoxClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

// Polls `done` until it holds or `limit` has passed.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
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

// Hostdeck.exe, started fresh for each test and ended with it.
class Hostdeck {
 public:
  Hostdeck() {
    std::string program = platform::OwnFolder() + "\\Hostdeck.exe";
    std::string command_line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &process_) != 0;
    if (started_) CloseHandle(process_.hThread);
  }
  ~Hostdeck() {
    if (!started_) return;
    if (!Ended(0ms)) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
  }

  bool started() const { return started_; }
  bool Ended(std::chrono::milliseconds limit = 10s) const {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) ==
           WAIT_OBJECT_0;
  }

  // The visible top-level window of the program with that class and title.
  HWND Find(const char* window_class, std::string_view title) const {
    struct Search {
      DWORD process;
      const char* window_class;
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

  HWND WaitFor(const char* window_class, std::string_view title) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = Find(window_class, title)) != nullptr; });
    return found;
  }

  HWND WaitForForm(const FormSpec& form) const { return WaitFor(kFormClass, form.caption); }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

HWND ControlOf(HWND form_window, const FormSpec& form, std::string_view name) {
  return GetDlgItem(form_window, form.IdOf(name));
}

// A photograph of the window for the documentation, when asked for. Wine
// starts the Unix tools itself but cannot wait for them, so the picture is
// taken under a temporary name and waited for under its own.
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
  EXPECT_TRUE(testing_support::WaitForFile(picture)) << command;
}

class HostdeckGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A game folder that passes every check, with the stand-in as server.
    WriteFile(game_.path() / "System" / "ZARN.exe", "");
    WriteFile(game_.path() / "Server" / "UCC.exe", "");
    testing_support::InstallRecordArgs(server_);
    WriteFile(game_.path() / "Maps" / "DM_Banque.unr", "");
    WriteFile(game_.path() / "Maps" / "DM_Spads.unr", "");
    WriteFile(game_.path() / "Maps" / "List" / "Arena.unr", "");
  }

  void StoreGameFolder(const std::string& folder) {
    ASSERT_TRUE(store_->Write(kApplication, kApplication, "PathOfZarn", folder).ok());
  }
  std::string Stored(std::string_view key) const {
    return store_->Read(kApplication, kApplication, key, "(absent)");
  }

  // Starts Hostdeck and waits for its main window, which it returns.
  HWND Start() {
    hostdeck_ = std::make_unique<Hostdeck>();
    EXPECT_TRUE(hostdeck_->started());
    HWND main = main_ = hostdeck_->WaitForForm(InterfaceForm());
    EXPECT_NE(main, nullptr);
    // Input reaches the window once the system has activated it.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
    return main;
  }
  // Input goes through the system's input queue like an operator's. Before
  // each step the program must have taken the previous one: two messages sent
  // to its window return only once its thread is back in a message loop.
  void Barrier() const {
    for (int i = 0; i < 2; ++i) {
      SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
  }
  // Also lets the system finish what goes through the X server (activation,
  // pointer moves).
  void Settle() const {
    std::this_thread::sleep_for(100ms);
    Barrier();
  }

  // Each input is sent on its own and taken before the next.
  void SendInputs(const std::vector<INPUT>& inputs) const {
    Settle();
    for (INPUT input : inputs) {
      SendInput(1, &input, sizeof(INPUT));
      Barrier();
    }
  }

  static INPUT Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
  }

  // A mouse event that carries its position, so that it lands there whenever
  // the pointer itself gets there.
  static INPUT Mouse(DWORD flags, POINT at) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65536 + width - 1) / width;
    input.mi.dy = (at.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
  }

  void Press(WORD vk) const { SendInputs({Key(vk, false), Key(vk, true)}); }

  // Types each character with its key, and Shift where the layout needs it.
  void Type(std::string_view text) const {
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

  // The presses of a double click go in one batch, so that they come within
  // the double-click time.
  void ClickAt(POINT point, bool right = false, int times = 1) const {
    std::vector<INPUT> inputs;
    for (int i = 0; i < times; ++i) {
      inputs.push_back(Mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, point));
      inputs.push_back(Mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, point));
    }
    Settle();
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
  }

  static POINT CentreOf(HWND window) {
    RECT rect = RectOf(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  void Click(HWND window) const { ClickAt(CentreOf(window)); }
  void RightClick(HWND window) const { ClickAt(CentreOf(window), true); }

  // Clicks into a text box and types `text` over what it holds.
  void TypeInto(HWND box, std::string_view text) const {
    Click(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
    Type(text);
  }

  // Double-clicks the entry `name` of a list box.
  void DoubleClickEntry(HWND list, std::string_view name) const {
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

  // The text of the message box that appears, closed again with Enter.
  std::string AnswerMessageBox() const {
    HWND box = hostdeck_->WaitFor(kMessageBoxClass, kMainCaption);
    if (box == nullptr) return "(no message box)";
    std::string text = TextOf(GetDlgItem(box, kMessageBoxTextId));
    Press(VK_RETURN);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
  }

  HWND Main(std::string_view name) const { return ControlOf(main_, InterfaceForm(), name); }
  std::string MainText(std::string_view name) const { return TextOf(Main(name)); }

  testing_support::SettingsSandbox sandbox_{std::string(kApplication)};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
  TempDir game_;
  std::filesystem::path server_ = game_.path() / "System" / "ucc.exe";
  std::unique_ptr<Hostdeck> hostdeck_;
  HWND main_ = nullptr;
};

TEST_F(HostdeckGuiTest, FirstStartShowsTheDefaultsInTheMiddleOfTheScreen) {
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  struct Expected {
    std::string_view control, text;
  } expected[] = {{"txtServerName", "ZARNServer"},
                  {"txtMode", "Deathmatch"},
                  {"txtMap", ""},
                  {"txtNumberOfPlayers", "6"},
                  {"txtPointsLimit", "20"},
                  {"txtTimeLimit", ""},
                  {"txtPort", "7777"},
                  {"txtAccountName", ""},
                  {"txtAccountPassword", ""},
                  {"txtServerPassword", ""},
                  {"txtAdministratorPassword", ""}};
  for (const Expected& e : expected) EXPECT_EQ(MainText(e.control), e.text) << e.control;
  EXPECT_EQ(SendMessageA(Main("chkFriendlyFire"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(Main("chkSavePasswords"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  RECT window = RectOf(main_);
  int screen_width = GetSystemMetrics(SM_CXSCREEN), screen_height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(window.left, (screen_width - (window.right - window.left)) / 2);
  EXPECT_EQ(window.top, (screen_height - (window.bottom - window.top)) / 2);
  RECT client{};
  GetClientRect(main_, &client);
  EXPECT_EQ(client.right, TwipsToPixels(InterfaceForm().client_twips.width, 96));
  EXPECT_EQ(client.bottom, TwipsToPixels(InterfaceForm().client_twips.height, 96));
  Photograph(main_, "main-window");

  EXPECT_EQ(SendMessageW(Main("txtAccountPassword"), EM_GETPASSWORDCHAR, 0, 0), 0x2022);
  EXPECT_EQ(SendMessageA(Main("txtServerName"), EM_GETLIMITTEXT, 0, 0), 20);
  TypeInto(Main("txtMap"), "DM_Typed.unr");
  TypeInto(Main("txtServerName"), "This title is far too long to fit");
  EXPECT_EQ(MainText("txtMap"), "");
  EXPECT_EQ(MainText("txtServerName"), "This title is far to");

  Click(Main("cmdExit"));
  EXPECT_TRUE(hostdeck_->Ended());
  EXPECT_EQ(Stored("txtServerName"), "This title is far to");
  EXPECT_EQ(Stored("txtMode"), "Deathmatch");
  EXPECT_EQ(Stored("chkSavePasswords"), "0");
}

TEST_F(HostdeckGuiTest, RefusedLaunchShowsItsMessageAndKeepsTheWindow) {
  StoreGameFolder(game_.str());
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  TypeInto(Main("txtServerName"), "my server");
  Press(VK_RETURN);  // in a text box: the default button, "Launch server"
  HWND box = hostdeck_->WaitFor(kMessageBoxClass, kMainCaption);
  ASSERT_NE(box, nullptr);
  Photograph(box, "message-box");
  EXPECT_EQ(AnswerMessageBox(), "Please enter a valid Vantor account user name.");
  EXPECT_FALSE(hostdeck_->Ended(300ms));
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(MainText("txtServerName"), "my_server") << "tidied before the refusing step";
  EXPECT_EQ(Stored("txtServerName"), "(absent)") << "a refused launch saves nothing";
}

TEST_F(HostdeckGuiTest, EscOpensTheGameFolderDialogWhichStoresTheFolder) {
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  Press(VK_ESCAPE);
  HWND dialog = hostdeck_->WaitForForm(PathForm());
  ASSERT_NE(dialog, nullptr);
  HWND path = ControlOf(dialog, PathForm(), "txtPath");
  EXPECT_TRUE(TextOf(path).ends_with("\\Program Files\\Halvane\\ZARN")) << TextOf(path);
  Photograph(dialog, "path-dialog");

  TypeInto(path, game_.str() + "\\");
  Press(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(Stored("PathOfZarn"), game_.str()) << "stored without the trailing backslash";
}

TEST_F(HostdeckGuiTest, ChooseMapWithAnInvalidGameFolderWarnsButChooseModeOpens) {
  TempDir empty;
  StoreGameFolder(empty.str());
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  Click(Main("cmdBrowseMaps"));
  EXPECT_EQ(AnswerMessageBox(), "Please set a valid path to ZARN game first.");
  EXPECT_EQ(hostdeck_->Find(kFormClass, MapForm().caption), nullptr);

  Click(Main("cmdMode"));
  HWND modes = hostdeck_->WaitForForm(ModesForm());
  ASSERT_NE(modes, nullptr);
  Press(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(modes); }));
  EXPECT_EQ(MainText("txtMode"), "Deathmatch");
}

TEST_F(HostdeckGuiTest, CompleteLaunchStartsTheServerAndEndsTheProgram) {
  StoreGameFolder(game_.str());
  main_ = Start();
  ASSERT_NE(main_, nullptr);

  Click(Main("cmdBrowseMaps"));
  HWND maps = hostdeck_->WaitForForm(MapForm());
  ASSERT_NE(maps, nullptr);
  Photograph(maps, "map-dialog");
  DoubleClickEntry(ControlOf(maps, MapForm(), "lstOfficial"), "Winslow Bank");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(maps); }));
  EXPECT_EQ(MainText("txtMap"), "DM_Banque.unr");

  Click(Main("cmdMode"));
  HWND modes = hostdeck_->WaitForForm(ModesForm());
  ASSERT_NE(modes, nullptr);
  Photograph(modes, "mode-dialog");
  DoubleClickEntry(ControlOf(modes, ModesForm(), "filModes"), "Team Deathmatch");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(modes); }));
  EXPECT_EQ(MainText("txtMode"), "Team Deathmatch");

  TypeInto(Main("txtAccountName"), "operator");
  TypeInto(Main("txtAccountPassword"), "secret");
  TypeInto(Main("txtServerPassword"), "hush");
  Click(Main("chkFriendlyFire"));
  Photograph(main_, "main-window-filled");
  Click(Main("cmdLaunch"));
  EXPECT_TRUE(hostdeck_->Ended());
  EXPECT_EQ(testing_support::RecordedArgs(server_),
            "server\n"
            "DM_Banque.unr?GameIdx=1?MapName=Winslow_Bank?NP=6?FF=1?FR=20?TI=0"
            "?Game=ZARNMP.ZARNMPTeamGameInfo?AdminPassword=kw3pqzrvmtb?Password=hush"
            "?SN=ZARNServer?Mutator=?GS=1?ServerName=ZARNServer?GSAlias=operator"
            "?GSPassword=secret?IsPrivate=Y?GamePassword=hush\n"
            "-port=7777\n");
  EXPECT_EQ(Stored("txtMap"), "DM_Banque.unr");
  EXPECT_EQ(Stored("txtMode"), "Team Deathmatch");
  EXPECT_EQ(Stored("chkFriendlyFire"), "1");
  EXPECT_EQ(Stored("txtServerPassword"), "") << "passwords are kept only when asked";
}

TEST_F(HostdeckGuiTest, CloseBoxSavesAsExitDoes) {
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  TypeInto(Main("txtServerName"), "Closed by the box");
  TypeInto(Main("txtPort"), "7788");
  PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
  EXPECT_TRUE(hostdeck_->Ended());
  EXPECT_EQ(Stored("txtServerName"), "Closed by the box");
  EXPECT_EQ(Stored("txtPort"), "7788");
}

TEST_F(HostdeckGuiTest, ClearAllAsksFirstAndRestoresTheDefaultsOnYes) {
  constexpr std::string_view kQuestion =
      "Are you sure you want to restore all server settings to default?";
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  TypeInto(Main("txtServerName"), "Renamed");
  Click(Main("lblClear"));
  HWND question = hostdeck_->WaitFor(kMessageBoxClass, kMainCaption);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(question, kMessageBoxTextId)), kQuestion);
  Press('N');  // the No button's key
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
  EXPECT_EQ(MainText("txtServerName"), "Renamed");

  Click(Main("lblClear"));
  EXPECT_EQ(AnswerMessageBox(), kQuestion);  // Enter: Yes, the default button
  EXPECT_EQ(MainText("txtServerName"), "ZARNServer");
}

TEST_F(HostdeckGuiTest, ManageUnofficialMapsStartsTheMapManagerOrSaysItFailed) {
  StoreGameFolder(game_.str());
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  Click(Main("cmdManage"));
  EXPECT_EQ(AnswerMessageBox(), "Opening Map Manager failed.");

  std::filesystem::path manager = game_.path() / "Maps" / "mapinstaller.exe";
  testing_support::InstallRecordArgs(manager);
  Click(Main("cmdManage"));
  EXPECT_EQ(testing_support::RecordedArgs(manager), "");
  EXPECT_EQ(hostdeck_->Find(kMessageBoxClass, kMainCaption), nullptr);
}

TEST_F(HostdeckGuiTest, AboutShowsTheAuthorshipPictureOnlyForTheCodeWord) {
  main_ = Start();
  ASSERT_NE(main_, nullptr);
  Click(Main("cmdAbout"));
  HWND about = hostdeck_->WaitForForm(AboutForm());
  ASSERT_NE(about, nullptr);
  Photograph(about, "about-dialog");
  HWND close = ControlOf(about, AboutForm(), "cmdOk");
  HWND picture = ControlOf(about, AboutForm(), "imgPravost");
  int normal_height = RectOf(about).bottom - RectOf(about).top;
  std::string code_word = BuildCodeWord(TextOf(ControlOf(about, AboutForm(), "lblThree")));

  Press(VK_TAB);  // from Close to the unseen text box
  std::string wrong_case = code_word;
  wrong_case[0] = static_cast<char>(std::tolower(wrong_case[0]));
  Type(wrong_case);
  RightClick(close);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(RectOf(about).bottom - RectOf(about).top, normal_height);
  EXPECT_FALSE(IsWindowVisible(picture));

  // The right click left the focus in the unseen box.
  SendMessageA(ControlOf(about, AboutForm(), "txtNeviditelny"), EM_SETSEL, 0, -1);
  Type(code_word);
  RightClick(close);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(picture) != 0; }));
  RECT revealed = RectOf(about);
  EXPECT_EQ(revealed.bottom - revealed.top, TwipsToPixels(kAboutRevealedHeightTwips, 96));
  EXPECT_EQ(revealed.top, (GetSystemMetrics(SM_CYSCREEN) - (revealed.bottom - revealed.top)) / 2);
  EXPECT_TRUE(IsWindow(about)) << "a right click does not close";
  Photograph(about, "about-revealed");

  Press(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_FALSE(hostdeck_->Ended(200ms));
}

}  // namespace
}  // namespace hostdeck::gui
