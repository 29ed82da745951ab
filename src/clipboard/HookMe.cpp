#include "clipboard/HookMe.h"

#include "ui/ProgramError.h"
#include "clipboard/HookTrace.h"

#include <exception>
#include <new>
#include <string>

namespace clipboard {
namespace {

// The number and description of the error that ended a client's handling.
HookFailure CurrentFailure() {
    try {
        throw;
    } catch (const ui::ProgramError& e) {
        return {e.Number(), e.Description()};
    } catch (const std::bad_alloc&) {
        return {7, "Out of memory"};
    } catch (const std::exception& e) {
        return {0, e.what()};
    } catch (...) {
        return {0, "Unknown error"};
    }
}

// Called inside a catch block: the trace of the error that is being handled.
void WriteUnhookTrace(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        const std::string trace =
            UnhookTraceText(CurrentFailure(), reinterpret_cast<std::uintptr_t>(hWnd), msg, wParam, lParam);
        OutputDebugStringA(trace.c_str());
    } catch (...) {
        // The trace is for the debugger only; without memory for it there is none.
    }
}

} // namespace

void HookWindow(HWND hWnd, HookClient* viewer) {
    if (GetPropA(hWnd, kOldWindowProcProperty)) return; // never subclassed twice
    SetPropA(hWnd, kObjectPointerProperty, viewer);
    SetPropA(hWnd, kOldWindowProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC)));
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
}

void UnhookWindow(HWND hWnd) {
    if (HANDLE oldProc = GetPropA(hWnd, kOldWindowProcProperty))
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    RemovePropA(hWnd, kObjectPointerProperty);
    RemovePropA(hWnd, kOldWindowProcProperty);
}

LRESULT CallOldWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto oldProc = reinterpret_cast<WNDPROC>(GetPropA(hWnd, kOldWindowProcProperty));
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK HookProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* const client = static_cast<HookClient*>(GetPropA(hWnd, kObjectPointerProperty));
    if (!client) return 0;
    LRESULT result = 0;
    HWND handledWindow = hWnd;
    UINT handledMsg = msg;
    WPARAM handledWParam = wParam;
    LPARAM handledLParam = lParam;
    try {
        client->WindowProc(handledWindow, handledMsg, handledWParam, handledLParam, result);
    } catch (...) {
        result = 0;
        UnhookWindow(hWnd);
        WriteUnhookTrace(hWnd, msg, wParam, lParam);
    }
    if (msg == WM_DESTROY) UnhookWindow(hWnd);
    return result;
}

} // namespace clipboard
