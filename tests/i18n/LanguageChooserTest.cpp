// The language chooser in its two modes, with real folders and files.
#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "i18n/LanguageForm.h"
#include "ui/SingleInstance.h"
#include "ui/WinHandles.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

using namespace testing_support;

namespace {

void Click(const ui::Control& control) {
    SendMessageA(control.hWnd(), BM_CLICK, 0, 0);
}

class LanguageChooser : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorChooserTest-" + std::to_string(GetCurrentProcessId()));
        dir.Write("lang/English/vlcrEnglish.drv", ShippedDriver("English"));
        dir.Write("lang/Italian/vlcrItalian.drv", ShippedDriver("Italian"));
        dir.Write("lang/Italian/vlcrZulu.drv", "not the first one\r\n");
        dir.Write("lang/Italian/Italian_2.jpg", FlagJpeg());
        dir.Write("lang/Plain/vlcrPlain.drv", NumberedDriver());
        dir.Write("lang/Empty/readme.txt", "no driver here");
        // Files that look like drivers but are not: a settings file that
        // sorts first, and a driver too short for the catalogue.
        dir.Write("lang/Short/VLCRA.INI", "211000001\r\n");
        dir.Write("lang/Short/vlcrShort.drv", NumberedDriver(193));
    }
    // A tiny real JPEG: the shipped English flag.
    static std::string FlagJpeg() {
        const std::filesystem::path flag = std::filesystem::path(VELLICOR_SOURCE_DIR) / "build" / "win64" /
                                           "art" / "lang" / "English" / "English_2.jpg";
        std::ifstream in(flag, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // A first run: the marker is there, and the chooser is the only window.
    i18n::LanguageForm& StartFirstRun() {
        dir.Write("VLSTART.1ST", "");
        program.emplace();
        program->Start().Load();
        return program->Language();
    }
    // A later use: a normal start, then the main window's language button.
    i18n::LanguageForm& OpenFromMainWindow() {
        dir.Write("VLCRLANG.DRV", NumberedDriver());
        program.emplace();
        program->Main().options.Check2.SetValue(0);
        program->Start().Load();
        PumpMessages(50); // the start ends once the window is drawn
        program->Main().Command2_Click();
        return program->Language();
    }
    std::string Start() const { return dir.Path().string(); }
    std::string CurrentFolder() const { return std::filesystem::current_path().string(); }

    TempStartDir dir;
    ScriptedDialogs dialogs;
    std::optional<app::App> program;
};

// Dark pixels that a window paints (its text), by PrintWindow.
int DarkPixels(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    const int width = rect.right, height = rect.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const ui::ScopedGetDC screen(nullptr);
    const ui::UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ui::UniqueDC memory(CreateCompatibleDC(screen));
    if (!bitmap || !memory) return -1;
    const ui::ScopedSelectObject selected(memory.get(), bitmap.get());
    PatBlt(memory.get(), 0, 0, width, height, WHITENESS); // what nothing paints stays light
    PrintWindow(window, memory.get(), PW_CLIENTONLY);
    GdiFlush();
    int dark = 0;
    const auto* pixel = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < width * height; ++i, pixel += 4)
        if (pixel[0] + pixel[1] + pixel[2] < 3 * 96) ++dark;
    return dark;
}

} // namespace

TEST_F(LanguageChooser, FirstRunShowsFixedEnglishAndOnlyTheEndingCancel) {
    i18n::LanguageForm& chooser = StartFirstRun();
    ASSERT_TRUE(chooser.Visible());
    EXPECT_EQ(chooser.lbl_Lingua.Caption(), "Choose your language!");
    EXPECT_EQ(chooser.lbl_Seleziona.Caption(), "Languages");
    EXPECT_TRUE(chooser.Command3.Visible());
    EXPECT_FALSE(chooser.Command2.Visible());
    EXPECT_FALSE(chooser.Command1.Enabled()) << "the lang folder itself holds no driver";
    EXPECT_EQ(GetMenuState(GetSystemMenu(chooser.hWnd(), FALSE), SC_CLOSE, MF_BYCOMMAND),
              static_cast<UINT>(-1));
}

TEST_F(LanguageChooser, FirstRunOkAppliesTheFirstDriverAndCompletesTheStart) {
    i18n::LanguageForm& chooser = StartFirstRun();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Italian"));
    EXPECT_TRUE(chooser.Command1.Enabled());
    EXPECT_FALSE(chooser.img_Flag.GetPicture().Empty()) << "the folder's flag is shown";
    Click(chooser.Command1);

    EXPECT_EQ(dir.Read("VLCRLANG.DRV"), ShippedDriver("Italian")) << "the first driver of the folder";
    EXPECT_FALSE(dir.Exists("VLSTART.1ST"));
    EXPECT_FALSE(chooser.IsLoaded());
    EXPECT_TRUE(program->Main().Visible());
    EXPECT_EQ(program->Main().Caption(), "Vellicor Rizezuza 2.2");
    EXPECT_EQ(program->Main().Catalogue(4), "Italiano");
    EXPECT_EQ(program->Main().options.Check8.Caption(), program->Main().Catalogue(46));
    EXPECT_TRUE(program->Main().options.Option6.Enabled());
    EXPECT_EQ(CurrentFolder(), Start());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(LanguageChooser, AFolderWithoutPicturesEnablesOkWithAnEmptyFlag) {
    i18n::LanguageForm& chooser = StartFirstRun();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Plain"));
    EXPECT_TRUE(chooser.Command1.Enabled());
    EXPECT_TRUE(chooser.img_Flag.GetPicture().Empty());
}

TEST_F(LanguageChooser, AFolderWithoutDriverDisablesOkAndKeepsTheLastFlag) {
    i18n::LanguageForm& chooser = StartFirstRun();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Italian"));
    ASSERT_FALSE(chooser.img_Flag.GetPicture().Empty());
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Empty"));
    EXPECT_FALSE(chooser.Command1.Enabled());
    EXPECT_FALSE(chooser.img_Flag.GetPicture().Empty());
}

TEST_F(LanguageChooser, FirstRunCancelEndsTheProgramAndKeepsTheMarker) {
    Click(StartFirstRun().Command3);
    EXPECT_TRUE(program->Ended());
    EXPECT_TRUE(dir.Exists("VLSTART.1ST"));
    EXPECT_FALSE(dir.Exists("VLCRLANG.DRV"));
}

TEST_F(LanguageChooser, ACloseRequestActsAsTheVisibleCancel) {
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"Alt+F4",
         [](HWND) {
             PressKeys({VK_MENU, VK_F4});
         }},
        {"a close message", [](HWND chooser) { PostMessageA(chooser, WM_CLOSE, 0, 0); }},
    };
    for (const auto& [way, close] : ways) {
        SetCurrentDirectoryA(Start().c_str()); // an ended first run leaves it in lang
        const HWND chooser = StartFirstRun().hWnd();
        const POINT centre = CentreOf(chooser);
        close(chooser);
        PumpMessages(100);
        EXPECT_TRUE(program->Ended()) << way << " on a first run ends the program";
        EXPECT_TRUE(dir.Exists("VLSTART.1ST")) << way;
        EXPECT_FALSE(program->Main().Visible()) << way << ": no empty main window";
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        for (const POINT at : {centre, POINT{(work.left + work.right) / 2, (work.top + work.bottom) / 2}}) {
            DWORD owner = 0;
            GetWindowThreadProcessId(GetAncestor(WindowFromPoint(at), GA_ROOT), &owner);
            EXPECT_NE(owner, GetCurrentProcessId()) << way << ": no window of the program is left on screen";
        }
    }
    SetCurrentDirectoryA(Start().c_str());
    std::filesystem::remove(dir.Path() / "VLSTART.1ST");
    i18n::LanguageForm& later = OpenFromMainWindow();
    PostMessageA(later.hWnd(), WM_CLOSE, 0, 0);
    PumpMessages(100);
    EXPECT_FALSE(later.IsLoaded());
    EXPECT_TRUE(program->Main().Visible()) << "in later use it returns to the main window";
    EXPECT_EQ(CurrentFolder(), Start());
}

TEST_F(LanguageChooser, LaterUseTakesItsTextsFromTheCatalogueAndCancelChangesNothing) {
    i18n::LanguageForm& chooser = OpenFromMainWindow();
    ASSERT_TRUE(chooser.Visible());
    EXPECT_EQ(chooser.lbl_Lingua.Caption(), "");
    EXPECT_EQ(chooser.lbl_Seleziona.Caption(), "E189");
    EXPECT_EQ(chooser.Command1.Caption(), "E190");
    EXPECT_EQ(chooser.Command2.Caption(), "E191");
    EXPECT_EQ(chooser.cmd_Refresh.Caption(), "E193");
    EXPECT_TRUE(chooser.Command2.Visible());
    EXPECT_FALSE(chooser.Command3.Visible());
    EXPECT_EQ(CurrentFolder(), Start() + "\\lang");

    Click(chooser.Command2);
    EXPECT_FALSE(chooser.IsLoaded());
    EXPECT_TRUE(program->Main().Visible());
    EXPECT_EQ(dir.Read("VLCRLANG.DRV"), NumberedDriver());
    EXPECT_EQ(CurrentFolder(), Start());
}

TEST_F(LanguageChooser, LaterUseOkChangesEveryCaptionAndReturnsToTheMainWindow) {
    i18n::LanguageForm& chooser = OpenFromMainWindow();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\English"));
    Click(chooser.Command1);
    EXPECT_EQ(program->Main().Catalogue(4), "English");
    EXPECT_EQ(program->Start().Close.caption, program->Main().Catalogue(27))
        << "the tray menu changes language too";
    EXPECT_TRUE(program->Main().Visible());
    EXPECT_EQ(CurrentFolder(), Start());
}

TEST_F(LanguageChooser, AFailedCopyReportsEntry92CriticallyAndEnds) {
    std::filesystem::create_directory(dir.Path() / "VLCRLANG.DRV"); // a folder in the way
    i18n::LanguageForm& chooser = StartFirstRun();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\English"));
    Click(chooser.Command1);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(92) ") << "the catalogue is still empty on a first run";
    EXPECT_EQ(dialogs.Messages()[0].icon, ui::MsgIcon::Critical);
    EXPECT_TRUE(program->Ended());
    EXPECT_TRUE(dir.Exists("VLSTART.1ST"));
}

TEST_F(LanguageChooser, OptionsSavedWhileTheChooserBrowsesGoIntoTheProgramsFolder) {
    i18n::LanguageForm& chooser = OpenFromMainWindow();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Italian"));
    ASSERT_EQ(CurrentFolder(), Start() + "\\lang\\Italian") << "browsing changes the current directory";
    program->Main().targets.txt_TargetPath.SetText("C:\\Pictures");
    program->Main().targets.Check_Folder_1.SetValue(1);
    Click(program->Main().options.Command3);
    Click(program->Main().targets.Command5);
    EXPECT_TRUE(dir.Exists("VLCREXT.INI"));
    EXPECT_EQ(dir.Read("TARGET1.INI"), "C:\\Pictures\r\n");
    EXPECT_FALSE(dir.Exists("lang/Italian/VLCREXT.INI"));
    EXPECT_FALSE(dir.Exists("lang/Italian/TARGET1.INI"));
}

TEST_F(LanguageChooser, OnlyAFullDriverIsTakenAndAFolderWithoutOneSaysSo) {
    i18n::LanguageForm& chooser = OpenFromMainWindow();
    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Short"));
    EXPECT_FALSE(chooser.Command1.Enabled());
    ASSERT_TRUE(chooser.lbl_NoDriver.Visible());
    EXPECT_EQ(chooser.lbl_NoDriver.Caption(), "This folder holds no language driver.");
    PumpMessages(50);
    EXPECT_GT(DarkPixels(chooser.lbl_NoDriver.hWnd()), 20) << "the note is on screen";

    ASSERT_TRUE(chooser.Dir1.SetPath(Start() + "\\lang\\Plain"));
    EXPECT_TRUE(chooser.Command1.Enabled());
    EXPECT_FALSE(chooser.lbl_NoDriver.Visible());
    // The program's own folder: VLCREXT.INI matches "VLCR*.*" and sorts first.
    dir.Write("VLCREXT.INI", "211000001\r\n");
    ASSERT_TRUE(chooser.Dir1.SetPath(Start()));
    Click(chooser.Command1);
    EXPECT_EQ(dir.Read("VLCRLANG.DRV"), NumberedDriver()) << "the driver stays a driver";
    EXPECT_EQ(program->Main().options.Check8.Caption(), "E46");
}
