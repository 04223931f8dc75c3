#include "gui/pictures.h"

#include <gtest/gtest.h>

#include "testing/temp_dir.h"

namespace hostdeck::gui {
namespace {

uint32_t Uint32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return value;
}

// The resource compiler takes the committed files; they must be what the
// drawing code draws now (run the update_pictures target after changing it).
TEST(PicturesTest, CommittedFilesAreWhatTheCodeDraws) {
  std::string dir = HOSTDECK_PICTURES_DIR;
  Image icons[] = {DrawIcon(48), DrawIcon(32), DrawIcon(16)};
  EXPECT_EQ(testing_support::ReadFile(dir + "/banner.bmp"), EncodeBmp(DrawBanner()));
  EXPECT_EQ(testing_support::ReadFile(dir + "/authorship.bmp"), EncodeBmp(DrawAuthorshipPicture()));
  EXPECT_EQ(testing_support::ReadFile(dir + "/hostdeck.ico"), EncodeIco(icons));
}

TEST(PicturesTest, BmpHeaderDescribesPaddedRows) {
  Image banner = DrawBanner();
  ASSERT_EQ(banner.width, 589);
  ASSERT_EQ(banner.height, 99);
  std::string bmp = EncodeBmp(banner);
  size_t row = (589 * 3 + 3) / 4 * 4;  // 1768: rows are padded to four bytes
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Uint32At(bmp, 2), bmp.size());
  EXPECT_EQ(bmp.size(), 54 + row * 99);
  EXPECT_EQ(Uint32At(bmp, 18), 589u);
  EXPECT_EQ(Uint32At(bmp, 22), 99u);
}

TEST(PicturesTest, IconEntriesPointAtTheirImagesAndMaskTheCorners) {
  Image icons[] = {DrawIcon(48), DrawIcon(16)};
  EXPECT_EQ(icons[0].pixels.front() >> 24, 0u) << "corner transparent";
  EXPECT_EQ(icons[0].pixels[24 * 48 + 2] >> 24, 255u) << "edge middle opaque";
  std::string ico = EncodeIco(icons);
  uint32_t second_offset = Uint32At(ico, 6 + 16 + 12);
  EXPECT_EQ(second_offset, 6 + 32 + Uint32At(ico, 6 + 8));
  EXPECT_EQ(Uint32At(ico, second_offset + 4), 16u);
  EXPECT_EQ(Uint32At(ico, second_offset + 8), 32u) << "colour and mask together";
  EXPECT_EQ(ico.size(), second_offset + Uint32At(ico, 6 + 16 + 8));
}

}  // namespace
}  // namespace hostdeck::gui
