// Owners of GDI and USER handles: each handle is released exactly once, when
// its owner goes or takes another handle (a move-assignment releases the one
// it replaces).
#pragma once

#include <windows.h>

#include <utility>

namespace ui::win32 {

template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release()(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct ReleaseGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ReleaseIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ReleaseDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using Font = UniqueHandle<HFONT, ReleaseGdiObject>;
using Bitmap = UniqueHandle<HBITMAP, ReleaseGdiObject>;
using Icon = UniqueHandle<HICON, ReleaseIcon>;
using MemoryDc = UniqueHandle<HDC, ReleaseDc>;

// Selects an object into a device context for the owner's lifetime.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui::win32
