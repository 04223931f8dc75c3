// End-to-end test of ZARNDetect's window: the real program, copied into the
// maps folder of a game folder that gives it something to say, shows the
// message centred on the screen and ends however the operator closes it. Run
// by scripts/xvfb-wine-run, which gives it a screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/installation_probe.h"
#include "platform/own_folder.h"
#include "testing/temp_dir.h"
#include "ui/win32/testing/window_driver.h"
#include "zarn_detect/form1_design.h"

namespace zarn_detect {
namespace {

namespace fs = std::filesystem;
using testing_support::ControlOf;
using testing_support::RectOf;
using testing_support::StartedProgram;
using testing_support::TempDir;
using testing_support::TextOf;

class Form1WindowTest : public testing_support::OperatorFixture {
 protected:
  // Starts ZARNDetect from the maps folder of `game` and waits for its window.
  std::unique_ptr<StartedProgram> Start(const fs::path& game) {
    fs::path program = game / "Maps" / "ZARNDetect.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(platform::OwnFolder() + "\\ZARNDetect.exe", program);
    auto started = std::make_unique<StartedProgram>(program.string());
    EXPECT_TRUE(started->started());
    WaitForMainWindow(*started, Form1Design());
    return started;
  }
};

TEST_F(Form1WindowTest, ShowsTheMessageCentredAndEndsOnEveryWayOfClosing) {
  struct Case {
    std::string_view name;
    bool official_map;  // without it the folder is wrong, else the installation minimal
    std::string_view message;
    std::function<void()> close;
  } cases[] = {
      {"Enter", true, install_tools::kMinimalInstallationMessage, [this] { Press(VK_RETURN); }},
      {"Esc", false, install_tools::kWrongFolderMessage, [this] { Press(VK_ESCAPE); }},
      {"OK clicked", true, install_tools::kMinimalInstallationMessage,
       [this] { Click(ControlOf(main_, Form1Design(), "cmdOk")); }},
      {"close box", false, install_tools::kWrongFolderMessage,
       [this] { PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir game;
    if (c.official_map) testing_support::WriteFile(game.path() / "Maps" / "DM_Banque.unr", "");
    std::unique_ptr<StartedProgram> detect = Start(game.path());
    ASSERT_NE(main_, nullptr);
    EXPECT_EQ(TextOf(ControlOf(main_, Form1Design(), "lblPopis")), c.message);

    RECT window = RectOf(main_);
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 2);
    RECT client{};
    GetClientRect(main_, &client);
    ui::Size pixels = ui::TwipsToPixels(Form1Design().client_twips, 96);
    EXPECT_EQ(client.right, pixels.width);
    EXPECT_EQ(client.bottom, pixels.height);

    c.close();
    ASSERT_TRUE(detect->Ended());
    EXPECT_EQ(detect->ExitCode(), 0u);
  }
}

}  // namespace
}  // namespace zarn_detect
