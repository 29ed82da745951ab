#include "ui/TrayIcon.h"
#include "ui/WideText.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

namespace ui {

TrayIcon::TrayIcon(std::string toolTip, HICON icon) : toolTip_(std::move(toolTip)), icon_(icon) {}

TrayIcon::~TrayIcon() { RemoveIcon(); }

bool TrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    std::wcsncpy(data.szTip, Wide(toolTip_).c_str(), std::size(data.szTip) - 1);
    return Shell_NotifyIconW(action, &data) != FALSE;
}

void TrayIcon::ShowIcon(HWND owner) {
    if (shown_) return;
    owner_ = owner;
    wanted_ = true;
    shown_ = Notify(NIM_ADD);
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
    shown_ = Notify(NIM_ADD) || Notify(NIM_MODIFY);
}

} // namespace ui
