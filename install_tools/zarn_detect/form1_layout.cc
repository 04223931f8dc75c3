#include "zarn_detect/form1_layout.h"

namespace zarn_detect {
namespace {

constexpr int kTwipsPerInch = 1440;

PixelRect Scale(int left, int top, int width, int height, int dpi) {
  return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
          TwipsToPixels(height, dpi)};
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }

Form1Layout LayoutForm1(int dpi) {
  Form1Layout layout;
  layout.client_width = TwipsToPixels(4590, dpi);
  layout.client_height = TwipsToPixels(2175, dpi);
  layout.lblPopis = Scale(120, 120, 4335, 1455, dpi);
  layout.cmdOk = Scale(1560, 1680, 1575, 375, dpi);
  // 8.25 points of 72 to the inch.
  layout.font_height = -((825 * dpi + 3600) / 7200);
  return layout;
}

int CentredStart(int screen, int window) { return (screen - window) / 2; }

}  // namespace zarn_detect
