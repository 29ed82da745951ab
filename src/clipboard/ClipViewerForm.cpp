#include "clipboard/ClipViewerForm.h"

#include "capture/CaptureEngine.h"
#include "capture/ClipboardReader.h"
#include "clipboard/DisplayMenu.h"
#include "clipboard/FormatCatalogue.h"
#include "clipboard/Renderers.h"
#include "clipboard/ViewerWindows.h"
#include "i18n/CatalogueEntries.h"
#include "ui/AppTitle.h"
#include "ui/Dialogs.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace clipboard {
namespace {

constexpr int kClientWidth = 7200; // twips
constexpr int kClientHeight = 5400;
constexpr int kMargin = 60; // around the display controls, on every side
constexpr size_t kDisplayMenu = 2;
// A display that never finished (a fault inside the system can end it
// without unwinding) must not silence the viewer for good.
constexpr unsigned long long kBusyLimitMs = 5000;

// Sets a flag for as long as the object lives, also when an error ends the work.
class FlagGuard {
  public:
    FlagGuard(bool& flag, unsigned long long& since) : flag_(flag) {
        flag_ = true;
        since = GetTickCount64();
    }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
};

} // namespace

ClipViewerForm::ClipViewerForm(capture::CaptureEngine* engine, ViewerHost* host)
    : ui::Form(kDesignCaption, kClientWidth, kClientHeight, ui::FormStyle::Sizable), Text1(*this, true),
      Picture1(*this), mnuDisplay("ClipFormat"), engine_(engine), host_(host) {
    Picture1.Move(kMargin, kMargin, kClientWidth - 2 * kMargin, kClientHeight - 2 * kMargin);
    Text1.Move(kMargin, kMargin, kClientWidth - 2 * kMargin, kClientHeight - 2 * kMargin);
    BuildMenus();
}

// The window leaves the chain and its subclassing before the object goes.
ClipViewerForm::~ClipViewerForm() {
    Unload();
}

void ClipViewerForm::BuildMenus() {
    mnuMain[0].caption = "&File";
    mnuMain[1].caption = "&Edit";
    mnuMain[2].caption = "&Display";
    const char* const fileCaptions[] = {"&New Window", "-", "&Close", "E&xit"};
    for (size_t i = 0; i < mnuFile.size(); ++i) {
        mnuFile[i].caption = fileCaptions[i];
        mnuFile[i].separator = mnuFile[i].caption == "-";
        mnuFile[i].OnClick = [this, i] { mnuFile_Click(i); };
    }
    mnuEdit[0].caption = "&Delete";
    mnuEdit[0].OnClick = [this] { mnuEdit_Click(0); };
    mnuDisplayAuto.caption = "Auto";
    mnuDisplayAuto.OnClick = [this] { mnuDisplayAuto_Click(); };
    mnuDisplayBar.caption = "-";
    mnuDisplayBar.separator = true;
    mnuDisplay.OnClick = [this](size_t index) { mnuDisplay_Click(index); };

    menuBar_.AddMenu(mnuMain[0], [this] {
        std::vector<ui::MenuItem*> items;
        for (ui::MenuItem& item : mnuFile) items.push_back(&item);
        return items;
    });
    menuBar_.AddMenu(mnuMain[1], [this] { return std::vector<ui::MenuItem*>{&mnuEdit[0]}; });
    menuBar_.AddMenu(mnuMain[2], [this] {
        std::vector<ui::MenuItem*> items{&mnuDisplayAuto, &mnuDisplayBar};
        for (ui::MenuItem* item : mnuDisplay.Items()) items.push_back(item);
        return items;
    });
}

void ClipViewerForm::RefreshMenus() {
    menuBar_.Update();
}

void ClipViewerForm::CheckStillWatching() {
    Load();
    if (!mnuMain[kDisplayMenu].enabled) {
        mnuMain[kDisplayMenu].enabled = true;
        RefreshMenus();
    }
}

// --- Joining and leaving the chain --------------------------------------------

void ClipViewerForm::Form_Load() {
    menuBar_.Attach(hWnd());
    Text1.SetVisible(false);
    Text1.SetText("");
    Picture1.SetVisible(false);
    Picture1.Move(Picture1.Left(), Picture1.Left(), Picture1.Width(), Picture1.Height());
    LayOut();
    ui::SetAppTitle(kDesignCaption);
    HookWindow(hWnd(), this);
    ShowClipboardAuto();
    BuildDisplayMenu(mnuDisplay);
    RefreshMenus();
    // The system sends the first WM_DRAWCLIPBOARD while this runs, with no
    // next window known yet: that notice is shown once more and forwarded nowhere.
    inChain_ = true;
    hWndNextViewer = SetClipboardViewer(hWnd());
}

void ClipViewerForm::RejoinChain() {
    if (!inChain_) return;
    LeaveChain();
    inChain_ = true;
    hWndNextViewer = SetClipboardViewer(hWnd());
}

void ClipViewerForm::Form_Unload() {
    LeaveChain();
    UnhookWindow(hWnd());
}

void ClipViewerForm::LeaveChain() {
    if (!inChain_) return;
    inChain_ = false;
    ChangeClipboardChain(hWnd(), hWndNextViewer);
    hWndNextViewer = nullptr;
}

bool ClipViewerForm::OnFormMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && menuBar_.OnCommand(LOWORD(wParam))) {
            result = 0;
            return true;
        }
        return false;
    case WM_DESTROY:
        // A window destroyed without being unloaded must not stay in the chain.
        LeaveChain();
        menuBar_.Detach();
        return false;
    case capture::kChangeReadMessage:
        if (std::exchange(changeAfterRead_, false))
            ShowChange();
        else
            ShowReadBitmap();
        result = 0;
        return true;
    default: return false;
    }
}

// --- Chain messages ---------------------------------------------------------------

void ClipViewerForm::WindowProc(HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam, LRESULT& result) {
    result = CallOldWindowProc(hWnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        // The next viewer hears of the change before anything here can take
        // time, and the change is read before it is shown.
        ForwardToNextViewer(msg, wParam, lParam);
        if (engine_) engine_->OnClipboardNotice();
        // A picture's read can take seconds, and while it runs the clipboard
        // is the reader's: that change is shown once it is read, so this
        // thread never waits for the clipboard (nor for Wine's server moving
        // a huge picture). Other changes are read in a moment.
        if (engine_ && capture::BestClipboardFormat() == format::Bitmap && engine_->TellWhenRead(hWnd))
            changeAfterRead_ = true;
        else
            ShowChange();
        break;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == hWndNextViewer) hWndNextViewer = reinterpret_cast<HWND>(lParam);
        ForwardToNextViewer(msg, wParam, lParam);
        break;
    default: break;
    }
}

void ClipViewerForm::ShowChange() {
    // What the renderers do with bad data must not cost the viewer its place:
    // the change was read and passed on already, and later ones must be too.
    try {
        ShowClipboardAuto();
        BuildDisplayMenu(mnuDisplay);
        RefreshMenus();
    } catch (const std::exception& e) {
        OutputDebugStringA(("The viewer could not show the change: " + std::string(e.what()) + "\n").c_str());
        UpdateCaption("No Supported Format");
    }
}

// The bitmap asked for was being read; it is read now. The change's
// Display menu stays as its notice built it.
void ClipViewerForm::ShowReadBitmap() {
    try {
        if (mnuDisplayAuto.checked)
            ShowClipboardAuto();
        else if (CurrentFormat == format::Bitmap)
            ShowClipboardFormat();
    } catch (const std::exception& e) {
        OutputDebugStringA(("The viewer could not show the bitmap: " + std::string(e.what()) + "\n").c_str());
        UpdateCaption("No Supported Format");
    }
}

void ClipViewerForm::ForwardToNextViewer(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (hWndNextViewer) SendMessageA(hWndNextViewer, msg, wParam, lParam);
}

// --- Showing the clipboard ---------------------------------------------------------

void ClipViewerForm::UpdateCaption(const std::string& viewType) {
    SetCaption(ui::AppTitle() + ": " + viewType);
}

bool ClipViewerForm::ShowClipboardAuto() {
    if (Busy) {
        if (GetTickCount64() - busySince_ < kBusyLimitMs) return false;
        Busy = false;
        ReportViewerReset();
    }
    bool result = false;
    if (CountClipboardFormats() < 1) {
        Text1.SetVisible(false);
        Text1.SetText("");
        Picture1.SetPicture({});
        Picture1.SetVisible(true);
        UpdateCaption("Clipboard is Empty");
        mnuMain[kDisplayMenu].enabled = false;
    } else {
        FlagGuard busy(Busy, busySince_);
        CurrentFormat = capture::BestClipboardFormat();
        result = ShowClipboardFormat();
        for (ui::MenuItem* item : mnuDisplay.Items()) item->checked = false;
        mnuDisplayAuto.checked = true;
        mnuMain[kDisplayMenu].enabled = true;
    }
    RefreshMenus();
    return result;
}

bool ClipViewerForm::ShowClipboardFormat() {
    // Nothing of the format shown before stays: a renderer that fails leaves
    // both controls empty under "No Supported Format".
    Picture1.SetVisible(false);
    Picture1.SetPicture({});
    Text1.SetVisible(false);
    Text1.SetText("");
    const FormatView view = ViewOf(CurrentFormat);
    bool result = false;
    bool fellBack = false;
    switch (view.renderer) {
    case Renderer::Text: result = ShowText(CurrentFormat, Text1); break;
    case Renderer::FileList: result = ShowFileList(Text1); break;
    case Renderer::Locale: result = ShowLocale(Text1); break;
    case Renderer::Picture:
        Picture1.SetVisible(true);
        result = ShowPicture(CurrentFormat, Picture1);
        break;
    case Renderer::Palette:
        Picture1.SetVisible(true);
        result = ShowPalette(Picture1);
        break;
    case Renderer::OwnerDisplay:
        Picture1.SetVisible(true);
        result = ShowOwnerDisplay(Picture1);
        break;
    case Renderer::None:
        result = ShowClipboardAuto();
        fellBack = true;
        break;
    }
    if (ShowsInTextBox(view.renderer)) Text1.SetVisible(true);
    if (!result) {
        UpdateCaption("No Supported Format");
        for (ui::MenuItem* item : mnuDisplay.Items()) item->checked = false;
    } else if (!fellBack) {
        CheckDisplayItemsOf(CurrentFormat);
    }
    RefreshMenus();
    return result;
}

void ClipViewerForm::ReportViewerReset() {
    OutputDebugStringA("The viewer's display did not end; the viewer goes on.\n");
    if (host_) host_->LogEntry(i18n::entry::kViewerReset);
}

void ClipViewerForm::ReportNoPicture(const std::string& kind) {
    if (!host_) return;
    const std::string text = host_->Catalogue(i18n::entry::kNoPicture);
    host_->ShowNoPicture(text);
    host_->AppendLog(text + kind);
}

void ClipViewerForm::CheckDisplayItemsOf(long format) {
    for (ui::MenuItem* item : mnuDisplay.Items()) item->checked = TagValue(item->tag) == format;
}

// --- Layout -----------------------------------------------------------------------------

void ClipViewerForm::Form_Resize() {
    LayOut();
    // Pictures drawn to the box's size are drawn again; a bitmap is not, so
    // resizing never starts a capture. A minimised window draws nothing, nor
    // does a window still loading.
    if (inChain_ && Picture1.hWnd() && !IsIconic(hWnd()) && RedrawsOnResize(CurrentFormat))
        ShowClipboardFormat();
}

void ClipViewerForm::LayOut() {
    // A window smaller than the margins (minimised, or dragged tiny) gets empty controls.
    const int width = std::max(0, ScaleWidth() - 2 * Picture1.Left());
    const int height = std::max(0, ScaleHeight() - 2 * Picture1.Top());
    Picture1.Move(Picture1.Left(), Picture1.Top(), width, height);
    Text1.Move(Picture1.Left(), Picture1.Top(), width, height);
}

// --- Menus ----------------------------------------------------------------------------------

void ClipViewerForm::mnuFile_Click(size_t index) {
    switch (index) {
    case 0: NewViewerWindow(*this); break;
    case 2: Unload(); break;
    case 3: CloseViewerWindows(); break;
    default: break;
    }
}

void ClipViewerForm::mnuEdit_Click(size_t index) {
    if (index != 0) return;
    if (ui::MsgBox("Clear contents of the Clipboard?", ui::MsgIcon::Question, ui::MsgButtons::YesNo,
                   "Clear Clipboard") != ui::MsgAnswer::Yes)
        return;
    ui::ClipboardSession clipboard;
    // A clipboard that another program holds open cannot be emptied now; its
    // contents stay on show, so the user sees that nothing was deleted.
    if (clipboard.IsOpen()) EmptyClipboard();
}

void ClipViewerForm::mnuDisplayAuto_Click() {
    ShowClipboardAuto();
}

void ClipViewerForm::mnuDisplay_Click(size_t index) {
    CurrentFormat = TagValue(mnuDisplay[index].tag);
    mnuDisplayAuto.checked = false;
    ShowClipboardFormat();
}

ui::Picture ClipViewerForm::ClipboardPicture() {
    if (engine_) return engine_->ShownBitmap(hWnd());
    const capture::ClipboardChange change =
        capture::ReadClipboardChange(hWnd(), capture::BitmapChoice::WhenOffered);
    return change.content == capture::ChangeContent::Picture ? change.picture : ui::Picture();
}

ClipViewerForm& ViewerOf(ui::Control& control) {
    auto* viewer = dynamic_cast<ClipViewerForm*>(&control.OwnerForm());
    if (!viewer) throw std::logic_error("the clipboard renderers draw into a viewer window only");
    return *viewer;
}

} // namespace clipboard
