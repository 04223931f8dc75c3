// Pictures: Hostdeck's banner, icon and authorship picture, drawn here from
// shapes and a small pixel font (no art from anywhere else), and encoded as
// the BMP and ICO files that the Windows program carries as resources.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hostdeck::gui {

// Straight (not premultiplied) RGBA, rows from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB
};

Image DrawBanner();             // 589 x 99
Image DrawIcon(int size);       // a square of `size` pixels, transparent corners
Image DrawAuthorshipPicture();  // 100 x 100

// A 24-bit BMP file; alpha is dropped.
std::string EncodeBmp(const Image& image);
// An ICO file with one 32-bit entry per image.
// REQUIRES: every image is square and at most 256 pixels wide.
std::string EncodeIco(std::span<const Image> images);

}  // namespace hostdeck::gui
