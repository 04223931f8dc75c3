#include "ui/layout.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(LayoutTest, TwipsScaleWithTheDpi) {
  struct Case {
    int twips, dpi, pixels;
  } cases[] = {{1440, 96, 96}, {8535, 96, 569}, {8535, 144, 854}, {15, 96, 1},
               {7, 96, 0},     {8, 96, 1},      {-8, 96, -1},     {1440, 120, 120}};
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

TEST(LayoutTest, RectanglesThatTouchInTwipsTouchInPixels) {
  for (int dpi : {96, 120, 144, 168, 192}) {
    Rect left = TwipsToPixels(Rect{110, 7590, 1575, 375}, dpi);
    Rect right = TwipsToPixels(Rect{1685, 7590, 1575, 375}, dpi);
    EXPECT_EQ(left.right(), right.left) << dpi;
    EXPECT_FALSE(Overlap(left, right)) << dpi;
  }
}

TEST(LayoutTest, FontHeightIsTheCharacterHeightInPixels) {
  EXPECT_EQ(FontHeightPixels(825, 96), -11);
  EXPECT_EQ(FontHeightPixels(825, 144), -17);
}

TEST(LayoutTest, CentringHalvesTheDifferencesOnTheScreen) {
  EXPECT_EQ(Centred({0, 0, 1024, 768}, {569, 547}), (Rect{227, 110, 569, 547}));
  EXPECT_EQ(Centred({1920, 0, 1280, 1024}, {400, 300}), (Rect{2360, 362, 400, 300}));
  EXPECT_EQ(Centred({0, 0, 800, 600}, {900, 700}), (Rect{-50, -50, 900, 700}));
  // An odd difference drops its half pixel.
  EXPECT_EQ(Centred({0, 0, 1024, 1025}, {320, 320}), (Rect{352, 352, 320, 320}));
  EXPECT_EQ(Centred({0, 0, 200, 200}, {320, 320}), (Rect{-60, -60, 320, 320}));
}

}  // namespace
}  // namespace ui
