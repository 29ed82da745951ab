// RAII owners for the Win32 handles the program uses. Each wrapper closes its
// handle exactly once; call release() where Windows takes ownership
// (SetClipboardData owns the memory once it succeeds).
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui {

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

template <class T> struct GdiObjectDeleter {
    void operator()(T h) const {
        if (h) DeleteObject(h);
    }
};
template <class T> using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter<T>>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePalette = UniqueGdi<HPALETTE>;

struct WindowDestroyer {
    void operator()(HWND h) const {
        if (h && IsWindow(h)) DestroyWindow(h);
    }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct MenuDestroyer {
    void operator()(HMENU h) const {
        if (h) DestroyMenu(h);
    }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

struct IconDestroyer {
    void operator()(HICON h) const {
        if (h) DestroyIcon(h);
    }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct ModuleFreer {
    void operator()(HMODULE h) const {
        if (h) FreeLibrary(h);
    }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

struct EnhMetaFileDeleter {
    void operator()(HENHMETAFILE h) const {
        if (h) DeleteEnhMetaFile(h);
    }
};
using UniqueEnhMetaFile = std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, EnhMetaFileDeleter>;

struct DcDeleter {
    void operator()(HDC h) const {
        if (h) DeleteDC(h);
    }
};
// A device context made with CreateCompatibleDC or CreateDC.
using UniqueDC = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct GlobalFreer {
    void operator()(HGLOBAL h) const {
        if (h) GlobalFree(h);
    }
};
using UniqueGlobal = std::unique_ptr<void, GlobalFreer>;

struct FindCloser {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) FindClose(h);
    }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// The device context of a window, released on scope exit.
class ScopedGetDC {
  public:
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ScopedGetDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelectObject() {
        if (old_) SelectObject(dc_, old_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// Selects a palette into a device context and puts the old one back.
class ScopedSelectPalette {
  public:
    ScopedSelectPalette(HDC dc, HPALETTE palette)
        : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {}
    ~ScopedSelectPalette() {
        if (old_) SelectPalette(dc_, old_, FALSE);
    }
    ScopedSelectPalette(const ScopedSelectPalette&) = delete;
    ScopedSelectPalette& operator=(const ScopedSelectPalette&) = delete;

  private:
    HDC dc_;
    HPALETTE old_;
};

// Locks global memory for the lifetime of the object.
template <class T> class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL h) : h_(h), p_(h ? static_cast<T*>(GlobalLock(h)) : nullptr) {}
    ~GlobalLockGuard() {
        if (p_) GlobalUnlock(h_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    T* get() const { return p_; }
    SIZE_T size() const { return h_ ? GlobalSize(h_) : 0; }

  private:
    HGLOBAL h_;
    T* p_;
};

// The clipboard, open for as long as the object lives.
class ClipboardSession {
  public:
    // Another program, or the program's own reader thread, may hold the
    // clipboard for a moment: about 100 ms of tries.
    explicit ClipboardSession(HWND owner = nullptr) : ClipboardSession(owner, 6, 20) {}
    // Tries `attempts` times, `pauseMs` apart.
    ClipboardSession(HWND owner, int attempts, DWORD pauseMs) : open_(false) {
        for (int attempt = 1; attempt <= attempts && !open_; ++attempt) {
            if (attempt > 1) Sleep(pauseMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

} // namespace ui
