// The tray icon is never lost: an icon that the shell refuses at start (at
// log-on the task bar may not exist yet) is tried again on "TaskbarCreated"
// and on a timer until the shell takes it.
#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "i18n/LanguageForm.h"
#include "ui/SingleInstance.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <shellapi.h>

using namespace testing_support;

namespace {

// Asks the shell about the icon the main window owns (id 1, as TrayIcon adds it).
bool ShellHasIcon(HWND owner, DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(action, &data) != FALSE;
}

class TrayIcon : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorTrayTest-" + std::to_string(GetCurrentProcessId()));
        dir.Write("lang/English/vlcrEnglish.drv", ShippedDriver("English"));
        dir.Write("VLSTART.1ST", "");
    }
    TempStartDir dir;
    ScriptedDialogs dialogs;
    app::App program;
};

} // namespace

TEST_F(TrayIcon, ARefusedIconIsTriedAgainUntilTheShellTakesIt) {
    program.Start().Load();
    PumpMessages(50); // the start ends once the window is drawn
    app::MainForm& main = program.Main();
    const HWND owner = main.hWnd();
    i18n::LanguageForm& chooser = program.Language();
    ASSERT_TRUE(chooser.Dir1.SetPath(dir.Path().string() + "\\lang\\English"));
    // An icon of the same window and id is already there: the shell refuses
    // to add the program's icon.
    ASSERT_TRUE(ShellHasIcon(owner, NIM_ADD)) << "no notification area on this display";
    SendMessageA(chooser.Command1.hWnd(), BM_CLICK, 0, 0);
    ASSERT_TRUE(main.Visible()) << "the first run is complete";
    EXPECT_FALSE(main.WinTray1.Shown());
    EXPECT_TRUE(main.Timer2.Enabled()) << "the program keeps trying";

    ASSERT_TRUE(ShellHasIcon(owner, NIM_DELETE));
    EXPECT_TRUE(PumpUntil([&] { return main.WinTray1.Shown(); }, 5000)) << "the timer tries again";
    EXPECT_FALSE(main.Timer2.Enabled());
    EXPECT_TRUE(ShellHasIcon(owner, NIM_MODIFY)) << "the shell has the program's icon";

    // A new task bar starts without icons.
    ASSERT_TRUE(ShellHasIcon(owner, NIM_DELETE));
    SendMessageA(owner, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(owner, NIM_MODIFY)) << "added again for the new task bar";

    main.EndProgram();
    EXPECT_FALSE(ShellHasIcon(owner, NIM_MODIFY)) << "removed at the end";
}
