// Pictures from this program's resources, drawn scaled into a control's area
// (the controls are sized in twips, so the pictures follow the DPI).
#pragma once

#include <windows.h>

#include "ui/win32/handles.h"

namespace hostdeck::win32 {

// A bitmap resource; empty when it cannot be loaded (nothing is drawn then).
ui::win32::Bitmap LoadBitmapResource(int id);

void DrawStretched(HDC dc, const RECT& area, const ui::win32::Bitmap& bitmap);
// The program's icon at the size of `area`.
void DrawProgramIcon(HDC dc, const RECT& area);

}  // namespace hostdeck::win32
