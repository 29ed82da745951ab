// The notification window under Wine: its real window on the Xvfb screen,
// driven by real timer ticks or by ticking its timers in the order they
// would fire.
#include "notify/NotificationForm.h"
#include "app/App.h"
#include "app/LogText.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "notify/NotificationRules.h"
#include "ui/Clock.h"
#include "ui/SingleInstance.h"
#include "ui/Twips.h"
#include "ui/WinHandles.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kSlideStep = notify::kSlideStep;

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

// A picture with a colour ramp, so that a thumbnail of it is easy to see.
ui::Picture RampPicture(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto r = static_cast<std::uint32_t>(40 + 200 * x / width);
            const auto g = static_cast<std::uint32_t>(90 + 120 * y / height);
            pixels[static_cast<size_t>(y * width + x)] = (r << 16) | (g << 8) | 0xB0u;
        }
    return ui::Picture::FromPixels(width, height, pixels.data());
}

RECT ScreenRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// True when `upper` lies above `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
        if (below == lower) return true;
    return false;
}

// The first visible window above `hwnd` that covers part of it (its own
// tool tips aside), or none.
HWND CoveringWindow(HWND hwnd) {
    const RECT rect = ScreenRect(hwnd);
    for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        RECT other = ScreenRect(above), common{};
        if (IsWindowVisible(above) && GetWindow(above, GW_OWNER) != hwnd &&
            IntersectRect(&common, &rect, &other))
            return above;
    }
    return nullptr;
}

// Refuses to create the program's forms, for as long as it lives.
class FormCreationRefused {
  public:
    FormCreationRefused() : hook_(SetWindowsHookExA(WH_CBT, &Refuse, nullptr, GetCurrentThreadId())) {}
    ~FormCreationRefused() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    FormCreationRefused(const FormCreationRefused&) = delete;
    FormCreationRefused& operator=(const FormCreationRefused&) = delete;
    bool Active() const { return hook_ != nullptr; }

  private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
            const char* className = create->lpcs->lpszClass;
            if (HIWORD(reinterpret_cast<ULONG_PTR>(className)) && std::strcmp(className, "VellicorForm") == 0)
                return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

class Notification : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorNotifyTest-" + std::to_string(GetCurrentProcessId()));
        dir.Write("VLCRLANG.DRV", ShippedDriver());
        main().Set_Language();
        main().options.Check8.SetValue(1);
    }

    app::MainForm& main() { return program.Main(); }
    notify::NotificationForm& window() { return program.Notifications(); }
    HWND hwnd() { return window().hWnd(); }

    // What a capture does with the window: park and reset it, put the new
    // picture into memory and raise the window.
    void Capture(int width, int height) {
        window().PrepareForCapture();
        const ui::Picture picture = RampPicture(width, height);
        main().capture.TakeIntoMemory(capture::CaughtPicture{picture, picture, false, {}});
        const std::string size = std::to_string(width) + " x " + std::to_string(height) + " px";
        main().memory.lbl_Resolution.SetCaption(size);
        window().lbl_Resolution.SetCaption(size);
        window().ShowNotification(size, main().capture.Preview());
    }

    // Ticks the slide-in timer until it stops, as its real ticks would.
    int SlideIn() {
        int ticks = 0;
        while (window().Timer1.Enabled() && ticks < 200) {
            window().Timer1.Tick();
            ++ticks;
        }
        return ticks;
    }

    void TickCloseTimer(int times) {
        for (int i = 0; i < times; ++i) window().Timer2.Tick();
    }

    int TopTwips() { return ui::PixelsToTwipsY(ScreenRect(hwnd()).top); }
    bool Parked() { return ScreenRect(hwnd()).top == GetSystemMetrics(SM_CYSCREEN); }
    static RECT WorkArea() {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }
    int ShowingTarget() { return ui::PixelsToTwipsY(WorkArea().bottom) - window().Height() - 200; }

    // The top is the first 200-twip step at or above the showing target.
    void ExpectShowing() {
        const int top = TopTwips();
        EXPECT_LE(top, ShowingTarget());
        EXPECT_GT(top, ShowingTarget() - kSlideStep - ui::TwipsPerPixelY()) << "one step too far";
        EXPECT_LE(ui::PixelsToTwipsY(ScreenRect(hwnd()).bottom), ui::PixelsToTwipsY(WorkArea().bottom) - 200);
        EXPECT_EQ(ScreenRect(hwnd()).right, WorkArea().right) << "right-aligned in the work area";
    }

    static std::string LogLine(const std::string& message) {
        const ui::DateTime now = ui::Now();
        return app::LogLineText(ui::ShortDateText(now), ui::TimeText(now), message);
    }

    std::string LastLogLine() {
        const int count = main().lst_Log.ListCount();
        return count ? main().lst_Log.List(count - 1) : std::string();
    }

    TempStartDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{{2026, 12, 7, 16, 20, 0}};
    app::App program;
};

// --- The window and its controls -------------------------------------------------

TEST_F(Notification, WindowHasItsTitleClientSizeAndEveryControlInPlace) {
    window().PlaceAtStart();
    ASSERT_TRUE(hwnd());
    char title[64] = {};
    GetWindowTextA(hwnd(), title, sizeof title);
    EXPECT_STREQ(title, "Vellicor Rizezuza");
    RECT client{};
    GetClientRect(hwnd(), &client);
    EXPECT_EQ(client.right, ui::TwipsToPixelsX(3165));
    EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(2625));

    const auto expectAt = [&](const ui::Control& control, int left, int top, int width, int height) {
        RECT rect = ScreenRect(control.hWnd());
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, ui::TwipsToPixelsX(left));
        EXPECT_EQ(rect.top, ui::TwipsToPixelsY(top));
        EXPECT_EQ(rect.right - rect.left, ui::TwipsToPixelsX(width));
        EXPECT_EQ(rect.bottom - rect.top, ui::TwipsToPixelsY(height));
    };
    expectAt(window().Image1, 620, 360, 1935, 1575);
    expectAt(window().lbl_Resolution, 120, 1980, 3015, 255);
    const int lefts[] = {120, 720, 1320, 1920, 2520};
    for (int slot = 1; slot <= 5; ++slot) {
        expectAt(window().SaveButton(slot), lefts[slot - 1], 2280, 495, 255);
        EXPECT_EQ(window().SaveButton(slot).Caption(), "#" + std::to_string(slot));
    }
    expectAt(window().Check1, 320, 360, 255, 255);
    expectAt(window().Image3, 40, 360, ui::PixelsToTwipsX(16), ui::PixelsToTwipsY(16));
    EXPECT_EQ(ScreenRect(window().Image2.hWnd()).right - ScreenRect(window().Image2.hWnd()).left, 16);

    EXPECT_TRUE(window().Image1.Stretch());
    EXPECT_EQ(GetWindowLongA(window().lbl_Resolution.hWnd(), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(window().lbl_Resolution.Caption(), "-");
    EXPECT_EQ(window().Check1.Value(), 0);
    EXPECT_EQ(window().BackgroundPicture().Width(), 211);
    EXPECT_EQ(window().BackgroundPicture().Height(), 202);
    EXPECT_EQ(window().Image2.GetPicture().Width(), 16);
    EXPECT_EQ(window().Image3.GetPicture().Height(), 16);
    for (const ui::TextBox* hidden : {&window().txt_Timer1, &window().txt_Timer2}) {
        EXPECT_EQ(hidden->Text(), "0");
        RECT rect = ScreenRect(hidden->hWnd());
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_GE(rect.top, client.bottom) << "the hidden fields lie below the client area";
    }
    EXPECT_EQ(window().Timer1.Interval(), 50u);
    EXPECT_EQ(window().Timer2.Interval(), 1000u);
    EXPECT_FALSE(window().Timer1.Enabled());
    EXPECT_FALSE(window().Timer2.Enabled());
}

TEST_F(Notification, ProgramStartParksItRightAlignedBelowTheScreenWithoutTakingTheFocus) {
    app::App& running = program;
    running.Start().Load();
    PumpMessages(50);
    ASSERT_TRUE(window().Visible());
    const RECT rect = ScreenRect(hwnd());
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(rect.right, WorkArea().right);
    EXPECT_NE(GetActiveWindow(), hwnd());
}

TEST_F(Notification, SaveButtonsFollowTheSlotsAtLoadAndAreNotRefreshedLater) {
    main().targets.InUse(1).SetValue(1);
    main().targets.InUse(3).SetValue(2);
    main().targets.FolderText(1).SetText("C:\\Pictures");
    main().targets.FolderText(4).SetText("D:\\Walls");
    window().PlaceAtStart();

    const bool enabled[] = {true, false, true, false, false};
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(window().SaveButton(slot).Enabled(), enabled[slot - 1]) << "slot " << slot;
        EXPECT_EQ(IsWindowEnabled(window().SaveButton(slot).hWnd()) != FALSE, enabled[slot - 1])
            << "slot " << slot;
    }
    EXPECT_EQ(window().Command1.ToolTipText(), "C:\\Pictures");
    EXPECT_EQ(window().Command4.ToolTipText(), "D:\\Walls") << "a disabled slot still shows its folder";
    EXPECT_EQ(window().Command2.ToolTipText(), "");

    main().targets.InUse(2).SetValue(1);
    main().targets.FolderText(1).SetText("E:\\Elsewhere");
    Capture(800, 600);
    EXPECT_FALSE(window().Command2.Enabled()) << "switched on after the window loaded";
    EXPECT_EQ(window().Command1.ToolTipText(), "C:\\Pictures");
}

TEST_F(Notification, Check1CopiesItsValueIntoMainCheck7AndStartsClear) {
    main().options.Check7.SetValue(1);
    window().PlaceAtStart();
    EXPECT_EQ(window().Check1.Value(), 0) << "not taken from Check7";
    SendMessageA(window().Check1.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(window().Check1.Value(), 1);
    EXPECT_EQ(main().options.Check7.Value(), 1);
    SendMessageA(window().Check1.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(window().Check1.Value(), 0);
    EXPECT_EQ(main().options.Check7.Value(), 0);
}

// --- Raising and sliding in -----------------------------------------------------------

TEST_F(Notification, RaisedWindowSlidesUpWithRealTicksShowingThumbnailAndSize) {
    window().PlaceAtStart();
    Capture(1024, 768);
    EXPECT_TRUE(Parked()) << "the slide starts from below the screen";
    EXPECT_TRUE(window().Timer1.Enabled());
    EXPECT_TRUE(window().Timer2.Enabled());
    EXPECT_EQ(window().lbl_Resolution.Caption(), "1024 x 768 px");
    EXPECT_EQ(window().Image1.GetPicture().Width(), 1024);
    EXPECT_EQ(window().Image1.Width(), 1935) << "stretched into its box";
    EXPECT_EQ(LastLogLine(), LogLine("Notification shown"));

    const RECT parked = ScreenRect(hwnd());
    ASSERT_TRUE(PumpUntil([&] { return ScreenRect(hwnd()).top < parked.top; }, 1000)) << "it starts moving";
    EXPECT_TRUE(window().Timer1.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return !window().Timer1.Enabled(); }, 5000));
    ExpectShowing();
    EXPECT_TRUE(window().Timer2.Enabled());
    EXPECT_EQ(window().txt_Timer1.Text(), "0");
    EXPECT_EQ(CoveringWindow(hwnd()), nullptr);
}

TEST_F(Notification, SlideMovesUpInStepsOf200TwipsAndEndsAtTheFirstStepAtOrAboveTheTarget) {
    window().PlaceAtStart();
    Capture(800, 600);
    int previous = TopTwips();
    while (window().Timer1.Enabled()) {
        window().Timer1.Tick();
        const int now = TopTwips();
        if (!window().Timer1.Enabled()) {
            EXPECT_EQ(now, previous) << "the tick that ends the slide does not move";
            break;
        }
        EXPECT_NEAR(previous - now, kSlideStep, ui::TwipsPerPixelY());
        previous = now;
    }
    ExpectShowing();
    window().Timer1.Tick();
    EXPECT_EQ(TopTwips(), previous) << "a stopped slide-in stays put";
}

TEST_F(Notification, WritingZeroOverZeroDoesNotLiftTheWindowButAnyOtherTextButThreeThousandDoes) {
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    const int showing = TopTwips();
    window().txt_Timer1.SetText("0");
    EXPECT_EQ(TopTwips(), showing);
    window().txt_Timer1.SetText("3000");
    EXPECT_EQ(TopTwips(), showing);
    window().txt_Timer1.SetText("1");
    EXPECT_NEAR(TopTwips(), showing - kSlideStep, ui::TwipsPerPixelY());
}

TEST_F(Notification, RaisingOnAFirstRunPlacesTheWindowFirst) {
    ASSERT_FALSE(window().IsLoaded()) << "a first run never placed it";
    Capture(800, 600);
    ASSERT_TRUE(window().Visible());
    EXPECT_TRUE(Parked());
    EXPECT_EQ(ScreenRect(hwnd()).right, WorkArea().right);
    SlideIn();
    ExpectShowing();
}

TEST_F(Notification, RaisingFailureIsLoggedAsEntry113WithoutAMessage) {
    FormCreationRefused refused;
    ASSERT_TRUE(refused.Active());
    window().ShowNotification("-", ui::Picture());
    EXPECT_EQ(LastLogLine(), LogLine("The notification could not be shown."));
    EXPECT_TRUE(dialogs.calls.empty());

    main().options.Check8.SetValue(0);
    const int lines = main().lst_Log.ListCount();
    window().ShowNotification("-", ui::Picture());
    EXPECT_EQ(main().lst_Log.ListCount(), lines) << "no log line without Check8";
}

// --- Closing ------------------------------------------------------------------------

TEST_F(Notification, ClosesAboutSevenSecondsAfterRaisingAndEmptiesTheClipboardWithCheck4) {
    main().options.Check4.SetValue(1);
    window().PlaceAtStart();
    PutTextOnClipboard("caught");
    const ULONGLONG raised = GetTickCount64();
    Capture(800, 600);
    ASSERT_TRUE(PumpUntil([&] { return !window().Timer1.Enabled(); }, 5000));
    ExpectShowing();
    EXPECT_TRUE(ClipboardHasText());
    ASSERT_TRUE(PumpUntil([&] { return Parked(); }, 10000)) << "the window closes by itself";
    const ULONGLONG elapsed = GetTickCount64() - raised;
    EXPECT_GE(elapsed, 6500u);
    EXPECT_LE(elapsed, 9000u);
    EXPECT_FALSE(ClipboardHasText());
    EXPECT_FALSE(window().Timer2.Enabled());
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    EXPECT_EQ(CoveringWindow(hwnd()), nullptr);
}

TEST_F(Notification, SeventhCloseTickParksTheWindowAndLeavesTheClipboardWithoutCheck4) {
    window().PlaceAtStart();
    PutTextOnClipboard("keep me");
    Capture(800, 600);
    SlideIn();
    TickCloseTimer(6);
    EXPECT_EQ(window().txt_Timer2.Text(), "6");
    ExpectShowing();
    TickCloseTimer(1);
    EXPECT_TRUE(Parked());
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    EXPECT_FALSE(window().Timer2.Enabled());
    EXPECT_TRUE(ClipboardHasText());
}

TEST_F(Notification, WritingSevenIntoTheCounterClosesAtOnceEvenWhenParked) {
    main().options.Check4.SetValue(1);
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    TickCloseTimer(2);
    window().txt_Timer2.SetText("7");
    EXPECT_TRUE(Parked()) << "closed before SetText returned";
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    EXPECT_FALSE(window().Timer2.Enabled());

    // A save from the memory panel while the window is parked.
    PutTextOnClipboard("caught again");
    window().txt_Timer2.SetText("7");
    EXPECT_TRUE(Parked());
    EXPECT_FALSE(ClipboardHasText()) << "the close sequence runs and empties the clipboard";
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
}

TEST_F(Notification, CloseImageParksWithoutEmptyingTheClipboardAndKeepsTheCount) {
    main().options.Check4.SetValue(1);
    window().PlaceAtStart();
    PutTextOnClipboard("keep me");
    Capture(800, 600);
    SlideIn();
    TickCloseTimer(3);
    SendMessageA(window().Image2.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(Parked());
    EXPECT_FALSE(window().Timer2.Enabled());
    EXPECT_EQ(window().txt_Timer2.Text(), "3");
    EXPECT_TRUE(ClipboardHasText());
    PumpMessages(1200);
    EXPECT_TRUE(Parked()) << "it stays away";
    EXPECT_EQ(window().txt_Timer2.Text(), "3");
}

TEST_F(Notification, CloseBoxParksLikeTheCloseImageAndNeverUnloads) {
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(window().IsLoaded());
    EXPECT_TRUE(Parked());
    EXPECT_FALSE(window().Timer2.Enabled());
}

TEST_F(Notification, CloseImageDuringTheSlideLetsTheWindowRiseAgainAndCloseAtSeven) {
    window().PlaceAtStart();
    Capture(800, 600);
    for (int i = 0; i < 5; ++i) window().Timer1.Tick();
    TickCloseTimer(2);
    SendMessageA(window().Image2.hWnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(Parked());
    EXPECT_TRUE(window().Timer1.Enabled()) << "parking does not end the slide-in";
    EXPECT_FALSE(window().Timer2.Enabled());

    SlideIn();
    ExpectShowing();
    EXPECT_TRUE(window().Timer2.Enabled()) << "the end of the slide starts the close timer again";
    EXPECT_EQ(window().txt_Timer2.Text(), "2") << "counting on from where it stood";
    TickCloseTimer(4);
    ExpectShowing();
    TickCloseTimer(1);
    EXPECT_TRUE(Parked());
}

// --- A new capture ----------------------------------------------------------------------

TEST_F(Notification, SecondCaptureDuringTheSlideParksResetsAndRaisesForTheNewPicture) {
    window().PlaceAtStart();
    Capture(800, 600);
    for (int i = 0; i < 6; ++i) window().Timer1.Tick();
    TickCloseTimer(4);
    EXPECT_FALSE(Parked());

    window().PrepareForCapture();
    EXPECT_TRUE(Parked());
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    EXPECT_EQ(window().txt_Timer1.Text(), "0");
    EXPECT_FALSE(window().Timer2.Enabled());
    EXPECT_TRUE(window().Timer1.Enabled()) << "the slide-in timer is not touched";
    EXPECT_TRUE(window().Timer3.Enabled());

    Capture(1600, 1200);
    EXPECT_EQ(window().lbl_Resolution.Caption(), "1600 x 1200 px");
    EXPECT_EQ(window().Image1.GetPicture().Width(), 1600);
    SlideIn();
    ExpectShowing();
    TickCloseTimer(6);
    ExpectShowing();
    TickCloseTimer(1);
    EXPECT_TRUE(Parked());
}

TEST_F(Notification, SecondCaptureWhileShowingRestartsTheCountAndOneThatFailsTheFilterStaysAway) {
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    TickCloseTimer(5);

    Capture(1024, 768);
    EXPECT_TRUE(Parked());
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    SlideIn();
    ExpectShowing();
    TickCloseTimer(6);
    ExpectShowing();
    EXPECT_EQ(window().lbl_Resolution.Caption(), "1024 x 768 px");

    // A picture below the minimum: the capture parks the window and
    // replaces the size text but does not raise it.
    window().PrepareForCapture();
    window().lbl_Resolution.SetCaption("320 x 200 px");
    EXPECT_TRUE(Parked());
    EXPECT_FALSE(window().Timer1.Enabled());
    PumpMessages(300);
    EXPECT_TRUE(Parked());
    EXPECT_EQ(window().lbl_Resolution.Caption(), "320 x 200 px");
}

// --- Keeping on top -------------------------------------------------------------------

TEST_F(Notification, KeepOnTopRaisesTheShowingWindowAboveAnotherTopmostWindowWithoutActivatingIt) {
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    window().Timer3.SetEnabled(false); // its ticks come by hand below
    const RECT showing = ScreenRect(hwnd());
    ui::UniqueWindow intruder(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "over it",
                                              WS_POPUP | WS_VISIBLE, showing.left + 20, showing.top + 20, 100,
                                              60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ui::UniqueWindow working(CreateWindowExA(0, "EDIT", "the user types here",
                                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 200, nullptr,
                                             nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(intruder && working);
    SetForegroundWindow(working.get());
    PumpMessages(20);
    ASSERT_EQ(GetActiveWindow(), working.get());
    ASSERT_TRUE(IsAbove(intruder.get(), hwnd()));

    window().Timer3_Timer();
    EXPECT_TRUE(IsAbove(hwnd(), intruder.get()));
    EXPECT_EQ(CoveringWindow(hwnd()), nullptr);
    EXPECT_EQ(GetActiveWindow(), working.get()) << "the window the user works in keeps the keyboard";
}

TEST_F(Notification, KeepOnTopWithRealTicksHoldsTheWindowAboveANewTopmostWindow) {
    window().PlaceAtStart();
    Capture(800, 600);
    ASSERT_TRUE(PumpUntil([&] { return !window().Timer1.Enabled(); }, 5000));
    const RECT showing = ScreenRect(hwnd());
    ui::UniqueWindow intruder(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "over it",
                                              WS_POPUP | WS_VISIBLE, showing.left - 30, showing.top - 30, 120,
                                              80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(intruder);
    EXPECT_TRUE(PumpUntil([&] { return IsAbove(hwnd(), intruder.get()); }, 500));
}

TEST_F(Notification, KeepOnTopTicksEveryMillisecondWhileTheWindowCanBeSeenAndSlowlyWhileParked) {
    window().PlaceAtStart();
    EXPECT_TRUE(window().Timer3.Enabled());
    EXPECT_EQ(window().Timer3.Interval(), 500u) << "parked";
    Capture(800, 600);
    EXPECT_EQ(window().Timer3.Interval(), 500u) << "raised, still below the screen";
    window().Timer1.Tick();
    EXPECT_EQ(window().Timer3.Interval(), 1u) << "the first step brings it into view";
    SlideIn();
    EXPECT_EQ(window().Timer3.Interval(), 1u);
    window().txt_Timer2.SetText("7");
    EXPECT_EQ(window().Timer3.Interval(), 500u) << "closed";
    EXPECT_TRUE(window().Timer3.Enabled());
}

TEST_F(Notification, ParkedWindowIsLeftWhereItIsInTheZOrder) {
    window().PlaceAtStart();
    notify::Set_OnTop(hwnd(), true);
    const RECT parked = ScreenRect(hwnd());
    ui::UniqueWindow intruder(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "",
                                              WS_POPUP | WS_VISIBLE, parked.left, parked.top - 40, 100, 60,
                                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(intruder);
    window().Timer3.Tick();
    EXPECT_TRUE(IsAbove(intruder.get(), hwnd()))
        << "nothing of a parked window can be seen, so it is not raised";
}

// --- Saving from the window --------------------------------------------------------------

std::vector<std::filesystem::path> JpegsIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".jpg") found.push_back(entry.path());
    return found;
}

TEST_F(Notification, SaveButtonSavesIntoItsSlotAndClosesThroughTheCounter) {
    const std::filesystem::path folder = dir.Path() / "slot two";
    std::filesystem::create_directories(folder);
    main().targets.FolderText(2).SetText(folder.string());
    main().targets.InUse(2).SetValue(1);
    main().options.Check4.SetValue(1);
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    PutTextOnClipboard("caught");

    SendMessageA(window().Command2.hWnd(), BM_CLICK, 0, 0);
    main().capture.engine.FinishSaves();
    EXPECT_TRUE(dialogs.calls.empty());
    ASSERT_EQ(JpegsIn(folder).size(), 1u);
    EXPECT_TRUE(Parked()) << "a successful save closes the window through the counter";
    EXPECT_EQ(window().txt_Timer2.Text(), "0");
    EXPECT_FALSE(window().Timer2.Enabled());
    EXPECT_FALSE(ClipboardHasText());
}

TEST_F(Notification, TickingCheck1AndPressingTwoAsksForAFileName) {
    const std::filesystem::path folder = dir.Path() / "named";
    std::filesystem::create_directories(folder);
    main().targets.FolderText(2).SetText(folder.string());
    main().targets.InUse(2).SetValue(1);
    window().PlaceAtStart();
    Capture(800, 600);
    SlideIn();
    SendMessageA(window().Check1.hWnd(), BM_CLICK, 0, 0);
    dialogs.inputAnswers.push_back("holiday");

    SendMessageA(window().Command2.hWnd(), BM_CLICK, 0, 0);
    main().capture.engine.FinishSaves();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Kind::Input);
    EXPECT_FALSE(window().Timer3.Enabled()) << "keep-on-top stops before the prompt";
    EXPECT_TRUE(std::filesystem::exists(folder / "holiday.jpg"));
    EXPECT_TRUE(Parked());
}

} // namespace

// The taskbar moved after the start, as the shell tells it: the work area
// is set anew and the change broadcast. The window follows it at once and
// rises above the new bottom.
TEST_F(Notification, AWorkAreaChangedAfterTheStartIsFollowedAndRisenAbove) {
    struct WorkAreaSet {
        RECT before = WorkArea();
        explicit WorkAreaSet(RECT area) {
            SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
        }
        ~WorkAreaSet() {
            SystemParametersInfoW(SPI_SETWORKAREA, 0, &before, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
        }
    };
    window().PlaceAtStart();
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const WorkAreaSet taskbar(RECT{0, 0, screen.right - 48, screen.bottom - 48});
    ASSERT_EQ(WorkArea().bottom, screen.bottom - 48) << "the system took the new work area";
    PumpMessages(50);
    EXPECT_EQ(ScreenRect(hwnd()).right, screen.right - 48) << "the parked window follows the new right edge";
    Capture(800, 600);
    SlideIn();
    ExpectShowing();
    EXPECT_LE(ScreenRect(hwnd()).bottom, screen.bottom - 48);
}
