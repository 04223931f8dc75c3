#include "ui/layout.h"

namespace ui {
namespace {

// Rounds half away from zero, as the forms' own twips-to-pixels scaling did.
int Scale(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return Scale(twips, dpi, kTwipsPerInch); }

Rect TwipsToPixels(const Rect& twips, int dpi) {
  int left = TwipsToPixels(twips.left, dpi);
  int top = TwipsToPixels(twips.top, dpi);
  return {left, top, TwipsToPixels(twips.right(), dpi) - left,
          TwipsToPixels(twips.bottom(), dpi) - top};
}

Size TwipsToPixels(const Size& twips, int dpi) {
  return {TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi)};
}

int FontHeightPixels(int hundredths_of_point, int dpi) {
  return -Scale(hundredths_of_point, dpi, 72 * 100);
}

Rect Centred(const Rect& screen, const Size& window) {
  return {screen.left + (screen.width - window.width) / 2,
          screen.top + (screen.height - window.height) / 2, window.width, window.height};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace ui
