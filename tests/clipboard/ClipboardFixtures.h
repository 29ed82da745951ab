// What the clipboard tests share: putting real data of every kind on the
// clipboard of the test process, a foreign window in the clipboard-viewer
// chain that records what reaches it, a thread that keeps the clipboard
// open, and reading the viewer's menus and pixels.
#pragma once

#include "TestSupport.h"
#include "ui/WinHandles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace app {
class App;
class MainForm;
} // namespace app
namespace clipboard {
class ClipViewerForm;
}

namespace clipboard_testing {

// --- Putting data on the clipboard --------------------------------------------
// Each call empties the clipboard and puts the given formats; the change
// reaches the viewers while the clipboard closes.

struct ClipboardItem {
    UINT format;
    HANDLE data; // owned by the clipboard once put (nullptr: rendered on request)
};

void PutOnClipboard(const std::vector<ClipboardItem>& items, HWND owner = nullptr);
void EmptyTheClipboard();

// A movable global block holding the bytes.
HGLOBAL GlobalWith(const void* bytes, size_t size);
HGLOBAL GlobalWith(const std::string& bytes);

ClipboardItem TextItem(const std::string& text);
// A device-dependent bitmap filled with one colour.
ClipboardItem BitmapItem(int width, int height, COLORREF colour);
// A palette whose entry i is PaletteColour(i).
ClipboardItem PaletteItem(int entries = 256);
COLORREF PaletteColour(int entry);
// A DROPFILES block with the names (ANSI or wide).
ClipboardItem FileListItem(const std::vector<std::string>& names, bool wide = false);
// An enhanced metafile that fills `box` with `colour`.
ClipboardItem EnhMetafileItem(RECT box, COLORREF colour);
// A Windows metafile picture that fills its whole extent with `colour`.
ClipboardItem MetafilePictItem(COLORREF colour);
// A 1 x 1 BITMAPV5HEADER DIB (format 17).
ClipboardItem DibV5Item();

// A plain top-level window of a class of the test's own, with `self` in its
// user data (GWLP_USERDATA).
ui::UniqueWindow MakeTestWindow(const char* className, WNDPROC proc, void* self);

// --- A foreign window in the chain ----------------------------------------------

struct ChainMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A plain window of its own class that joins the chain like any program's
// viewer: it records every chain message and passes it on.
class ForeignViewer {
  public:
    ForeignViewer();
    ~ForeignViewer();
    ForeignViewer(const ForeignViewer&) = delete;
    ForeignViewer& operator=(const ForeignViewer&) = delete;

    void Join();
    void Leave();
    HWND hWnd() const { return hwnd_.get(); }
    HWND Next() const { return next_; }
    size_t Count(UINT msg) const;
    std::vector<ChainMessage> messages;
    // Runs when a chain message arrives, before it is recorded.
    std::function<void(const ChainMessage&)> OnMessage;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    ui::UniqueWindow hwnd_;
    HWND next_ = nullptr;
    bool joined_ = false;
};

// --- The clipboard kept open by another thread ----------------------------------

class ClipboardHolder {
  public:
    ClipboardHolder(); // returns once the other thread holds the clipboard open
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool Holding() const { return holding_; }

  private:
    ui::UniqueHandle opened_;
    ui::UniqueHandle release_;
    std::thread thread_;
    bool holding_ = false;
};

// --- Reading the viewer ------------------------------------------------------------

// The captions of a menu's items ("-" for a separator).
std::vector<std::string> MenuCaptions(HMENU menu);
// Sends the WM_COMMAND of the menu item with this caption under the top-level
// menu `topCaption`, as a click on it does. False when there is no such item.
bool ChooseMenuItem(clipboard::ClipViewerForm& viewer, const std::string& topCaption,
                    const std::string& caption);
// The colour of a pixel of the viewer's picture box drawing.
COLORREF PixelOf(clipboard::ClipViewerForm& viewer, int x, int y);
// The log lines of the main window.
std::vector<std::string> LogLines();

// --- A running program ----------------------------------------------------------------

// The program in a fresh start directory with the English catalogue, logging
// on, and an empty clipboard. The default viewer is not loaded yet.
class WithProgram : public ::testing::Test {
  protected:
    WithProgram();
    ~WithProgram() override;
    app::MainForm& Main();
    // The default viewer, loaded (hidden) on first use.
    clipboard::ClipViewerForm& Viewer();
    std::string NoPictureText();
    // Lets the program's reader read the clipboard's change and the viewer
    // show what it read.
    void WaitForTheRead();

    testing_support::TempStartDir dir;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FixedClock clock{{2026, 3, 14, 9, 26, 53}};
    std::unique_ptr<app::App> program;
};

} // namespace clipboard_testing
