#include "ui/Dialogs.h"

#include "ui/AppTitle.h"
#include "ui/SystemDialogs.h"

namespace ui {
namespace {
Dialogs*& Installed() {
    static Dialogs* installed = nullptr;
    return installed;
}
} // namespace

Dialogs& CurrentDialogs() {
    static SystemDialogs system;
    return Installed() ? *Installed() : system;
}

void InstallDialogs(Dialogs* dialogs) { Installed() = dialogs; }

MsgAnswer MsgBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::optional<std::string>& title) {
    return CurrentDialogs().ShowMessage(text, title ? *title : AppTitle(), buttons, icon);
}

} // namespace ui
