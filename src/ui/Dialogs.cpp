#include "ui/Dialogs.h"

#include "ui/AppTitle.h"
#include "ui/SystemDialogs.h"

namespace ui {
namespace {
Dialogs*& Installed() {
    static Dialogs* installed = nullptr;
    return installed;
}
int& OpenDialogs() {
    static int open = 0;
    return open;
}

// Counts a dialog as open for as long as the object lives.
class OpenDialog {
  public:
    OpenDialog() { ++OpenDialogs(); }
    ~OpenDialog() { --OpenDialogs(); }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;
};

} // namespace

bool ModalDialogOpen() {
    return OpenDialogs() > 0;
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    OpenDialog open;
    return CurrentDialogs().InputBox(prompt, title, defaultText);
}

std::string BrowseForFolder(const std::string& prompt) {
    OpenDialog open;
    return CurrentDialogs().BrowseForFolder(prompt);
}

Dialogs& CurrentDialogs() {
    static SystemDialogs system;
    return Installed() ? *Installed() : system;
}

void InstallDialogs(Dialogs* dialogs) {
    Installed() = dialogs;
}

MsgAnswer MsgBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::optional<std::string>& title) {
    OpenDialog open;
    return CurrentDialogs().ShowMessage(text, title ? *title : AppTitle(), buttons, icon);
}

} // namespace ui
