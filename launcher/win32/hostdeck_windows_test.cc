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
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "gui/code_word.h"
#include "gui/forms.h"
#include "platform/own_folder.h"
#include "platform/settings_store.h"
#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"
#include "ui/win32/testing/window_driver.h"

namespace hostdeck::gui {
namespace {

using namespace std::chrono_literals;
using testing_support::ControlOf;
using testing_support::Photograph;
using testing_support::RectOf;
using testing_support::TempDir;
using testing_support::TextOf;
using testing_support::WaitUntil;
using testing_support::WriteFile;
using ui::TwipsToPixels;

constexpr std::string_view kApplication = "LaunchdeckByKestrin";
constexpr char kMessageBoxClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

class HostdeckGuiTest : public testing_support::OperatorFixture {
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
    hostdeck_ =
        std::make_unique<testing_support::StartedProgram>(platform::OwnFolder() + "\\Hostdeck.exe");
    EXPECT_TRUE(hostdeck_->started());
    return WaitForMainWindow(*hostdeck_, InterfaceForm());
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
  std::unique_ptr<testing_support::StartedProgram> hostdeck_;
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
