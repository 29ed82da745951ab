#include "ui/QuietHover.h"

#include <commctrl.h>

namespace ui {
namespace {

constexpr UINT_PTR kQuietHoverId = 0x5148; // the subclass's id on the button

bool TrackedForLeave(HWND button) {
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    return TrackMouseEvent(&query) && query.hwndTrack == button && (query.dwFlags & TME_LEAVE);
}

LRESULT CALLBACK QuietHoverProc(HWND button, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (msg == WM_MOUSEMOVE && !TrackedForLeave(button)) {
        // Asked before the button asks: it then finds its leave tracked and asks for nothing more.
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, button, HOVER_DEFAULT};
        if (TrackMouseEvent(&leave)) PostMessageW(button, WM_MOUSEHOVER, wParam, lParam);
    } else if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(button, &QuietHoverProc, kQuietHoverId);
    }
    return DefSubclassProc(button, msg, wParam, lParam);
}

} // namespace

void QuietHover(HWND button) {
    // Without it the button still works; it only tracks the pointer at its own pace.
    if (button) SetWindowSubclass(button, &QuietHoverProc, kQuietHoverId, 0);
}

} // namespace ui
