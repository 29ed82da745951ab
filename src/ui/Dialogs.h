// The dialogs seam: message boxes, the text-input prompt and the folder
// browser all go through one interface. The program uses the real Win32
// dialogs; tests install a scripted one that records and answers each call.
#pragma once

#include <optional>
#include <string>

namespace ui {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                                  MsgIcon icon) = 0;
    // The typed text; empty when the user cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // A full folder path; empty when the user cancelled. Throws std::runtime_error
    // when the browser cannot be shown.
    virtual std::string BrowseForFolder(const std::string& prompt) = 0;
};

// The dialogs in use; tests install their own (nullptr puts the real ones back).
Dialogs& CurrentDialogs();
void InstallDialogs(Dialogs* dialogs);

// True while a message box, the prompt or the folder browser is open: work
// that must not run inside one (a capture's decisions) waits.
bool ModalDialogOpen();

// The text-input prompt; empty when the user cancelled.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText = {});

// The folder browser: a full folder path, empty when the user cancelled.
std::string BrowseForFolder(const std::string& prompt);

// A message box; without a title it carries the application title.
MsgAnswer MsgBox(const std::string& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
                 const std::optional<std::string>& title = std::nullopt);

} // namespace ui
