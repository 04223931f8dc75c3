// DPI: the dots per inch a window is drawn at, and the outer size of a window
// around a client area at a DPI. Both use the per-monitor functions of Windows
// 10 where they exist, as the programs' PerMonitorV2 manifests ask, and fall
// back to the system DPI where they are missing, so that the programs still
// start on older systems. Neither fails: the fallback is 96.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace ui::win32 {

int DpiOfWindow(HWND hwnd);

// The window size that gives a client area of `client` pixels with this frame.
Size OuterSize(const Size& client, DWORD style, DWORD ex_style, int dpi);

}  // namespace ui::win32
