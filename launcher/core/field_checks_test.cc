#include "core/field_checks.h"

#include <gtest/gtest.h>

namespace hostdeck {
namespace {

struct CheckCase {
  std::string text;
  bool accepted;
};

void ExpectAll(const char* check, bool (*test)(std::string_view),
               const std::vector<CheckCase>& cases) {
  for (const CheckCase& c : cases) {
    EXPECT_EQ(test(c.text), c.accepted) << check << "(\"" << c.text << "\")";
  }
}

TEST(FieldChecksTest, NumberOfPlayers) {
  ExpectAll("CheckNumberOfPlayers", CheckNumberOfPlayers,
            {{"1", true},
             {"01", true},
             {"9", true},
             {"10", true},
             {"20", true},
             {"06", true},
             {"0", false},
             {"00", false},
             {"21", false},
             {"6 ", false},
             {"", false},
             {"+6", false},
             {"020", false}});
}

TEST(FieldChecksTest, PointsLimit) {
  ExpectAll("CheckPointsLimit", CheckPointsLimit,
            {{"10", true},
             {"20", true},
             {"500", true},
             {"010", true},
             {"9", false},
             {"501", false},
             {"1000", false},
             {"0100", false},
             {"", false},
             {"1e2", false},
             {"20 ", false}});
}

TEST(FieldChecksTest, Port) {
  ExpectAll("CheckPort", CheckPort,
            {{"1", true},
             {"7777", true},
             {"65535", true},
             {"00080", true},
             {"0", false},
             {"65536", false},
             {"100000", false},
             {"", false},
             {"80.5", false},
             {"1,000", false},
             {"-1", false},
             {"1E3", false},
             {" 80", false},
             {"0x50", false},
             {"+80", false}});
}

TEST(FieldChecksTest, TimeLimitAndItsTidying) {
  struct TimeCase {
    std::string typed;
    bool accepted;
    std::string shown_after;
  };
  for (const TimeCase& c : std::vector<TimeCase>{{"", true, ""},
                                                 {"0", true, "0"},
                                                 {"00", true, "0"},
                                                 {"5", true, "5"},
                                                 {"05", true, "05"},
                                                 {"60", true, "60"},
                                                 {"4", false, "4"},
                                                 {"61", false, "61"},
                                                 {"5 ", false, "5 "},
                                                 {"005", false, "005"}}) {
    std::string box = c.typed;
    EXPECT_EQ(CheckTimeLimit(box), c.accepted) << "\"" << c.typed << "\"";
    EXPECT_EQ(box, c.shown_after) << "\"" << c.typed << "\"";
  }
}

TEST(FieldChecksTest, ServerNameReplacesWhatTheUrlCannotCarryWhateverTheAnswer) {
  struct TitleCase {
    std::string typed;
    bool accepted;
    std::string shown_after;
  };
  for (const TitleCase& c :
       std::vector<TitleCase>{{"a b?c=d", true, "a_b_c_d"},
                              {"   ", true, "___"},
                              {"a\tb", true, "a_b"},
                              {"say \"hi\"", true, "say__hi_"},
                              {"\"", true, "_"},
                              {std::string("a\0b", 3), true, "a_b"},
                              {"\x01\x08\n\r\x1b\x1f\x7f", true, "_______"},
                              // Kept: what the URL can carry, letters of the code page among it.
                              {"ZARNServer", true, "ZARNServer"},
                              {"-x\\y&z;'$(1)%P%!~#", true, "-x\\y&z;'$(1)%P%!~#"},
                              {"Gr\xfcn\xa0\x80\xff", true, "Gr\xfcn\xa0\x80\xff"},
                              {"", false, ""}}) {
    std::string box = c.typed;
    EXPECT_EQ(CheckServerName(box), c.accepted) << "\"" << c.typed << "\"";
    EXPECT_EQ(box, c.shown_after) << "\"" << c.typed << "\"";
  }
}

TEST(FieldChecksTest, CisloTakesPlainDigitsWithinInclusiveBoundsOnly) {
  EXPECT_TRUE(Cislo("10", 10, 500));
  EXPECT_TRUE(Cislo("500", 10, 500));
  EXPECT_TRUE(Cislo("0000000000000000000042", 1, 65535));  // leading zeros, any number
  EXPECT_FALSE(Cislo("99999999999999999999999", 1, 65535));
  EXPECT_TRUE(Cislo("2147483647", 0, 2147483647));
  for (const char* refused : {"", "9", "501", "-5", "1.0", "1,0", "1E1", "1e1", " 50", "50 ", "+50",
                              "$50", "&H20", "5O"}) {
    EXPECT_FALSE(Cislo(refused, 10, 500)) << "\"" << refused << "\"";
  }
}

}  // namespace
}  // namespace hostdeck
