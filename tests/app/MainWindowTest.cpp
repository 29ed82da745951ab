// The main window's panels, picture buttons, log list, tray icon and tray
// menu, driven with real messages.
#include "app/AboutForm.h"
#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/LanguageForm.h"
#include "notify/NotificationForm.h"
#include "ui/SingleInstance.h"
#include "ui/Twips.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <shellapi.h>
#include <utility>

using namespace testing_support;
using app::MainForm;

namespace {

void Click(const ui::Control& control) {
    SendMessageA(control.hWnd(), BM_CLICK, 0, 0);
}

// As the shell sends them in version 4: the event and the icon's id, and where.
void TrayEvent(MainForm& main, UINT message) {
    SendMessageA(main.hWnd(), ui::TrayIcon::kCallbackMessage, MAKEWPARAM(100, 200), MAKELPARAM(message, 1));
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorMainWindowTest-" + std::to_string(GetCurrentProcessId()));
        dir.Write("VLCRLANG.DRV", NumberedDriver());
        program.Main().options.Check2.SetValue(0); // open in normal state
        program.Start().Load();
        PumpMessages(50); // the start ends once the window is drawn
    }
    TempStartDir dir;
    ScriptedDialogs dialogs;
    app::App program;
    MainForm& main = program.Main();
    ui::Timer& keepOnTop = program.Notifications().Timer3;
};

} // namespace

TEST_F(MainWindow, OpensOnTheOptionsPanelAndPictureButtonsSwitchPanels) {
    ASSERT_TRUE(main.Visible());
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Options);
    Click(main.CoolButton4);
    EXPECT_TRUE(main.Frame_Target.Visible());
    EXPECT_FALSE(main.Frame_Options.Visible());
    EXPECT_FALSE(main.Frame_Memory.Visible());
    Click(main.CoolButton3);
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Memory);
    EXPECT_FALSE(main.Frame_Target.Visible());
    Click(main.CoolButton1);
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Options);
    EXPECT_FALSE(main.Frame_Memory.Visible());
}

TEST_F(MainWindow, TabRunsThroughThePictureButtonsFromTopToBottom) {
    ui::PictureButton* onScreen[] = {&main.CoolButton1, &main.CoolButton4, &main.CoolButton3,
                                     &main.CoolButton2};
    for (size_t i = 0; i + 1 < std::size(onScreen); ++i) {
        ASSERT_LT(onScreen[i]->Top(), onScreen[i + 1]->Top()) << "the buttons stand in this order";
        HWND next = GetNextDlgTabItem(main.hWnd(), onScreen[i]->hWnd(), FALSE);
        // Whatever lies between two buttons in the Tab order lies inside the panels.
        while (next && GetParent(next) != main.hWnd()) next = GetNextDlgTabItem(main.hWnd(), next, FALSE);
        EXPECT_EQ(next, onScreen[i + 1]->hWnd()) << "after button " << i;
    }
}

TEST_F(MainWindow, MinimizingHidesIntoTheTrayAndDoubleClickOrEnterRestoresOnTheMemoryPanel) {
    for (const UINT opening : std::initializer_list<UINT>{WM_LBUTTONDBLCLK, NIN_KEYSELECT}) {
        main.ShowPanel(MainForm::Panel::Options);
        keepOnTop.SetEnabled(false);
        main.SetWindowState(ui::WindowState::Minimized);
        PumpMessages(50);
        EXPECT_FALSE(main.Visible());
        EXPECT_TRUE(keepOnTop.Enabled());

        TrayEvent(main, opening);
        EXPECT_TRUE(main.Visible()) << opening;
        EXPECT_EQ(main.GetWindowState(), ui::WindowState::Normal);
        EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Memory);
        EXPECT_FALSE(keepOnTop.Enabled());
    }
}

TEST_F(MainWindow, OtherTrayEventsAreIgnored) {
    main.ShowPanel(MainForm::Panel::Target);
    for (const UINT message : std::initializer_list<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                                          WM_RBUTTONDOWN, WM_RBUTTONUP, NIN_SELECT})
        TrayEvent(main, message);
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Target);
    EXPECT_TRUE(main.Visible());
}

TEST_F(MainWindow, TheCloseBoxHidesIntoTheTrayLikeMinimizing) {
    SendMessageA(main.hWnd(), WM_CLOSE, 0, 0);
    PumpMessages(50);
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(main.IsLoaded());
    EXPECT_FALSE(program.Ended());
    EXPECT_TRUE(keepOnTop.Enabled());
}

TEST_F(MainWindow, TrayMenuItemsShowTheirPanelAndFollowTheKeepOnTopRules) {
    app::StartForm& start = program.Start();
    main.Hide();
    keepOnTop.SetEnabled(true);
    start.Options.OnClick();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Options);
    EXPECT_TRUE(keepOnTop.Enabled()) << "Options leaves the keep-on-top timer running";

    start.Folders.OnClick();
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Target);
    EXPECT_FALSE(keepOnTop.Enabled());

    main.Hide();
    keepOnTop.SetEnabled(true);
    start.In_Memory.OnClick();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.VisiblePanel(), MainForm::Panel::Target) << "In_Memory keeps the last panel";
    EXPECT_FALSE(keepOnTop.Enabled());
    EXPECT_FALSE(start.Blank.OnClick) << "Blank only closes the menu";
}

TEST_F(MainWindow, TrayMenuHasItsItemsInOrderWithCaptionsFromTheCatalogue) {
    const std::vector<ui::MenuItem*> items = program.Start().TrayMenuItems();
    ASSERT_EQ(items.size(), 7u);
    std::vector<std::string> captions;
    for (const ui::MenuItem* item : items) captions.push_back(item->separator ? "-" : item->caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"E33", "E26", "E31", "-", "E191", "-", "E27"}));
}

TEST_F(MainWindow, ExitButtonEndsTheProgramRemovingTheIconWithoutSaving) {
    main.options.Check3.SetValue(1);
    Click(main.CoolButton2);
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(main.WinTray1.Shown());
    EXPECT_FALSE(program.Viewer().IsLoaded()) << "the viewer left the chain";
    EXPECT_FALSE(dir.Exists("VLCREXT.INI")) << "options are not saved on the way out";
}

TEST_F(MainWindow, TrayCloseItemEndsTheProgram) {
    program.Start().Close.OnClick();
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(main.WinTray1.Shown());
}

TEST_F(MainWindow, TheIconComesBackWhenTheTaskBarIsRecreated) {
    if (!main.WinTray1.Shown()) GTEST_SKIP() << "no notification area on this display";
    SendMessageA(main.hWnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(main.WinTray1.Shown());
}

TEST_F(MainWindow, TheLogKeepsItsLatestTenThousandLines) {
    main.options.Check8.SetValue(1);
    main.lst_Log.Clear();
    for (int i = 0; i < MainForm::kLogLineLimit + 3; ++i) main.AppendLog("line " + std::to_string(i));
    ASSERT_EQ(main.lst_Log.ListCount(), MainForm::kLogLineLimit);
    EXPECT_EQ(SendMessageW(main.lst_Log.hWnd(), LB_GETCOUNT, 0, 0), MainForm::kLogLineLimit)
        << "on screen too";
    EXPECT_TRUE(main.lst_Log.List(0).ends_with(" line 3"))
        << "the oldest lines went: " << main.lst_Log.List(0);
    EXPECT_TRUE(main.lst_Log.List(MainForm::kLogLineLimit - 1).ends_with(" line 10002"));
}

TEST_F(MainWindow, DoubleClickingTheLineOfAPictureThatIsGoneSaysSoInTheStatus) {
    main.options.Check8.SetValue(1);
    main.lst_Log.Clear();
    main.AppendLog("Options saved.");
    main.AppendLog(main.Catalogue(56) + ": " + (dir.Path() / "gone.jpg").string());
    Click(main.Command16); // the log is shown
    const auto doubleClickRow = [&](int row) {
        const LPARAM at = MAKELPARAM(5, row * main.lst_Log.ItemHeight() + 2);
        SendMessageW(main.lst_Log.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(main.lst_Log.hWnd(), WM_LBUTTONUP, 0, at);
        SendMessageW(main.lst_Log.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(main.lst_Log.hWnd(), WM_LBUTTONUP, 0, at);
    };
    main.lbl_Status.SetCaption("");
    doubleClickRow(0);
    EXPECT_EQ(main.lbl_Status.Caption(), "") << "a line of no picture does nothing";
    doubleClickRow(1);
    EXPECT_EQ(main.lst_Log.ListIndex(), 1);
    EXPECT_EQ(main.lbl_Status.Caption(), main.Catalogue(205));
}

TEST_F(MainWindow, LogButtonTogglesTheLogListAndItsCaption) {
    EXPECT_EQ(main.Command16.Caption(), "E45");
    Click(main.Command16);
    EXPECT_TRUE(main.lst_Log.Visible());
    EXPECT_EQ(main.Command16.Caption(), "E47");
    main.Get_Language();
    EXPECT_EQ(main.Command16.Caption(), "E45") << "a language change sets the hidden-state caption";
    Click(main.Command16);
    EXPECT_FALSE(main.lst_Log.Visible());
    EXPECT_EQ(main.Command16.Caption(), "E45");
}

TEST_F(MainWindow, TheShownLogIsOnTopAndTheOnlyThingOverThePanelsThatTakesInput) {
    for (int i = 0; i < 60; ++i) main.lst_Log.AddItem("log line " + std::to_string(i));
    main.options.Check1.SetValue(0);
    main.options.Option6.SetValue(true); // its text boxes take typing
    main.options.txt_CustomRes1.SetFocus();
    ASSERT_EQ(GetFocus(), main.options.txt_CustomRes1.hWnd());
    main.Command16_Click();
    const HWND log = main.lst_Log.hWnd();
    EXPECT_EQ(GetFocus(), log) << "typing no longer reaches the covered text box";
    const POINT overBox = CentreOf(main.options.Check1.hWnd());
    ASSERT_EQ(WindowFromPoint(overBox), log);

    ClickAt(overBox);
    EXPECT_EQ(main.options.Check1.Value(), 0) << "the covered box was not ticked";
    POINT inLog = overBox;
    ScreenToClient(log, &inLog);
    const LRESULT row = LOWORD(SendMessageA(log, LB_ITEMFROMPOINT, 0, MAKELPARAM(inLog.x, inLog.y)));
    EXPECT_EQ(SendMessageA(log, LB_GETCURSEL, 0, 0), row) << "the clicked row is selected";
    for (const ui::Frame* frame : {&main.Frame_Options, &main.Frame_Target, &main.Frame_Memory})
        EXPECT_FALSE(IsChild(frame->hWnd(), GetNextDlgTabItem(main.hWnd(), log, FALSE)))
            << "Tab leads to no covered control";

    MoveMouseTo({overBox.x, overBox.y + 3 * static_cast<int>(main.lst_Log.ItemHeight())});
    EXPECT_EQ(main.lst_Log.ToolTipText(), main.lst_Log.List(static_cast<int>(row) + 3))
        << "the row tip follows the mouse";

    PutTextOnClipboard("kept");
    Click(main.CoolButton3);
    EXPECT_EQ(main.Command16.Caption(), "E47");
    const POINT overClear = CentreOf(main.memory.Command15.hWnd());
    ASSERT_EQ(WindowFromPoint(overClear), log) << "switching panels leaves the log on top";
    ClickAt(overClear);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the covered Clear was not pressed";

    main.Command16_Click();
    EXPECT_EQ(WindowFromPoint(overClear), main.memory.Command15.hWnd())
        << "the hidden log gives the panel back";
    ClickAt(overClear);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)) << "Clear, uncovered, empties the clipboard";
}

TEST_F(MainWindow, LogRowToolTipShowsTheLineUnderTheMouse) {
    Click(main.Command16);
    main.lst_Log.AddItem("a rather long line number four");
    const int row = ui::PixelsToTwipsY(main.lst_Log.ItemHeight());
    ASSERT_GT(row, 0);
    main.lst_Log_MouseMove(0, row / 2);
    EXPECT_EQ(main.lst_Log.ToolTipText(), "") << "the remembered row starts at 0";
    main.lst_Log_MouseMove(0, 3 * row + row / 2);
    EXPECT_EQ(main.lst_Log.ToolTipText(), "a rather long line number four");
    main.lst_Log_MouseMove(0, 0);
    EXPECT_EQ(main.lst_Log.ToolTipText(), main.lst_Log.List(0));
    main.lst_Log_MouseMove(0, 20 * row);
    EXPECT_EQ(main.lst_Log.ToolTipText(), "") << "below the last line the tip is cleared";
}

TEST_F(MainWindow, CaptionTableGivesEveryTargetItsEntry) {
    struct Expect {
        std::string actual;
        const char* entry;
    };
    const Expect expected[] = {
        {main.CoolButton4.ToolTipText(), "E50"},
        {main.CoolButton1.ToolTipText(), "E26"},
        {main.CoolButton2.ToolTipText(), "E27"},
        {main.Image1.ToolTipText(), "E28"},
        {main.options.Command1.Caption(), "E30"},
        {main.options.Command3.Caption(), "E29"},
        {main.options.Command2.Caption(), "E32"},
        {main.options.lbl_Options.Caption(), "E26"},
        {main.options.lbl_FromResolution.Caption(), "E34"},
        {main.memory.lbl_LatestSaved.Caption(), "E80"},
        {main.options.Option6.Caption(), "E41"},
        {main.options.Check1.Caption(), "E35"},
        {main.options.Check2.Caption(), "E36"},
        {main.options.Check3.Caption(), "E37"},
        {main.options.Check4.Caption(), "E38"},
        {main.options.Check5.Caption(), "E39"},
        {main.options.Check6.Caption(), "E40"},
        {main.options.Check7.Caption(), "E43"},
        {main.options.Check8.Caption(), "E46"},
        {main.memory.lbl_InMemory.Caption(), "E31"},
        {main.memory.lbl_Save.Caption(), "E29"},
        {main.memory.Command15.Caption(), "E44"},
        {main.targets.lbl_TargetTitle.Caption(), "E50"},
        {main.targets.lbl_Target.Caption(), "E51"},
        {main.targets.lbl_TargetDescription.Caption(), "E52"},
        {main.targets.Command6.Caption(), "E53"},
        {main.targets.Command7.Caption(), "E53"},
        {main.targets.Command8.Caption(), "E53"},
        {main.targets.Command9.Caption(), "E53"},
        {main.targets.Command10.Caption(), "E53"},
        {main.targets.Command5.Caption(), "E29"},
        {main.Command16.Caption(), "E45"},
    };
    for (const Expect& e : expected) EXPECT_EQ(e.actual, e.entry);
    EXPECT_EQ(main.options.Option1.Caption(), "640 x 480") << "fixed captions stay";
    EXPECT_EQ(main.CoolButton3.ToolTipText(), "");
}

TEST_F(MainWindow, AnEmptyCatalogueEmptiesEveryCaptionOfTheTable) {
    std::filesystem::remove(dir.Path() / "VLCRLANG.DRV");
    main.Set_Language();
    main.Get_Language();
    EXPECT_EQ(main.options.Check8.Caption(), "");
    EXPECT_EQ(main.targets.Command10.Caption(), "");
    EXPECT_EQ(program.Start().Close.caption, "");
    EXPECT_EQ(main.CoolButton4.ToolTipText(), "");
}

TEST_F(MainWindow, AboutImageAndLanguageButtonHideTheMainWindow) {
    main.Image1_Click();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(program.About().Visible());
    program.About().lbl_Chiudi_Click();
    EXPECT_TRUE(main.Visible());
    Click(main.options.Command2);
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(program.Language().Visible());
}

TEST_F(MainWindow, MainAboutAndChooserOpenCentredOnTheWorkArea) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const POINT centre{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
    const auto expectCentred = [&](const ui::Form& form, const char* name) {
        RECT rect{};
        ASSERT_TRUE(GetWindowRect(form.hWnd(), &rect)) << name;
        EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1) << name;
        EXPECT_NEAR(rect.top - work.top, work.bottom - rect.bottom, 1) << name;
        EXPECT_EQ(GetAncestor(WindowFromPoint(centre), GA_ROOT), form.hWnd())
            << name << " is what the centre shows";
    };
    expectCentred(main, "main window");
    main.Image1_Click();
    expectCentred(program.About(), "About window");
    program.About().Command1_Click();
    main.Command2_Click();
    expectCentred(program.Language(), "language chooser");
}

TEST_F(MainWindow, HiddenViewerButtonShowsTheViewerAtTheTopLeftCorner) {
    EXPECT_FALSE(main.memory.Command17.Visible());
    main.Command17_Click();
    EXPECT_TRUE(program.Viewer().Visible());
    RECT rect{};
    GetWindowRect(program.Viewer().hWnd(), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
}

namespace {

RECT ClientPixels(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT ScreenPixels(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// A control's place in its form's client area.
RECT InClient(HWND control, HWND form) {
    RECT rect = ScreenPixels(control);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int FontHeight(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

// The system tells a window that it is now on a screen of another DPI.
void MoveToScreenOfDpi(HWND window, int dpi) {
    RECT suggested = ScreenPixels(window);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

TEST_F(MainWindow, OnAScreenOfTwiceTheDpiEverythingIsLaidOutTwiceAsLargeAndBackAgain) {
    main.Show();
    main.Move(0, 0); // twice as large, it still fits the screen
    PumpMessages(50);
    const int dpi = main.Dpi();
    ui::CheckBox& longest = main.options.Check4; // "Empty the clipboard when the notification closes"
    const RECT client = ClientPixels(main.hWnd()), check = InClient(longest.hWnd(), main.hWnd());
    const int font = FontHeight(longest.hWnd());

    MoveToScreenOfDpi(main.hWnd(), dpi * 2);
    PumpMessages(50);
    const RECT window = ScreenPixels(main.hWnd()), bigClient = ClientPixels(main.hWnd());
    EXPECT_NEAR(bigClient.right, 2 * client.right, 2);
    EXPECT_NEAR(bigClient.bottom, 2 * client.bottom, 2);
    const RECT bigCheck = InClient(longest.hWnd(), main.hWnd());
    for (const auto& [big, small] : {std::pair{bigCheck.left, check.left},
                                     {bigCheck.top, check.top},
                                     {bigCheck.right, check.right},
                                     {bigCheck.bottom, check.bottom}})
        EXPECT_NEAR(big, 2 * small, 2);
    EXPECT_NEAR(FontHeight(longest.hWnd()), 2 * font, 2)
        << "the text grows with the boxes: no caption is cut";
    // On the screen: the point at the box's new far right is the box.
    POINT farRight{bigCheck.right - 3, (bigCheck.top + bigCheck.bottom) / 2};
    ClientToScreen(main.hWnd(), &farRight);
    ASSERT_TRUE(PtInRect(&window, farRight));
    EXPECT_EQ(WindowFromPoint(farRight), longest.hWnd());

    MoveToScreenOfDpi(main.hWnd(), dpi);
    PumpMessages(50);
    EXPECT_EQ(ClientPixels(main.hWnd()).right, client.right);
    EXPECT_EQ(ClientPixels(main.hWnd()).bottom, client.bottom);
    EXPECT_EQ(FontHeight(longest.hWnd()), font);
}
