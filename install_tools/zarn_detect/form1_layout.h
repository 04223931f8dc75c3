// The layout of ZARNDetect's window Form1 at a given DPI. The window was
// designed in twips (1440 to the inch); every size is scaled from them, so the
// window looks the same on every screen.
#pragma once

namespace zarn_detect {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

struct Form1Layout {
  int client_width = 0;
  int client_height = 0;
  PixelRect lblPopis;  // the message, wrapped within it
  PixelRect cmdOk;
  int font_height = 0;  // Tahoma 8.25 pt, as a negative character height
};

// Twips to pixels at `dpi`, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// REQUIRES: dpi > 0.
Form1Layout LayoutForm1(int dpi);

// Where a window of `window` pixels starts so that it is centred on a screen of
// `screen` pixels: half the difference, in whole units.
int CentredStart(int screen, int window);

}  // namespace zarn_detect
