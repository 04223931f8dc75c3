#include "gui/pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace hostdeck::gui {
namespace {

struct Colour {
  double r, g, b;
};

constexpr Colour kNight = {0.08, 0.13, 0.17};
constexpr Colour kSlate = {0.14, 0.27, 0.35};
constexpr Colour kAmber = {0.94, 0.63, 0.13};
constexpr Colour kIce = {0.81, 0.89, 0.92};
constexpr Colour kTeal = {0.50, 0.84, 0.78};
constexpr Colour kParchment = {0.96, 0.93, 0.85};
constexpr Colour kSealRed = {0.54, 0.17, 0.17};

uint32_t Pack(Colour c, double alpha) {
  auto byte = [](double v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
  };
  return byte(alpha) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

Colour Unpack(uint32_t p) {
  return {((p >> 16) & 255) / 255.0, ((p >> 8) & 255) / 255.0, (p & 255) / 255.0};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Paints `colour` over the pixel with coverage `amount` (0 to 1).
void Blend(Image& image, int x, int y, Colour colour, double amount) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height || amount <= 0) return;
  uint32_t& p = image.pixels[static_cast<size_t>(y * image.width + x)];
  double alpha = (p >> 24) / 255.0;
  double out_alpha = amount + alpha * (1 - amount);
  Colour under = Unpack(p);
  Colour mixed = out_alpha > 0 ? Mix(under, colour, amount / out_alpha) : colour;
  p = Pack(mixed, out_alpha);
}

// Fills the pixels where `inside(x, y)` holds, with 4 x 4 samples per pixel
// for smooth edges.
template <typename Shape>
void Fill(Image& image, Colour colour, Shape inside) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      Blend(image, x, y, colour, hits / 16.0);
    }
  }
}

// A 5 x 7 pixel font with the letters the pictures need.
struct Glyph {
  char character;
  std::array<std::string_view, 7> rows;
};

constexpr Glyph kFont[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
};

// Width in pixels of `text` at `scale`: 6 columns per character less the last gap.
int TextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : (static_cast<int>(text.size()) * 6 - 1) * scale;
}

void DrawText(Image& image, std::string_view text, int left, int top, int scale, Colour colour) {
  for (size_t i = 0; i < text.size(); ++i) {
    const Glyph* glyph = nullptr;
    for (const Glyph& g : kFont) {
      if (g.character == text[i]) glyph = &g;
    }
    if (glyph == nullptr) continue;  // a blank
    int x0 = left + static_cast<int>(i) * 6 * scale;
    for (int row = 0; row < 7; ++row)
      for (int column = 0; column < 5; ++column)
        if (glyph->rows[static_cast<size_t>(row)][static_cast<size_t>(column)] == '#')
          for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
              Blend(image, x0 + column * scale + dx, top + row * scale + dy, colour, 1);
  }
}

Image Blank(int width, int height) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), 0)};
}

// The emblem: a crosshair ring around a small server deck, on a rounded square.
void DrawEmblem(Image& image, double left, double top, double size) {
  double radius = size * 0.18;
  Fill(image, kSlate, [&](double x, double y) {
    double dx = std::max({left + radius - x, x - (left + size - radius), 0.0});
    double dy = std::max({top + radius - y, y - (top + size - radius), 0.0});
    return x >= left && y >= top && x < left + size && y < top + size &&
           dx * dx + dy * dy <= radius * radius;
  });
  double cx = left + size / 2, cy = top + size / 2;
  double ring = size * 0.31, thickness = std::max(size * 0.075, 1.2);
  Fill(image, kAmber, [&](double x, double y) {
    double d = std::hypot(x - cx, y - cy);
    bool on_ring = std::abs(d - ring) <= thickness / 2;
    bool on_tick = d > ring && d < size * 0.45 &&
                   (std::abs(x - cx) <= thickness / 2 || std::abs(y - cy) <= thickness / 2);
    return on_ring || on_tick;
  });
  double bar_width = size * 0.30, bar_height = std::max(size * 0.07, 1.0);
  for (int i = -1; i <= 1; ++i) {
    double bar_top = cy + i * bar_height * 1.7 - bar_height / 2;
    Fill(image, kTeal, [&](double x, double y) {
      return std::abs(x - cx) <= bar_width / 2 && y >= bar_top && y < bar_top + bar_height;
    });
  }
}

void PutUint16(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>(value & 255));
  out.push_back(static_cast<char>((value >> 8) & 255));
}

void PutUint32(std::string& out, uint32_t value) {
  PutUint16(out, value & 0xFFFF);
  PutUint16(out, value >> 16);
}

void PutInfoHeader(std::string& out, int width, int height, int bits, uint32_t image_bytes) {
  PutUint32(out, 40);
  PutUint32(out, static_cast<uint32_t>(width));
  PutUint32(out, static_cast<uint32_t>(height));
  PutUint16(out, 1);
  PutUint16(out, static_cast<uint32_t>(bits));
  PutUint32(out, 0);  // uncompressed
  PutUint32(out, image_bytes);
  PutUint32(out, 2835);  // 72 dpi
  PutUint32(out, 2835);
  PutUint32(out, 0);
  PutUint32(out, 0);
}

}  // namespace

Image DrawBanner() {
  Image image = Blank(589, 99);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      Colour c = Mix(kNight, kSlate, 0.35 * x / image.width + 0.65 * y / image.height);
      // Faint diagonal lines, as on a rack's front panel.
      if ((x + y) % 14 == 0) c = Mix(c, kIce, 0.06);
      image.pixels[static_cast<size_t>(y * image.width + x)] = Pack(c, 1);
    }
  DrawEmblem(image, 12, 10, 79);
  DrawText(image, "HOSTDECK", 110, 13, 6, kAmber);
  DrawText(image, "ZARN DEDICATED SERVER LAUNCHER", 112, 69, 2, kIce);
  // A row of status lights at the right.
  for (int i = 0; i < 5; ++i) {
    double cx = 480 + i * 20, cy = 30;
    Fill(image, i == 4 ? kAmber : kTeal,
         [&](double x, double y) { return std::hypot(x - cx, y - cy) <= 4.5; });
  }
  return image;
}

Image DrawIcon(int size) {
  Image image = Blank(size, size);
  DrawEmblem(image, 0, 0, size);
  return image;
}

Image DrawAuthorshipPicture() {
  Image image = Blank(100, 100);
  Fill(image, kParchment, [](double, double) { return true; });
  Fill(image, kSealRed, [](double x, double y) {
    double d = std::hypot(x - 50, y - 50);
    return (d >= 42 && d <= 46) || (d >= 37 && d <= 38);
  });
  DrawText(image, "K", 50 - TextWidth("K", 5) / 2, 24, 5, kSealRed);
  DrawText(image, "2006", 50 - TextWidth("2006", 2) / 2, 64, 2, kSealRed);
  return image;
}

std::string EncodeBmp(const Image& image) {
  uint32_t row_bytes = static_cast<uint32_t>((image.width * 3 + 3) / 4 * 4);
  uint32_t image_bytes = row_bytes * static_cast<uint32_t>(image.height);
  std::string out = "BM";
  PutUint32(out, 14 + 40 + image_bytes);
  PutUint32(out, 0);
  PutUint32(out, 14 + 40);
  PutInfoHeader(out, image.width, image.height, 24, image_bytes);
  for (int y = image.height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < image.width; ++x) {
      uint32_t p = image.pixels[static_cast<size_t>(y * image.width + x)];
      row.push_back(static_cast<char>(p & 255));
      row.push_back(static_cast<char>((p >> 8) & 255));
      row.push_back(static_cast<char>((p >> 16) & 255));
    }
    row.resize(row_bytes, '\0');
    out += row;
  }
  return out;
}

std::string EncodeIco(std::span<const Image> images) {
  std::string header, data;
  PutUint16(header, 0);
  PutUint16(header, 1);  // icon
  PutUint16(header, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const Image& image : images) {
    uint32_t mask_row = static_cast<uint32_t>((image.width + 31) / 32 * 4);
    uint32_t pixels_bytes = static_cast<uint32_t>(image.width * image.height * 4);
    uint32_t mask_bytes = mask_row * static_cast<uint32_t>(image.height);
    std::string entry;
    // Height counts the colour image and the mask together.
    PutInfoHeader(entry, image.width, image.height * 2, 32, pixels_bytes + mask_bytes);
    for (int y = image.height - 1; y >= 0; --y)
      for (int x = 0; x < image.width; ++x)
        PutUint32(entry, image.pixels[static_cast<size_t>(y * image.width + x)]);
    for (int y = image.height - 1; y >= 0; --y) {
      std::string row(mask_row, '\0');
      for (int x = 0; x < image.width; ++x)
        if (image.pixels[static_cast<size_t>(y * image.width + x)] >> 24 == 0)
          row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
      entry += row;
    }
    header.push_back(static_cast<char>(image.width % 256));  // 0 means 256
    header.push_back(static_cast<char>(image.height % 256));
    header.push_back(0);  // no palette
    header.push_back(0);
    PutUint16(header, 1);   // planes
    PutUint16(header, 32);  // bits per pixel
    PutUint32(header, static_cast<uint32_t>(entry.size()));
    PutUint32(header, offset);
    offset += static_cast<uint32_t>(entry.size());
    data += entry;
  }
  return header + data;
}

}  // namespace hostdeck::gui
