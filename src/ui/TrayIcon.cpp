#include "ui/TrayIcon.h"
#include "ui/WideText.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cwchar>
#include <iterator>

namespace ui {

TrayIcon::Event TrayIcon::EventOf(WPARAM wParam, LPARAM lParam) {
    return {LOWORD(lParam), POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)}};
}

UniqueIcon TrayIcon::LoadSmallIcon() {
    HICON icon = nullptr;
    if (FAILED(LoadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), LIM_SMALL, &icon))) {
        OutputDebugStringA("The program's icon could not be loaded; the tray shows the standard one.\n");
        return UniqueIcon(nullptr);
    }
    return UniqueIcon(icon);
}

TrayIcon::TrayIcon(std::string toolTip, HICON icon) : toolTip_(std::move(toolTip)), icon_(icon) {}

TrayIcon::~TrayIcon() {
    RemoveIcon();
}

bool TrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = 1;
    // In version 4 the shell shows the tool tip only when asked to.
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    std::wcsncpy(data.szTip, Wide(toolTip_).c_str(), std::size(data.szTip) - 1);
    data.uVersion = NOTIFYICON_VERSION_4;
    return Shell_NotifyIconW(action, &data) != FALSE;
}

// An icon the shell took is told to speak version 4; a shell that cannot
// keeps speaking the old way, whose double-click message is the same.
bool TrayIcon::Add() {
    if (!Notify(NIM_ADD)) return false;
    if (!Notify(NIM_SETVERSION)) OutputDebugStringA("The shell keeps the tray icon's old messages\n");
    return true;
}

void TrayIcon::ShowIcon(HWND owner) {
    if (shown_) return;
    owner_ = owner;
    wanted_ = true;
    shown_ = Add();
    if (!shown_) OutputDebugStringA("The tray icon could not be shown yet\n");
}

void TrayIcon::RemoveIcon() {
    if (shown_) Notify(NIM_DELETE);
    shown_ = false;
    wanted_ = false;
}

void TrayIcon::Restore() {
    if (!owner_ || !wanted_) return;
    // A new task bar has no icon yet; where the old one survived, keep it.
    shown_ = Add() || Notify(NIM_MODIFY);
}

} // namespace ui
