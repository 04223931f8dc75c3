#include "zarn_detect/form1_layout.h"

#include <gtest/gtest.h>

namespace zarn_detect {
namespace {

TEST(LayoutForm1Test, ScalesTheDesignTwipsWithTheDpi) {
  Form1Layout at96 = LayoutForm1(96);  // 15 twips a pixel
  EXPECT_EQ(at96.client_width, 306);
  EXPECT_EQ(at96.client_height, 145);
  EXPECT_EQ(at96.lblPopis, (PixelRect{8, 8, 289, 97}));
  EXPECT_EQ(at96.cmdOk, (PixelRect{104, 112, 105, 25}));
  EXPECT_EQ(at96.font_height, -11);

  Form1Layout at144 = LayoutForm1(144);  // 10 twips a pixel
  EXPECT_EQ(at144.client_width, 459);
  EXPECT_EQ(at144.cmdOk, (PixelRect{156, 168, 158, 38}));
  EXPECT_EQ(at144.font_height, -17);
}

TEST(CentredStartTest, HalfTheDifferenceInWholeUnits) {
  EXPECT_EQ(CentredStart(1024, 320), 352);
  EXPECT_EQ(CentredStart(1025, 320), 352);
  EXPECT_EQ(CentredStart(200, 320), -60);
}

}  // namespace
}  // namespace zarn_detect
