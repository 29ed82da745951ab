#include "clipboard/HookMe.h"

#include <commctrl.h>

#include "clipboard/HookTrace.h"
#include "ui/ProgramError.h"

#include <exception>
#include <new>
#include <string>

namespace clipboard {
namespace {

constexpr UINT_PTR kHookId = 1; // the program's one subclass of a window

using GetWindowSubclassFunction = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// Not in every import library of the common controls: the system exports it
// by ordinal 411 in every version that has the subclass chain.
GetWindowSubclassFunction GetWindowSubclassEntry() {
    static const auto entry = reinterpret_cast<GetWindowSubclassFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), MAKEINTRESOURCEA(411))));
    return entry;
}

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

void HookWindow(HWND hWnd, HookClient* client) {
    if (!client || HookedClient(hWnd)) return; // never subclassed twice
    if (!SetWindowSubclass(hWnd, &HookProc, kHookId, reinterpret_cast<DWORD_PTR>(client)))
        OutputDebugStringA("The viewer's window could not be subclassed.\n");
}

void UnhookWindow(HWND hWnd) {
    // A window that was not subclassed has nothing to take out.
    RemoveWindowSubclass(hWnd, &HookProc, kHookId);
}

HookClient* HookedClient(HWND hWnd) {
    DWORD_PTR client = 0;
    const GetWindowSubclassFunction getWindowSubclass = GetWindowSubclassEntry();
    if (!getWindowSubclass || !getWindowSubclass(hWnd, &HookProc, kHookId, &client)) return nullptr;
    return reinterpret_cast<HookClient*>(client);
}

LRESULT CallOldWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK HookProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR clientData) {
    auto* const client = reinterpret_cast<HookClient*>(clientData);
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
