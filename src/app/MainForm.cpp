#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/App.h"
#include "app/LogText.h"
#include "app/MainArt.h"
#include "app/StartForm.h"
#include "app/Version.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/CatalogueEntries.h"
#include "i18n/LanguageForm.h"
#include "notify/NotificationForm.h"
#include "notify/NotificationLayout.h"
#include "ui/Clock.h"
#include "ui/ProgramFolder.h"
#include "ui/SystemClipboard.h"
#include "ui/Theme.h"
#include "ui/Twips.h"
#include "ui/WideText.h"

#include <shellapi.h>

namespace app {
namespace {

constexpr int kClientWidth = 8400;
constexpr int kClientHeight = 5760;
constexpr int kPanelLeft = 840, kPanelTop = 120, kPanelWidth = 7440, kPanelHeight = 4440;
constexpr UINT kViewerCheckMs = 60000;
constexpr UINT kTrayRetryMs = 1000;
constexpr UINT kFinishStartMessage = WM_APP + 78;

// The largest size a preview of a caught picture is drawn at: the memory
// panel's or the notification's thumbnail.
SIZE PreviewPixels() {
    using catcher::MemoryPanel;
    const notify::layout::Box& thumbnail = notify::layout::kThumbnail;
    return SIZE{
        std::max(ui::TwipsToPixelsX(MemoryPanel::kPreviewWidth), ui::TwipsToPixelsX(thumbnail.width)),
        std::max(ui::TwipsToPixelsY(MemoryPanel::kPreviewHeight), ui::TwipsToPixelsY(thumbnail.height))};
}

} // namespace

MainForm::MainForm(catcher::CaptureHost& host)
    : ui::Form("Vellicor Rizezuza", kClientWidth, kClientHeight, ui::FormStyle::Fixed), Frame_Options(*this),
      Frame_Target(*this), Frame_Memory(*this), CoolButton1(*this), CoolButton4(*this), CoolButton3(*this),
      CoolButton2(*this), Image1(*this), lst_Log(*this), Command16(*this), lbl_Status(*this),
      lbl_Version(*this), lst_Language(*this), txt_InitDir(*this), Timer1(*this, kViewerCheckMs, true),
      Timer2(*this, kTrayRetryMs, false), options(*this, Frame_Options, settings.options),
      targets(*this, Frame_Target, settings), memory(*this, Frame_Memory, host, settings, capture, saver),
      capture(host, settings, memory, saver, PreviewPixels()), saver(host, settings, capture, wallpaper),
      wallpaper(host), Icon(ui::TrayIcon::LoadSmallIcon()),
      WinTray1("Vellicor Rizezuza", Icon ? Icon.get() : LoadIcon(nullptr, IDI_APPLICATION)),
      catalogue_(lst_Language), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    SetStartUpPosition(ui::StartUpPosition::CenterScreen);
    LayOut();
    WireEvents();
}

MainForm::~MainForm() = default;

void MainForm::SetArt() {
    const bool dark = ui::theme::Dark();
    CoolButton1.SetPicture(OptionsButtonArt(dark));
    CoolButton2.SetPicture(ExitButtonArt(dark));
    CoolButton3.SetPicture(MemoryButtonArt(dark));
    CoolButton4.SetPicture(FoldersButtonArt(dark));
    Image1.SetPicture(AboutArt(dark));
}

void MainForm::LayOut() {
    for (ui::Frame* frame : {&Frame_Options, &Frame_Target, &Frame_Memory})
        frame->Move(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    Frame_Target.SetVisible(false);
    Frame_Memory.SetVisible(false);
    lst_Log.Move(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    lst_Log.SetVisible(false);
    ui::PictureButton* buttons[] = {&CoolButton1, &CoolButton4, &CoolButton3};
    for (int i = 0; i < 3; ++i) buttons[i]->Move(120, 120 + i * 780, 600, 600);
    CoolButton2.Move(120, 3960, 600, 600);
    Image1.SetStretch(true);
    Image1.Move(180, 4860, 480, 480);
    SetArt();
    lbl_Status.Move(kPanelLeft + 60, 4680, 5400, 255);
    lbl_Version.Move(kPanelLeft + 60, 5040, 3000, 255);
    Command16.Move(kPanelLeft + kPanelWidth - 1700, 4680, 1700, 420);
    lst_Language.SetVisible(false);
    lst_Language.Move(0, 0, 300, 300);
    txt_InitDir.SetVisible(false);
    txt_InitDir.Move(0, 0, 300, 300);
}

void MainForm::WireEvents() {
    CoolButton1.OnClick = [this] { ShowPanel(Panel::Options); };
    CoolButton2.OnClick = [this] { EndProgram(); };
    CoolButton3.OnClick = [this] {
        ShowPanel(Panel::Memory);
        memory.InMemory_SaveButtons();
    };
    CoolButton4.OnClick = [this] { ShowPanel(Panel::Target); };
    Command16.OnClick = [this] { Command16_Click(); };
    Image1.OnClick = [this] { Image1_Click(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { RestoreTrayIcon(); };
    lst_Log.OnMouseMove = [this](int x, int y) { lst_Log_MouseMove(x, y); };
    lst_Log.OnDblClick = [this] { lst_Log_DblClick(); };
}

// --- Start-up --------------------------------------------------------------

void MainForm::Form_Load() {
    try { // M1
        ui::EmptySystemClipboard();
    } catch (const std::exception& e) {
        // Another program holds the clipboard: the start goes on.
        OutputDebugStringA((std::string(e.what()) + "\n").c_str());
    }
    // M2: the program's own folder, where its files are, whatever folder it
    // was started in.
    txt_InitDir.SetText(ui::ProgramFolder());
    if (FirstRunMarkerExists()) { // M4
        LoadViewer();             // M3
        return;
    }
    Set_Language(); // M6
    Get_Language();
    options.Options_Load();                                                       // M7
    for (int slot = 1; slot <= kSlotCount; ++slot) targets.TargetPath_Load(slot); // M8
    targets.NameTemplate_Load();
    wallpaper.Get_WinDir();                                                                   // M9
    ApplyTitleAndResolutionOptions();                                                         // M10
    lbl_Version.SetCaption(VersionLabelText(kVersionMajor, kVersionMinor, kVersionRevision)); // M13
    if (IsSet(options.Check8)) {
        const ui::DateTime now = ui::Now();
        for (const std::string& line : LogHeaderLines(ui::ShortDateText(now), ui::TimeText(now)))
            lst_Log.AddItem(line);
    }
    if (IsSet(options.Check2)) { // M12
        SetWindowState(ui::WindowState::Minimized);
    } else {
        App::Current().Notifications().Timer3.SetEnabled(false);
        SetWindowState(ui::WindowState::Normal);
        Show();
        UpdateWindow(hWnd());
    }
    // What the user does not see waits until the window is on the screen:
    // the viewer joining the chain, the tray icon and the notification's
    // place (a fifth of the start). Posted now, they come before any picture
    // read in the loop, so none reaches an unplaced notification.
    PostMessageW(hWnd(), kFinishStartMessage, 0, 0);
}

void MainForm::FinishStart() {
    LoadViewer();              // M3
    ShowTrayIcon();            // M5
    PlaceNotificationWindow(); // M11
}

void MainForm::LoadViewer() {
    clipboard::ClipViewerForm& viewer = App::Current().Viewer();
    viewer.Show();
    viewer.Hide();
}

void MainForm::ApplyTitleAndResolutionOptions() {
    SetCaption(MainTitleText(kVersionMajor, kVersionMinor));
    for (ui::OptionButton* option : {&options.Option1, &options.Option2, &options.Option3, &options.Option4,
                                     &options.Option5, &options.Option6})
        option->SetEnabled(true);
}

void MainForm::FinishFirstRun() {
    wallpaper.Get_WinDir();
    PlaceNotificationWindow();
    App::Current().Notifications().Timer3.SetEnabled(false);
    lbl_Version.SetCaption(VersionLabelText(kVersionMajor, kVersionMinor, kVersionRevision));
}

void MainForm::PlaceNotificationWindow() {
    App::Current().Notifications().PlaceAtStart();
}

// --- Message catalogue -------------------------------------------------------

void MainForm::Set_Language() {
    catalogue_.Load(ui::ProgramFile(i18n::kLanguageDriverFile));
}

void MainForm::AppendLog(const std::string& message) {
    if (!IsSet(options.Check8)) return;
    // A program that runs for weeks keeps the latest lines, not all of them.
    while (lst_Log.ListCount() >= kLogLineLimit) lst_Log.RemoveItem(0);
    const ui::DateTime now = ui::Now();
    lst_Log.AddItem(LogLineText(ui::ShortDateText(now), ui::TimeText(now), message));
}

// --- Panels, tray, end -----------------------------------------------------------

void MainForm::ShowPanel(Panel panel) {
    Frame_Options.SetVisible(panel == Panel::Options);
    Frame_Target.SetVisible(panel == Panel::Target);
    Frame_Memory.SetVisible(panel == Panel::Memory);
    if (panel == Panel::Target) targets.ShowNamePreview(); // the time and the counter have moved on
}

MainForm::Panel MainForm::VisiblePanel() const {
    if (Frame_Target.Visible()) return Panel::Target;
    if (Frame_Memory.Visible()) return Panel::Memory;
    return Panel::Options;
}

void MainForm::ShowTrayIcon() {
    WinTray1.ShowIcon(hWnd());
    Timer2.SetEnabled(!WinTray1.Shown());
}

void MainForm::RestoreTrayIcon() {
    WinTray1.Restore();
    Timer2.SetEnabled(WinTray1.Wanted() && !WinTray1.Shown());
}

void MainForm::RemoveTrayIcon() {
    WinTray1.RemoveIcon();
    Timer2.SetEnabled(false);
}

void MainForm::EndProgram() {
    RemoveTrayIcon();
    try {
        targets.NameTemplate_Save(); // the counter goes on at the next start
    } catch (const std::exception& e) {
        OutputDebugStringA(
            ("The name template's counter was not kept: " + std::string(e.what()) + "\n").c_str());
    }
    App::Current().End();
}

void MainForm::Form_Resize() {
    if (GetWindowState() != ui::WindowState::Minimized) return;
    App::Current().Notifications().Timer3.SetEnabled(true);
    Hide();
}

void MainForm::Form_CloseBox() {
    // The close box hides the window into the tray, as minimizing does.
    SetWindowState(ui::WindowState::Minimized);
}

void MainForm::WinTray1_Event(const ui::TrayIcon::Event& event) {
    if (event.message == WM_LBUTTONDBLCLK || event.message == NIN_KEYSELECT) {
        SetWindowState(ui::WindowState::Normal);
        Hide();
        ShowPanel(Panel::Memory);
        App::Current().Notifications().Timer3.SetEnabled(false);
        memory.InMemory_SaveButtons();
        Show();
    } else if (event.message == WM_CONTEXTMENU) {
        App::Current().Start().ShowTrayMenu(event.at);
    }
}

bool MainForm::OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == ui::TrayIcon::kCallbackMessage) {
        WinTray1_Event(ui::TrayIcon::EventOf(wParam, lParam));
        result = 0;
        return true;
    }
    if (msg == kFinishStartMessage) {
        FinishStart();
        result = 0;
        return true;
    }
    if (msg == taskbarCreated_) {
        RestoreTrayIcon();
        result = 0;
        return true;
    }
    return false;
}

void MainForm::Command16_Click() {
    const bool show = !lst_Log.Visible();
    lst_Log.SetVisible(show);
    Command16.SetCaption(Catalogue(show ? i18n::entry::kHideLog : i18n::entry::kShowLog));
    CoverPanelsWithLog();
}

// The shown log is the only thing over the panel area that takes input. It is
// created after the frames, so it is raised above them; the frames are
// disabled, so that neither a click, nor Tab, nor typing reaches their
// covered controls. It stays on top when the panel under it is switched: only
// its own button hides it, so the button's caption always tells the truth.
void MainForm::CoverPanelsWithLog() {
    const bool shown = lst_Log.Visible();
    if (shown) lst_Log.ZOrder();
    const HWND focus = GetFocus();
    for (ui::Frame* frame : {&Frame_Options, &Frame_Target, &Frame_Memory}) {
        frame->SetEnabled(!shown);
        // A covered text box keeps the focus through the disabling: typing would still reach it.
        if (shown && focus && IsChild(frame->hWnd(), focus)) lst_Log.SetFocus();
    }
}

void MainForm::lst_Log_MouseMove(int, int yTwips) {
    const int rowHeight = ui::PixelsToTwipsY(lst_Log.ItemHeight());
    if (rowHeight <= 0) return;
    const int row = yTwips / rowHeight + lst_Log.TopIndex();
    if (row == LogRow) return;
    lst_Log.SetToolTipText(row < lst_Log.ListCount() ? lst_Log.List(row) : std::string());
    LogRow = row;
}

// The line of a saved (or kept) picture opens its folder with the picture
// selected; a picture that has gone since says so.
void MainForm::lst_Log_DblClick() {
    const int row = lst_Log.ListIndex();
    if (row < 0 || row >= lst_Log.ListCount()) return;
    const std::optional<std::string> picture = PictureOfLogLine(
        lst_Log.List(row), Catalogue(i18n::entry::kPictureSavedLog), Catalogue(i18n::entry::kPictureKept));
    if (!picture) return; // any other line does nothing
    if (GetFileAttributesW(ui::Wide(*picture).c_str()) == INVALID_FILE_ATTRIBUTES) {
        lbl_Status.SetCaption(Catalogue(i18n::entry::kPictureGone));
        return;
    }
    if (!ui::ShowFileInFolder(*picture))
        OutputDebugStringA(("The folder could not be shown: " + *picture + "\n").c_str());
}

void MainForm::Image1_Click() {
    Hide();
    App::Current().About().Show();
}

void MainForm::Command2_Click() {
    Hide();
    App::Current().Language().Show();
}

void MainForm::Command17_Click() {
    clipboard::ClipViewerForm& viewer = App::Current().Viewer();
    viewer.Show();
    viewer.Move(0, 0);
}

void MainForm::Timer1_Timer() {
    App::Current().Viewer().CheckStillWatching();
}

} // namespace app
