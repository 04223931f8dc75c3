// The command interpreter, the tokeniser and the two text natives of the
// cinematic controller, run from the built library.
#include <cstring>
#include <string>
#include <vector>

#include "host/exported_members.h"
#include "zadcine_fixture.h"

namespace {

// The exported members, by their symbol names.
using CmpStrStartFn = int32_t (*)(const char*, const char*);
using GetFirstWordFn = char* (*)(char**);
using InterpreterFn = void (ACineController2::*)(char*);

class CinematicsTest : public ZADCineTest {
 protected:
  void SetUp() override {
    ZADCineTest::SetUp();
    cmp_str_start_ = reinterpret_cast<CmpStrStartFn>(Member("11CmpStrStartEPKcS1_"));
    get_first_word_ = reinterpret_cast<GetFirstWordFn>(Member("12GetFirstWordEPPc"));
    interpreter_ = engine_host::MemberAt<InterpreterFn>(Member("11InterpreterEPc"));
    ASSERT_TRUE(cmp_str_start_ && get_first_word_ && interpreter_);
  }

  void* Member(const char* member) const {
    return Export(engine_host::MemberSymbol("ACineController2", member).c_str());
  }

  CmpStrStartFn cmp_str_start_ = nullptr;
  GetFirstWordFn get_first_word_ = nullptr;
  InterpreterFn interpreter_ = nullptr;
};

TEST_F(CinematicsTest, CmpStrStartMatchesKeywordPrefixIgnoringLowerCase) {
  struct Case {
    const char* word;
    const char* keyword;
    int32_t expected;
  };
  const Case cases[] = {
      {"once", "ON", 1},         {"an", "ANIM", 0},
      {"ANIMATE", "ANIM", 1},    {"Anim", "ANIM", 1},
      {"anim", "anim", 0},       {"", "", 1},
      {"word", "", 1},           {"", "ON", 0},
      {"ON", "ONCE", 0},         {"\xe9t\xe9", "\xe9T", 1},
      {"\xe9t\xe9", "\xc9T", 0}, {"{x", "[X", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmp_str_start_(c.word, c.keyword), c.expected)
        << "word '" << c.word << "' keyword '" << c.keyword << "'";
  }
}

TEST_F(CinematicsTest, GetFirstWordCutsWordsInPlace) {
  struct Case {
    const char* text;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", {}},
      {"   ", {}},
      {"one", {"one"}},
      {"  first  second 3", {"first", "second", "3"}},
      {"tab\tinside word ", {"tab\tinside", "word"}},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    char* cursor = text.data();
    std::vector<std::string> words;
    while (char* word = get_first_word_(&cursor)) {
      words.emplace_back(word);
      ASSERT_LE(words.size(), c.words.size());
    }
    EXPECT_EQ(words, c.words) << "text '" << c.text << "'";
    EXPECT_EQ(*cursor, '\0');
    EXPECT_EQ(cursor, text.data() + text.size()) << "text '" << c.text << "'";
  }
}

TEST_F(CinematicsTest, GetFirstWordTakesOnlyOneSeparator) {
  char text[] = "ab  cd";
  char* cursor = text;
  EXPECT_STREQ(get_first_word_(&cursor), "ab");
  EXPECT_EQ(cursor, text + 3);
  EXPECT_EQ(std::memcmp(text, "ab\0 cd", 7), 0);
}

TEST_F(CinematicsTest, InterpreterCarriesOutAnimOnce) {
  struct Case {
    const char* line;
    bool once;
  };
  const Case cases[] = {
      {"anim once", true},
      {"Anim Once", true},
      {"ANIMATE ONCEMORE", true},
      {"ANIM ONCENB", false},
      {"ANIM TWICE", false},
      {"ANIM ONCENB\tx", false},
      {"ANIM ONCE\tx", true},
      {"  anim   once  ", true},
      {"ANIM", false},
      {"AN ONCE", false},
      {"", false},
      {"   ", false},
      {"\tANIM ONCE", false},
  };
  ACineController2* controller = NewController();
  for (const Case& c : cases) {
    controller->CommandFlags = 0x1;
    const int32_t before = controller->LineCounter;
    std::string line = c.line;
    (controller->*interpreter_)(line.data());
    EXPECT_EQ(controller->CommandFlags, c.once ? 0x101u : 0x1u) << "line '" << c.line << "'";
    EXPECT_EQ(controller->LineCounter, before + 1) << "line '" << c.line << "'";
  }
}

// The engine's name table outlives the host, so the test without the name
// "NoMove" runs first and the one that creates it follows in the same test.
TEST_F(CinematicsTest, InterpreterFreezesThePlayerOnceNoMoveExists) {
  ACineController2* controller = NewController();
  ASSERT_EQ(FName("NoMove", FNAME_Find), FName(NAME_None));
  controller->PlayerCtrl = NewPawn(FVector());
  std::string line = "FPL";
  (controller->*interpreter_)(line.data());
  EXPECT_EQ(FName("NoMove", FNAME_Find), FName(NAME_None)) << "the look-up must not create it";
  EXPECT_EQ(controller->PlayerCtrl->GetStateNode(), nullptr);

  ASSERT_TRUE(host_
                  .Declare(engine_host::ScriptClass("CinePlayerController", "Controller")
                               .ScriptOnly()
                               .State("NoMove"))
                  .ok());
  AActor* player =
      level_->SpawnActor(host_.FindClass("CinePlayerController"), NAME_None, FVector());
  ASSERT_NE(player, nullptr);
  controller->PlayerCtrl = player;
  struct Case {
    const char* line;
    bool frozen;
  };
  const Case cases[] = {
      {"fpl", true},       {"FreezePlayerLocation", true},
      {"FPLAYER x", true}, {"FP", false},
      {"FREEZE", false},   {"WAIT fpl", false},
  };
  for (const Case& c : cases) {
    player->GotoState(NAME_None);
    line = c.line;
    (controller->*interpreter_)(line.data());
    const UState* state = player->GetStateNode();
    EXPECT_EQ(state && state->GetFName() == FName("NoMove", FNAME_Find), c.frozen)
        << "line '" << c.line << "'";
  }

  // Without a player controller there is nobody to freeze; the line counts.
  controller->PlayerCtrl = nullptr;
  const int32_t before = controller->LineCounter;
  line = "FPL";
  (controller->*interpreter_)(line.data());
  EXPECT_EQ(controller->LineCounter, before + 1);
}

TEST_F(CinematicsTest, InterpreterStepsOverOnAndWaitWords) {
  ACineController2* controller = NewController();
  char wait[] = "WAIT a b c";
  (controller->*interpreter_)(wait);
  EXPECT_EQ(std::memcmp(wait, "WAIT\0a\0b\0c", 11), 0);
  char on[] = "on x y";
  (controller->*interpreter_)(on);
  EXPECT_EQ(std::memcmp(on, "on\0x\0y", 7), 0);
  char short_wait[] = "WAIT a";
  (controller->*interpreter_)(short_wait);
  EXPECT_EQ(std::memcmp(short_wait, "WAIT\0a", 7), 0);
  EXPECT_EQ(controller->LineCounter, 3);
  EXPECT_EQ(controller->CommandFlags, 0u);
}

// The script native GetFirstWord on a local variable of the calling script.
struct WordResult {
  std::string word;
  std::string rest;
};

WordResult CallGetFirstWord(ACineController2* controller, const std::string& text) {
  engine_host::ScriptCall call;
  FString& variable = call.LocalString(text.c_str());
  FString word;
  call.Call(controller, "GetFirstWord", &word);
  return {*word, *variable};
}

TEST_F(CinematicsTest, ScriptGetFirstWordTakesWordsOneByOne) {
  ACineController2* controller = NewController();
  std::string text = "  first  second 3";
  const std::vector<WordResult> expected = {
      {"first", " second 3"}, {"second", "3"}, {"3", ""}, {"", ""}};
  for (const WordResult& step : expected) {
    const WordResult got = CallGetFirstWord(controller, text);
    EXPECT_EQ(got.word, step.word);
    EXPECT_EQ(got.rest, step.rest);
    text = got.rest;
  }
  EXPECT_EQ(CallGetFirstWord(controller, "    ").word, "");
  EXPECT_EQ(CallGetFirstWord(controller, "    ").rest, "");
}

// Emptied to length 0, a string may keep its memory and the old text in it.
TEST_F(CinematicsTest, ScriptGetFirstWordOfAnEmptiedStringIsEmpty) {
  ACineController2* controller = NewController();
  engine_host::ScriptCall call;
  FString& variable = call.LocalString("old words");
  variable.Empty(variable.Max());
  ASSERT_NE(variable.GetData(), nullptr);
  FString word("unset");
  call.Call(controller, "GetFirstWord", &word);
  EXPECT_STREQ(*word, "");
  EXPECT_EQ(variable.Len(), 0);
}

TEST_F(CinematicsTest, ScriptGetFirstWordKeepsLongRemaindersWhole) {
  ACineController2* controller = NewController();
  for (std::size_t length : {258u, 259u, 260u, 1000u}) {
    std::string rest(length, 'x');
    rest[0] = '<';
    rest[length - 1] = '>';
    const WordResult got = CallGetFirstWord(controller, "MOVETO " + rest);
    EXPECT_EQ(got.word, "MOVETO");
    EXPECT_EQ(got.rest, rest) << "remainder of " << length;
  }
}

TEST_F(CinematicsTest, CharIsNumTestsTheFirstCharacter) {
  struct Case {
    const char* text;
    uint32_t expected;
  };
  const Case cases[] = {{"7abc", 1}, {" 7", 0}, {"", 0},  {"0", 1},
                        {"9", 1},    {"a1", 0}, {"/", 0}, {":", 0}};
  ACineController2* controller = NewController();
  for (const Case& c : cases) {
    engine_host::ScriptCall call;
    FString& text = call.LocalString(c.text);
    uint32_t result = 7;
    call.Call(controller, "CharIsNum", &result);
    EXPECT_EQ(result, c.expected) << "text '" << c.text << "'";
    EXPECT_STREQ(*text, c.text);
  }
}

}  // namespace
