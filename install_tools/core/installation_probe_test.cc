#include "core/installation_probe.h"

#include <functional>
#include <iostream>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "testing/kill_rounds.h"
#include "testing/run_program.h"
#include "testing/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace install_tools {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// Every entry of an installation: relative path -> bytes, or a mark for what is
// not a regular file.
using testing_support::Files;

Files Snapshot(const fs::path& root) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string name = fs::relative(entry.path(), root).generic_string();
    if (entry.is_directory()) {
      files[name] = "<folder>";
    } else if (entry.is_regular_file()) {
      files[name] = ReadFile(entry.path());
    } else {
      files[name] = "<not a file>";
    }
  }
  return files;
}

const std::string kZarnIni =
    "[Engine.GameEngine]\r\nAllowDownloads=False\r\n[URL]\r\nName=Gr\xfcn\r\nallowdownloads="
    "False\r\n";
const std::string kZarnIniRewritten =
    "\r\n[Engine.GameEngine]\r\nAllowDownloads=True\r\n[URL]\r\nName=Gr\xfcn\r\nallowdownloads="
    "False\r\n";
const std::string kDefaultIni = "[Engine.GameEngine]\rAllowDownloads=False";
const std::string kDefaultIniRewritten = "\r\n[Engine.GameEngine]\r\nAllowDownloads=True\r\n";
const std::string kLiteList = "[Lite]\r\nDM_Banque\r\n";
const std::string kFullList = "[Full]\r\nDM_Banque\r\nDM_Spads\r\n";

// A full game installation in the right folder, with the patch files copied in;
// names in the mixed case an installation has.
void BuildInstallation(const fs::path& game) {
  for (const char* map : {"DM_Banque.unr", "dm_spads.unr", "DM_Base.unr", "dm_testpath.unr",
                          "DM_LostTemple.unr", "CTF_Snow.unr"}) {
    WriteFile(game / "Maps" / map, std::string("map ") + map);
  }
  WriteFile(game / "Maps" / "MapInstaller.exe", "map manager");
  WriteFile(game / "Maps" / "MapListLite.zarn", kLiteList);
  WriteFile(game / "Maps" / "MapListFull.ZARN", kFullList);
  WriteFile(game / "Sounds" / "PC" / "USA02.hsc", "sound");
  WriteFile(game / "System" / "ZARN.exe", "game");
  WriteFile(game / "System" / "MapList.ini", "[Old]\r\n");
  WriteFile(game / "System" / "ZARN.ini", kZarnIni);
  WriteFile(game / "System" / "Default.ini", kDefaultIni);
  WriteFile(game / "Server" / "MapList.ini", "[Old server]\r\n");
  WriteFile(game / "Server" / "zarned.exe", "server package");
  WriteFile(game / "Server" / "ucc.exe", "server package");
}

void InstalledMapLists(Files& f, const std::string& list) {
  f["System/MapList.ini"] = list;
  f["Server/MapList.ini"] = list;
}
void FullInstallation(Files& f) {
  InstalledMapLists(f, kFullList);
  f["System/ZARN.ini"] = kZarnIniRewritten;
  f["System/Default.ini"] = kDefaultIniRewritten;
}
void MinimalInstallation(Files& f) {
  InstalledMapLists(f, kLiteList);
  for (const char* map : {"dm_spads.unr", "DM_Base.unr", "dm_testpath.unr", "DM_LostTemple.unr"}) {
    f.erase(std::string("Maps/") + map);
  }
}
void WrongFolder(Files& f) {
  for (const char* file : {"Maps/MapInstaller.exe", "Server/zarned.exe", "Server/ucc.exe"}) {
    f.erase(file);
  }
}
void FullInstallationButZarnIni(Files& f) {
  std::string zarn_ini = f["System/ZARN.ini"];
  FullInstallation(f);
  f["System/ZARN.ini"] = zarn_ini;
}

// Held while the probe runs; released before the files are compared.
using Hold = std::shared_ptr<void>;

struct ProbeCase {
  const char* name;
  std::function<void(const fs::path& game)> prepare;
  std::string_view message;
  std::function<void(Files&)> expect;
  // Taken after the files to expect have been read.
  std::function<Hold(const fs::path& game)> hold = [](const fs::path&) { return nullptr; };
};

fs::path ZarnIni(const fs::path& game) { return game / "System" / "ZARN.ini"; }

#ifdef _WIN32
// Another program holds the file open and lets nobody else in.
void MakeUnreadable(const fs::path&) {}
Hold HoldUnreadable(const fs::path& game) {
  HANDLE handle = CreateFileA(ZarnIni(game).string().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(handle, INVALID_HANDLE_VALUE);
  return Hold(handle, [](void* h) { CloseHandle(h); });
}
#else
// A pipe without a writer: reading it would wait forever. (Permissions cannot
// keep root, who runs the checks, from reading.)
void MakeUnreadable(const fs::path& game) {
  fs::remove(ZarnIni(game));
  EXPECT_EQ(mkfifo(ZarnIni(game).c_str(), 0644), 0);
}
Hold HoldUnreadable(const fs::path&) { return nullptr; }
#endif

const std::vector<ProbeCase>& Cases() {
  static const std::vector<ProbeCase> cases = {
      {"FullInstallationInTheRightFolder", [](const fs::path&) {}, "", FullInstallation},
      {"MinimalInstallation",
       [](const fs::path& game) { fs::remove(game / "Sounds" / "PC" / "USA02.hsc"); },
       kMinimalInstallationMessage, MinimalInstallation},
      {"WrongFolder", [](const fs::path& game) { fs::remove(game / "Maps" / "DM_Banque.unr"); },
       kWrongFolderMessage, WrongFolder},
      {"WrongFolderWithMinimalInstallation",
       [](const fs::path& game) {
         fs::remove(game / "Maps" / "DM_Banque.unr");
         fs::remove(game / "Sounds" / "PC" / "USA02.hsc");
       },
       kWrongFolderMessage,
       [](Files& f) {
         MinimalInstallation(f);
         WrongFolder(f);
       }},
      {"MarkerPresent",
       [](const fs::path& game) {
         WriteFile(game / "Maps" / "List" / "ZARN.MSL", "");
         fs::remove(game / "Maps" / "DM_Banque.unr");
         fs::remove(game / "Sounds" / "PC" / "USA02.hsc");
       },
       "", [](Files&) {}},
      {"DefaultIniMissing",
       [](const fs::path& game) { fs::remove(game / "System" / "Default.ini"); }, "",
       [](Files& f) {
         InstalledMapLists(f, kFullList);
         f["System/ZARN.ini"] = kZarnIniRewritten;
       }},
      {"ConfigurationUnreadable", MakeUnreadable, "", FullInstallationButZarnIni, HoldUnreadable},
      {"ConfigurationReadOnly",
       [](const fs::path& game) {
         fs::permissions(ZarnIni(game),
                         fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                         fs::perm_options::remove);
       },
       "", FullInstallationButZarnIni},
      {"ConfigurationIsAFolder",
       [](const fs::path& game) {
         fs::remove(ZarnIni(game));
         fs::create_directory(ZarnIni(game));
       },
       "", FullInstallationButZarnIni},
  };
  return cases;
}

struct ProbeRun {
  size_t case_index;
  bool real_program;  // the built ZARNDetect in the maps folder, else the probe called here
};

void PrintTo(const ProbeRun& run, std::ostream* out) {
  *out << Cases()[run.case_index].name << (run.real_program ? " by the program" : "");
}

// The Windows program shows its message in a window that waits for OK, so it
// runs only where there is no message; the POSIX program prints it.
std::vector<ProbeRun> Runs() {
  std::vector<ProbeRun> runs;
  for (size_t i = 0; i < Cases().size(); ++i) {
    runs.push_back({i, false});
#ifdef _WIN32
    if (!Cases()[i].message.empty()) continue;
#endif
    runs.push_back({i, true});
  }
  return runs;
}

class InstallationProbeTest : public ::testing::TestWithParam<ProbeRun> {};

TEST_P(InstallationProbeTest, LeavesEveryFileAsExpectedAndTellsTheMessage) {
  const ProbeCase& c = Cases()[GetParam().case_index];
  TempDir dir;
  fs::path game = dir.path() / "ZARN";
  BuildInstallation(game);
  fs::path program = game / "Maps" / fs::path(ZARN_DETECT_PROGRAM).filename();
  if (GetParam().real_program) fs::copy_file(ZARN_DETECT_PROGRAM, program);
  c.prepare(game);
  Files expected = Snapshot(game);
  c.expect(expected);
  Hold hold = c.hold(game);

  if (GetParam().real_program) {
    testing_support::ProgramRun run = testing_support::RunProgram(program, "");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exit_code, 0);
#ifndef _WIN32
    EXPECT_EQ(run.output, c.message.empty() ? "" : std::string(c.message) + "\n");
#endif
  } else {
    EXPECT_EQ(ProbeInstallation((game / "Maps").string()), c.message);
  }
  hold.reset();
  EXPECT_EQ(Snapshot(game), expected);
}

INSTANTIATE_TEST_SUITE_P(Installations, InstallationProbeTest, ::testing::ValuesIn(Runs()),
                         [](const ::testing::TestParamInfo<ProbeRun>& run) {
                           return std::string(Cases()[run.param.case_index].name) +
                                  (run.param.real_program ? "_Program" : "_Probe");
                         });

// The built ZARNDetect killed at random moments of its work on a full
// installation: every file it replaces holds its old or its new content, and
// nothing is left beside them but what KillTally allows, which the next run
// removes.
TEST(ZarnDetectCrashSafetyTest, AKilledRunLeavesEachFileOldOrNewAndNothingBeside) {
  TempDir dir;
  fs::path game = dir.path() / "ZARN";
  BuildInstallation(game);
  fs::path program = game / "Maps" / fs::path(ZARN_DETECT_PROGRAM).filename();
  fs::copy_file(ZARN_DETECT_PROGRAM, program);
  // Large enough that most kills land in the rewrite.
  std::string big_ini = kZarnIni;
  for (int i = 0; i < 20000; ++i)
    big_ini += "Key" + std::to_string(i) + "=AllowDownloads=False\r\n";
  WriteFile(ZarnIni(game), big_ini);
  const Files old_files = Snapshot(game);
  ASSERT_EQ(testing_support::RunProgram(program, "").exit_code, 0);
  ASSERT_NE(Snapshot(game).at("System/ZARN.ini"), big_ini);

  auto reset = [&] {
    for (const auto& [name, content] : Snapshot(game)) {
      if (!old_files.contains(name)) fs::remove_all(game / name);
    }
    for (const auto& [name, content] : old_files) {
      if (content != "<folder>" && ReadFile(game / name) != content)
        WriteFile(game / name, content);
    }
  };
#ifdef _WIN32
  const int kUsualRounds = 20;  // a Wine process start takes a tenth of a second
#else
  const int kUsualRounds = 100;
#endif
  testing_support::KillTally tally =
      testing_support::RunKillRounds(program, "", testing_support::KillRounds(kUsualRounds), reset,
                                     [&] { return Snapshot(game); });
  std::cout << testing_support::Describe("ZARNDetect", tally) << '\n';
  EXPECT_EQ(tally.broken, 0);
  EXPECT_EQ(tally.left, 0);
  EXPECT_GT(tally.killed, 0);
}

TEST(GameFolderOfMapsTest, CutsTheMapsFolderOff) {
  EXPECT_EQ(GameFolderOfMaps("C:\\Games\\ZARN\\maps"), "C:\\Games\\ZARN");
  EXPECT_EQ(GameFolderOfMaps("/home/op/ZARN/Maps"), "/home/op/ZARN");
  EXPECT_EQ(GameFolderOfMaps("maps"), "");
}

}  // namespace
}  // namespace install_tools
