// Start-up under Wine: the real forms in a fresh start directory.
#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "clipboard/ClipViewerForm.h"
#include "i18n/DriverLines.h"
#include "i18n/LanguageForm.h"
#include "notify/NotificationForm.h"
#include "ui/AppTitle.h"
#include "ui/SingleInstance.h"
#include "ui/Twips.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace testing_support;

namespace {

std::string DriverWith(int lines, const std::function<std::string(int)>& text) {
    std::string content;
    for (int entry = 0; entry < lines; ++entry) content += text(entry) + "\r\n";
    return content;
}

class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::SetInstanceName("Local\\VellicorStartupTest-" + std::to_string(GetCurrentProcessId()));
        ui::SetAppTitle("Vellicor Rizezuza");
    }
    TempStartDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{{2026, 12, 7, 16, 20, 0}};
};

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

} // namespace

TEST_F(Startup, NormalStartLoadsCatalogueTitleVersionAndLogHeader) {
    dir.Write("VLCRLANG.DRV", ShippedDriver());
    PutTextOnClipboard("left over");
    app::App program;
    program.Start().Load();
    app::MainForm& main = program.Main();

    EXPECT_FALSE(ClipboardHasText()) << "the clipboard is emptied at every start";
    EXPECT_EQ(main.Caption(), "Vellicor Rizezuza 2.2");
    EXPECT_EQ(main.lbl_Version.Caption(), "v.2.2.2006");
    EXPECT_EQ(main.txt_InitDir.Text(), dir.Path().string()) << "the program's folder, not the current one";
    EXPECT_GE(main.lst_Language.ListCount(), 194);
    EXPECT_EQ(main.Catalogue(104), "Vellicor Rizezuza is already running.");
    ASSERT_EQ(main.lst_Log.ListCount(), 3);
    EXPECT_EQ(main.lst_Log.List(0), "Vellicor Rizezuza LOG");
    EXPECT_EQ(main.lst_Log.List(1).rfind("Started at ", 0), 0u);
    EXPECT_EQ(main.lst_Log.List(1).find(", "), std::string::npos) << "no blank after the comma in the header";
    EXPECT_EQ(main.lst_Log.List(2), std::string(48, '='));
    EXPECT_FALSE(program.Viewer().IsLoaded()) << "what is not seen waits until the window is drawn";
    PumpMessages(100);
    EXPECT_EQ(ui::AppTitle(), "Clipboard Viewer") << "the viewer's load sets the application title";
    EXPECT_TRUE(program.Viewer().IsLoaded());
    EXPECT_FALSE(program.Viewer().Visible());
    for (ui::OptionButton* option : {&main.options.Option1, &main.options.Option6})
        EXPECT_TRUE(option->Enabled());
    EXPECT_TRUE(program.Notifications().Visible()) << "the notification window is placed and shown";
    EXPECT_GE(program.Notifications().Top(), ui::ScreenHeightTwips() - 15) << "parked below the screen";
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Startup, HugeDriverAndTargetFilesAreReadOnlyAsFarAsTheyAreUsed) {
    dir.Write("VLCRLANG.DRV", NumberedDriver(500000));
    dir.Write("TARGET4.INI", std::string(10 << 20, 'x') + "\r\nC:\\Last\r\n");
    dir.Write("TARGET5.INI", "C:\\" + std::string(10 << 20, 'x') + "\r\n");
    app::App program;
    program.Main().options.Check2.SetValue(0);
    program.Start().Load();
    app::MainForm& main = program.Main();
    EXPECT_EQ(main.lst_Language.ListCount(), static_cast<int>(i18n::kCatalogueLines))
        << "the catalogue holds the lines up to the last entry read";
    EXPECT_EQ(main.Catalogue(193), "E193");
    EXPECT_EQ(main.targets.FolderText(4).Text(), "C:\\Last") << "the last line counts";
    EXPECT_EQ(main.targets.FolderText(5).Text(), "") << "a line longer than any path is no folder";
    EXPECT_EQ(main.targets.InUse(5).Value(), 0);
}

TEST_F(Startup, StartMinimizedRunsInTheTrayWithKeepOnTopTimer) {
    dir.Write("VLCRLANG.DRV", ShippedDriver());
    app::App program;
    program.Main().options.Check2.SetValue(1);
    program.Start().Load();
    PumpMessages(100);
    EXPECT_FALSE(program.Main().Visible());
    EXPECT_FALSE(program.Start().Visible());
    EXPECT_TRUE(program.Notifications().Timer3.Enabled());
}

TEST_F(Startup, FirstRunShowsOnlyTheLanguageChooser) {
    dir.Write("VLCRLANG.DRV", ShippedDriver());
    dir.Write("VLSTART.1ST", "");
    app::App program;
    program.Start().Load();
    PumpMessages(50);
    EXPECT_TRUE(program.Language().Visible());
    EXPECT_FALSE(program.Main().Visible());
    EXPECT_FALSE(program.Start().Visible());
    EXPECT_EQ(program.Main().lst_Language.ListCount(), 0) << "the catalogue is not read on a first run";
    EXPECT_EQ(program.Main().lst_Log.ListCount(), 0) << "no log header on a first run";
    EXPECT_FALSE(program.Main().WinTray1.Shown());
    EXPECT_TRUE(program.Viewer().IsLoaded()) << "the viewer joins the chain on a first run too";
    EXPECT_TRUE(dir.Exists("VLSTART.1ST"));
}

TEST_F(Startup, SecondCopyShowsMessage104TitledClipboardViewerAndEnds) {
    dir.Write("VLCRLANG.DRV", ShippedDriver());
    ui::SingleInstance runningCopy;
    PutTextOnClipboard("keep me");
    app::App program;
    program.Start().Load();

    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const DialogCall box = dialogs.Messages()[0];
    EXPECT_EQ(box.text, "(104) Vellicor Rizezuza is already running.");
    EXPECT_EQ(box.title, "Clipboard Viewer");
    EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
    EXPECT_TRUE(program.Ended());
    EXPECT_FALSE(program.Notifications().Timer3.Enabled());
    EXPECT_TRUE(ClipboardHasText()) << "a refused copy leaves the running copy's clipboard alone";
    EXPECT_FALSE(program.Viewer().IsLoaded());
}

TEST_F(Startup, SecondCopyWithoutDriverStillShowsTheNumber) {
    ui::SingleInstance runningCopy;
    app::App program;
    program.Start().Load();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(104) ");
}

// --- The message catalogue ------------------------------------------------

class Catalogue : public Startup {};

TEST_F(Catalogue, LookupMovesTheCurrentEntryAndBeyondTheEndIsEmpty) {
    dir.Write("VLCRLANG.DRV", DriverWith(10, [](int e) { return "entry " + std::to_string(e); }));
    app::App program;
    app::MainForm& main = program.Main();
    main.Set_Language();
    EXPECT_EQ(main.Catalogue(7), "entry 7");
    EXPECT_EQ(main.lst_Language.ListIndex(), 7);
    EXPECT_EQ(main.Catalogue(150), "");
    EXPECT_EQ(main.Catalogue(-1), "");
    main.Get_Language(); // reads entries up to 191: must not stop
    EXPECT_EQ(main.options.Check1.Caption(), "");
    EXPECT_EQ(main.options.lbl_Options.Caption(), "");
}

TEST_F(Catalogue, EmptyLineFortyIsABlankCaptionOfCheck5) {
    dir.Write("VLCRLANG.DRV",
              DriverWith(200, [](int e) { return e == 39 ? std::string() : "E" + std::to_string(e); }));
    app::App program;
    program.Main().Set_Language();
    program.Main().Get_Language();
    EXPECT_EQ(program.Main().options.Check5.Caption(), " ");
    EXPECT_EQ(program.Main().Catalogue(40), "E40");
}

TEST_F(Catalogue, ReloadingAShorterFileLeavesNothingOfTheFirst) {
    dir.Write("VLCRLANG.DRV", DriverWith(200, [](int e) { return "old" + std::to_string(e); }));
    app::App program;
    program.Main().Set_Language();
    dir.Write("VLCRLANG.DRV", "new0\r\nnew1");
    program.Main().Set_Language();
    EXPECT_EQ(program.Main().lst_Language.ListCount(), 2);
    EXPECT_EQ(program.Main().Catalogue(1), "new1");
    EXPECT_EQ(program.Main().Catalogue(5), "");
}

TEST_F(Catalogue, MissingDriverLeavesEveryCaptionEmptyWithoutMessage) {
    app::App program;
    program.Main().options.Check3.SetCaption("before");
    program.Main().Set_Language();
    program.Main().Get_Language();
    EXPECT_EQ(program.Main().lst_Language.ListCount(), 0);
    EXPECT_EQ(program.Main().options.Check3.Caption(), "");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Catalogue, BadDriverFilesNeverStopTheProgram) {
    const std::string binary("\x00\x01\xff\xfe\r\x00\n\x7f", 8);
    const std::string crOnly = "a\rb\rc";
    std::string huge;
    huge.reserve(31u * 1024 * 1024);
    const std::string line(120, 'w');
    while (huge.size() < 30u * 1024 * 1024) huge += line + "\r\n";
    const std::string longLines = std::string(70000, 'L') + "\r\n" + std::string(70000, 'M');
    for (const std::string* content :
         {&binary, &crOnly, static_cast<const std::string*>(&huge), &longLines}) {
        dir.Write("VLCRLANG.DRV", *content);
        app::App program;
        const auto started = std::chrono::steady_clock::now();
        program.Main().Set_Language();
        program.Main().Get_Language();
        EXPECT_GT(program.Main().lst_Language.ListCount(), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60)) << "no hang";
    }
}

TEST_F(Catalogue, ErrorReportShowsNumberBlankAndTextWithoutTitle) {
    dir.Write("VLCRLANG.DRV", ShippedDriver());
    app::App program;
    program.Main().Set_Language();
    program.Main().ErrorReport(99, ui::MsgIcon::Exclamation);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(99) " + program.Main().Catalogue(99));
    EXPECT_EQ(dialogs.Messages()[0].title, ui::AppTitle());
    EXPECT_EQ(program.Main().lst_Language.ListIndex(), 99);
}

TEST_F(Catalogue, AppendLogWritesOnlyWhileCheck8IsExactlyOne) {
    app::App program;
    app::MainForm& main = program.Main();
    main.options.Check8.SetValue(2);
    main.AppendLog("greyed");
    main.options.Check8.SetValue(0);
    main.AppendLog("off");
    EXPECT_EQ(main.lst_Log.ListCount(), 0);
    main.options.Check8.SetValue(1);
    main.AppendLog("on");
    ASSERT_EQ(main.lst_Log.ListCount(), 1);
    const std::string& line = main.lst_Log.List(0);
    EXPECT_EQ(line, ui::ShortDateText(clock.when) + ", " + ui::TimeText(clock.when) + " - on");
}
