// The notification-area icon: show and remove it. The shell speaks to it in
// its version 4: the owner receives kCallbackMessage, which EventOf reads
// (NIN_SELECT, NIN_KEYSELECT, WM_CONTEXTMENU, mouse messages and where).
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

    // What the shell reports through kCallbackMessage.
    struct Event {
        UINT message; // NIN_SELECT, NIN_KEYSELECT, WM_CONTEXTMENU, WM_LBUTTONDBLCLK, ...
        POINT at;     // where on the screen the menu of WM_CONTEXTMENU belongs
    };
    static Event EventOf(WPARAM wParam, LPARAM lParam);

    // The program's small icon (resource 1), at the size the shell asks for.
    static UniqueIcon LoadSmallIcon();

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
    bool Add();
    std::string toolTip_;
    HICON icon_;
    HWND owner_ = nullptr;
    bool shown_ = false;
    bool wanted_ = false;
};

} // namespace ui
