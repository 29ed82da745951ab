// Window subclassing for the clipboard viewer: through the system's subclass
// chain (SetWindowSubclass), every message of the window goes first to the
// object that owns it, which passes on what it does not answer.
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

// Subclasses the window for the client; a window already subclassed, or no
// client, leaves the window as it is.
void HookWindow(HWND hWnd, HookClient* client);
// Takes the window out of the subclass chain; a window not subclassed stays as it is.
void UnhookWindow(HWND hWnd);
// The client a window hands its messages to, or nothing.
HookClient* HookedClient(HWND hWnd);
// Passes a message on to the window's procedure below the hook. Only while
// the client handles a message of that window.
LRESULT CallOldWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The subclass procedure.
LRESULT CALLBACK HookProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR client);

} // namespace clipboard
