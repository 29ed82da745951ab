// The small window base every form and custom control stands on: the static
// window procedure picks up `this` at WM_NCCREATE and calls a member handler.
// No exception crosses a window procedure.
#pragma once

#include <windows.h>

namespace ui {

class Window {
  public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a window class whose procedure dispatches to Window objects.
    static void RegisterClassOnce(const char* className, UINT style, HBRUSH background, HCURSOR cursor);

  protected:
    // Creates a window of a class registered above, bound to this object.
    HWND CreateBound(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int w,
                     int h, HWND parent);
    virtual LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (WM_NCDESTROY).
    virtual void WindowGone() {}

  private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace ui
