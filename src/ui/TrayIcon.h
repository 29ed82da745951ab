// The notification-area icon: show and remove it; the owner receives the
// mouse events on it as kCallbackMessage, whose lParam is the mouse message.
// An icon that the shell refused (at log-on the task bar may not exist yet)
// stays wanted, and Restore tries again.
#pragma once

#include "ui/WinHandles.h"

#include <string>


namespace ui {

class TrayIcon {
public:
    // The message the shell sends to the owner for mouse events on the icon.
    static constexpr UINT kCallbackMessage = WM_APP + 77;

    TrayIcon(std::string toolTip, HICON icon);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void ShowIcon(HWND owner);
    void RemoveIcon();
    bool Shown() const { return shown_; }
    // Shown, or refused by the shell and still to be shown.
    bool Wanted() const { return wanted_; }
    // After the task bar was re-created, or to try a refused icon again:
    // shows the icon if it is wanted.
    void Restore();

private:
    bool Notify(DWORD action);
    std::string toolTip_;
    HICON icon_;
    HWND owner_ = nullptr;
    bool shown_ = false;
    bool wanted_ = false;
};

} // namespace ui
