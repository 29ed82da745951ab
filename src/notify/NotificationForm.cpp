#include "notify/NotificationForm.h"

#include "i18n/CatalogueEntries.h"
#include "notify/NotificationArt.h"
#include "notify/NotificationLayout.h"
#include "notify/NotificationRules.h"
#include "ui/Theme.h"
#include "ui/Twips.h"
#include "ui/WinHandles.h"

#include <stdexcept>

namespace notify {
namespace {

constexpr UINT kSlideMs = 50;
constexpr UINT kCloseTickMs = 1000;
constexpr UINT kKeepOnTopMs = 1;
// While the window is parked nothing of it can be seen, so keep-on-top
// only needs to look now and then; this keeps an idle program quiet.
constexpr UINT kParkedKeepOnTopMs = 500;
constexpr char kTimerRestText[] = "3000"; // the one text of txt_Timer1 that does not lift the window

bool Overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
}

ui::Picture ToPicture(const PixelArt& art) {
    return ui::Picture::FromPixels(art.width, art.height, art.pixels.data());
}

} // namespace

// The primary monitor's work area in the window's twips, read afresh: the
// taskbar may have moved or the display changed since the last time.
Area NotificationForm::WorkArea() const {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area =
            RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; // the full screen, then
    return Area{ToTwips(area.left), ToTwips(area.top), ToTwips(area.right), ToTwips(area.bottom)};
}

// Below the primary screen: parked.
int NotificationForm::ScreenBottom() const {
    return ToTwips(GetSystemMetrics(SM_CYSCREEN));
}

NotificationForm::NotificationForm(NotificationHost& host)
    : ui::Form("Vellicor Rizezuza", layout::kClientWidth, layout::kClientHeight, ui::FormStyle::ToolPopup),
      Image1(*this), lbl_Resolution(*this, "-"), Command1(*this, "#1"), Command2(*this, "#2"),
      Command3(*this, "#3"), Command4(*this, "#4"), Command5(*this, "#5"), Check1(*this), Image2(*this),
      Image3(*this), txt_Timer1(*this), txt_Timer2(*this), Timer1(*this, kSlideMs, false),
      Timer2(*this, kCloseTickMs, false), Timer3(*this, kKeepOnTopMs, true),
      host_(host), saveButtons_{&Command1, &Command2, &Command3, &Command4, &Command5} {
    LayOut();
    WireEvents();
}

void NotificationForm::LayOut() {
    const auto place = [](ui::Control& control, const layout::Box& box) {
        control.Move(box.left, box.top, box.width, box.height);
    };
    Image1.SetStretch(true);
    place(Image1, layout::kThumbnail);
    lbl_Resolution.SetAlignment(ui::Alignment::Center);
    lbl_Resolution.SetBold(true);
    place(lbl_Resolution, layout::kResolution);
    for (int slot = 1; slot <= 5; ++slot)
        SaveButton(slot).Move(layout::kButtonLefts[slot - 1], layout::kButtonTop, layout::kButtonWidth,
                              layout::kButtonHeight);
    place(Check1, layout::kManualNames);
    // The small pictures are 16 x 16 design pixels, scaled as the rest.
    const int icon = layout::kIconPx * layout::kTwipsPerDesignPixel;
    Image2.SetStretch(true);
    Image3.SetStretch(true);
    Image2.Move(layout::kCloseLeft, layout::kCloseTop, icon, icon);
    Image3.Move(layout::kDecorationLeft, layout::kDecorationTop, icon, icon);
    txt_Timer1.SetText("0");
    txt_Timer2.SetText("0");
    place(txt_Timer1, layout::kHiddenTimer1);
    place(txt_Timer2, layout::kHiddenTimer2);
}

void NotificationForm::WireEvents() {
    for (int slot = 1; slot <= 5; ++slot)
        SaveButton(slot).OnClick = [this, slot] { host_.SaveIntoSlot(slot); };
    Check1.OnClick = [this] { Check1_Click(); };
    Image2.OnClick = [this] { Image2_Click(); };
    txt_Timer1.OnChange = [this] { txt_Timer1_Change(); };
    txt_Timer2.OnChange = [this] { txt_Timer2_Change(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
}

void NotificationForm::Form_Load() {
    MakePictures();
    SetUpSaveButtons();
}

void NotificationForm::MakePictures() {
    const PixelArt background = ui::theme::Dark() ? InTheDark(BackgroundArt()) : BackgroundArt();
    SetBackgroundPicture(ToPicture(background));
    Image2.SetPicture(ToPicture(CloseArt(background)));
    Image3.SetPicture(ToPicture(DecorationArt(background)));
    MakeBackdrop();
}

// The buttons follow the slots as they are when the window loads; they are
// not refreshed later.
void NotificationForm::SetUpSaveButtons() {
    for (int slot = 1; slot <= 5; ++slot) SaveButton(slot).SetEnabled(host_.SlotOffered(slot));
    for (int slot = 1; slot <= 5; ++slot) SaveButton(slot).SetToolTipText(host_.SlotFolder(slot));
}

// The picture keeps its own size in twips (so it scales with the screen's
// DPI as the controls do) from the top left; its lower rows are cut off.
void NotificationForm::MakeBackdrop() {
    const ui::Picture& picture = BackgroundPicture();
    RECT client{};
    GetClientRect(hWnd(), &client);
    ui::ScopedGetDC screen(nullptr);
    ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ui::UniqueDC dc(CreateCompatibleDC(screen));
    // Without them the form keeps the plain face of its class.
    if (!bitmap || !dc) return;
    {
        ui::ScopedSelectObject select(dc.get(), bitmap.get());
        picture.Draw(dc.get(), RECT{0, 0, ToPixels(picture.Width() * layout::kTwipsPerDesignPixel),
                                    ToPixels(picture.Height() * layout::kTwipsPerDesignPixel)});
    }
    backdropBrush_.reset(CreatePatternBrush(bitmap.get())); // the brush keeps its own copy
}

// The label and the check box show the backdrop behind them, lined up with
// the form's own.
HBRUSH NotificationForm::BackdropFor(HWND control, HDC dc) const {
    POINT origin{0, 0};
    MapWindowPoints(control, hWnd(), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::theme::Text());
    return backdropBrush_.get();
}

bool NotificationForm::OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_WINDOWPOSCHANGED) {
        PaceKeepOnTop();
        return false; // the form goes on with its own handling
    }
    if ((msg == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA) || msg == WM_DISPLAYCHANGE) {
        FollowWorkArea();
        return false;
    }
    if (!backdropBrush_) return false;
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    if (msg == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(hWnd(), &client);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        FillRect(dc, &client, backdropBrush_.get());
        result = TRUE;
        return true;
    }
    if (msg == WM_CTLCOLORSTATIC && (control == lbl_Resolution.hWnd() || control == Check1.hWnd())) {
        result = reinterpret_cast<LRESULT>(BackdropFor(control, dc));
        return true;
    }
    return false;
}

// --- Placement ---------------------------------------------------------------

void NotificationForm::PlaceAtStart() {
    Hide();
    Load();
    Move(ShowingLeft(WorkArea(), Width()), ScreenBottom());
    // Shown without activation: a window below the screen must not take the
    // keyboard from the one the user works in.
    ShowWindow(hWnd(), SW_SHOWNOACTIVATE);
}

// The right edge is taken from the work area as it is now: the taskbar may
// have moved since the window was placed.
void NotificationForm::Park() {
    if (!Visible()) {
        // Not placed yet (a first run places it at the first capture).
        PlaceAtStart();
        return;
    }
    Move(ShowingLeft(WorkArea(), Width()), ScreenBottom());
}

// The taskbar moved or the display changed: the window keeps to the work
// area's right edge, and one that shows keeps above its bottom.
void NotificationForm::FollowWorkArea() {
    if (!Visible()) return; // placed when it is first shown
    const Area workArea = WorkArea();
    const bool showing = !Timer1.Enabled() && OnScreen();
    Move(ShowingLeft(workArea, Width()), showing ? ShowingTop(workArea, Height()) : Top());
}

void NotificationForm::PrepareForCapture() {
    Timer3.SetEnabled(true);
    Timer2.SetEnabled(false);
    txt_Timer1.SetText("0");
    txt_Timer2.SetText("0");
    Park();
}

// --- Raising -------------------------------------------------------------------

void NotificationForm::ShowNotification(const std::string& sizeText, const ui::Picture& preview) {
    try {
        if (!Visible()) PlaceAtStart();
        Timer1.SetEnabled(true);
        Set_OnTop(hWnd(), true);
        host_.LogEntry(i18n::entry::kNotificationShown);
        Timer2.SetEnabled(true);
        lbl_Resolution.SetCaption(sizeText);
        Image1.SetPicture(preview);
        Image1.Move(layout::kThumbnail.left, layout::kThumbnail.top, layout::kThumbnail.width,
                    layout::kThumbnail.height);
    } catch (const std::exception& e) {
        OutputDebugStringA(("The notification could not be raised: " + std::string(e.what()) + "\n").c_str());
        host_.LogEntry(i18n::entry::kNotificationFailed);
    }
}

void NotificationForm::Timer1_Timer() {
    if (SlideGoesOn(Top(), WorkArea(), Height())) {
        SetTop(Top() - kSlideStep);
        return;
    }
    Timer1.SetEnabled(false);
    // A running close timer keeps its pace, so the window closes seven ticks
    // after it was raised; one stopped during the slide-in starts here.
    if (!Timer2.Enabled()) Timer2.SetEnabled(true);
    txt_Timer1.SetText("0");
}

// Writing "0" over "0" is no change, so the end of the slide-in does not
// lift the window by one more step.
void NotificationForm::txt_Timer1_Change() {
    if (txt_Timer1.Text() != kTimerRestText) SetTop(Top() - kSlideStep);
}

// --- Closing ---------------------------------------------------------------------

void NotificationForm::Timer2_Timer() {
    txt_Timer2.SetText(NextCounterText(txt_Timer2.Text()));
}

void NotificationForm::txt_Timer2_Change() {
    if (CounterValue(txt_Timer2.Text()) == kCloseCount) CloseSequence();
}

void NotificationForm::CloseSequence() {
    Park();
    Set_OnTop(hWnd(), true);
    if (host_.EmptiesClipboardAtClose()) {
        // The window closes all the same when another program holds the clipboard.
        try {
            host_.EmptyClipboard();
        } catch (const std::exception& e) {
            OutputDebugStringA(
                ("The clipboard was not emptied at the close: " + std::string(e.what()) + "\n").c_str());
        }
    }
    Timer2.SetEnabled(false);
    txt_Timer2.SetText("0");
}

// The clipboard stays as it is and the counter keeps its value.
void NotificationForm::Image2_Click() {
    Timer2.SetEnabled(false);
    Park();
}

void NotificationForm::Check1_Click() {
    host_.SetNamesByHand(Check1.Value());
}

// --- Keep on top -------------------------------------------------------------------

void NotificationForm::Timer3_Timer() {
    if (NeedsRaising()) Set_OnTop(hWnd(), true);
}

bool NotificationForm::OnScreen() const {
    RECT rect{};
    return hWnd() && IsWindowVisible(hWnd()) && GetWindowRect(hWnd(), &rect) &&
           MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

void NotificationForm::PaceKeepOnTop() {
    const UINT interval = OnScreen() ? kKeepOnTopMs : kParkedKeepOnTopMs;
    // A new interval restarts the count, so it is only set when it changes.
    if (Timer3.Interval() != interval) Timer3.SetInterval(interval);
}

// Re-asserting the topmost state is only needed while some of the window
// is on a screen and it has left the topmost group or another window
// (other than its own tool tips) lies over it.
bool NotificationForm::NeedsRaising() const {
    if (!OnScreen()) return false; // parked: nothing of it can be seen
    HWND self = hWnd();
    RECT rect{};
    GetWindowRect(self, &rect);
    if (!(GetWindowLongA(self, GWL_EXSTYLE) & WS_EX_TOPMOST)) return true;
    for (HWND above = GetWindow(self, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        RECT other{};
        if (IsWindowVisible(above) && GetWindow(above, GW_OWNER) != self && GetWindowRect(above, &other) &&
            Overlap(rect, other))
            return true;
    }
    return false;
}

void Set_OnTop(HWND hwnd, bool onTop) {
    // The result is not used: a window that cannot be raised now is raised
    // at the next tick.
    SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace notify
