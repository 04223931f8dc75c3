// Layout: where a window's controls go on a screen of a given DPI. Designs
// are in twips (1440 to the inch), as the forms were drawn; everything here
// is pure arithmetic, so that it can be tested without a screen.
#pragma once

namespace ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Pixels at `dpi` for a length in twips, rounded to the nearest pixel.
// REQUIRES: dpi > 0.
int TwipsToPixels(int twips, int dpi);
// Each edge is rounded on its own, so that controls which touch in twips
// touch in pixels too and never overlap by a rounding pixel.
Rect TwipsToPixels(const Rect& twips, int dpi);
Size TwipsToPixels(const Size& twips, int dpi);

// The height of a font in pixels (negative: the character height, as
// CreateFont takes it) for a size in hundredths of a point.
int FontHeightPixels(int hundredths_of_point, int dpi);

// The top left corner that centres a window of `window` size on `screen`:
// half of each difference, rounded towards zero. A window larger than the
// screen gets a negative origin, as the original centring gave.
Rect Centred(const Rect& screen, const Size& window);

// True when the two rectangles share at least one pixel.
bool Overlap(const Rect& a, const Rect& b);

}  // namespace ui
