// Window subclassing for the clipboard viewer: the window's procedure is
// replaced by HookProc, which hands every message to the object that owns
// the window. The object's address and the previous procedure are kept in
// the window properties "ObjectPointer" and "OldWindowProc".
#pragma once

#include <windows.h>

namespace clipboard {

// The object a subclassed window hands its messages to.
class HookClient {
  public:
    // Sets `result` to what the window procedure returns. An exception makes
    // HookProc unhook the window and return 0.
    virtual void WindowProc(HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam, LRESULT& result) = 0;

  protected:
    ~HookClient() = default;
};

inline constexpr char kObjectPointerProperty[] = "ObjectPointer";
inline constexpr char kOldWindowProcProperty[] = "OldWindowProc";

// Subclasses the window for the client; a window already subclassed is left alone.
void HookWindow(HWND hWnd, HookClient* viewer);
// Puts the previous procedure back and removes both properties.
void UnhookWindow(HWND hWnd);
// Passes a message to the window's previous procedure.
LRESULT CallOldWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The replacement window procedure.
LRESULT CALLBACK HookProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace clipboard
