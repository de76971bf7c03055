// Owners of Win32 handles: each gives its handle back to the system when it goes, on every way
// out. They live here, below every Win32 layer (paint's device-context code as much as the
// window framework and the skinning on top of it), so that no layer keeps owners of its own.
// Only Win32 code includes this header; the portable code of this folder never does.
//
// Subclasses of windows are owned by the framework's TWindowSubclass (framework/window_subclass.h):
// a subclass carries the framework's message chain and its error report, which nothing below
// the framework needs.
#pragma once

#include <windows.h>

#include <utility>

namespace sundrel {

template <class Handle, class Deleter>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Deleter{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct WindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct HookDeleter {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
// A region until it is handed on: SetWindowRgn takes it over (pass release()).
using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;
// A memory device context (CreateCompatibleDC).
using UniqueDC = UniqueHandle<HDC, DcDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;
using UniqueHook = UniqueHandle<HHOOK, HookDeleter>;

// A device context borrowed from a window (GetDC / ReleaseDC); nullptr is the screen.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() { ReleaseDC(window_, dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The whole window's device context, frame included (GetWindowDC / ReleaseDC).
class WholeWindowDC {
 public:
  explicit WholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WholeWindowDC() { ReleaseDC(window_, dc_); }
  WholeWindowDC(const WholeWindowDC&) = delete;
  WholeWindowDC& operator=(const WholeWindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// One WM_PAINT's drawing: BeginPaint when made, EndPaint when it goes, also when the painting
// in between fails. A paint that never ends leaves the system's device context taken.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectObjectGuard() { SelectObject(dc_, previous_); }
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves a device context's state (clipping, origin, selections) and restores it.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, saved_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// A timer of the thread's message loop, killed when its owner goes: on a window (WM_TIMER with
// the given identifier) or, without a window, one that calls `procedure`.
class UniqueTimer {
 public:
  UniqueTimer() = default;
  ~UniqueTimer() { Stop(); }
  UniqueTimer(const UniqueTimer&) = delete;
  UniqueTimer& operator=(const UniqueTimer&) = delete;

  // Replaces a running timer; false when the system has no timer left. A window timer's
  // identifier is not 0.
  bool Start(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC procedure = nullptr) {
    Stop();
    const UINT_PTR made = SetTimer(window, id, milliseconds, procedure);
    if (made == 0) return false;
    window_ = window;
    id_ = window != nullptr ? id : made;
    return true;
  }
  void Stop() {
    if (id_ != 0) KillTimer(window_, id_);
    window_ = nullptr;
    id_ = 0;
  }
  bool Running() const { return id_ != 0; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace sundrel
