#include "ui/win32/handles.h"

#include <gtest/gtest.h>

namespace ui::win32 {
namespace {

HFONT AnyFont() {
  return CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     "Tahoma");
}

bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// A window re-laid out at another DPI replaces its fonts; the old ones must go.
TEST(HandlesTest, MoveAssignmentReleasesTheHandleItReplaces) {
  HFONT first = AnyFont(), second = AnyFont();
  {
    Font font(first);
    font = Font(second);
    EXPECT_FALSE(Alive(first));
    EXPECT_TRUE(Alive(second));
    EXPECT_EQ(font.get(), second);
  }
  EXPECT_FALSE(Alive(second));
}

TEST(HandlesTest, MovingHandsOverWithoutReleasing) {
  HFONT handle = AnyFont();
  Font from(handle);
  Font to(std::move(from));
  EXPECT_FALSE(from);
  EXPECT_EQ(to.get(), handle);
  EXPECT_TRUE(Alive(handle));
  to = std::move(to);
  EXPECT_TRUE(Alive(handle)) << "self-assignment keeps the handle";
}

}  // namespace
}  // namespace ui::win32
