// What the Win32 tests share: a scripted stand-in for the dialogs, a fresh
// program folder, a fixed clock, and a message pump.
#pragma once

#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct DialogCall {
    enum class Kind { Message, Input, Browse } kind;
    std::string text;
    std::string title;
    ui::MsgButtons buttons = ui::MsgButtons::Ok;
    ui::MsgIcon icon = ui::MsgIcon::None;
};

// Records every dialog and answers from scripted queues (Yes / empty text /
// cancelled browser when a queue is empty).
class ScriptedDialogs : public ui::Dialogs {
  public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ui::MsgAnswer ShowMessage(const std::string& text, const std::string& title, ui::MsgButtons buttons,
                              ui::MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::string BrowseForFolder(const std::string& prompt) override;

    std::vector<DialogCall> calls;
    std::deque<ui::MsgAnswer> messageAnswers;
    std::deque<std::string> inputAnswers;
    // A browse answer; "!fail" makes the browser fail.
    std::deque<std::string> browseAnswers;
    // Messages only (input and browse calls left out).
    std::vector<DialogCall> Messages() const;
    // Runs while a message box is open, as a user's world goes on meanwhile.
    std::function<void()> whileMessageOpen;
};

// Whether this test program runs from a folder of its own (see WinTestMain).
bool InOwnProgramFolder();
// Runs this test program again, with the same command line, from a copy in a
// fresh folder of its own; returns its exit code and removes the folder.
int RunInOwnProgramFolder();

// The program's folder (the test program's own folder), emptied of
// everything but the test program, while the current directory is another
// new empty folder: the program must find its files wherever it starts.
class TempStartDir {
  public:
    TempStartDir();
    ~TempStartDir();
    const std::filesystem::path& Path() const { return path_; }
    // The current directory while the object lives.
    const std::filesystem::path& Elsewhere() const { return elsewhere_; }
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    void Empty() const;
    std::filesystem::path path_;
    std::filesystem::path elsewhere_;
    std::filesystem::path previous_;
};

// A clock that stands still at the given moment while the object lives.
class FixedClock {
  public:
    explicit FixedClock(ui::DateTime when);
    ~FixedClock();
    ui::DateTime when;
};

// Dispatches window messages for the given time (WM_QUIT is dropped).
void PumpMessages(int milliseconds);
// Dispatches messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds);

// --- The screen -------------------------------------------------------------
// The centre of a window, in screen pixels.
POINT CentreOf(HWND hwnd);
// Moves the mouse pointer to a screen point and presses and releases the left
// button there, through the system's input queue as a user's click does; the
// messages are dispatched before it returns.
void ClickAt(POINT at);
// Moves the mouse pointer to a screen point through the input queue.
void MoveMouseTo(POINT at);
// Presses the keys in order and releases them in reverse order, through the
// input queue (to the window that has the keyboard focus).
void PressKeys(const std::vector<WORD>& keys);
// The colours of a rectangle as they are on the screen, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& rect);

// Puts text on the real clipboard of the test process (fails the test when it cannot).
void PutTextOnClipboard(const std::string& text);

// A language driver whose entry N reads "E<N>", with the given number of lines.
std::string NumberedDriver(int lines = 200);

// The English language driver shipped with the program, as bytes.
std::string ShippedDriver(const std::string& language = "English");

} // namespace testing_support
