#include "win32/picture.h"

#include "ui/win32/window.h"
#include "win32/resources.h"

namespace hostdeck::win32 {

static_assert(IDI_HOSTDECK == ui::win32::kProgramIconId, "the windows' classes carry this icon");

ui::win32::Bitmap LoadBitmapResource(int id) {
  return ui::win32::Bitmap(static_cast<HBITMAP>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void DrawStretched(HDC dc, const RECT& area, const ui::win32::Bitmap& bitmap) {
  if (!bitmap) return;
  BITMAP info{};
  GetObjectA(bitmap.get(), sizeof(info), &info);
  ui::win32::MemoryDc source(CreateCompatibleDC(dc));
  ui::win32::Selection selected(source.get(), bitmap.get());
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(),
             0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
}

void DrawProgramIcon(HDC dc, const RECT& area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  ui::win32::Icon icon(static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_HOSTDECK), IMAGE_ICON, width, height, 0)));
  if (icon) DrawIconEx(dc, area.left, area.top, icon.get(), width, height, 0, nullptr, DI_NORMAL);
}

}  // namespace hostdeck::win32
