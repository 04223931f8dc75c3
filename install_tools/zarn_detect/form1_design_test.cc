#include "zarn_detect/form1_design.h"

#include <gtest/gtest.h>

namespace zarn_detect {
namespace {

using ui::FontHeightPixels;
using ui::kFontHundredthsOfPoint;
using ui::Rect;
using ui::Size;
using ui::TwipsToPixels;

TEST(Form1DesignTest, ScalesTheDesignTwipsWithTheDpi) {
  const ui::FormDesign& form = Form1Design();
  // 15 twips a pixel
  EXPECT_EQ(TwipsToPixels(form.client_twips, 96), (Size{306, 145}));
  EXPECT_EQ(TwipsToPixels(form.Find("lblPopis").twips, 96), (Rect{8, 8, 289, 97}));
  EXPECT_EQ(TwipsToPixels(form.Find("cmdOk").twips, 96), (Rect{104, 112, 105, 25}));
  EXPECT_EQ(FontHeightPixels(kFontHundredthsOfPoint, 96), -11);

  // 10 twips a pixel
  EXPECT_EQ(TwipsToPixels(form.client_twips, 144).width, 459);
  EXPECT_EQ(TwipsToPixels(form.Find("cmdOk").twips, 144), (Rect{156, 168, 158, 38}));
  EXPECT_EQ(FontHeightPixels(kFontHundredthsOfPoint, 144), -17);
}

}  // namespace
}  // namespace zarn_detect
