// The clipboard viewer window: shows the clipboard in any standard format,
// and, hidden, is the program's clipboard watcher in the clipboard-viewer
// chain. Its window procedure is subclassed (HookMe) so that the chain
// messages reach WindowProc.
#pragma once

#include "clipboard/HookMe.h"
#include "clipboard/ViewerHost.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/MenuBar.h"
#include "ui/Picture.h"
#include "ui/PictureControls.h"

#include <array>
#include <string>

namespace capture {
class CaptureEngine;
}

namespace clipboard {

class ClipViewerForm : public ui::Form, public HookClient {
  public:
    static constexpr char kDesignCaption[] = "Clipboard Viewer";
    // `engine` reads each clipboard change once and catches its picture; a
    // viewer without one only shows the clipboard. `host` hears what the
    // viewer has to say; a viewer without one says nothing.
    explicit ClipViewerForm(capture::CaptureEngine* engine = nullptr, ViewerHost* host = nullptr);
    ~ClipViewerForm() override;

    // The main window's once-a-minute check: loads the viewer again (hidden)
    // when it was closed, and enables its Display menu.
    void CheckStillWatching();
    // Leaves the clipboard-viewer chain and joins it again at its head: a
    // program after it may have stopped passing notices on.
    void RejoinChain();

    // Every message of the subclassed window: the previous procedure first,
    // then the clipboard-viewer chain messages.
    void WindowProc(HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;

    // Caption = application title, ": ", view type.
    void UpdateCaption(const std::string& viewType);
    // Shows the best format of the priority list; false when nothing was shown.
    bool ShowClipboardAuto();
    // Shows CurrentFormat.
    bool ShowClipboardFormat();

    void mnuFile_Click(size_t index);
    void mnuEdit_Click(size_t index);
    void mnuDisplayAuto_Click();
    void mnuDisplay_Click(size_t index);
    // The bitmap of the clipboard's current change, through the program's own
    // reader; empty when the change holds none or its data is refused.
    ui::Picture ClipboardPicture();
    capture::CaptureEngine* Engine() const { return engine_; }
    ViewerHost* Host() const { return host_; }
    // A renderer showed a format that is no picture (`kind`: ", Text" ...):
    // the size labels and the log say so.
    void ReportNoPicture(const std::string& kind);

    // Pushes the menu items' state into the window's menu bar.
    void RefreshMenus();
    // The window's menu bar (nullptr while not loaded).
    HMENU MenuHandle() const { return menuBar_.Handle(); }

    HWND hWndNextViewer = nullptr; // the next window of the clipboard-viewer chain
    long CurrentFormat = 0;        // the format shown; -1: none of the listed formats

    ui::TextBox Text1;
    ui::PictureBox Picture1;

    std::array<ui::MenuItem, 3> mnuMain; // "&File", "&Edit", "&Display"
    std::array<ui::MenuItem, 4> mnuFile; // "&New Window", "-", "&Close", "E&xit"
    std::array<ui::MenuItem, 1> mnuEdit; // "&Delete"
    ui::MenuItem mnuDisplayAuto;
    ui::MenuItem mnuDisplayBar;
    ui::MenuArray mnuDisplay; // one item per clipboard format, Tag = format id

  protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;
    bool OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void BuildMenus();
    void LayOut();
    void LeaveChain();
    void ForwardToNextViewer(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void ShowChange();
    void ShowReadBitmap();
    void CheckDisplayItemsOf(long format);
    void ReportViewerReset();

    bool Busy = false;                 // set while ShowClipboardAuto runs
    unsigned long long busySince_ = 0; // when it was set (milliseconds since the system started)
    capture::CaptureEngine* engine_;
    ViewerHost* host_;
    bool inChain_ = false;
    bool changeAfterRead_ = false; // a change is shown once the engine has read it
    ui::MenuBar menuBar_;
};

// The viewer window that holds a control (the renderers set its caption).
ClipViewerForm& ViewerOf(ui::Control& control);

} // namespace clipboard
