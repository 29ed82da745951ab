// The About window's texts and its two ways of closing.
#include "app/AboutForm.h"
#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "ui/SingleInstance.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testing_support;

class About : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorAboutTest-" + std::to_string(GetCurrentProcessId()));
        dir.Write("VLCRLANG.DRV", NumberedDriver());
        program.Main().options.Check2.SetValue(0);
        program.Start().Load();
        PumpMessages(50); // the start ends once the window is drawn
    }
    TempStartDir dir;
    ScriptedDialogs dialogs;
    app::App program;
    app::AboutForm& about = program.About();
};

TEST_F(About, ShowsVersionCopyrightAndTheDriversIdentity) {
    program.Main().Image1_Click();
    EXPECT_EQ(about.Caption(), ":: www.vellicor.example ::");
    EXPECT_EQ(about.lbl_Version.Caption(), "2.2.2006");
    EXPECT_NE(about.lbl_Copyright.Caption().find("Copyright"), std::string::npos);
    EXPECT_EQ(about.lbl_DriverMade.Caption(), "E2");
    EXPECT_EQ(about.lbl_DRVVersion.Caption(), "E3");
    EXPECT_EQ(about.lbl_DRVLanguage.Caption(), "E4");
    EXPECT_EQ(about.Command1.Caption(), "E121");
    EXPECT_EQ(about.WebLink1.Caption(), "E120");
    EXPECT_EQ(about.WebLink2.Caption(), "Forum");
    EXPECT_EQ(about.FixedLabels[0].Caption(), "Product version");
}

TEST_F(About, CloseButtonUnloadsSoTheNextOpeningShowsANewLanguage) {
    program.Main().Image1_Click();
    program.Main().SetWindowState(ui::WindowState::Minimized);
    SendMessageA(about.Command1.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(about.IsLoaded());
    EXPECT_TRUE(program.Main().Visible());
    EXPECT_EQ(program.Main().GetWindowState(), ui::WindowState::Normal);

    dir.Write("VLCRLANG.DRV", ShippedDriver("German"));
    program.Main().Set_Language();
    program.Main().Image1_Click();
    EXPECT_EQ(about.lbl_DRVLanguage.Caption(), "Deutsch");
}

TEST_F(About, TheTitleBarsCloseBoxAndAltF4CloseItAsItsCloseButtonDoes) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"the close box",
         [this] {
             RECT rect{};
             GetWindowRect(about.hWnd(), &rect);
             const POINT box{rect.right - GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
                             rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
             ASSERT_EQ(SendMessageA(about.hWnd(), WM_NCHITTEST, 0, MAKELPARAM(box.x, box.y)), HTCLOSE);
             ClickAt(box);
         }},
        {"Alt+F4",
         [] {
             PressKeys({VK_MENU, VK_F4});
         }},
    };
    app::MainForm& main = program.Main();
    for (const auto& [way, close] : ways) {
        main.Image1_Click();
        ASSERT_FALSE(main.Visible()) << way;
        close();
        PumpMessages(100);
        EXPECT_FALSE(about.IsLoaded()) << way;
        EXPECT_TRUE(main.Visible()) << way;
        EXPECT_EQ(GetAncestor(WindowFromPoint(CentreOf(main.hWnd())), GA_ROOT), main.hWnd()) << way;
    }
}

TEST_F(About, SmallCloseLabelOnlyHidesSoTheOldTextsStay) {
    program.Main().Image1_Click();
    about.lbl_Chiudi_Click();
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(about.IsLoaded());
    EXPECT_TRUE(program.Main().Visible());

    dir.Write("VLCRLANG.DRV", ShippedDriver("German"));
    program.Main().Set_Language();
    program.Main().Image1_Click();
    EXPECT_EQ(about.lbl_DRVLanguage.Caption(), "E4") << "Form_Load does not run again";
}

TEST_F(About, AMissingUpdaterIsReportedAndTheProgramRunsOn) {
    program.Main().Image1_Click();
    EXPECT_EQ(std::filesystem::path(app::AboutForm::UpdaterPath()).filename(), "patchget.exe");
    EXPECT_TRUE(std::filesystem::path(app::AboutForm::UpdaterPath()).is_absolute());
    about.Command3_Click();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_NE(dialogs.Messages()[0].text.find("patchget.exe"), std::string::npos);
    EXPECT_FALSE(program.Ended());
    EXPECT_TRUE(about.Visible());
}
